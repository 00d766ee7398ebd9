// Updates the wall stiffness from the moment-EI curves: at each station of
// a curve's range the stiffness becomes the point of the curve where moment
// equals the current curvature times stiffness.
#pragma once

#include <vector>

#include "driver/problem_state.h"

namespace keldor::engine {

// Replaces EI at the stations MEIFROM to MEITO of every curve (stations as
// in the data file, cut to the wall, 0 to NI: stations outside it have no
// stiffness). The new value replaces the table value, with no half values
// at the ends. A curve of fewer than two points has no segment and leaves
// EI unchanged; so does a segment on which moment and curvature times
// stiffness never meet (zero denominator): the stiffness is then that of
// the segment's first point.
void update_moment_ei(const std::vector<MomentEiCurve>& curves, const Geometry& geometry,
                      const StationTable<double>& Y, StationTable<double>& EI);

}  // namespace keldor::engine
