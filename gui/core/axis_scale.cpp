#include "axis_scale.h"

#include <algorithm>
#include <cmath>

namespace keldor::gui {

namespace {

// Quotients within rounding noise of a whole number count as that number,
// so 2.5 / 0.1 does not round up to 26 steps.
double SnapQuotient(double quotient) {
  const double nearest = std::round(quotient);
  return std::fabs(quotient - nearest) < 1e-9 * std::max(1.0, std::fabs(nearest)) ? nearest : quotient;
}

template <typename Coordinate>
TAxisRange RangeOf(const std::vector<TLine>& lines, Coordinate coordinate) {
  double low = 0;
  double high = 0;
  for (const TLine& line : lines) {
    for (const TFloatPoint& point : line.Points) {
      low = std::min(low, coordinate(point));
      high = std::max(high, coordinate(point));
    }
  }
  return RoundedAxisRange(low, high);
}

}  // namespace

TAxisRange RoundedAxisRange(double data_min, double data_max) {
  double low = std::min(0.0, data_min);
  double high = std::max(0.0, data_max);
  if (low == high) {
    low -= 0.01;
    high += 0.01;
  }
  const double decades = std::log10(high - low);
  if (!std::isfinite(decades)) return {low, high, 0};
  const double whole = std::floor(decades);
  double step = std::pow(10.0, whole);
  if (decades - whole < std::log10(3.0)) step /= 10;
  if (!(step > 0) || !std::isfinite(step)) return {low, high, 0};
  return {step * std::floor(SnapQuotient(low / step)), step * std::ceil(SnapQuotient(high / step)), step};
}

TAxisRange AxisRangeX(const std::vector<TLine>& lines) {
  return RangeOf(lines, [](const TFloatPoint& p) { return p.X; });
}

TAxisRange AxisRangeY(const std::vector<TLine>& lines) {
  return RangeOf(lines, [](const TFloatPoint& p) { return p.Y; });
}

double MajorTickStep(double range, int count) {
  if (count <= 0 || !(range > 0)) return 0;
  const double raw = range / count;
  const double g = std::pow(10.0, std::floor(std::log10(raw)));
  const int q = static_cast<int>(std::trunc(SnapQuotient(raw / g)));
  if (q < 2) return g;
  if (q <= 4) return 2 * g;
  if (q <= 8) return 5 * g;
  return 10 * g;
}

}  // namespace keldor::gui
