// Soft clay (Matlock, static loading): p/pu = 0.5 (y/y50)^(1/3) up to pu at
// 8 y50, pu = min(3 + gamma' z / c + 0.5 z / b, 9) c b, y50 = 2.5 E50 b.
#include "pycurves/soft_clay_py_generator.h"

#include <gtest/gtest.h>

#include <cmath>

namespace keldor::engine {
namespace {

// c = 20 kPa, gamma' = 8 kN/m3, b = 1 m, E50 = 0.02.
CurveSoil clay() {
  CurveSoil soil;
  soil.XC = 2;
  soil.b = 1;
  soil.S = 20;
  soil.gamma = 8;
  soil.E50 = 0.02;
  return soil;
}

TEST(SoftClay, UltimateResistanceGrowsWithDepthUpToNineTimesTheStrength) {
  // z = 2: NP = 3 + 8*2/20 + 0.5*2/1 = 4.8, pu = 4.8 * 20 * 1 = 96 kN/m.
  const SoftClayValues v = soft_clay_values(clay(), 2.0);
  EXPECT_NEAR(v.NP, 4.8, 1e-9);
  EXPECT_NEAR(v.PU, 96.0, 1e-7);
  EXPECT_NEAR(v.Y50, 0.05, 1e-9);  // 2.5 * 0.02 * 1
  // z = 20: NP = 3 + 8 + 10 = 21 > 9, pu = 9 * 20 * 1 = 180.
  EXPECT_NEAR(soft_clay_values(clay(), 20.0).PU, 180.0, 1e-9);
}

TEST(SoftClay, CurvePointsFollowTheCubeRoot) {
  // pu = 96, y50 = 0.05 (z = 2).
  const FaceCurve c = soft_clay_face_curve(clay(), 2.0);
  struct Point {
    int number;
    double y, p;
  };
  for (const Point pt : {
           Point{1, 0, 0},
           Point{2, 0.0004, 9.6},            // 0.008 y50: 0.5 * 96 * 0.008^(1/3) = 48 * 0.2
           Point{6, 0.05, 48},               // y50: pu / 2
           Point{10, 0.1, 60.4762},          // 2 y50: 48 * 2^(1/3) = 48 * 1.259921
           Point{14, 0.15, 69.2280},         // 3 y50: 48 * 3^(1/3) = 48 * 1.442250
           Point{15, 0.4, 96},               // 8 y50: pu
           Point{16, 0.75, 96},              // 15 y50
           Point{17, 1.0, 96},               // 20 y50
       }) {
    EXPECT_NEAR(c.y[pt.number - 1], pt.y, 1e-9) << pt.number;
    EXPECT_NEAR(c.p[pt.number - 1], pt.p, 1e-4) << pt.number;
  }
  EXPECT_LE(c.p[14], c.PU);  // never above pu
}

TEST(SoftClay, NoStrengthGivesANilCurve) {
  CurveSoil soil = clay();
  soil.S = 0;
  const FaceCurve c = soft_clay_face_curve(soil, 2.0);
  for (double p : c.p) EXPECT_EQ(p, 0.0);
}

TEST(SoftClay, EquivalentDepthIsTheRootOfTheResistanceIntegral) {
  // c = 20, gamma' = 8, b = 1: pu(z) = 60 + 8 z + 10 z reaches 9 c b at
  // ZR = 6*20/(10 + 8) = 6.6667 with FR = 20*ZR^2/4 + 60 ZR + 8 ZR^2/2 = 800.
  // FA = 100 < FR: 9 z^2 + 60 z - 100 = 0, z = (-60 + sqrt(7200)) / 18 = 1.380712.
  EXPECT_NEAR(soft_clay_equivalent_depth(100, 20, 8, 1), 1.380712, 1e-6);
  // FA = 1000 > FR: ZR + (1000 - 800) / (9 * 20) = 6.6667 + 1.1111 = 7.7778.
  EXPECT_NEAR(soft_clay_equivalent_depth(1000, 20, 8, 1), 7.777778, 1e-6);
  EXPECT_DOUBLE_EQ(soft_clay_equivalent_depth(0, 20, 8, 1), 0.0);
}

TEST(SoftClay, OffsetFromTheExcavationLevelPressure) {
  const SoftClayPyGenerator g;
  // T1 = b SIGVP - 2 c b = 100 - 40 = 60; T2 = PAEXC / WRATIO - 2 c b = 50 - 40 = 10.
  EXPECT_NEAR(g.offset(clay(), {100, 50, 1}), 60, 1e-9);
  // T1 = 10 - 40 < T2 = 100/2 - 40 = 10.
  EXPECT_NEAR(g.offset(clay(), {10, 100, 2}), 10, 1e-9);
  EXPECT_EQ(g.offset(clay(), {100, 0, 1}), 0.0);   // no excavation-level pressure
  EXPECT_EQ(g.offset(clay(), {10, 30, 1}), 0.0);   // both terms negative
}

}  // namespace
}  // namespace keldor::engine
