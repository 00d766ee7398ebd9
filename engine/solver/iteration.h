// The nonlinear iteration: replace every curve by its line at the current
// deflections, solve, and repeat until the deflections close, one exceeds
// the allowable maximum, or the iteration limit is reached.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "driver/problem_state.h"
#include "solver/qw_curve.h"

namespace keldor::engine {

// What the run-notes line of one iteration shows.
struct IterationMonitorLine {
  int ITER = 0;
  int NOFF = 0;
  int NNC = 0;
  std::array<double, 5> deflections{};  // stations 1 to 5
};
using IterationMonitor = std::function<void(const IterationMonitorLine&)>;

// State after the last iteration; the results section reports it.
struct IterationOutcome {
  int ITER = 0;
  int NOFF = 0;  // 1 when a deflection of the last iteration lay outside its curve
  int NEXC = 0;  // stations above YMAX in the last solution
  int NNC = 0;   // stations not closed in the last count
};

// Runs the iteration from Y = 0 (stations -3 to NI+3) for at most ITMAX
// solutions (at least one). EI of `tables` changes through the moment-EI
// curves; Y holds the last solution on return. The monitor is called once
// per iteration, after its solution.
IterationOutcome iterate(const Geometry& geometry, int ITMAX, StationTables& tables, const CurveTable& curves,
                         const std::vector<MomentEiCurve>& moment_ei_curves, StationTable<double>& Y,
                         const IterationMonitor& monitor);

}  // namespace keldor::engine
