#include "soil/earth_pressure_report.h"

#include <string>

namespace keldor::engine {
namespace {

const std::string kSixBlanks(6, ' ');

std::string pressure_label(const UnitLabels& labels) { return labels.F4() + "/" + labels.L2() + "**" + "2"; }
std::string unit_weight_label(const UnitLabels& labels) { return labels.F4() + "/" + labels.L2() + "**" + "3  "; }

// Six blanks, the label (which ends in "= "), the value in E10.3 and its unit.
void value_line(ReportWriter& report, const char* label, double value, const std::string& unit) {
  report.line(kSixBlanks + label + format_exponent(value, 10, 3) + unit);
}

}  // namespace

void write_wall_information(ReportWriter& report, const WallRecord& wall, double GAMW, const UnitLabels& labels) {
  report.box("WALL INFORMATION");
  value_line(report, "FREE HEIGHT OF WALL                    = ", wall.HWALL, labels.L3());
  value_line(report, "WIDTH FOR EARTH PRESSURE, WA           = ", wall.WA, labels.L3());
  value_line(report, "WIDTH FOR SOIL RESISTANCE, WP          = ", wall.WP, labels.L3());
  value_line(report, "DEPTH TO THE WATER TABLE AT BACKFILL   = ", wall.DWB, labels.L3());
  value_line(report, "DEPTH TO THE WATER TABLE AT EXCAVATION = ", wall.DWE, labels.L3());
  value_line(report, "UNIT WEIGHT OF WATER                   = ", GAMW, unit_weight_label(labels));
  value_line(report, "SLOPE OF THE BACKFILL (deg.)           = ", wall.BETA, "");
  value_line(report, "MODIFICATION FOR ACTIVE EARTH PRESSURE = ", wall.AMOD, "");
}

SingleSurcharge write_surcharge_information(ReportWriter& report, const SurchargeRecord& record,
                                            const std::vector<SurchargeRow>& rows, const UnitLabels& labels) {
  report.box("SURCHARGE INFORMATION");
  value_line(report, "UNIFORM SURFACE PRESSURE     =", record.QU, pressure_label(labels));
  SingleSurcharge surcharge = SingleSurcharge::from_record(record);
  int I = 0;
  for (const SurchargeRow& row : rows) {
    surcharge.take_row(row);
    report.line(kSixBlanks + "SURCHARGE LOADING NO.        = " + format_integer(++I, 10));
    value_line(report, "POINT LOAD                   = ", surcharge.QPOINT, labels.F4());
    value_line(report, "LINE LOAD                    = ", surcharge.QLINE, labels.force_per_length());
    value_line(report, "STRIP LOAD                   = ", surcharge.QSTRIP, pressure_label(labels));
    value_line(report, "WIDTH OF THE STRIP LOAD      = ", surcharge.WSTRIP, labels.L3());
    value_line(report, "HORIZONTAL DISTANCE BETWEEN  = ", surcharge.XSUR, labels.L3());
    report.line(kSixBlanks + "THE WALL AND SURCHARGE         ");
  }
  return surcharge;
}

void write_soil_information(ReportWriter& report, Console& console, const EarthPressureColumn& column, int IUNITS) {
  static const char* const kHeading[] = {
      "                                      TOTAL",
      "                                    TOTAL UNIT",
      "      LAYER THICKNESS COHESION  PHI   WEIGHT   DRAINED  ZTOP",
  };
  static const char* const kEnglishUnits = "       NO.     IN       PSI     DEG     PCI     T OR F    IN";
  static const char* const kSiUnits = "               M        kPa     DEG    kN/M^3   T OR F    M ";
  static const char* const kGenericUnits = "       NO.      L       F/L2    DEG    F/L3     T OR F    L ";

  // The report's unit line follows the block's units (an English line over
  // SI values would mislabel every column).
  report.box("SOIL INFORMATION");
  for (const char* line : kHeading) report.line(line);
  report.line(IUNITS == 1 ? kEnglishUnits : IUNITS == 2 ? kSiUnits : kGenericUnits);

  for (const char* line : kHeading) console.line(line);
  if (IUNITS == 1) console.line(kEnglishUnits);
  if (IUNITS == 2) console.line(kSiUnits);

  for (int I = 1; I <= column.NL(); ++I) {
    const Sublayer& sub = column.sublayer(I);
    report.formatted("7X,I3,F9.1,F11.1,F6.1,F9.3,5X,A1,F10.2",
                     {std::int64_t{I}, sub.THICK, sub.COH, sub.PHI, sub.GAMMA,
                      std::string_view(sub.DRAINED ? "T" : "F"), sub.ZTOP});
  }
}

void write_overburden_stress(ReportWriter& report, const EarthPressureColumn& column, const UnitLabels& labels) {
  report.box("EFFECTIVE OVERBURDEN STRESS");
  report.blank();
  report.line(kSixBlanks + "          DEPTH                     STRESS       ");
  report.line(std::string(16, ' ') + labels.L3() + std::string(22, ' ') + pressure_label(labels));
  report.blank();
  for (const Sublayer& sub : column.sublayers) report.formatted("12X,E10.3,17X,E10.3", {sub.ZTOP, sub.SIGVP});
}

void write_slope_warning(ReportWriter& out) {
  out.message("**** WARNING ******");
  out.message("THE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL FRICTION ANGLE OF SAND.");
}

void write_pressure_coefficients(ReportWriter& report, const EarthPressureColumn& column) {
  report.box("ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT");
  report.line(kSixBlanks + "  LAYER         ACTIVE EARTH     PASSIVE EARTH   ");
  report.line(kSixBlanks + "   NO.          COEFFICIENT      COEFFICIENT     ");
  for (int I = 1; I <= column.NL(); ++I) {
    const Sublayer& sub = column.sublayer(I);
    report.formatted("10X,I2,9X,E10.3,8X,E10.3", {std::int64_t{I}, sub.KA, sub.KP});
  }
}

void write_active_pressures(ReportWriter& report, const EarthPressureColumn& column,
                            const EarthPressureForces& forces, const UnitLabels& labels) {
  const std::string P = pressure_label(labels);
  const std::string& L = labels.L3();
  report.box("ACTIVE EARTH PRESSURE OF EACH LAYER");
  report.blank();
  report.line(kSixBlanks + " LAYER    PA1     Z1       PA2     Z2         PA3     Z3" + "        PA4");
  report.line(kSixBlanks + "  NO" + " " + P + "  " + L + "  " + P + "  " + L + "    " + P + "  " + L + "    " + P);
  report.blank();
  for (int I = 1; I <= column.LEXC - 1; ++I) {
    const SublayerForces& f = forces.of(I);
    report.formatted("6X,I2,3(1X,F10.2,1X,F6.2),1X,F10.2",
                     {std::int64_t{I}, f.PA1, f.Z1, f.PA2, f.Z2, f.PA3, f.Z3, f.PA4});
  }
}

void write_water_pressures(ReportWriter& report, const EarthPressureColumn& column, const EarthPressureForces& forces) {
  report.box("ACTIVE WATER PRESSURE OF EACH LAYER");
  report.blank();
  report.line(kSixBlanks + " LAYER    PW1     Z1       PW2     Z2                ");
  report.line(kSixBlanks + "  NO             ");
  report.blank();
  for (int I = 1; I <= column.LEXC - 1; ++I) {
    const SublayerForces& f = forces.of(I);
    if (!f.carries_water) continue;
    report.formatted("6X,I2,2(1X,F10.2,1X,F6.2)", {std::int64_t{I}, -f.PW1, f.Z1, -f.PW2, f.Z2});
  }
}

}  // namespace keldor::engine
