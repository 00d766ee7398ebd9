// The p-y step of a problem block: the user curve sets and the generated
// curves become the table of Q-W curves, echoed to the report and written
// to the plot-data file.
#pragma once

#include "driver/block_reader.h"
#include "driver/problem_state.h"
#include "driver/run_context.h"
#include "solver/qw_curve.h"

namespace keldor::engine {

// Reads the user sets (R14) when the block has them and fills `curves`.
void build_curve_table(ProblemState& state, BlockReader& block, RunContext& run, CurveTable& curves);

}  // namespace keldor::engine
