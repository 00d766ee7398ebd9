// Generation of the active earth-pressure table from the soil layers, the
// wall record and the surcharges of the current problem block.
#pragma once

#include <filesystem>
#include <ostream>
#include <vector>

#include "driver/problem_state.h"
#include "driver/run_analysis.h"
#include "output/report_writer.h"

namespace keldor::engine {

struct GeneratedEarthPressure {
  // The distribution as written to ORBEND.001 (there rounded to its
  // fields): pressures per unit area, before the factor WA.
  std::vector<PressurePoint> points;
  // Vertical stress at the excavation level on the backfill side, SIGVP(LEXC).
  double SIGVP_excavation = 0;
};

// Writes the report sections (wall, surcharge and soil echo, overburden,
// coefficients, forces), the slope warnings also to the run notes, creates
// "debug.dat" and writes "ORBEND.001" in scratch_dir. KOUTPT 3 gives the
// trapezoidal distribution, any other code the triangular one.
// Throws SoilStop("1") when no sublayer top lies at the excavation level and
// SoilStop("2") when the column needs more sublayers than it holds (both
// after the soil echo); ReportedStop for data it cannot use.
GeneratedEarthPressure generate_earth_pressure(const ProblemState& state, ReportWriter& report,
                                               std::ostream& run_notes, Console& console,
                                               const std::filesystem::path& scratch_dir);

}  // namespace keldor::engine
