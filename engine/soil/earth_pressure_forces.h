// Active earth-pressure and water forces on each sublayer of the retained
// soil above the excavation level, and their sum.
#pragma once

#include <vector>

#include "driver/problem_state.h"
#include "soil/earth_pressure_column.h"
#include "soil/surcharge_pressure.h"

namespace keldor::engine {

struct SublayerForces {
  double PA1 = 0;  // from the vertical stress at the top, plus surcharge
  double PA2 = 0;  // from the sublayer's own weight
  double PA3 = 0;  // from cohesion (negative)
  double PA4 = 0;  // below the tension crack
  double Z1 = -1000.0, Z2 = -1000.0;  // depths of PA1 and PA3, of PA2
  double Z3;                          // depth of PA4
  double HC = 0;   // height carrying pressure in a cracked sublayer, up from its bottom
  double PW1 = 0, PW2 = 0;  // water forces, stored negative
  bool carries_water = false;

  SublayerForces();
  // True when the cohesion outweighs the pressure at the top.
  bool cracked(const Sublayer& sub) const { return PA1 + PA3 <= 0 && sub.COH > 0; }
};

struct EarthPressureForces {
  std::vector<SublayerForces> sublayers;  // sublayer I is sublayers[I - 1]
  bool water_box = false;  // the backfill water table lies above the excavation level or below the column
  double net_force = 0;

  const SublayerForces& of(int I) const { return sublayers.at(static_cast<std::size_t>(I - 1)); }
  bool net_force_negative() const;
};

// Effective unit weight: buoyant for drained sublayers below the water table.
double effective_unit_weight(const Sublayer& sub, double GAMW);

EarthPressureForces compute_earth_pressure_forces(const EarthPressureColumn& column, const SingleSurcharge& surcharge,
                                                  const WallRecord& wall);

}  // namespace keldor::engine
