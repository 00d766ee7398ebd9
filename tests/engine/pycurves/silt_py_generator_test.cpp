// Silt (c-phi soil, static loading): the sand curve of Reese, Cox and Koop
// with the soft-clay cohesion resistance added to both pu and pm.
// Reference, worked by hand for phi = 35 deg, gamma' = 10 kN/m3, b = 1 m,
// k = 20000 kN/m3, c = 15 kPa at z = 2 m (the sand values are those of the
// sand tests, here with pi at full precision: Pst = 187.2015 < Pcd = 1075.87,
// A = 1.48, B = 1.05 at z/b = 2):
//   Np = 3 + 10*2/15 + 0.5*2/1 = 5.3333, Puc = 15 * 5.3333 * 1 = 80
//   pu = 1.48*187.2015 + 80 = 357.0583, pm = 1.05*187.2015 + 80 = 276.5616
//   m = (pu - pm)/(3/80 - 1/60) = 3863.86, n = pm/(m/60) = 4.294613,
//   C = pm / (1/60)^(1/n) = 717.52, yk = (C/40000)^(n/(n-1)) = 0.0052936
//   y = ym/12 = 0.0013889 < yk: p = 40000 y = 55.556
//   y = ym/2 = 0.0083333: p = pm * 0.5^(1/n) = 235.3407 (under 40000 y = 333.3)
#include "pycurves/silt_py_generator.h"

#include <gtest/gtest.h>

#include <numbers>
#include <sstream>

#include "driver/run_stop.h"
#include "pycurves/py_curve_set_assembly.h"
#include "pycurves/py_test_state.h"
#include "support/temp_dir.h"

namespace keldor::engine {
namespace {

using testing_support::LineConsole;

constexpr double kDeg = std::numbers::pi / 180;

CurveSoil silt(double c = 15) {
  CurveSoil soil;
  soil.XC = 2;
  soil.b = 1;
  soil.S = c;
  soil.gamma = 10;
  soil.PHI = 35 * kDeg;
  soil.k = 20000;
  return soil;
}

TEST(Silt, CohesionRaisesTheSandResistances) {
  const SiltFace f = silt_face(silt(), 2.0);
  EXPECT_NEAR(f.PUC, 80, 1e-9);
  EXPECT_NEAR(f.sand.PST, 187.2015, 1e-3);
  EXPECT_NEAR(f.PS, 187.2015, 1e-3);
  EXPECT_NEAR(f.sand.PU, 357.0583, 1e-3);
  EXPECT_NEAR(f.sand.PM, 276.5616, 1e-3);
  EXPECT_NEAR(f.sand.N, 4.294613, 1e-5);
  EXPECT_NEAR(f.sand.YK, 0.0052936, 1e-7);
  const FaceCurve& c = f.sand.curve;
  EXPECT_NEAR(c.p[1], 55.556, 1e-3);   // on the initial line
  EXPECT_NEAR(c.p[6], 235.3407, 1e-3);  // on the parabola
  EXPECT_NEAR(c.p[12], 276.5616, 1e-3);  // ym: pm
  EXPECT_NEAR(c.p[13], 357.0583, 1e-3);  // yu: pu
  EXPECT_NEAR(c.p[16], 357.0583, 1e-3);  // yu + 3b
  EXPECT_NEAR(c.y[16], 3.0 / 80 + 3, 1e-12);
}

TEST(Silt, CohesionTermReachesNineTimesTheStrength) {
  EXPECT_NEAR(silt_cohesion_resistance(15, 10, 2, 1), 80, 1e-9);
  // z = 10: Np = 3 + 100/15 + 5 = 14.7 >= 9: 9 c b = 135.
  EXPECT_NEAR(silt_cohesion_resistance(15, 10, 10, 1), 135, 1e-9);
  // No cohesion: 0, also where Np would be 0/0 (no weight) or unbounded.
  EXPECT_EQ(silt_cohesion_resistance(0, 0, 2, 1), 0.0);
  EXPECT_EQ(silt_cohesion_resistance(0, 10, 2, 1), 0.0);
}

TEST(Silt, WithoutCohesionItIsSandWithFactorsAtTheEquivalentDepth) {
  // A deeper layer's face at ZGS = 6 and ZEQ = 2: silt looks A and B up at
  // z/b = 2, as sand would at ZGS = 2.
  const SiltFace f = silt_face(silt(0), 2.0);
  const SandFace s = sand_face(silt(0), 2.0, 2.0);
  EXPECT_EQ(f.PUC, 0.0);
  EXPECT_NEAR(f.sand.A, 1.48, 1e-6);
  for (int k = 0; k < kFacePoints; ++k) EXPECT_NEAR(f.sand.curve.p[k], s.curve.p[k], 1e-4 * s.PU) << k;
}

TEST(Silt, WeightlessCohesiveSiltFollowsTheInitialLineUpToPuc) {
  // gamma' = 0: Pst = Psd = 0, pu = pm = Puc = (3 + 1) * 15 = 60; no
  // parabola is left, so the curve is min(k z y, 60).
  CurveSoil soil = silt();
  soil.gamma = 0;
  const SiltFace f = silt_face(soil, 2.0);
  EXPECT_NEAR(f.sand.PU, 60, 1e-9);
  EXPECT_NEAR(f.sand.curve.p[1], 40000 * (1.0 / 720), 1e-9);  // 55.6 < 60
  EXPECT_NEAR(f.sand.curve.p[2], 60, 1e-9);
  EXPECT_NEAR(f.sand.curve.p[16], 60, 1e-9);
}

TEST(Silt, OffsetTakesTheCohesionOffTheActivePressure) {
  // phi = 30 deg: Ka = 1/3, 2 c sqrt(Ka) b = 11.547 for c = 10, b = 1.
  CurveSoil soil = silt(10);
  soil.PHI = 30 * kDeg;
  const SiltPyGenerator g;
  // T1 = 100/3 - 11.547 = 21.786; T2 = 50 - 11.547 = 38.453.
  EXPECT_NEAR(g.offset(soil, {100, 50, 1}), 38.453, 1e-3);
  EXPECT_NEAR(g.offset(soil, {100, 1e-9, 1}), 21.786, 1e-3);  // T2 not formed below 1e-4
  EXPECT_EQ(g.offset(soil, {100, 1e-11, 1}), 0.0);             // no excavation-level pressure
  EXPECT_EQ(g.offset(soil, {20, 10, 1}), 0.0);                 // both negative
}

TEST(Silt, EquivalentDepthOfNothingAboveIsTheSurface) {
  EXPECT_NEAR(silt_equivalent_depth(0, silt()), 0.0, 1e-12);
  // More resistance above, a deeper equivalent top.
  EXPECT_LT(silt_equivalent_depth(100, silt()), silt_equivalent_depth(400, silt()));
  CurveSoil inert = silt(0);
  inert.gamma = 0;
  EXPECT_EQ(SiltPyGenerator().equivalent_top_depth(100, inert, 3.5), 3.5);
}

// SI: 40 increments of 0.25 m, excavation at 4 m, water table at 2 m; silt
// (c = 15 kPa, phi = 28 deg) down to 20 m.
ProblemState silt_wall(double phi) {
  return testing_support::py_state(2, 40, 0.25, 4, 2, {testing_support::layer(5, 20, 19, 15, phi, 0, 30000)});
}

TEST(Silt, CurvesAreReportedAndWrittenWithTheirOwnSpacing) {
  ProblemState state = silt_wall(28);
  testing_support::TempDir dir;
  std::ostringstream text;
  ReportWriter report(text);
  LineConsole console;
  EXPECT_EQ(generate_py_curves(state, 0, report, console, dir.path()), 5);
  const std::string soildata = testing_support::read_file(dir / "SOILDATA");
  // I5, then 2X,E10.3 twice.
  EXPECT_NE(soildata.find("\n    1   0.000E+00   0.000E+00\n"), std::string::npos);
  EXPECT_NE(soildata.find("\n   34   0."), std::string::npos);
  const std::string out = text.str();
  EXPECT_NE(out.find("     DEPTH      DIAM      PHI  GAMMA AVG        A         B     Puc       Pu\xED\n"),
            std::string::npos);
  // First curve, excavation side: ZGS 0.10, b 1.00, phi 28.0 deg.
  EXPECT_NE(out.find("\n      0.10      1.00      28.0"), std::string::npos);
  EXPECT_NE(out.find(" P-Multiplier = "), std::string::npos);
  EXPECT_EQ(out.find("nan"), std::string::npos);
}

TEST(Silt, NoFrictionStopsTheRunWithAConsoleWarning) {
  ProblemState state = silt_wall(0);
  testing_support::TempDir dir;
  std::ostringstream text;
  ReportWriter report(text);
  LineConsole console;
  EXPECT_THROW(generate_py_curves(state, 0, report, console, dir.path()), SoilStop);
  EXPECT_NE(console.all().find("       WARNING-------The Angle of the slope can not\n"
                               "                     be greater than the internal  \n"
                               "                     friction angle of the sand.   \n"),
            std::string::npos);
}

}  // namespace
}  // namespace keldor::engine
