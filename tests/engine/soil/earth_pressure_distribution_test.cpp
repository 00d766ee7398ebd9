#include "soil/earth_pressure_distribution.h"

#include <gtest/gtest.h>

#include "driver/run_stop.h"
#include "soil/pressure_coefficients.h"
#include "soil_test_state.h"

namespace keldor::engine {
namespace {

EarthPressureDistribution distribute(const ProblemState& state) {
  EarthPressureColumn column = build_earth_pressure_column(state);
  compute_overburden(column, state.wall.DWB, state.surcharge.QU);
  compute_pressure_coefficients(column, state.wall.BETA, state.wall.HWALL);
  const EarthPressureForces forces =
      compute_earth_pressure_forces(column, SingleSurcharge::from_record(state.surcharge), state.wall);
  return triangular_distribution(column, forces, state.wall, state.surcharges);
}

// Two sands (overburden test): one point per metre down to 6 m.
//  0-2 dry, Ka 1/3:            p = 18/3 t                     -> 6, 12 at 1, 2
//  2-4 submerged, Ka 1/3:      p = 36/3 + (8/3 + 10) t        -> 24.6667, 37.3333 at 3, 4
//  4-6 submerged, Ka 0.259616: p = 20 + 52 Ka + (10 Ka + 10) t -> 46.0962, 58.6924 at 5, 6
// SUMF by the trapezoidal rule over the points (unit spacing):
//  3 + 9 + 18.3333 + 31 + 41.7148 + 52.3943 = 155.4424
const double kTwoSandTotals[] = {0, 6, 12, 24.66667, 37.33333, 46.09620, 58.69237};
const double kTwoSandSUMF = 155.4424;

TEST(TriangularDistribution, TwoSandsWithWaterTable) {
  const EarthPressureDistribution d = distribute(testing::two_sand_state());
  ASSERT_EQ(d.points.size(), 7u);
  for (std::size_t k = 0; k < d.points.size(); ++k) {
    EXPECT_NEAR(d.points[k].EPDEPTH, static_cast<double>(k), 1e-12);
    EXPECT_NEAR(d.points[k].EPTOTAL, kTwoSandTotals[k], 1e-4) << k;
    EXPECT_NEAR(d.points[k].EPACT, kTwoSandTotals[k], 1e-4) << k;
    EXPECT_EQ(d.points[k].EPSUR, 0);
  }
  EXPECT_NEAR(d.SUMF, kTwoSandSUMF, 1e-3);
}

TEST(TriangularDistribution, ResultantUsesThePointSpacing) {
  // One sand 0-2.5 m above an excavation at 2.5: 3 points at 0.8333 m
  // spacing (2.5 rounds to 3). p = 18/3 z, a straight line, so the
  // resultant is exact: 6 * 2.5^2 / 2 = 18.75.
  const EarthPressureDistribution d = distribute(testing::si_state(2.5, 30, {testing::sand(10, 18, 30)}));
  ASSERT_EQ(d.points.size(), 4u);
  EXPECT_NEAR(d.points.back().EPDEPTH, 2.5, 1e-12);
  EXPECT_NEAR(d.SUMF, 18.75, 1e-3);
}

TEST(TriangularDistribution, ResultantStartsFromTheSurfacePressure) {
  // QU = 30 on sand (Ka 1/3), excavation at 2 m: p = 10 + 6 z from the
  // surface point on; resultant 10*2 + 6*2^2/2 = 32.
  ProblemState state = testing::si_state(2, 30, {testing::sand(10, 18, 30)});
  state.surcharge.QU = 30;
  const EarthPressureDistribution d = distribute(state);
  EXPECT_NEAR(d.points[0].EPTOTAL, 10, 1e-4);
  EXPECT_NEAR(d.SUMF, 32, 1e-3);
}

TEST(TriangularDistribution, CrackedClayIsZeroDownToTheCrack) {
  // Clay gamma 18, c 30: crack at 60/18 = 3.3333; below it p = 18 (z - 3.3333)
  // (forces test): 0, 0, 0 at 1, 2, 3; 12, 30, 48 at 4, 5, 6.
  const EarthPressureDistribution d = distribute(testing::si_state(6, 30, {testing::clay(10, 18, 30)}));
  const double expected[] = {0, 0, 0, 0, 12, 30, 48};
  ASSERT_EQ(d.points.size(), 7u);
  for (std::size_t k = 0; k < 7; ++k) EXPECT_NEAR(d.points[k].EPTOTAL, expected[k], 1e-3) << k;
}

TEST(TriangularDistribution, ExcavationSideWaterTakesOffBelowIt) {
  // Two sands with the excavation-side water table at 4 m: the points at 5
  // and 6 (submerged sublayer) lose (z - 4) * 10.
  ProblemState state = testing::two_sand_state();
  state.wall.DWE = 4;
  const EarthPressureDistribution d = distribute(state);
  EXPECT_NEAR(d.points[4].EPTOTAL, kTwoSandTotals[4], 1e-4);
  EXPECT_NEAR(d.points[5].EPTOTAL, kTwoSandTotals[5] - 10, 1e-4);
  EXPECT_NEAR(d.points[6].EPTOTAL, kTwoSandTotals[6] - 20, 1e-4);
  EXPECT_NEAR(d.points[6].EPACT, kTwoSandTotals[6] - 20, 1e-4);
}

TEST(TriangularDistribution, ZeroPressuresBelowTheExcavationSideWaterTableAreFloored) {
  // Clay whose cohesion outweighs the overburden: every pressure is 0.
  ProblemState state = testing::si_state(6, 30, {testing::clay(10, 18, 100)});
  state.wall.DWE = 0;
  const EarthPressureDistribution floored = distribute(state);
  ASSERT_EQ(floored.points.size(), 7u);
  EXPECT_EQ(floored.points[0].EPTOTAL, 0);
  for (std::size_t k = 1; k < 7; ++k) {
    EXPECT_NEAR(floored.points[k].EPTOTAL, (k + 1) * 1e-12, 1e-18) << k;  // point index K = k + 1
    EXPECT_EQ(floored.points[k].EPACT, 0) << k;
  }
  state.wall.DWE = 10;
  for (const PressurePoint& p : distribute(state).points) EXPECT_EQ(p.EPTOTAL, 0);
}

TEST(TriangularDistribution, SurchargeAddsToTheTotalOnly) {
  // Line load 50 kN/m at 2 m, H = 6 (m = 1/3): at z = 3 the grid depth
  // K = 25 is 25 * 0.02 * 6 with the single-precision 0.02, 2.99999993, so
  // it lies above 3: n = 0.5, 0.203*50*0.5 / (6*(0.16 + 0.25)^2) = 5.03173.
  ProblemState state = testing::two_sand_state();
  state.surcharges = {{2, 50, 2, 0}};
  const EarthPressureDistribution d = distribute(state);
  EXPECT_NEAR(d.points[3].EPSUR, 5.03173, 1e-4);
  EXPECT_NEAR(d.points[3].EPACT, kTwoSandTotals[3], 1e-4);
  EXPECT_NEAR(d.points[3].EPTOTAL, d.points[3].EPACT + d.points[3].EPSUR, 1e-12);
}

// Area of a trapezoid from its corners: ramps A and B, plateau PL, peak PMAX.
double trapezoid_area(double A, double PL, double B, double PMAX) { return PMAX * (A / 2 + PL + B / 2); }

TEST(TrapezoidalDistribution, OneAnchorAtAThirdOfTheHeight) {
  // HE = 6, anchor at 2: A = 2*2/3 = 4/3 (2HE/9), PL = 2 (HE/3), B = 8/3 (4HE/9).
  // PMAX = 1.3 SUMF / (2HE/3) = 1.3 * 155.4424 / 4 = 50.5188.
  EarthPressureDistribution d = distribute(testing::two_sand_state());
  redistribute_as_trapezoid(d, 1, 2, 0);
  const double PMAX = d.points[2].EPTOTAL;
  EXPECT_NEAR(PMAX, 1.3 * kTwoSandSUMF / 4, 1e-3);
  EXPECT_NEAR(trapezoid_area(4.0 / 3, 2, 8.0 / 3, PMAX), 1.3 * d.SUMF, 1e-6 * d.SUMF);
  EXPECT_EQ(d.points[0].EPTOTAL, 0);
  EXPECT_NEAR(d.points[1].EPTOTAL, 0.75 * PMAX, 1e-9);  // 1 / (4/3)
  EXPECT_NEAR(d.points[3].EPTOTAL, PMAX, 1e-9);          // 3 <= A + PL = 3.3333
  EXPECT_NEAR(d.points[4].EPTOTAL, 0.75 * PMAX, 1e-9);  // PMAX - (4 - 3.3333) PMAX / (8/3)
  EXPECT_NEAR(d.points[6].EPTOTAL, 0, 1e-9);
  // Active and surcharge parts keep their triangular values.
  EXPECT_NEAR(d.points[6].EPACT, kTwoSandTotals[6], 1e-4);
}

TEST(TrapezoidalDistribution, TwoAnchorRowsCarryTheEnlargedResultant) {
  // HE = 6, anchors at 1.5 and 4.5: A = 1, B = 2*(6 - 4.5)/3 = 1, PL = 4;
  // area = PMAX (0.5 + 4 + 0.5) = 5 PMAX = 1.3 SUMF -> PMAX = 0.26 SUMF.
  EarthPressureDistribution d = distribute(testing::two_sand_state());
  redistribute_as_trapezoid(d, 2, 1.5, 4.5);
  const double PMAX = d.points[3].EPTOTAL;
  EXPECT_NEAR(PMAX, 0.26 * kTwoSandSUMF, 1e-3);
  EXPECT_NEAR(trapezoid_area(1, 4, 1, PMAX), 1.3 * d.SUMF, 1e-6 * d.SUMF);
  EXPECT_NEAR(d.points[6].EPTOTAL, 0, 1e-9);
}

TEST(TrapezoidalDistribution, WithoutSpringRowsTheAnchorIsAtTheSurface) {
  // A = 0, PL = 2, B = 4: area 4 PMAX; the stale anchor depth is not used.
  EarthPressureDistribution d = distribute(testing::two_sand_state());
  redistribute_as_trapezoid(d, 0, 3.7, 0);
  const double PMAX = d.points[0].EPTOTAL;
  EXPECT_NEAR(PMAX, 1.3 * kTwoSandSUMF / 4, 1e-3);
  EXPECT_NEAR(d.points[2].EPTOTAL, PMAX, 1e-9);
  EXPECT_NEAR(d.points[4].EPTOTAL, 0.5 * PMAX, 1e-9);
}

TEST(TrapezoidalDistribution, NoRetainedHeightIsAReportedStop) {
  EarthPressureDistribution d = distribute(testing::si_state(0, 30, {testing::sand(10, 18, 30)}));
  ASSERT_EQ(d.points.size(), 1u);
  EXPECT_THROW(redistribute_as_trapezoid(d, 1, 0, 0), ReportedStop);
}

}  // namespace
}  // namespace keldor::engine
