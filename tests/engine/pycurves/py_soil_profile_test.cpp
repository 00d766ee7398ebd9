// Queries of the p-y soil profile: interpolation, layer boundaries, depths
// beyond the profile, the mean effective unit weight and the ten-point table.
#include "pycurves/py_soil_profile.h"

#include <gtest/gtest.h>

#include <sstream>

#include "driver/run_stop.h"
#include "pycurves/py_test_state.h"

namespace keldor::engine {
namespace {

using testing_support::LineConsole;

constexpr double kDeg = 3.14159265358979 / 180;

// Layer 1 from X = 0 to 2: S 10 -> 20, phi 30 deg, E50 0.01 -> 0.02, unit weight 8.
// Layer 2 from X = 2 to 5: S 40, phi as given, E50 0.005, unit weight 10.
PySoilProfile two_layers(double phi2_degrees = 0, double S2 = 40) {
  PySoilProfile p;
  p.WP = 1.5;
  p.layers = {{0, 2, 1, 0}, {2, 5, 1, 0}};
  p.strength = {{0, 10, 30 * kDeg, 0.01, 0}, {2, 20, 30 * kDeg, 0.02, 0},
                {2, S2, phi2_degrees * kDeg, 0.005, 0}, {5, S2, phi2_degrees * kDeg, 0.005, 0}};
  p.weight = {{0, 8}, {2, 8}, {2, 10}, {5, 10}};
  return p;
}

TEST(PySoilProfile, StrengthInterpolatesAndTakesTheLowerLayerAtABoundary) {
  LineConsole console;
  const PySoilProfile p = two_layers();
  EXPECT_DOUBLE_EQ(p.strength_at(1.0, console), 15.0);
  EXPECT_DOUBLE_EQ(p.strength_at(2.0, console), 40.0);  // the layer below
  EXPECT_DOUBLE_EQ(p.strength_at(5.0, console), 40.0);  // the last point
  // A nil strength below the boundary gives the value above it.
  EXPECT_DOUBLE_EQ(two_layers(0, 0).strength_at(2.0, console), 20.0);
  EXPECT_TRUE(console.lines.empty());
}

TEST(PySoilProfile, FrictionAngleAndE50AverageAcrossABoundaryUnlessOneSideIsNil) {
  LineConsole console;
  EXPECT_NEAR(two_layers(40).friction_angle_at(2.0, console), 35 * kDeg, 1e-12);
  EXPECT_NEAR(two_layers(0).friction_angle_at(2.0, console), 30 * kDeg, 1e-12);
  EXPECT_NEAR(two_layers().friction_angle_at(1.0, console), 30 * kDeg, 1e-12);
  EXPECT_DOUBLE_EQ(two_layers().e50_at(2.0), (0.02 + 0.005) / 2);
  EXPECT_DOUBLE_EQ(two_layers().e50_at(1.0), 0.015);
  EXPECT_DOUBLE_EQ(two_layers().e50_at(9.0), 0.005);  // below: the last value
}

TEST(PySoilProfile, StrengthBelowTheProfileWarnsOnTheConsoleAndStopsWithCodeOne) {
  LineConsole console;
  try {
    two_layers().strength_at(5.5, console);
    FAIL() << "no stop";
  } catch (const SoilStop& stop) {
    EXPECT_EQ(stop.code(), "1");
  }
  EXPECT_NE(console.all().find("**** WARNING ****"), std::string::npos);
  EXPECT_NE(console.all().find("THE VALUE OF X =  0.6D+01IS BEYOND THE EXTENT OF"), std::string::npos);
  EXPECT_NE(console.all().find("THE INPUT STRENGTH CURVE"), std::string::npos);
}

TEST(PySoilProfile, FrictionAngleBelowTheProfileStopsWithoutACode) {
  LineConsole console;
  try {
    two_layers().friction_angle_at(6.0, console);
    FAIL() << "no stop";
  } catch (const SoilStop& stop) {
    EXPECT_EQ(stop.code(), "");
  }
  EXPECT_NE(console.all().find("THE INPUT PHI CURVE"), std::string::npos);
}

TEST(PySoilProfile, MeanStrengthOverALayer) {
  std::ostringstream text;
  ReportWriter report(text);
  const PySoilProfile p = two_layers();
  EXPECT_DOUBLE_EQ(p.mean_strength(0, 1.0, report), (10.0 + 15.0) / 2);
  EXPECT_DOUBLE_EQ(p.mean_strength(1, 2.0, report), 40.0);  // at the layer top: the point strength
  EXPECT_TRUE(text.str().empty());
  // Below the profile the layer's line is extended, with a warning in the report.
  EXPECT_DOUBLE_EQ(p.mean_strength(1, 6.0, report), 40.0);
  EXPECT_NE(text.str().find("INPUT CURVE FOR STRENGTH"), std::string::npos);
}

TEST(PySoilProfile, MeanUnitWeightIsTheDepthWeightedMean) {
  const PySoilProfile p = two_layers();
  EXPECT_DOUBLE_EQ(p.mean_unit_weight(1.0), 8.0);
  // 0 to 2 at 8, 2 to 4 at 10: (2*8 + 2*10) / 4 = 9.
  EXPECT_DOUBLE_EQ(p.mean_unit_weight(4.0), 9.0);
  EXPECT_DOUBLE_EQ(p.mean_unit_weight(5.0), (2 * 8.0 + 3 * 10.0) / 5);
  EXPECT_DOUBLE_EQ(p.mean_unit_weight(0.0), 8.0);  // the first positive weight
  try {
    p.mean_unit_weight(5.5);
    FAIL() << "no stop";
  } catch (const SoilStop& stop) {
    EXPECT_EQ(stop.code(), "4");
  }
}

TEST(PySoilProfile, TenPointTableInterpolatesAndKeepsTheLastSegment) {
  const TenPointTable ratios{0, 0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6};
  const TenPointTable values{2.83, 2.48, 2.11, 1.76, 1.48, 1.23, 1.06, 0.90, 0.88, 0.88};
  struct Case {
    double ratio, expected;
  };
  for (const Case c : {Case{0.25, (2.83 + 2.48) / 2}, Case{2.0, 1.48}, Case{4.5, 0.89}, Case{5.5, 0.88},
                       Case{9.0, 0.88}, Case{-0.5, 2.83 + 0.35}}) {
    EXPECT_NEAR(interpolate_ten_point(ratios, values, c.ratio), c.expected, 1e-12) << c.ratio;
  }
}

}  // namespace
}  // namespace keldor::engine
