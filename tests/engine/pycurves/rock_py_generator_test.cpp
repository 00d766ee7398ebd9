// Strong rock: Kir = 2000 c up to y1 = 0.0004 b, then a slope of 100 c up
// to the strength pur = c b at y2, then the residual 0.5 gamma' b z; c is
// half the compressive strength. The p-multiplier scales only the part
// below y2.
#include "pycurves/rock_py_generator.h"

#include <gtest/gtest.h>

#include <sstream>

#include "driver/run_stop.h"
#include "pycurves/py_curve_set_assembly.h"
#include "pycurves/py_test_state.h"
#include "support/temp_dir.h"

namespace keldor::engine {
namespace {

using testing_support::LineConsole;

// qu = 20000 kPa (c = 10000), gamma' = 12 kN/m3, b = 1 m.
CurveSoil rock() {
  CurveSoil soil;
  soil.XC = 2;
  soil.b = 1;
  soil.S = 20000;
  soil.gamma = 12;
  return soil;
}

TEST(Rock, TwoSlopesThenTheResidual) {
  // Kir = 2e7, y1 = 0.0004, p1 = 8000, pur = 10000,
  // y2 = (10000 - 8000)/(100*10000) + 0.0004 = 0.0024; y = k * 0.00016.
  const RockFace r = rock_face(rock(), 2.0, 1.0);
  EXPECT_NEAR(r.KIR, 2e7, 1e-6);
  EXPECT_NEAR(r.Y2, 0.0024, 1e-9);
  struct Point {
    int number;
    double y, p;
  };
  for (const Point pt : {Point{1, 0, 0},
                         Point{2, 0.00016, 3200},       // 2e7 * 0.00016
                         Point{4, 0.00048, 8080},       // 8000 + 1e6 * 0.00008
                         Point{15, 0.00224, 9840},      // 8000 + 1e6 * 0.00184
                         Point{16, 0.0024, 12},         // at y2: 0.5 * 12 * 1 * 2
                         Point{17, 0.00256, 12}}) {
    EXPECT_NEAR(r.curve.y[pt.number - 1], pt.y, 1e-9) << pt.number;
    EXPECT_NEAR(r.curve.p[pt.number - 1], pt.p, 0.01) << pt.number;
  }
  EXPECT_EQ(r.curve.PU, 0.0);  // nothing for the layer integral
}

TEST(Rock, PMultiplierScalesTheRisingPartOnly) {
  const RockFace r = rock_face(rock(), 5.0, 0.5);
  EXPECT_NEAR(r.curve.p[1], 1600, 0.01);
  EXPECT_NEAR(r.curve.p[3], 4040, 0.01);
  EXPECT_NEAR(r.curve.p[16], 30, 1e-9);  // 0.5 * 12 * 1 * 5, no multiplier
  EXPECT_TRUE(r.curve.p_multiplied);
}

// SI: 40 increments of 0.25 m, excavation at 4 m; rock of qu = 20000 kPa
// from the top of the wall to 20 m, WA = WP = 1 (p-multiplier 0.5292).
ProblemState rock_wall(double qu) {
  return testing_support::py_state(2, 40, 0.25, 4, 20, {testing_support::layer(6, 20, 22, qu, 0, 0, 0)});
}

TEST(Rock, ReportHasItsOwnSideHeadingsAndTheFileItsOwnSpacing) {
  ProblemState state = rock_wall(20000);
  testing_support::TempDir dir;
  std::ostringstream text;
  ReportWriter report(text);
  LineConsole console;
  // With earth pressure at the excavation the rock still takes no offset.
  state.PAEXC = 50;
  generate_py_curves(state, 80, report, console, dir.path());
  const std::string out = text.str();
  EXPECT_EQ(out.find("AT THE EXCAVATION SIDE"), std::string::npos);
  EXPECT_EQ(out.find("P-Multiplier"), std::string::npos);
  EXPECT_NE(out.find("                 DEPTH-EXCAVATION SIDE     DIAM        C\n"), std::string::npos);
  EXPECT_NE(out.find("                 DEPTH-BACKFILL SIDE       DIAM        C\n"), std::string::npos);
  // First curve: XC = 0.1 in front, 4.1 behind; c = 10000.
  EXPECT_NE(out.find("\n                              0.10          1.000   0.1E+05\n"), std::string::npos);
  EXPECT_NE(out.find("\n                              4.10          1.000   0.1E+05\n"), std::string::npos);
  // Point 2 in front: 0.5292 * 2e7 * 0.00016 = 1693.4 (D20.3).
  EXPECT_NE(out.find("            0.160D-03           0.169D+04\n"), std::string::npos);
  const std::string soildata = testing_support::read_file(dir / "SOILDATA");
  // I5, 1X, then the two E10.3 fields side by side; no offset at point 1.
  EXPECT_NE(soildata.find("\n    1  0.000E+00 0.000E+00\n    2  0.169E+04 0.160E-03\n"), std::string::npos);
}

TEST(Rock, RockWithoutStrengthStopsTheRun) {
  ProblemState state = rock_wall(0);
  testing_support::TempDir dir;
  std::ostringstream text;
  ReportWriter report(text);
  LineConsole console;
  try {
    generate_py_curves(state, 0, report, console, dir.path());
    ADD_FAILURE() << "no stop";
  } catch (const ReportedStop& stop) {
    EXPECT_EQ(stop.lines().front(), "ERROR -- THE ROCK OF P-Y LAYER 1 HAS NO COMPRESSIVE STRENGTH (S <= 0);");
  }
}

}  // namespace
}  // namespace keldor::engine
