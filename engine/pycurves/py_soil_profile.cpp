#include "pycurves/py_soil_profile.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "driver/run_stop.h"
#include "output/fixed_format.h"
#include "soil/single_precision.h"

namespace keldor::engine {
namespace {

constexpr double kNegligibleValue = sp(1.0e-20f);

// Where a depth falls in the strength distribution.
struct StrengthBracket {
  enum Kind { interpolate, exact, boundary, beyond } kind = beyond;
  std::size_t k = 0;  // first point from the second on with X <= X(k)
};

StrengthBracket bracket(const std::vector<StrengthPoint>& points, double X) {
  for (std::size_t k = 1; k < points.size(); ++k) {
    if (X > points[k].X) continue;
    if (X == points[k].X) {
      const bool at_boundary = k + 1 < points.size() && points[k + 1].X == points[k].X;
      return {at_boundary ? StrengthBracket::boundary : StrengthBracket::exact, k};
    }
    return {StrengthBracket::interpolate, k};
  }
  return {};
}

double linear(double x0, double v0, double x1, double v1, double x) {
  if (x1 == x0) return v1;
  return v0 + (v1 - v0) * (x - x0) / (x1 - x0);
}

double value_in(const std::vector<StrengthPoint>& points, const StrengthBracket& at, double X,
                double StrengthPoint::*field) {
  const StrengthPoint& lower = points[at.k - 1];
  const StrengthPoint& upper = points[at.k];
  if (at.kind == StrengthBracket::interpolate) return linear(lower.X, lower.*field, upper.X, upper.*field, X);
  return upper.*field;
}

// At a layer boundary: the mean of the values on both sides, or the one
// side's value when the other is nil.
double mean_across_boundary(double above, double below) {
  if (above < kNegligibleValue) return below;
  if (below < kNegligibleValue) return above;
  return (above + below) / 2;
}

double averaged_value(const std::vector<StrengthPoint>& points, double X, double StrengthPoint::*field) {
  if (points.empty()) throw std::logic_error("empty p-y strength distribution");
  const StrengthBracket at = bracket(points, X);
  switch (at.kind) {
    case StrengthBracket::beyond:
      return points.back().*field;
    case StrengthBracket::boundary:
      return mean_across_boundary(points[at.k].*field, points[at.k + 1].*field);
    default:
      return value_in(points, at, X, field);
  }
}

// Strength inside the distribution; at a boundary the value just below it,
// unless that is nil.
double point_strength(const std::vector<StrengthPoint>& points, const StrengthBracket& at, double X) {
  if (at.kind == StrengthBracket::boundary) {
    const double below = points[at.k + 1].S;
    return below < kNegligibleValue ? points[at.k].S : below;
  }
  return value_in(points, at, X, &StrengthPoint::S);
}

void warn_beyond_profile(Console& console, double X, const char* extent_text, const char* curve_text) {
  console.line("**** WARNING ****");
  console.line("THE VALUE OF X =" + format_exponent(X, 9, 1, 'D') + extent_text);
  console.line(curve_text);
}

}  // namespace

double PySoilProfile::strength_at(double X, Console& console) const {
  const StrengthBracket at = bracket(strength, X);
  if (at.kind == StrengthBracket::beyond) {
    warn_beyond_profile(console, X, "IS BEYOND THE EXTENT OF", "THE INPUT STRENGTH CURVE");
    throw SoilStop("1", "THE STRENGTH IS NEEDED AT X =" + format_exponent(X, 10, 3) +
                            " BELOW THE EXCAVATION, BEYOND THE STRENGTH DISTRIBUTION OF THE SOIL LAYERS");
  }
  return point_strength(strength, at, X);
}

double PySoilProfile::mean_strength(int layer, double X, ReportWriter& report) const {
  const std::size_t top_index = 2 * static_cast<std::size_t>(layer);
  if (top_index + 1 >= strength.size()) throw std::logic_error("p-y layer outside the strength distribution");
  const StrengthPoint& top = strength[top_index];
  const StrengthPoint& bottom = strength[top_index + 1];
  // At the layer top: the point strength there (the top lies inside the
  // distribution, so no warning can arise).
  if (std::fabs(X - top.X) <= sp(1.0e-5f)) return point_strength(strength, bracket(strength, X), X);
  if (X > strength.back().X) {
    report.message("**** WARNING ****");
    report.message("THE VALUE OF X =" + format_exponent(X, 9, 2) + "IS BEYOND THE EXTENT OF THE");
    report.message("INPUT CURVE FOR STRENGTH");
  }
  const double S = linear(top.X, top.S, bottom.X, bottom.S, X);
  return (top.S + S) / 2;
}

double PySoilProfile::friction_angle_at(double X, Console& console) const {
  if (strength.empty() || X > strength.back().X) {
    warn_beyond_profile(console, X, " IS BEYOND THE EXTENT OF", "THE INPUT PHI CURVE");
    throw SoilStop("", "THE FRICTION ANGLE IS NEEDED AT X =" + format_exponent(X, 10, 3) +
                           " BELOW THE EXCAVATION, BEYOND THE DISTRIBUTION OF THE SOIL LAYERS");
  }
  return averaged_value(strength, X, &StrengthPoint::PHI);
}

double PySoilProfile::e50_at(double X) const { return averaged_value(strength, X, &StrengthPoint::E50); }

double PySoilProfile::sixth_at(double X) const { return averaged_value(strength, X, &StrengthPoint::sixth); }

double PySoilProfile::mean_unit_weight(double X) const {
  if (weight.empty()) throw std::logic_error("empty p-y weight distribution");
  constexpr double kTiny = sp(1.0e-6f);
  const double z = X;
  if (z < kTiny) {
    for (const WeightPoint& point : weight) {
      if (point.gamma > 0) return point.gamma;
    }
    return weight.back().gamma;
  }
  if (X > weight.back().X) {
    throw SoilStop("4", "THE MEAN UNIT WEIGHT IS NEEDED AT X =" + format_exponent(X, 10, 3) +
                            " BELOW THE EXCAVATION, BEYOND THE WEIGHT DISTRIBUTION OF THE SOIL LAYERS");
  }
  double mean = 0;
  for (std::size_t k = 1; k < weight.size(); ++k) {
    const WeightPoint& lower = weight[k - 1];
    const WeightPoint& upper = weight[k];
    if (X >= upper.X) {
      mean += (upper.X - lower.X) / z * (upper.gamma + lower.gamma) / 2;
      continue;
    }
    if (X - lower.X >= kTiny) {
      const double gamma_at_X = linear(lower.X, lower.gamma, upper.X, upper.gamma, X);
      mean += (X - lower.X) / z * (gamma_at_X + lower.gamma) / 2;
    }
    break;
  }
  return mean;
}

double interpolate_ten_point(const TenPointTable& ratios, const TenPointTable& values, double ratio) {
  std::size_t upper = 9;
  for (std::size_t k = 1; k <= 8; ++k) {
    if (ratios[k] > ratio) {
      upper = k;
      break;
    }
  }
  return linear(ratios[upper - 1], values[upper - 1], ratios[upper], values[upper], ratio);
}

}  // namespace keldor::engine
