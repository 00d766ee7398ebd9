// The curve-set assembly as the driver calls it: report sections, the
// SOILDATA file with the user sets and the generated curves, and the data
// it rejects.
#include "pycurves/py_curve_set_assembly.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "driver/run_stop.h"
#include "pycurves/py_test_state.h"
#include "support/temp_dir.h"

namespace keldor::engine {
namespace {

using testing_support::layer;
using testing_support::LineConsole;
using testing_support::py_state;
using testing_support::TempDir;

// SI: 40 increments of 0.25 m, excavation at 4 m, water table at 4 m; soft
// clay to 6 m over sand to 20 m. The depth limit lies at X = 10.5 - 4 = 6.5.
ProblemState clay_over_sand() {
  SoilLayer clay = layer(1, 6, 17, 15, 0, 0.02, 0);
  clay.VBOT[1] = 25;
  return py_state(2, 40, 0.25, 4, 4, {clay, layer(4, 20, 19, 0, 32, 0, 16000)});
}

struct Generated {
  int curves = 0;
  std::string report, soildata;
  LineConsole console;
};

Generated generate(ProblemState& state, double SIGVP = 0) {
  TempDir dir;
  std::ostringstream text;
  ReportWriter report(text);
  Generated out;
  out.curves = generate_py_curves(state, SIGVP, report, out.console, dir.path());
  out.report = text.str();
  out.soildata = testing_support::read_file(dir / "SOILDATA");
  return out;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The depth of a curve's heading record "depth 34".
double curve_depth(const std::string& heading) {
  std::istringstream in(heading);
  double depth = 0;
  int points = 0;
  in >> depth >> points;
  EXPECT_EQ(points, 34) << heading;
  return depth;
}

std::string stop_message(ProblemState state) {
  try {
    generate(state);
  } catch (const ReportedStop& stop) {
    std::string text;
    for (const std::string& line : stop.lines()) text += line + "\n";
    return text;
  }
  return "no stop";
}

TEST(PyCurveSetAssembly, WritesTheUserSetsThenFiveCurvesPerLayer) {
  ProblemState state = clay_over_sand();
  state.wall.HWALL = 4;
  state.geometry.HFREE = 3.5;  // replaced by HWALL
  PyCurveSet set;
  set.CSTA = 12;
  set.PMULT = 2;
  set.YMULT = 0.5;
  set.Y = {-0.1, 0, 0.1};
  set.P = {30, 0, -30};
  state.py_sets = {set};
  const Generated out = generate(state);
  EXPECT_DOUBLE_EQ(state.geometry.HFREE, 4.0);
  EXPECT_EQ(out.curves, 11);

  const std::vector<std::string> lines = lines_of(out.soildata);
  ASSERT_EQ(lines.size(), 1u + 4u + 10u * 35u);
  EXPECT_EQ(lines[0], " 11");
  EXPECT_EQ(lines[1], " 12 3");
  EXPECT_EQ(lines[2], " 1 60.0 -0.05");  // index, PMULT * P, YMULT * Y
  EXPECT_EQ(lines[4], " 3 -60.0 0.05");
  // Curve depths below the top of the wall; the 0.1 inset is the
  // single-precision 0.100000001.
  EXPECT_NEAR(curve_depth(lines[5]), 4.1, 1e-8);  // first curve 0.1 below the excavation
  const std::regex fields(R"(^[ \d]{5} [ -]0\.\d{3}E[+-]\d\d [ -]0\.\d{3}E[+-]\d\d$)");
  for (int c = 0; c < 10; ++c) {
    const std::size_t head = 5 + 35 * static_cast<std::size_t>(c);
    EXPECT_TRUE(std::regex_match(lines[head], std::regex(R"( [0-9.]+ 34)"))) << lines[head];
    for (std::size_t k = 1; k <= 34; ++k) EXPECT_TRUE(std::regex_match(lines[head + k], fields)) << lines[head + k];
  }
  // Second layer (sand, X = 2 to 6.5): curves at 2.1, 3.125, 4.25, 5.375, 6.4.
  EXPECT_NEAR(curve_depth(lines[5 + 35 * 5]), 6.1, 1e-8);
  EXPECT_NEAR(curve_depth(lines[5 + 35 * 7]), 8.25, 1e-12);
  EXPECT_NEAR(curve_depth(lines[5 + 35 * 9]), 10.4, 1e-8);
}

TEST(PyCurveSetAssembly, ReportsTheProfile) {
  ProblemState state = clay_over_sand();
  state.py_modifications = {{4, 0.8, 1.0}, {10, 0.6, 1.2}};
  const Generated out = generate(state);
  const std::string& r = out.report;
  EXPECT_NE(r.find("      *SOIL LAYERS AND STRENGTH DATA                   *"), std::string::npos);
  EXPECT_NE(r.find("         X AT THE SURFACE OF EXCAVATION SIDE     =       4.00  M"), std::string::npos);
  EXPECT_NE(r.find("         2 LAYER(S) OF SOIL"), std::string::npos);
  EXPECT_NE(r.find("         LAYER  1\n         THE SOIL IS A SOFT CLAY"), std::string::npos);
  EXPECT_NE(r.find("         LAYER  2\n         THE SOIL IS A SAND"), std::string::npos);
  EXPECT_NE(r.find("DISTRIBUTION OF EFFECTIVE UNIT WEIGHT WITH DEPTH\n                            4 POINTS"),
            std::string::npos);
  // Water table at the excavation level: submerged weights 17 - 10 and 19 - 10.
  EXPECT_NE(r.find("             4.0000     0.7000D+01"), std::string::npos);
  EXPECT_NE(r.find("            10.5000     0.9000D+01"), std::string::npos);
  EXPECT_NE(r.find("                     X, M     S, KN/ M**2      PHI,DEGREES      E50"), std::string::npos);
  // Clay at the top: c = 15, no friction, E50 = 0.02; sand: no E50.
  EXPECT_NE(r.find("                     4.00     0.1500D+02          0.000     0.2000D-01"), std::string::npos);
  EXPECT_NE(r.find("                    10.50     0.0000D+00         32.000       -----"), std::string::npos);
  EXPECT_NE(r.find("REDUCTION FACTORS FOR CLOSELY-SPACED WALL ELEMENTS"), std::string::npos);
  EXPECT_NE(r.find("               4.00      0.80        1.00"), std::string::npos);
  EXPECT_NE(r.find("        P-Y CURVES DATA"), std::string::npos);
  EXPECT_EQ(out.console.lines.front(), " READ SOIL DATA....");
}

TEST(PyCurveSetAssembly, OffsetFromTheExcavationPressureAndTheSoilStress) {
  ProblemState state = clay_over_sand();
  state.PAEXC = 30;
  // First clay curve at X = 0.1: c = 15 + 10 * 0.1 / 2 = 15.5, b = 1.
  // T1 = b SIGVP - 2 c b = 80 - 31 = 49; T2 = PAEXC / WRATIO - 2 c b = -1: POFF = 49.
  const Generated out = generate(state, 80);
  const std::vector<std::string> lines = lines_of(out.soildata);
  EXPECT_EQ(lines[2], "    1 -0.490E+02  0.000E+00");
  EXPECT_EQ(lines[19], "   18  0.490E+02  0.000E+00");
}

TEST(PyCurveSetAssembly, UnknownSoilTypesAreSoftClayWithANote) {
  ProblemState state = clay_over_sand();
  state.layers[0].KSOIL = 9;
  const Generated out = generate(state);
  EXPECT_NE(out.report.find("         THE SOIL IS A SOFT CLAY\n         (SOIL TYPE 9 IS NOT KNOWN"), std::string::npos);
  EXPECT_EQ(out.curves, 10);
}

TEST(PyCurveSetAssembly, RejectsDataItCannotGenerateFrom) {
  struct Case {
    const char* name;
    void (*change)(ProblemState&);
    const char* message;
  };
  const Case cases[] = {
      {"stiff clay without E50", [](ProblemState& s) { s.layers[1].KSOIL = 2; }, "THE STIFF CLAY OF P-Y LAYER 2"},
      {"rock without strength", [](ProblemState& s) { s.layers[1].KSOIL = 6; }, "THE ROCK OF P-Y LAYER 2"},
      {"no resistance width", [](ProblemState& s) { s.wall.WP = 0; }, "(WP = 0.0000) MUST BE POSITIVE"},
      {"no pressure width", [](ProblemState& s) { s.wall.WA = 0; }, "(WA = 0.0000) MUST BE POSITIVE"},
      {"clay without E50", [](ProblemState& s) { s.layers[0].VTOP[3] = s.layers[0].VBOT[3] = 0; }, "E50 <= 0"},
      {"sand without k", [](ProblemState& s) { s.layers[1].VTOP[4] = 0; }, "K <= 0"},
      {"modification depths decrease", [](ProblemState& s) { s.py_modifications = {{5, 1, 1}, {4, 1, 1}}; },
       "ERROR STOP -- STATIONS NOT IN ORDER"},
  };
  for (const Case& c : cases) {
    ProblemState state = clay_over_sand();
    c.change(state);
    EXPECT_NE(stop_message(state).find(c.message), std::string::npos) << c.name << ": " << stop_message(state);
  }
}

TEST(PyCurveSetAssembly, TinyY50WarnsOfTheSoilModulusUsed) {
  ProblemState state = clay_over_sand();
  state.layers[0].VTOP[3] = state.layers[0].VBOT[3] = 1e-18;
  const Generated out = generate(state);
  EXPECT_NE(out.report.find("DEFLECTION IS LESS THAN 1.0E-14.  THE PROGRAM"), std::string::npos);
  EXPECT_NE(out.report.find("USED A SOIL MODULUS OF "), std::string::npos);
}

}  // namespace
}  // namespace keldor::engine
