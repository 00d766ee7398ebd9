// Spreads the lines of the Q-W curves over the stations before a solution:
// a curve of its own acts at its station, a chain of curves gives lines
// that vary linearly between consecutive curve stations.
#pragma once

#include "driver/problem_state.h"
#include "solver/qw_curve.h"

namespace keldor::engine {

// Sets Qwork = Q and Swork = S for stations -1 to NI+1, then adds the soil
// lines at the current deflections Y. Each segment of a chain adds half
// values at its two end stations, so neighbouring segments sum to full
// values there; a segment that runs past the tip is cut at the tip (a half
// value there) and one that starts above the top is cut at station 0, the
// interpolation still measured over the whole segment. Curves wholly outside
// stations 0 to NI add nothing. Returns NOFF: 1 when some deflection lay
// outside its curve, else 0. Chain stations that decrease stop the run with
// "ERROR STOP -- STATIONS NOT IN ORDER".
int spread_curves(const CurveTable& curves, const Geometry& geometry, const StationTables& tables,
                  const StationTable<double>& Y, StationTable<double>& Qwork, StationTable<double>& Swork);

}  // namespace keldor::engine
