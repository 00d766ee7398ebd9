// The earth-pressure step of a problem block: the user's table (with the
// surcharges of the block added) or the generated table read back from
// "ORBEND.001", echoed, written to the plot-data file and applied to the
// stations.
#pragma once

#include "driver/problem_state.h"
#include "driver/run_context.h"

namespace keldor::engine {

// For a block with KOUTPT >= 1 whose records up to R13 have been read.
void apply_earth_pressure(ProblemState& state, RunContext& run);

}  // namespace keldor::engine
