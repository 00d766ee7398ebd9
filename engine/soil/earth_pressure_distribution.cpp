#include "soil/earth_pressure_distribution.h"

#include <cmath>

#include "driver/run_stop.h"
#include "output/fixed_format.h"
#include "soil/single_precision.h"
#include "soil/surcharge_pressure.h"

namespace keldor::engine {
namespace {

// Points placed in a sublayer: its thickness rounded to the nearest integer.
int points_in(const Sublayer& sub) { return static_cast<int>(std::lround(sub.THICK)); }

// Soil and water pressure at depth t below the top of retained sublayer L.
class SublayerPressure {
 public:
  SublayerPressure(const EarthPressureColumn& column, const SublayerForces& forces, int L, double DWB)
      : sub_(column.sublayer(L)), forces_(forces), cracked_(forces.cracked(sub_)) {
    const double GW = sub_.BELOWWT && sub_.DRAINED ? column.GAMW : 0;
    slope_ = effective_unit_weight(sub_, column.GAMW) * sub_.KA * sub_.AMODF + GW;
    top_ = (sub_.ZTOP - DWB) * GW + sub_.SIGVP * sub_.KA * sub_.AMODF - 2 * sub_.COH * sub_.SQKA * sub_.AMODF;
  }

  double at(double t) const {
    if (!cracked_) return slope_ * t + top_;
    // Below the crack the pressure grows linearly over the height HC.
    const double HC = forces_.HC;
    const double below_crack = t - (sub_.THICK - HC);
    return below_crack > 0 && HC > 0 ? 2 * forces_.PA4 * below_crack / (HC * HC) : 0;
  }

 private:
  const Sublayer& sub_;
  const SublayerForces& forces_;
  bool cracked_;
  double slope_ = 0, top_ = 0;
};

}  // namespace

double distribution_point_count(const EarthPressureColumn& column) {
  double count = 1;
  for (int L = 1; L <= column.LEXC - 1; ++L) count += std::round(column.sublayer(L).THICK);
  return count;
}

EarthPressureDistribution triangular_distribution(const EarthPressureColumn& column,
                                                  const EarthPressureForces& forces, const WallRecord& wall,
                                                  const std::vector<SurchargeRow>& surcharges) {
  EarthPressureDistribution result;
  const Sublayer& first = column.sublayer(1);
  const double surface = first.KA * first.SIGVP;
  result.points.push_back({0, surface, surface, 0});

  for (int L = 1; L <= column.LEXC - 1; ++L) {
    const Sublayer& sub = column.sublayer(L);
    const SublayerPressure pressure(column, forces.of(L), L, wall.DWB);
    const int N = points_in(sub);
    for (int M = 1; M <= N; ++M) {
      const double t = M * sub.THICK / N;
      const double D = sub.ZTOP + t;
      const int K = static_cast<int>(result.points.size()) + 1;
      const double surcharge = surcharge_pressure(surcharges, wall.HWALL, D);
      double active = pressure.at(t);
      double total = active + surcharge;
      if (D > wall.DWE) {
        // Water standing in front of the wall pushes back on the retained soil.
        if (sub.BELOWWT) {
          total -= (D - wall.DWE) * column.GAMW;
          active -= (D - wall.DWE) * column.GAMW;
        }
        if (total < sp(1e-5f)) total = K * sp(1e-12f);
      }
      const PressurePoint& previous = result.points.back();
      result.SUMF += (previous.EPTOTAL + total) / 2 * (D - previous.EPDEPTH);
      result.points.push_back({D, total, active, surcharge});
    }
  }
  return result;
}

void redistribute_as_trapezoid(EarthPressureDistribution& distribution, int NSPR, double XANCH1, double XANCH2) {
  const double HE = distribution.points.back().EPDEPTH;
  const double XA1 = NSPR > 0 ? XANCH1 : 0;
  const double A = 2 * XA1 / 3;
  double PL = HE / 3;
  double B = 2 * (HE - XA1) / 3;
  if (NSPR > 1) {
    B = 2 * (HE - XANCH2) / 3;
    PL = HE - A - B;
  }
  // Area of the trapezoid of unit height.
  const double loaded_length = HE - (A + B) / 2;
  if (!(loaded_length > 0)) {
    throw ReportedStop({"TRAPEZOIDAL EARTH PRESSURE CANNOT BE FORMED",
                        "(EXCAVATION DEPTH =" + format_exponent(HE, 10, 3) + ", FIRST ANCHOR DEPTH =" +
                            format_exponent(XA1, 10, 3) + ", LAST ANCHOR DEPTH =" +
                            format_exponent(NSPR > 1 ? XANCH2 : XA1, 10, 3) + ")"});
  }
  const double PMAX = sp(1.3f) * distribution.SUMF / loaded_length;
  for (PressurePoint& point : distribution.points) {
    const double D = point.EPDEPTH;
    if (D < A) {
      point.EPTOTAL = PMAX * D / A;
    } else if (D <= A + PL) {
      point.EPTOTAL = PMAX;
    } else {
      point.EPTOTAL = PMAX - (D - A - PL) * PMAX / B;
    }
  }
}

}  // namespace keldor::engine
