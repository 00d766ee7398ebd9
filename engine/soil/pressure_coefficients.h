// Rankine active and passive earth-pressure coefficients of the sublayers.
#pragma once

#include <vector>

#include "soil/earth_pressure_column.h"

namespace keldor::engine {

// Degrees to radians, by the engine's single-precision divisor.
double radians(double degrees);

// Active coefficient for friction angle PHI and backfill slope BETA (both in
// degrees): level-backfill Rankine, or the sloping-backfill Rankine value
// when 0 < |BETA| < PHI. Returns KA and its square root.
struct ActiveCoefficient {
  double KA, SQKA;
};
ActiveCoefficient active_coefficient(double PHI, double BETA);

// Sets KA, KP, SQKA, SQKP of every sublayer. Returns the numbers of the
// sublayers above the excavation level whose friction angle does not exceed
// a non-zero backfill slope (they keep the level-backfill coefficient and
// get a warning). A slope of 90 degrees or more: ReportedStop.
std::vector<int> compute_pressure_coefficients(EarthPressureColumn& column, double BETA, double HWALL);

}  // namespace keldor::engine
