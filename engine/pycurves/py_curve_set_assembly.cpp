#include "pycurves/py_curve_set_assembly.h"

#include <string>
#include <vector>

#include "driver/run_stop.h"
#include "output/fixed_format.h"
#include "output/unit_labels.h"
#include "pycurves/py_generator_frame.h"
#include "pycurves/py_generator_registry.h"
#include "pycurves/py_multipliers.h"
#include "pycurves/py_profile_builder.h"
#include "pycurves/py_profile_report.h"
#include "pycurves/soil_data_file.h"

namespace keldor::engine {
namespace {

std::string value_text(double value) {
  const std::string text = format_fixed_point(value, 16, 4);
  return text.substr(text.find_first_not_of(' '));
}

// The widths divide the resistance formulas and form the p-multiplier of
// closely spaced walls.
void check_wall_widths(const WallRecord& wall, bool has_modification_table) {
  if (!(wall.WP > 0)) {
    throw ReportedStop({"ERROR -- THE WIDTH OF THE WALL FOR SOIL RESISTANCE (WP = " + value_text(wall.WP) +
                        ") MUST BE POSITIVE TO GENERATE P-Y CURVES"});
  }
  if (!has_modification_table && !(wall.WA > 0)) {
    throw ReportedStop({"ERROR -- THE WIDTH OF THE WALL FOR EARTH PRESSURE (WA = " + value_text(wall.WA) +
                            ") MUST BE POSITIVE:",
                        "IT SETS THE P-MULTIPLIER OF THE GENERATED P-Y CURVES"});
  }
}

void check_modification_order(const std::vector<PyModification>& table) {
  for (std::size_t i = 1; i < table.size(); ++i) {
    if (table[i].PMDEPTH < table[i - 1].PMDEPTH) {
      throw stations_not_in_order_stop("P-Y MODIFICATION ROW " + std::to_string(i + 1) + " AT DEPTH " +
                                       value_text(table[i].PMDEPTH) + " LIES ABOVE THE ROW BEFORE IT");
    }
  }
}

}  // namespace

int generate_py_curves(ProblemState& state, double SIGVP_LEXC, ReportWriter& report, Console& console,
                       const std::filesystem::path& scratch_dir) {
  console.line(" READ SOIL DATA....");
  state.geometry.HFREE = state.wall.HWALL;
  const double HFREE = state.geometry.HFREE;
  const WallRecord& wall = state.wall;
  check_wall_widths(wall, !state.py_modifications.empty());
  check_modification_order(state.py_modifications);

  const PySoilProfile profile = build_py_soil_profile(state);
  const std::vector<double> depths = py_curve_depths(profile);
  const std::vector<LayerCurves> layer_curves = assign_curves_to_layers(profile, depths);

  const UnitLabels units(state.control.label_code());
  write_py_profile_report(report, units, profile, HFREE, state.py_modifications);

  SoilDataFile file(scratch_dir / kSoilDataFileName);
  int curves = static_cast<int>(state.py_sets.size());
  for (const LayerCurves& range : layer_curves) curves += range.last - range.first;
  file.write_count(curves);
  for (const PyCurveSet& set : state.py_sets) file.write_user_set(set);

  const PyMultipliers multipliers(state.py_modifications, wall.WA, wall.WP, HFREE);
  const OffsetInputs offsets{SIGVP_LEXC, state.PAEXC, py_width_ratio(wall.WA, wall.WP)};
  PyGenerationRun run(profile, multipliers, offsets, HFREE, report, console, units, file);
  for (const LayerCurves& range : layer_curves) {
    const std::vector<double> XC(depths.begin() + range.first, depths.begin() + range.last);
    run.generate_layer(py_generator_for(profile.layers[static_cast<std::size_t>(range.layer)].KSOIL),
                       range.layer, XC);
  }
  file.close();
  return curves;
}

}  // namespace keldor::engine
