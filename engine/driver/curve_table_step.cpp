#include "driver/curve_table_step.h"

#include <string>
#include <vector>

#include "driver/soil_data_reader.h"
#include "output/unit_labels.h"
#include "output/user_data_echo.h"
#include "pycurves/py_curve_set_assembly.h"
#include "pycurves/soil_data_file.h"

namespace keldor::engine {

namespace {

// Generated curves (with any user sets ahead of them) through SOILDATA.
void build_generated_curves(ProblemState& state, BlockReader& block, RunContext& run, CurveTable& curves) {
  const ControlRecord& c = state.control;
  if (c.NPYSET > 0) {
    block.read_py_sets();
    write_user_curve_echo(run.report, UnitLabels(c.label_code()), state.py_sets, state.geometry, true);
  }
  generate_py_curves(state, state.SIGVP_excavation, run.report, run.console, run.scratch_dir);
  const std::vector<SoilDataCurve> read =
      read_soil_data(run.scratch_dir / kSoilDataFileName, std::max(c.NPYSET, 0), state.geometry.H, run.console);
  if (read.empty()) {
    run.report.blank();
    run.report.line(std::string(20, ' '));
  }
  const double H = state.geometry.H;
  for (const SoilDataCurve& curve : read) {
    std::vector<double> per_station(curve.p.size());
    for (std::size_t i = 0; i < curve.p.size(); ++i) per_station[i] = H * curve.p[i];
    curves.add(curve.station, curve.generated ? 1 : 0, curve.y, per_station);
  }
  run.plot.generated_curve_section(c.IUNITS, read, c.NPYSET > 0);
}

}  // namespace

void build_curve_table(ProblemState& state, BlockReader& block, RunContext& run, CurveTable& curves) {
  const ControlRecord& c = state.control;
  curves.clear();
  if (c.KPYOP == 2) {
    build_generated_curves(state, block, run, curves);
  } else if (c.NPYSET > 0 && c.KPYOP <= 1) {
    block.read_py_sets();
    write_user_curve_echo(run.report, UnitLabels(c.label_code()), state.py_sets, state.geometry, false);
    run.plot.user_curve_section(c.IUNITS, state.py_sets);
    build_curves_from_user_sets(curves, state.py_sets, state.geometry);
  } else if (c.KPYOP == 0 && c.NPYSET <= 0) {
    run.plot.empty_curve_section(c.IUNITS);
  }
}

}  // namespace keldor::engine
