#include "solver/moment_ei_update.h"

#include <algorithm>
#include <cmath>

namespace keldor::engine {
namespace {

double stiffness_at_curvature(const MomentEiCurve& curve, std::size_t points, double curvature) {
  const std::vector<double>& M = curve.MEIM;
  const std::vector<double>& EI = curve.MEIEI;
  // 0-based: the first point k from the second to the last but one whose
  // moment exceeds curvature times its stiffness; else the last point.
  std::size_t k = points - 1;
  for (std::size_t i = 1; i + 1 < points; ++i) {
    if (M[i] > curvature * EI[i]) {
      k = i;
      break;
    }
  }
  const double M1 = M[k - 1], M2 = M[k], EI1 = EI[k - 1], EI2 = EI[k];
  const double denominator = curvature * (EI2 - EI1) - M2 + M1;
  if (denominator == 0) return EI1;
  const double t = (M1 - curvature * EI1) / denominator;
  return EI1 + t * (EI2 - EI1);
}

}  // namespace

void update_moment_ei(const std::vector<MomentEiCurve>& curves, const Geometry& geometry,
                      const StationTable<double>& Y, StationTable<double>& EI) {
  const double H2 = geometry.H * geometry.H;
  for (const MomentEiCurve& curve : curves) {
    const std::size_t points = std::min(curve.MEIM.size(), curve.MEIEI.size());
    if (points < 2) continue;
    const int first = std::max(curve.MEIFROM, 0);
    const int last = std::min(curve.MEITO, geometry.NI);
    for (int i = first; i <= last; ++i) {
      const double curvature = std::abs(Y[i - 1] - 2 * Y[i] + Y[i + 1]) / H2;
      EI[i] = stiffness_at_curvature(curve, points, curvature);
    }
  }
}

}  // namespace keldor::engine
