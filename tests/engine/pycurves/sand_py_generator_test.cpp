// Sand (Reese, Cox and Koop 1974, static loading). The reference values
// below were worked out by hand from the published formulas for
// phi = 35 deg, gamma' = 10 kN/m3, b = 1 m, k = 20000 kN/m3 at z = 2 m:
//   alpha = 17.5 deg, beta = 62.5 deg, K0 = 0.4,
//   Ka = tan^2(27.5 deg) = 0.270992, Kp = tan^2(62.5 deg) = 3.690218
//   wedge  Pst = g z [K0 z tan(phi) sin(beta) / (tan(beta-phi) cos(alpha))
//                + tan(beta)/tan(beta-phi) (b + z tan(beta) tan(alpha))
//                + K0 z tan(beta) (tan(phi) sin(beta) - tan(alpha)) - Ka b] = 187.203
//   flow   Pcd = Ka b g z (tan^8(beta) - 1) + K0 b g z tan(phi) tan^4(beta) = 1075.93
//   z/b = 2: A = 1.48, B = 1.05; pu = 1.48 * 187.203 = 277.060, pm = 196.563
//   yu = 3b/80 = 0.0375, ym = b/60 = 0.016667
//   m = (pu - pm)/(yu - ym) = 3863.87, n = pm/(m ym) = 3.052326,
//   C = pm / ym^(1/n) = 751.724, yk = (C/(k z))^(n/(n-1)) = 0.0027102
#include "pycurves/sand_py_generator.h"

#include <gtest/gtest.h>

#include <cmath>

namespace keldor::engine {
namespace {

constexpr double kDeg = 3.1416 / 180;

CurveSoil sand() {
  CurveSoil soil;
  soil.XC = 2;
  soil.b = 1;
  soil.gamma = 10;
  soil.PHI = 35 * kDeg;
  soil.k = 20000;
  return soil;
}

TEST(Sand, UltimateResistanceFromTheWedgeNearTheSurface) {
  const SandFace f = sand_face(sand(), 2.0, 2.0);
  EXPECT_NEAR(sand_coefficients(sand().PHI).KA, 0.270992, 1e-6);
  EXPECT_NEAR(f.PST, 187.203, 1e-3);
  EXPECT_NEAR(f.PSD, 1075.93, 1e-2);
  EXPECT_NEAR(f.A, 1.48, 1e-6);
  EXPECT_NEAR(f.B, 1.05, 1e-6);
  EXPECT_NEAR(f.PU, 277.060, 1e-3);
  EXPECT_NEAR(f.PM, 196.563, 1e-3);
  EXPECT_NEAR(f.N, 3.052326, 1e-5);
  EXPECT_NEAR(f.YK, 0.0027102, 1e-7);
}

TEST(Sand, FlowAroundGovernsAtDepth) {
  // z = 20 m: the wedge grows with z^2 and passes the flow-around value.
  const SandFace f = sand_face(sand(), 20.0, 20.0);
  EXPECT_LT(f.PSD, f.PST);
  EXPECT_NEAR(f.A, 0.88, 1e-6);  // z/b = 20: beyond 5
  EXPECT_NEAR(f.PU, 0.88 * f.PSD, 1e-7 * f.PU);
}

TEST(Sand, CurvePointsByHand) {
  const FaceCurve c = sand_face(sand(), 2.0, 2.0).curve;
  struct Point {
    int number;
    double y, p;
  };
  for (const Point pt : {
           Point{1, 0, 0},
           Point{2, 1.0 / 720, 55.5556},      // ym/12 below yk: k z y = 40000 / 720
           Point{3, 2.0 / 720, 109.286},      // parabola: 751.724 * (1/360)^(1/3.052326)
           Point{13, 1.0 / 60, 196.563},      // ym: pm
           Point{14, 0.0375, 277.060},        // yu: pu
           Point{15, 1.0375, 277.060},        // one width beyond yu
           Point{17, 3.0375, 277.060},        // three widths beyond yu
       }) {
    EXPECT_NEAR(c.y[pt.number - 1], pt.y, 1e-9) << pt.number;
    EXPECT_NEAR(c.p[pt.number - 1], pt.p, 2e-3) << pt.number;
  }
}

TEST(Sand, NoFrictionGivesANilCurve) {
  CurveSoil soil = sand();
  soil.PHI = 0;
  const FaceCurve c = sand_face(soil, 2.0, 2.0).curve;
  for (double p : c.p) EXPECT_EQ(p, 0.0);
}

TEST(Sand, OffsetFromTheActivePressureAtTheExcavation) {
  const SandPyGenerator g;
  // T1 = SIGVP Ka b = 100 * 0.270992 = 27.0992; T2 = PAEXC / WRATIO = 20.
  EXPECT_NEAR(g.offset(sand(), {100, 20, 1}), 27.0992, 1e-4);
  EXPECT_NEAR(g.offset(sand(), {0, 60, 2}), 30, 1e-9);
  EXPECT_EQ(g.offset(sand(), {100, 0, 1}), 0.0);
}

TEST(Sand, EquivalentDepthMatchesTheResistanceIntegral) {
  EXPECT_DOUBLE_EQ(sand_equivalent_depth(0, sand()), 0.0);
  // For phi = 35 deg: C1 = 2.97050, C2 = 3.41923, C3 = 53.7954, so
  // ZR = (C3 - C2) b / C1 = 16.959. Integrating A(z/b) (C1 z^2 + C2 b z) g
  // finely from 0 reaches 1000 kN at z = 3.8525 m. The 100-step march over
  // ZR takes each step's resistance at the step's deeper end and so arrives
  // a little earlier (3.77 m): within 0.1 m.
  EXPECT_NEAR(sand_equivalent_depth(1000, sand()), 3.8525, 0.1);
  EXPECT_LT(sand_equivalent_depth(1000, sand()), 3.8525);
}

}  // namespace
}  // namespace keldor::engine
