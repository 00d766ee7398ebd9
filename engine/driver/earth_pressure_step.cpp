#include "driver/earth_pressure_step.h"

#include <fstream>
#include <string>

#include "driver/data_file_reader.h"
#include "driver/run_stop.h"
#include "output/unit_labels.h"
#include "output/user_data_echo.h"
#include "soil/earth_pressure_generation.h"
#include "soil/orbend_file.h"
#include "soil/surcharge_pressure.h"
#include "solver/station_table_builder.h"

namespace keldor::engine {

namespace {

constexpr int kEnglishPrintStep = 6;
constexpr int kLongTableForPrintStep = 50;

// The generated table as the scratch file holds it (its E10.3 fields fix
// the precision of the applied pressures), times the wall width WA.
std::vector<PressurePoint> read_generated_table(const std::filesystem::path& file, double WA) {
  std::ifstream in(file);
  if (!in) throw ReportedStop({"ERROR -- THE EARTH PRESSURE FILE " + file.string() + " CANNOT BE OPENED"});
  DataFileReader reader(in, file.string());
  reader.begin_record("(NUMBER OF POINTS)");
  const int count = reader.read_int("NEP");
  if (count > kMaxPressurePoints) {
    throw storage_stop(std::to_string(count) + " EARTH PRESSURE POINTS; THE LIMIT IS " +
                       std::to_string(kMaxPressurePoints));
  }
  std::vector<PressurePoint> points;
  for (int i = 1; i <= count; ++i) {
    reader.begin_record("(POINT " + std::to_string(i) + ")");
    PressurePoint p;
    p.EPDEPTH = reader.read_real("DEPTH");
    p.EPTOTAL = WA * reader.read_real("TOTAL");
    p.EPACT = WA * reader.read_real("ACTIVE");
    p.EPSUR = WA * reader.read_real("SURCHARGE");
    points.push_back(p);
  }
  return points;
}

void add_surcharges_to_user_table(ProblemState& state) {
  for (PressurePoint& p : state.pressure) {
    p.EPSUR = state.wall.WA * surcharge_pressure(state.surcharges, state.wall.HWALL, p.EPDEPTH);
    p.EPTOTAL = p.EPACT + p.EPSUR;
  }
}

}  // namespace

void apply_earth_pressure(ProblemState& state, RunContext& run) {
  const UnitLabels units(state.control.label_code());
  if (state.control.KOUTPT >= 2) {
    const GeneratedEarthPressure generated =
        generate_earth_pressure(state, run.report, run.notes_stream, run.console, run.scratch_dir);
    state.SIGVP_excavation = generated.SIGVP_excavation;
    state.pressure = read_generated_table(run.scratch_dir / kOrbendFileName, state.wall.WA);
    state.PAEXC = state.pressure.empty() ? 0.0 : state.pressure.back().EPTOTAL;
    const bool long_english_table =
        state.control.IUNITS == 1 && static_cast<int>(state.pressure.size()) > kLongTableForPrintStep;
    state.pressure_print_step = long_english_table ? kEnglishPrintStep : 1;
    write_pressure_rows(run.report, units, state.pressure, state.pressure_print_step);
  } else {
    state.SIGVP_excavation = 0;
    state.pressure_print_step = 1;
    if (!state.surcharges.empty()) add_surcharges_to_user_table(state);
  }
  run.plot.pressure_section(state.pressure, state.pressure_print_step);
  apply_pressure_table(state.tables, state.geometry, state.pressure);
}

}  // namespace keldor::engine
