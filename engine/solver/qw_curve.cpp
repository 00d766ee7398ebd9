#include "solver/qw_curve.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "driver/run_stop.h"
#include "output/fixed_format.h"

namespace keldor::engine {

void CurveTable::add(int CSTA, int KCONTC, std::span<const double> YC, std::span<const double> PC) {
  const int number = NCURVE() + 1;
  if (number > kMaxCurves)
    throw storage_stop("more than " + std::to_string(kMaxCurves) + " p-y curves");
  if (YC.size() != PC.size())
    throw std::logic_error("curve " + std::to_string(number) + " has unequal numbers of deflections and reactions");
  if (YC.size() > static_cast<std::size_t>(kMaxCurvePoints))
    throw storage_stop("p-y curve " + std::to_string(number) + " at station " + std::to_string(CSTA) + " has " +
                       std::to_string(YC.size()) + " points, at most " + std::to_string(kMaxCurvePoints) +
                       " are allowed");
  for (std::size_t i = 1; i < YC.size(); ++i) {
    if (YC[i] < YC[i - 1])
      throw ReportedStop({"ERROR STOP -- P-Y CURVE DEFLECTIONS NOT IN INCREASING ORDER",
                          "(curve " + std::to_string(number) + " at station " + std::to_string(CSTA) + ": point " +
                              std::to_string(i + 1) + " deflection" + format_exponent(YC[i], 11, 3) +
                              " is less than point " + std::to_string(i) + " deflection" +
                              format_exponent(YC[i - 1], 11, 3) + ")"});
  }
  QwCurve curve;
  curve.CSTA = CSTA;
  curve.NPTC = static_cast<int>(YC.size());
  curve.KCONTC = KCONTC;
  for (std::size_t i = 0; i < YC.size(); ++i) {
    curve.YC[i] = YC[i];
    curve.PC[i] = PC[i];
  }
  curves_.push_back(curve);
}

void build_curves_from_user_sets(CurveTable& table, const std::vector<PyCurveSet>& sets, const Geometry& geometry) {
  table.clear();
  for (const PyCurveSet& set : sets) {
    const std::size_t points = std::min(set.Y.size(), set.P.size());
    std::vector<double> YC(points), PC(points);
    for (std::size_t i = 0; i < points; ++i) {
      YC[i] = set.YMULT * set.Y[i];
      PC[i] = geometry.H * set.PMULT * set.P[i];
    }
    const int KCONTC = set.CSTA * geometry.H < geometry.HFREE ? 0 : 1;
    table.add(set.CSTA, KCONTC, YC, PC);
  }
}

SecantLine QW(const QwCurve& curve, double w) {
  const int n = curve.NPTC;
  SecantLine line;
  if (n < 2) {
    line.off_curve = true;
    return line;
  }
  // Segment (k, k+1) with 0-based k: the one ending at the first point from
  // the second on whose deflection is at or beyond w (points are in order,
  // so a binary search finds it).
  int k = n - 2;
  if (n == 2) {
    line.off_curve = true;
  } else {
    const double* first = curve.YC.data() + 1;
    const double* last = curve.YC.data() + n;
    const double* end = std::lower_bound(first, last, w);
    if (end == last) {
      line.off_curve = true;
    } else {
      k = static_cast<int>(end - curve.YC.data()) - 1;
      if (w < curve.YC[0]) line.off_curve = true;
    }
  }
  const double dy = curve.YC[k + 1] - curve.YC[k];
  if (dy == 0) return line;
  line.SSEG = -(curve.PC[k + 1] - curve.PC[k]) / dy;
  line.QSEG = line.SSEG * curve.YC[k] + curve.PC[k];
  return line;
}

}  // namespace keldor::engine
