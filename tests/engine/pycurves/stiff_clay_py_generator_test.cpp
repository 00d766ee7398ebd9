// Stiff clay, static loading.
// Below the water table (Reese, Cox and Koop 1975): y50 = E50 b,
// pc = min(2 ca b + gamma' b z + 2.83 ca z, 11 c b),
// p = 0.5 pc (y/y50)^0.5 up to As y50, less 0.055 pc ((y - As y50)/(As y50))^1.25
// up to 6 As y50, then falling by 0.0625 pc / y50 per unit y to 18 As y50,
// then constant; never above the initial line k z y.
// Above the water table (Welch and Reese 1972): y50 = 2.5 E50 b,
// pu = min((3 + gamma' z / ca + 0.5 z / b) ca b, 9 c b),
// p = 0.5 pu (y/y50)^0.25 up to pu at 16 y50.
#include "pycurves/stiff_clay_py_generator.h"

#include <gtest/gtest.h>

#include <sstream>

#include "driver/run_stop.h"
#include "pycurves/py_test_state.h"
#include "support/temp_dir.h"

namespace keldor::engine {
namespace {

using testing_support::LineConsole;
using testing_support::TempDir;

struct Point {
  int number;
  double y, p;
};

void expect_points(const FaceCurve& c, std::initializer_list<Point> points, double tolerance) {
  for (const Point pt : points) {
    EXPECT_NEAR(c.y[pt.number - 1], pt.y, 1e-7 * pt.y) << pt.number;  // single-precision factors
    EXPECT_NEAR(c.p[pt.number - 1], pt.p, tolerance) << pt.number;
  }
}

// c = 100 kPa, ca = 80 kPa, gamma' = 9 kN/m3, b = 1 m, E50 = 0.005, k = 100 MN/m3.
CurveSoil clay_below_water() {
  CurveSoil soil;
  soil.XC = 2;
  soil.b = 1;
  soil.S = 100;
  soil.CA = 80;
  soil.gamma = 9;
  soil.E50 = 0.005;
  soil.k = 100000;
  return soil;
}

TEST(StiffClayBelowWater, DepthFactorAsRisesToSixTenthsAtFourWidths) {
  EXPECT_NEAR(stiff_clay_factor_AS(0), 0.223, 1e-7);
  EXPECT_NEAR(stiff_clay_factor_AS(0.5), (0.223 + 0.46) / 2, 1e-7);
  EXPECT_NEAR(stiff_clay_factor_AS(2.5), 0.57, 1e-7);
  for (double ratio : {4.0, 5.0, 8.0, 40.0}) EXPECT_NEAR(stiff_clay_factor_AS(ratio), 0.60, 1e-7) << ratio;
}

TEST(StiffClayBelowWater, UltimateResistanceIsTheSmallerOfWedgeAndFlow) {
  // z = 2: PCT = 2*80 + 9*2 + 2.83*80*2 = 160 + 18 + 452.8 = 630.8 < PCD = 11*100 = 1100.
  const StiffClayBelowWaterValues near = stiff_clay_below_water_values(clay_below_water(), 2);
  EXPECT_NEAR(near.PCT, 630.8, 1e-4);
  EXPECT_NEAR(near.PCD, 1100, 1e-9);
  EXPECT_NEAR(near.PC, 630.8, 1e-4);
  EXPECT_NEAR(near.AS, 0.55, 1e-7);
  EXPECT_NEAR(near.Y50, 0.005, 1e-12);  // E50 b, no factor 2.5
  EXPECT_NEAR(near.KZ, 200000, 1e-6);
  // z = 5: PCT = 160 + 45 + 1132 = 1337 > PCD: the flow value governs.
  EXPECT_NEAR(stiff_clay_below_water_values(clay_below_water(), 5).PC, 1100, 1e-9);
}

TEST(StiffClayBelowWater, CurveFollowsTheFourBranches) {
  // z = 2: pc = 630.8, y50 = 0.005, As = 0.55, As y50 = 0.00275.
  //   0.5 As y50: 315.4 sqrt(0.275)                                  = 165.397
  //   As y50:     315.4 sqrt(0.55)                                   = 233.907
  //   2 As y50:   315.4 sqrt(1.1) - 0.055*630.8*1^1.25               = 296.100
  //   6 As y50:   315.4 sqrt(3.3) - 34.694 * 5^1.25 (7.476744)       = 313.554
  //   10 As y50:  315.4 sqrt(3.3) - 0.411*630.8 - 12.5*630.8*0.011   = 226.959
  //   18 As y50 and beyond: 572.952 - 259.259 - 0.75*630.8*0.55      =  53.489
  const FaceCurve c = stiff_clay_below_water_curve(clay_below_water(), 2);
  expect_points(c,
                {{1, 0, 0},
                 {2, 0.001375, 165.397},
                 {3, 0.00275, 233.907},
                 {5, 0.0055, 296.100},
                 {13, 0.0165, 313.554},
                 {14, 0.0275, 226.959},
                 {15, 0.0385, 140.224},  // 14 As y50: 313.693 - 12.5*630.8*0.022
                 {16, 0.0495, 53.489},
                 {17, 0.55, 53.489}},   // 200 As y50
                2e-3);
  EXPECT_NEAR(c.PU, 630.8, 1e-4);
  // Residual factor 1.225 sqrt(0.55) - 0.75*0.55 - 0.411 = 0.084985.
  EXPECT_NEAR(c.integral_factor, 0.084985, 1e-5);
}

TEST(StiffClayBelowWater, InitialLineCapsTheCurveOfASoftModulus) {
  CurveSoil soil = clay_below_water();
  soil.k = 1000;  // KZ = 2000 at z = 2
  const FaceCurve c = stiff_clay_below_water_curve(soil, 2);
  EXPECT_NEAR(c.p[1], 2000 * 0.001375, 1e-6);  // 2.75, far below the square-root branch
  EXPECT_NEAR(c.p[16], 53.489, 2e-3);          // the residual lies under the line at y = 0.55
}

TEST(StiffClayBelowWater, LastPointLiesAt120Y50BelowFourWidths) {
  const FaceCurve c = stiff_clay_below_water_curve(clay_below_water(), 4.5);
  EXPECT_NEAR(c.y[16], 120 * 0.005, 1e-7);  // 200 * 0.6 * y50
}

// Profile with two stiff clay layers below water: c = 100 over X = 0 to 4,
// then c rising from 40 at X = 4 to 100 at X = 10; gamma' = 9, b = 0.5.
PySoilProfile two_clay_layers() {
  PySoilProfile p;
  p.WP = 0.5;
  p.layers = {{0, 4, 2, 100000}, {4, 10, 2, 100000}};
  p.strength = {{0, 100, 0, 0.005, 0}, {4, 100, 0, 0.005, 0}, {4, 40, 0, 0.005, 0}, {10, 100, 0, 0.005, 0}};
  p.weight = {{0, 9}, {4, 9}, {4, 9}, {10, 9}};
  return p;
}

TEST(StiffClayBelowWater, AverageStrengthIsTheMeanQueryInTheFirstLayerAndARunningMeanBelow) {
  const PySoilProfile profile = two_clay_layers();
  const StiffClayBelowWaterPyGenerator clay;
  std::ostringstream text;
  ReportWriter report(text);
  LineConsole console;
  // First layer: (strength at the top + strength at X) / 2 = 100.
  CurveSoil first = clay.soil_values(profile, 0, 0.1, console);
  clay.running_values(profile, 0, nullptr, first, report, console);
  EXPECT_NEAR(first.CA, 100, 1e-9);
  // Second layer, c = 40 + 10 (X - 4): the first curve at 4.1 takes its own
  // strength 41 (not the mean from the layer top, 40.5); at 5.5 the
  // trapezoid from 4.1 gives (41 + 55)/2 = 48; at 8.5, (41 + 85)/2 = 63.
  CurveSoil a = clay.soil_values(profile, 1, 4.1, console);
  clay.running_values(profile, 1, nullptr, a, report, console);
  EXPECT_NEAR(a.CA, 41, 1e-9);
  CurveSoil b = clay.soil_values(profile, 1, 5.5, console);
  clay.running_values(profile, 1, &a, b, report, console);
  EXPECT_NEAR(b.CA, 48, 1e-9);
  CurveSoil c = clay.soil_values(profile, 1, 8.5, console);
  clay.running_values(profile, 1, &b, c, report, console);
  EXPECT_NEAR(c.CA, 63, 1e-9);
}

TEST(StiffClayBelowWater, LayerIntegralTakesTheResidualFraction) {
  const PySoilProfile profile = two_clay_layers();
  TempDir dir;
  std::ostringstream text;
  ReportWriter report(text);
  LineConsole console;
  const UnitLabels units(-1);
  const std::vector<PyModification> no_table;
  const PyMultipliers multipliers(no_table, 0.5, 0.5, 3.0);
  SoilDataFile file(dir / "SOILDATA");
  PyGenerationRun run(profile, multipliers, {}, 3.0, report, console, units, file);
  run.generate_layer(StiffClayBelowWaterPyGenerator(), 0, {2.1, 2.5, 3, 3.5, 3.9});
  // From z = 2.1 on, z/b > 4 (As = 0.6) and PCT = 100 + 4.5 z + 283 z > PCD =
  // 11*100*0.5 = 550; the integral is 1.8 * 550 * RES with RES = 1.225
  // sqrt(0.6) - 0.45 - 0.411 = 0.087881: 87.002.
  EXPECT_NEAR(run.PUINT(0), 87.002, 2e-3);
  // The second layer keeps its own depth (no equivalent depth).
  run.generate_layer(StiffClayBelowWaterPyGenerator(), 1, {4.1, 5.5, 7, 8.5, 9.9});
  EXPECT_EQ(run.ZEQTOP(1), 4.0);
  const std::string out = text.str();
  EXPECT_EQ(out.find("P-Multiplier"), std::string::npos);  // this clay prints no multiplier line
  EXPECT_NE(out.find("         DEPTH BELOW GS      DIAM        C         CAVG    GAMMA AVG      E50"),
            std::string::npos);
  // Value line of the first curve, excavation side: ZGS 2.10, b 0.500,
  // c 100, ca 100, gamma' 9, E50 0.005 (9X,F10.2,5X,F10.3,3(1X,D10.2),D12.4).
  EXPECT_NE(out.find("\n               2.10          0.500   0.10D+03   0.10D+03   0.90D+01  0.5000D-02\n"),
            std::string::npos);
}

TEST(StiffClayBelowWater, ClayWithoutModulusOrE50StopsTheRun) {
  PySoilProfile profile = two_clay_layers();
  LineConsole console;
  profile.layers[0].subgrade_modulus = 0;
  EXPECT_THROW(StiffClayBelowWaterPyGenerator().soil_values(profile, 0, 1, console), ReportedStop);
  profile = two_clay_layers();
  for (StrengthPoint& point : profile.strength) point.E50 = 0;
  EXPECT_THROW(StiffClayBelowWaterPyGenerator().soil_values(profile, 0, 1, console), ReportedStop);
  EXPECT_THROW(StiffClayAboveWaterPyGenerator().soil_values(profile, 0, 1, console), ReportedStop);
}

// c = 50 kPa, ca = 45 kPa, gamma' = 18, b = 1 m, E50 = 0.005.
CurveSoil clay_above_water() {
  CurveSoil soil;
  soil.XC = 1;
  soil.b = 1;
  soil.S = 50;
  soil.CA = 45;
  soil.gamma = 18;
  soil.E50 = 0.005;
  return soil;
}

TEST(StiffClayAboveWater, CurveRisesAsTheFourthRootToPuAtSixteenY50) {
  // z = 1: pu = min(9*50, 3*45 + 18 + 0.5*45) = 175.5; y50 = 0.0125, Y16 = 0.2.
  const StiffClayAboveWaterValues v = stiff_clay_above_water_values(clay_above_water(), 1);
  EXPECT_NEAR(v.PU, 175.5, 1e-9);
  EXPECT_NEAR(v.Y50, 0.0125, 1e-12);
  const FaceCurve c = stiff_clay_above_water_curve(clay_above_water(), 1);
  expect_points(c,
                {{1, 0, 0},
                 {2, 2e-6, 9.86909},     // 87.75 * (1.6e-4)^0.25 = 87.75 * 0.112468
                 {12, 0.02, 98.69090},   // 87.75 * 1.6^0.25
                 {14, 0.1, 147.57732},   // 87.75 * 8^0.25
                 {15, 0.2, 175.5},       // 16 y50: pu
                 {16, 0.225, 175.5},     // 18 y50
                 {17, 0.25, 175.5}},     // 20 y50
                1e-4);
  // Deep: 3*45 + 180 + 225 = 540 > 9 c b = 450.
  EXPECT_NEAR(stiff_clay_above_water_values(clay_above_water(), 10).PU, 450, 1e-9);
}

TEST(StiffClayAboveWater, AverageStrengthStartsAtTheLayerTop) {
  const PySoilProfile profile = two_clay_layers();
  std::ostringstream text;
  ReportWriter report(text);
  LineConsole console;
  const StiffClayAboveWaterPyGenerator clay;
  // Second layer at X = 7: (40 + 70) / 2 = 55, not a mean from the surface.
  CurveSoil soil = clay.soil_values(profile, 1, 7, console);
  clay.running_values(profile, 1, nullptr, soil, report, console);
  EXPECT_NEAR(soil.CA, 55, 1e-9);
}

}  // namespace
}  // namespace keldor::engine
