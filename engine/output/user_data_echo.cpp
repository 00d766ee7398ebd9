#include "output/user_data_echo.h"

#include <cstdint>

namespace keldor::engine {

void write_pressure_rows(ReportWriter& report, const UnitLabels& units, const std::vector<PressurePoint>& points,
                         int print_step) {
  report.blank(2);
  report.line("         DEPTH         ACTIVE EARTH PRESSURE");
  report.formatted("8X,1X,A,17X,A", {units.L3(), units.force_per_length()});
  report.line("        --------       ------------------------");
  const std::size_t step = static_cast<std::size_t>(print_step < 1 ? 1 : print_step);
  for (std::size_t i = 0; i < points.size(); i += step) {
    report.formatted("6X,E10.3,10X,E10.3", {points[i].EPDEPTH, points[i].EPTOTAL});
  }
}

void write_user_pressure_echo(ReportWriter& report, const UnitLabels& units, const std::vector<PressurePoint>& points) {
  report.blank(2);
  report.box("SPECIFIED ACTIVE EARTH PRESSURE");
  report.blank();
  write_pressure_rows(report, units, points, 1);
}

void write_user_curve_echo(ReportWriter& report, const UnitLabels& units, const std::vector<PyCurveSet>& sets,
                           const Geometry& geometry, bool with_generated_curves) {
  report.box("INPUTTED  SOIL RESISTANCE (P-Y) CURVES");
  int previous_code = 0;
  for (const PyCurveSet& set : sets) {
    report.blank();
    report.line("     FROM TO CONTD      P-MULTIPLIER  Y-MULTIPLIER'      POINTS     ");
    report.blank();
    report.blank();
    const std::int64_t station = set.CSTA;
    const std::int64_t points = static_cast<std::int64_t>(set.Y.size());
    const int code = (with_generated_curves || set.CSTA * geometry.H < geometry.HFREE) ? 0 : 1;
    if (with_generated_curves || previous_code == 1) {
      report.formatted("9X,I4,I3,5X,2E14.3,10X,I3", {station, std::int64_t{code}, set.PMULT, set.YMULT, points});
    } else if (code == 1) {
      report.formatted("5X,I4,4X,I3,5X,2E14.3,10X,I3", {station, std::int64_t{code}, set.PMULT, set.YMULT, points});
    } else {
      report.formatted("5X,2I4,I3,5X,2E14.3,8X,I4",
                       {station, station, std::int64_t{code}, set.PMULT, set.YMULT, points});
    }
    previous_code = code;

    report.blank(2);
    report.line("                      Y                   P    ");
    report.formatted("18X,2X,A,16X,A", {units.L3(), units.force_per_length()});
    report.line("                  ---------            --------");
    for (std::size_t i = 0; i < set.Y.size(); ++i) {
      report.formatted("17X,E10.3,10X,E10.3", {set.YMULT * set.Y[i], set.PMULT * set.P[i]});
    }
  }
}

}  // namespace keldor::engine
