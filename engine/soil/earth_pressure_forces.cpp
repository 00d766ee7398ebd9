#include "soil/earth_pressure_forces.h"

#include <algorithm>

#include "soil/single_precision.h"

namespace keldor::engine {
namespace {

SublayerForces active_forces(const EarthPressureColumn& column, int I, const SingleSurcharge& surcharge,
                             double HWALL) {
  const Sublayer& sub = column.sublayer(I);
  SublayerForces f;
  const double FS = sublayer_surcharge_force(surcharge, HWALL, sub.ZTOP, sub.THICK);
  f.PA1 = sub.SIGVP * sub.KA * sub.THICK * sub.AMODF + FS;
  f.PA2 = sub.THICK * sub.THICK * (effective_unit_weight(sub, column.GAMW) / 2) * sub.KA * sub.AMODF;
  f.PA3 = -2 * sub.COH * sub.SQKA * sub.THICK * sub.AMODF;
  f.Z1 = sub.ZTOP + sub.THICK / 2;
  f.Z2 = sub.ZTOP + 2 * sub.THICK / 3;
  if (f.PA1 + f.PA3 < 0) {
    // Tension crack: only the part below the depth of zero pressure pushes.
    f.PA1 = f.PA2 = f.PA3 = 0;
    const Sublayer& below = column.sublayer(I + 1);
    const double P0 = 2 * sub.COH * sub.SQKA - sub.SIGVP * sub.KA;
    const double PB = below.SIGVP * sub.KA - 2 * sub.COH * sub.SQKA;
    // Without growth of pressure through the sublayer no part of it pushes.
    f.HC = PB + P0 > 0 ? PB * sub.THICK / (PB + P0) : 0;
    f.PA4 = PB > 0 ? sub.AMODF * f.HC * PB / 2 : 0;
    f.Z3 = below.ZTOP - f.HC / 3;
  }
  return f;
}

}  // namespace

SublayerForces::SublayerForces() : Z3(-sp(1e-5f)) {}

bool EarthPressureForces::net_force_negative() const { return net_force < sp(1e-5f); }

double effective_unit_weight(const Sublayer& sub, double GAMW) {
  return sub.BELOWWT && sub.DRAINED ? sub.GAMMA - GAMW : sub.GAMMA;
}

EarthPressureForces compute_earth_pressure_forces(const EarthPressureColumn& column, const SingleSurcharge& surcharge,
                                                  const WallRecord& wall) {
  EarthPressureForces forces;
  forces.sublayers.resize(column.sublayers.size());
  const int last_retained = column.LEXC - 1;
  for (int I = 1; I <= last_retained; ++I) {
    forces.sublayers[I - 1] = active_forces(column, I, surcharge, wall.HWALL);
  }

  forces.water_box = column.LWT <= last_retained;
  if (forces.water_box) {
    for (int I = std::max(column.LWT, 1); I <= last_retained; ++I) {
      const Sublayer& sub = column.sublayer(I);
      if (!(sub.DRAINED && sub.BELOWWT)) continue;
      SublayerForces& f = forces.sublayers[I - 1];
      f.PW1 = -(sub.ZTOP - wall.DWB) * column.GAMW * sub.THICK;
      f.PW2 = -sub.THICK * sub.THICK * column.GAMW / 2;
      f.carries_water = true;
    }
  }

  for (int I = 1; I <= last_retained; ++I) {
    const SublayerForces& f = forces.sublayers[I - 1];
    forces.net_force += f.PA1 + f.PA2 + f.PA3 + f.PA4 - f.PW1 - f.PW2;
  }
  return forces;
}

}  // namespace keldor::engine
