// Weak rock (Reese 1997, static loading):
//   alpha_r = 1 - (2/3) RQD/100,
//   pur = alpha_r qur b (1 + 1.4 xr/b) for xr <= 3b, 5.2 alpha_r qur b below,
//   Kir = (100 + 400 xr/(3b)) Eir for xr <= 3b, 500 Eir below,
//   yrm = krm b, p = Kir y up to yA = (pur / (2 yrm^0.25 Kir))^(4/3),
//   then p = (pur/2) (y/yrm)^0.25 up to pur at 16 yrm.
// Worked for qur = 2000 kPa, RQD = 50 (alpha_r = 2/3), Eir = 100000 kPa,
// krm = 0.0005, b = 1 m at xr = 1 m:
//   pur = (2/3) * 2000 * 2.4 = 3200, Kir = 233.333 * 1e5 = 2.3333e7,
//   yrm = 0.0005, yA = (1600 / (0.0005^0.25 * 2.3333e7))^(4/3) = 3.5362e-5
//   0.06 yrm = 3.0e-5 < yA: p = 2.3333e7 * 3e-5 = 700.0
//   0.08 yrm = 4.0e-5:      p = 1600 * 0.08^0.25 = 850.93
//   yrm:                    p = 1600
//   12 yrm:                 p = 1600 * 12^0.25 = 2977.94 (pur is reached at 16 yrm)
#include "pycurves/weak_rock_py_generator.h"

#include <gtest/gtest.h>

#include <sstream>

#include "driver/run_stop.h"
#include "pycurves/py_curve_set_assembly.h"
#include "pycurves/py_test_state.h"
#include "support/temp_dir.h"

namespace keldor::engine {
namespace {

using testing_support::LineConsole;

CurveSoil weak_rock() {
  CurveSoil soil;
  soil.XC = 1;
  soil.b = 1;
  soil.S = 2000;
  soil.CA = 2000;
  soil.gamma = 12;
  soil.E50 = 0.0005;
  soil.k = 100000;
  soil.sixth = 50;
  return soil;
}

TEST(WeakRock, CurveByHandNearTheTopOfTheRock) {
  const WeakRockFace w = weak_rock_face(weak_rock(), 1.0);
  EXPECT_NEAR(w.AR, 2.0 / 3, 1e-7);
  EXPECT_NEAR(w.PUR, 3200, 1e-3);
  EXPECT_NEAR(w.KIR, 2.333333e7, 10);
  EXPECT_NEAR(w.YA, 3.5362e-5, 1e-9);
  struct Point {
    int number;
    double y, p;
  };
  for (const Point pt : {Point{1, 2.5e-7, 5.8333},  // the first point is not at 0
                         Point{8, 3.0e-5, 700.0},
                         Point{9, 4.0e-5, 850.93},
                         Point{14, 5.0e-4, 1600},
                         Point{17, 6.0e-3, 2977.94}}) {
    EXPECT_NEAR(w.curve.y[pt.number - 1], pt.y, 1e-7 * pt.y) << pt.number;
    EXPECT_NEAR(w.curve.p[pt.number - 1], pt.p, 0.01) << pt.number;
  }
  EXPECT_EQ(w.curve.PU, 0.0);
}

TEST(WeakRock, BelowThreeWidthsTheResistanceIsConstant) {
  // xr = 5 > 3b: pur = 5.2 * (2/3) * 2000 = 6933.3, Kir = 500 * 1e5.
  const WeakRockFace w = weak_rock_face(weak_rock(), 5.0);
  EXPECT_NEAR(w.PUR, 6933.33, 0.01);
  EXPECT_NEAR(w.KIR, 5e7, 1e-6);
  // At 3b both expressions meet: (1 + 4.2) b = 5.2 b, 100 + 400 = 500.
  const WeakRockFace at = weak_rock_face(weak_rock(), 3.0);
  EXPECT_NEAR(at.PUR, w.PUR, 1e-3);
  EXPECT_NEAR(at.KIR, w.KIR, 1);
}

TEST(WeakRock, FullRockQualityKeepsOneThirdOfTheStrength) {
  CurveSoil soil = weak_rock();
  soil.sixth = 100;
  EXPECT_NEAR(weak_rock_face(soil, 1.0).AR, 1.0 / 3, 1e-7);
  soil.sixth = 0;
  EXPECT_EQ(weak_rock_face(soil, 1.0).AR, 1.0);
}

// SI: 40 increments of 0.25 m, excavation at 4 m; stiff clay to 6 m over
// weak rock (qu = 2000 kPa, Eir = 100000 kPa, krm = 0.0005, RQD given) to 20 m.
ProblemState socketed_wall(double qu, double rqd) {
  SoilLayer rock = testing_support::layer(7, 20, 22, qu, 0, 0.0005, 100000);
  rock.VTOP[5] = rock.VBOT[5] = rqd;
  return testing_support::py_state(2, 40, 0.25, 4, 0,
                                   {testing_support::layer(2, 6, 19, 80, 0, 0.005, 200000), rock});
}

struct Generation {
  std::string report, soildata, stop;
  LineConsole console;
  bool soil_stop = false;
};

Generation generate(ProblemState state) {
  testing_support::TempDir dir;
  std::ostringstream text;
  ReportWriter report(text);
  Generation g;
  try {
    generate_py_curves(state, 0, report, g.console, dir.path());
  } catch (const ReportedStop& stop) {
    g.stop = stop.lines().front();
  } catch (const SoilStop&) {
    g.soil_stop = true;
  }
  g.report = text.str();
  g.soildata = testing_support::read_file(dir / "SOILDATA");
  return g;
}

TEST(WeakRock, DepthRunsFromTheTopOfTheRockLayer) {
  const Generation g = generate(socketed_wall(2000, 50));
  ASSERT_EQ(g.stop, "");
  // Rock layer from X = 2; its first curve at X = 2.1: xr = 0.1 in front of
  // the wall, 4.1 behind it (> 3b). In front: pur = (2/3) * 2000 * 1.14 =
  // 1520, so the point at yrm (14) carries 760 times the p-multiplier 0.5292
  // = 402.2; behind: 5.2 * (2/3) * 2000 = 6933.3, half of it 3466.7 * 0.5292 = 1834.5.
  EXPECT_NE(g.soildata.find("\n   14   0.402E+03   0.500E-03\n"), std::string::npos);
  EXPECT_NE(g.soildata.find("\n   31   0.183E+04   0.500E-03\n"), std::string::npos);
  EXPECT_NE(g.report.find("              DEPTH     DIAM       Qu        Eu    GAMMA AVG      E50\n"),
            std::string::npos);
  // ZGS 2.10, b 1.000, qu 2000, Eir 100000, gamma', krm.
  EXPECT_NE(g.report.find("\n                2.10     1.000  0.20E+04  0.10E+06"), std::string::npos);
  EXPECT_EQ(g.report.find("nan"), std::string::npos);
}

TEST(WeakRock, BadRockDataStopsTheRun) {
  EXPECT_EQ(generate(socketed_wall(2000, 120)).stop,
            "ERROR -- THE WEAK ROCK OF P-Y LAYER 2 HAS AN RQD OF 120.0000 PER CENT;");
  EXPECT_EQ(generate(socketed_wall(2000, -5)).stop,
            "ERROR -- THE WEAK ROCK OF P-Y LAYER 2 HAS AN RQD OF -5.0000 PER CENT;");
  ProblemState no_modulus = socketed_wall(2000, 50);
  no_modulus.layers[1].VTOP[4] = 0;
  EXPECT_NE(generate(no_modulus).stop.find("(Eu <= 0)"), std::string::npos);
  ProblemState no_krm = socketed_wall(2000, 50);
  no_krm.layers[1].VTOP[3] = no_krm.layers[1].VBOT[3] = 0;
  EXPECT_NE(generate(no_krm).stop.find("(E50 <= 0)"), std::string::npos);
}

TEST(WeakRock, ZeroStrengthStopsAtTheSecondCurveOfTheLayer) {
  const Generation g = generate(socketed_wall(0, 50));
  EXPECT_TRUE(g.soil_stop);
  EXPECT_NE(g.console.all().find("       --------------------WARNING----------------------\n"
                                 "       THE COHESIVE STRENGTH IS 0 FOR ROCK ACCORING TO THE INPUT\n"
                                 "       DATA. PLEASE ENTER THE CORRECT VALUE AND RUN IT AGAIN.\n"),
            std::string::npos);
  // The first rock curve was written in full (a nil curve), the second not:
  // five clay curves and one rock curve, each 35 records.
  std::size_t headings = 0;
  for (std::size_t at = g.soildata.find(" 34\n"); at != std::string::npos; at = g.soildata.find(" 34\n", at + 1)) {
    ++headings;
  }
  EXPECT_EQ(headings, 6u);
  EXPECT_EQ(g.report.find("nan"), std::string::npos);
}

}  // namespace
}  // namespace keldor::engine
