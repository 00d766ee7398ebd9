// Generation of the p-y curve set of a problem block: builds the p-y soil
// profile below the excavation level, reports it, generates five curves per
// p-y layer with the generator of its soil type and writes the scratch file
// SOILDATA: the user curve sets (multipliers applied), then the generated
// curves.
#pragma once

#include <filesystem>

#include "driver/problem_state.h"
#include "driver/run_analysis.h"
#include "output/report_writer.h"

namespace keldor::engine {

// Call when KPYOP = 2, after the wall and soil records (R10 to R13), the
// modification table (R8) and the user curve sets (R14) have been read, the
// excavation-level pressure PAEXC has been left by the earth-pressure step,
// and the user sets have been echoed.
//
// SIGVP_LEXC: the vertical stress at the excavation level on the backfill
// side from the earth-pressure column (0 when the earth pressure is not
// generated).
//
// Sets geometry.HFREE to the wall record's HWALL, writes the report sections
// and the file scratch_dir/SOILDATA, and returns the number of curves in it.
// Bad data end the run with a ReportedStop; the profile queries may end it
// with a SoilStop.
int generate_py_curves(ProblemState& state, double SIGVP_LEXC, ReportWriter& report, Console& console,
                       const std::filesystem::path& scratch_dir);

}  // namespace keldor::engine
