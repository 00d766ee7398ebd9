// The soil below the excavation level as the p-y generators see it:
// piecewise-linear distributions of effective unit weight and strength
// against the depth X below the excavation level, with the queries the
// generators use. Each p-y layer contributes a top and a bottom point, so a
// layer boundary shows as two consecutive points at the same depth.
#pragma once

#include <array>
#include <vector>

#include "driver/run_analysis.h"
#include "output/report_writer.h"

namespace keldor::engine {

struct PyLayer {
  double top = 0, bottom = 0;  // X of the layer's top and bottom
  int KSOIL = 1;
  double subgrade_modulus = 0;  // k, the layer-top value
};

struct WeightPoint {
  double X = 0, gamma = 0;  // effective unit weight
};

struct StrengthPoint {
  double X = 0;
  double S = 0;    // cohesion, or compressive strength of rock
  double PHI = 0;  // friction angle, radians
  double E50 = 0;
  double sixth = 0;  // sixth soil value (RQD of weak rock)
};

class PySoilProfile {
 public:
  std::vector<PyLayer> layers;
  std::vector<WeightPoint> weight;
  std::vector<StrengthPoint> strength;
  double WP = 0;  // width of the wall for soil resistance

  // Strength at X. Below the profile: a warning on the console and stop "1".
  double strength_at(double X, Console& console) const;
  // (strength at the top of p-y layer `layer` (0-based) + strength at X) / 2,
  // X taken on the layer's own straight line. Below the profile the line is
  // extended and a warning goes into the report.
  double mean_strength(int layer, double X, ReportWriter& report) const;
  // Friction angle (radians) at X. Below the profile: a warning on the
  // console and a stop without a code.
  double friction_angle_at(double X, Console& console) const;
  // Below the profile these return the last point's value.
  double e50_at(double X) const;
  double sixth_at(double X) const;
  // Depth-weighted mean effective unit weight from the excavation level
  // down to X. Below the weight distribution: stop "4".
  double mean_unit_weight(double X) const;
  double width() const { return WP; }
};

// Linear interpolation in a table of ten points by ratio: the first
// abscissa among points 2 to 9 that exceeds the ratio ends the segment,
// otherwise the last segment is used (and extended).
using TenPointTable = std::array<double, 10>;
double interpolate_ten_point(const TenPointTable& ratios, const TenPointTable& values, double ratio);

}  // namespace keldor::engine
