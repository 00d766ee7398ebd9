#include "pycurves/py_profile_report.h"

#include <string>

#include "output/fixed_format.h"
#include "pycurves/py_generator_registry.h"
#include "soil/single_precision.h"

namespace keldor::engine {
namespace {

const std::string kIndent(9, ' ');

void write_layers(ReportWriter& report, const PySoilProfile& profile) {
  report.blank();
  // The count keeps its one column up to nine layers and widens beyond.
  report.line(kIndent + std::to_string(profile.layers.size()) + " LAYER(S) OF SOIL");
  for (std::size_t n = 0; n < profile.layers.size(); ++n) {
    const int KSOIL = profile.layers[n].KSOIL;
    report.blank();
    report.line(kIndent + "LAYER" + format_integer(static_cast<std::int64_t>(n + 1), 3));
    report.line(kIndent + soil_type_line(KSOIL));
    if (KSOIL < 1 || KSOIL > 7) {
      report.line(kIndent + "(SOIL TYPE " + std::to_string(KSOIL) + " IS NOT KNOWN; IT IS TREATED AS A SOFT CLAY)");
    }
  }
}

void write_distribution_heading(ReportWriter& report, const char* title, std::size_t points) {
  report.blank(2);
  report.line(kIndent + title);
  report.line(std::string(27, ' ') + format_integer(static_cast<std::int64_t>(points), 2) + " POINTS");
  report.blank();
}

void write_weight(ReportWriter& report, const UnitLabels& units, const PySoilProfile& profile, double HFREE) {
  write_distribution_heading(report, "DISTRIBUTION OF EFFECTIVE UNIT WEIGHT WITH DEPTH", profile.weight.size());
  report.line(std::string(21, ' ') + "X," + units.L2() + "   WEIGHT," + units.F3() + "/" + units.L2() + "**3");
  for (const WeightPoint& point : profile.weight) report.formatted("10X,F15.4,D15.4", {point.X + HFREE, point.gamma});
}

void write_strength(ReportWriter& report, const UnitLabels& units, const PySoilProfile& profile, double HFREE) {
  write_distribution_heading(report, "DISTRIBUTION OF STRENGTH PARAMETERS WITH DEPTH", profile.strength.size());
  report.line(std::string(21, ' ') + "X," + units.L2() + "     S," + units.F3() + "/" + units.L2() +
              "**2      PHI,DEGREES      E50");
  for (const StrengthPoint& point : profile.strength) {
    std::string row = format_fixed("10X,F15.2,2X,D13.4,2X,F13.3", {point.X + HFREE, point.S, point.PHI * 180 / sp(3.1416f)});
    row += point.E50 <= sp(1.0e-6f) ? "       -----" : format_exponent(point.E50, 15, 4, 'D');
    report.line(row);
  }
}

void write_modifications(ReportWriter& report, const std::vector<PyModification>& modifications) {
  if (modifications.empty()) return;
  report.blank();
  report.line(kIndent + "REDUCTION FACTORS FOR CLOSELY-SPACED WALL ELEMENTS");
  report.line(std::string(40, ' '));
  report.line("       " + std::string("      DEPTH     P-FACTOR     Y-FACTOR        "));
  report.blank();
  for (const PyModification& row : modifications) {
    report.formatted("12X,F7.2,4X,F6.2,6X,F6.2", {row.PMDEPTH, row.PMFAC, row.YMFAC});
  }
}

}  // namespace

void write_py_profile_report(ReportWriter& report, const UnitLabels& units, const PySoilProfile& profile,
                             double HFREE, const std::vector<PyModification>& modifications) {
  report.blank(2);
  report.box("SOIL LAYERS AND STRENGTH DATA");
  report.blank();
  report.line(kIndent + "X AT THE SURFACE OF EXCAVATION SIDE     = " + format_fixed_point(profile.layers.front().top + HFREE, 10, 2) +
              units.L3());
  write_layers(report, profile);
  write_weight(report, units, profile, HFREE);
  write_strength(report, units, profile, HFREE);
  write_modifications(report, modifications);
  report.blank(2);
  report.line("        P-Y CURVES DATA");
  report.blank();
}

}  // namespace keldor::engine
