#include "soil/pressure_coefficients.h"

#include <gtest/gtest.h>

#include <cmath>

#include "driver/run_stop.h"
#include "soil_test_state.h"

namespace keldor::engine {
namespace {

// Degrees become radians by the single-precision divisor 57.2958
// (57.29579926 against 57.29577951), which moves the coefficients by about
// one part in a million: Ka(phi = 0) = tan^2(45/57.29579926) = 0.9999989.
TEST(PressureCoefficients, LevelBackfillRankine) {
  // Ka = tan^2(45 - phi/2): 1/3 for phi = 30; Kp = tan^2(45 + phi/2) = 3.
  const ActiveCoefficient a = active_coefficient(30, 0);
  EXPECT_NEAR(a.KA, 1.0 / 3.0, 1e-6);
  EXPECT_NEAR(a.SQKA, std::sqrt(1.0 / 3.0), 1e-6);
  // phi = 0: Ka = 1, no warning (slope 0).
  EXPECT_NEAR(active_coefficient(0, 0).KA, 0.9999989, 1e-7);
}

TEST(PressureCoefficients, SlopingBackfillRankine) {
  // beta = 20, phi = 30: cos b = 0.9396926, cos p = 0.8660254,
  // rt = sqrt(0.8830222 - 0.75) = 0.3647221,
  // Ka = 0.9396926 * (0.9396926 - 0.3647221) / (0.9396926 + 0.3647221) = 0.414205.
  EXPECT_NEAR(active_coefficient(30, 20).KA, 0.414205, 1e-5);
  EXPECT_NEAR(active_coefficient(30, -20).KA, 0.414205, 1e-5);
  EXPECT_NEAR(active_coefficient(30, 20).SQKA, std::sqrt(0.414205), 1e-5);
  // A slope at or above phi keeps the level-backfill value.
  EXPECT_NEAR(active_coefficient(30, 35).KA, 1.0 / 3.0, 1e-6);
}

TEST(PressureCoefficients, PassiveIgnoresTheSlopeAndSteepSlopesWarnAboveTheExcavation) {
  // Clay 0-6 (phi 0), sand 6-12; excavation at 3: sublayers 0-3, 3-6, 6-12.
  ProblemState state = testing::si_state(3, 30, {testing::clay(6, 18, 20), testing::sand(6, 18, 30)});
  EarthPressureColumn column = build_earth_pressure_column(state);
  const std::vector<int> warned = compute_pressure_coefficients(column, 10, state.wall.HWALL);
  EXPECT_EQ(warned, std::vector<int>{1});  // only the clay above the excavation
  EXPECT_NEAR(column.sublayer(3).KP, 3.0, 1e-5);
  EXPECT_NEAR(column.sublayer(1).KP, 1.0, 2e-6);
  EXPECT_TRUE(compute_pressure_coefficients(column, 0, state.wall.HWALL).empty());
}

TEST(PressureCoefficients, VerticalBackfillSlopeIsAReportedStop) {
  EarthPressureColumn column = build_earth_pressure_column(testing::two_sand_state());
  EXPECT_THROW(compute_pressure_coefficients(column, 90, 6), ReportedStop);
  EXPECT_THROW(compute_pressure_coefficients(column, -120, 6), ReportedStop);
}

}  // namespace
}  // namespace keldor::engine
