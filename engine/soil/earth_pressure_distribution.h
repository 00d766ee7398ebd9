// The active earth pressure on the wall from the backfill surface down to
// the excavation level, point by point: the triangular (Rankine) shape and
// its trapezoidal redistribution for anchored walls.
#pragma once

#include <vector>

#include "driver/problem_state.h"
#include "soil/earth_pressure_column.h"
#include "soil/earth_pressure_forces.h"

namespace keldor::engine {

struct EarthPressureDistribution {
  std::vector<PressurePoint> points;  // depth, total, active (soil and water), surcharge
  double SUMF = 0;  // resultant of the total pressures (trapezoidal rule over depth)
};

// Number of points of the distribution: the surface point and about one
// point per length unit of each retained sublayer.
double distribution_point_count(const EarthPressureColumn& column);

EarthPressureDistribution triangular_distribution(const EarthPressureColumn& column,
                                                  const EarthPressureForces& forces, const WallRecord& wall,
                                                  const std::vector<SurchargeRow>& surcharges);

// Replaces the totals by a trapezoid of area 1.3 * SUMF between the anchor
// levels: ramps of 2/3 of the distance from the surface to the first anchor
// and from the last anchor to the excavation level. Without spring rows the
// first anchor is taken at the surface. A trapezoid without loaded length
// cannot carry the resultant: ReportedStop.
void redistribute_as_trapezoid(EarthPressureDistribution& distribution, int NSPR, double XANCH1, double XANCH2);

}  // namespace keldor::engine
