// Whole analyses through the data file: the solution reaches the report,
// the plot-data file and the run notes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "support/run_fixture.h"

namespace keldor::engine {
namespace {

using testing_support::run_data_text;

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The free records " KPLOT NPLOT IUNITS" that open the results sections.
std::vector<std::string> results_records(const std::string& plot) {
  std::vector<std::string> records;
  for (const std::string& line : lines_of(plot)) {
    std::istringstream in(line);
    int a, b, c;
    std::string rest;
    if ((in >> a >> b >> c) && !(in >> rest) && line.find('.') == std::string::npos) records.push_back(line);
  }
  return records;
}

// A 200 in cantilever fixed at its tip (station 20: deflection and slope 0)
// with P = 1000 lb at its free top; EI = 1e9 lb-in².
const std::string kTipLoadedCantilever =
    "TIP LOAD\n1 1 1 0 0 0 0 1 0\n20 10.0 100.0 0.000001 0.0\n3 20 0.0 0.0\n0 20 1 1.0E9\n"
    "1\n1 0 0 1000.0 0.0 0.0\n0\n0\n";

TEST(Analysis, TipLoadedCantileverMatchesBeamTheory) {
  const auto out = run_data_text(kTipLoadedCantilever);
  ASSERT_FALSE(out.result.input_error) << out.result.error_message;
  // Top deflection P·L³/(3·EI) = 1000·200³/(3·1e9) = 2.6667 in; the
  // difference scheme adds O(H²): within 0.5 % at 20 increments.
  const std::vector<std::string> lines = lines_of(out.plot);
  const auto at = std::find(lines.begin(), lines.end(), " 1 22 1");
  ASSERT_NE(at, lines.end()) << out.plot;
  std::istringstream top(*(at + 1));
  double depth, deflection, moment, shear;
  top >> depth >> deflection >> moment >> shear;
  EXPECT_DOUBLE_EQ(depth, 0.0);
  EXPECT_NEAR(deflection, 2.6667, 2.6667 * 0.005);
  // Moment P·x at x = 100 in (station 10): 1e5 lb-in; shear P inside the wall.
  std::istringstream middle(*(at + 11));
  middle >> depth >> deflection >> moment >> shear;
  EXPECT_DOUBLE_EQ(depth, 100.0);
  EXPECT_NEAR(std::fabs(moment), 1.0e5, 1.0e5 * 0.005);
  EXPECT_NEAR(std::fabs(shear), 1000.0, 5.0);

  // A linear problem closes in the second iteration.
  EXPECT_NE(out.report.find("     RESULTS -- ITERATION  2\n"), std::string::npos);
  ASSERT_EQ(out.result.blocks.size(), 1u);
  EXPECT_EQ(out.result.blocks[0].iterations, 2);
  EXPECT_TRUE(out.result.blocks[0].messages.empty());
  EXPECT_NEAR(out.result.blocks[0].deflection.value, 2.6667, 2.6667 * 0.005);
  EXPECT_DOUBLE_EQ(out.result.blocks[0].deflection.depth, 0.0);
  // The run notes: heading, then one line per iteration; the second closes.
  const std::vector<std::string> notes = lines_of(out.notes);
  ASSERT_EQ(notes.size(), 7u);
  EXPECT_EQ(notes[3], "     ITERATION MONITOR DATA");
  EXPECT_EQ(notes[6].substr(0, 27), "      2       NO          0");
}

TEST(Analysis, DeflectionLimitStopsAndIsReported) {
  std::string data = kTipLoadedCantilever;
  data.replace(data.find("100.0 0.000001"), 5, "1.0  ");  // YMAX 1 in, exceeded near the top
  const auto out = run_data_text(data);
  EXPECT_NE(out.report.find("     RESULTS -- ITERATION  1\n"), std::string::npos);
  EXPECT_NE(out.report.find("     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***"), std::string::npos);
}

std::string simple_block(const std::string& control, int knext) {
  return "T\n1 0 1 0 0 0 0 " + control + "\n10 12.0 5.0 0.001 60.0\n0 10 1 1.0E9\n1\n1 5 5 100.0 0.0 0.0\n"
         "2\n0 0 1 1000.0 0.0\n10 10 1 1.0E6 0.0\n" + std::to_string(knext) + "\n";
}

TEST(Analysis, ResultsBlocksCarryTheRunKind) {
  const auto single = run_data_text(simple_block("1 0", 0));
  EXPECT_EQ(results_records(single.plot), (std::vector<std::string>{" 1 12 1"}));

  const auto short_long = run_data_text(simple_block("1 0", 9) + simple_block("1 0", 0));
  EXPECT_EQ(results_records(short_long.plot), (std::vector<std::string>{" 2 12 1", " 2 12 1"}));

  const auto staged = run_data_text(simple_block("3 0", 1) + simple_block("3 0", 2) + simple_block("3 0", 3));
  EXPECT_EQ(results_records(staged.plot), (std::vector<std::string>{" 3 12 1", " 3 12 1", " 3 12 1"}));
}

TEST(Analysis, ErrorStopInTheFirstBlockStillWritesAResultsBlock) {
  const auto out = run_data_text("T\n1 0 1 0 0 0 0 1 0\n10 12.0 5.0 0.001 60.0\n0 11 1 1.0E9\n0\n0\n0\n");
  EXPECT_NE(out.report.find("ERROR -- NON-ZERO TABLE 4 DATA BEYOND END"), std::string::npos);
  EXPECT_EQ(results_records(out.plot), (std::vector<std::string>{" 1 0 0"}));
}

// Uniform dry sand behind a 60 in retained height: unit weight 0.0694 pci,
// phi 30 degrees, so Ka = tan²(30°) = 1/3 and the generated pressure is
// Ka·γ·z = 0.023133·z psi; times WA = 12 in it is 0.27760·z lb/in.
const std::string kGeneratedSandEnglish =
    "GEN\n1 0 1 0 2 0 0 1 0\n20 6.0 10.0 0.001 60.0\n0 20 1 5.0E9\n0\n0\n"
    "60.0 12.0 12.0 600.0 600.0 1.0 0 0.0\n0 0 0 0 0 0\n0\n1\n4 120.0\n"
    "0.0694 0 30 0 25 0\n0.0694 0 30 0 25 0\n0\n";

TEST(Analysis, GeneratedPressureIsAppliedTimesWAAndPrintedEverySixthPoint) {
  const auto out = run_data_text(kGeneratedSandEnglish);
  ASSERT_FALSE(out.result.input_error) << out.result.error_message;
  // 61 points (one per inch down to 60 in), English units: every sixth is
  // written, points 1, 7, ..., 61: 11 rows at depths 0, 6, ..., 60 in.
  const std::vector<std::string> lines = lines_of(out.plot);
  ASSERT_GE(lines.size(), 12u);
  EXPECT_EQ(lines[0], " 11");
  for (int row = 0; row <= 10; ++row) {
    std::istringstream in(lines[static_cast<std::size_t>(row) + 1]);
    double depth, total, soil, surcharge;
    in >> depth >> total >> soil >> surcharge;
    EXPECT_DOUBLE_EQ(depth, 6.0 * row);
    // The scratch file keeps three significant digits of the pressure.
    EXPECT_NEAR(total, 0.27760 * depth, 0.005 * 0.27760 * depth + 1e-9) << "depth " << depth;
    EXPECT_DOUBLE_EQ(surcharge, 0.0);
  }
  EXPECT_EQ(lines[1], "   0.000E+00   0.000E+00   0.100E-06   0.000E+00");  // zero soil part as 1.0E-07
  // The report lists the same printed points after the generation's boxes.
  EXPECT_NE(out.report.find("       0.600E+02           0.167E+02\n"), std::string::npos);
}

TEST(Analysis, SurchargeRowsAddToAUserTable) {
  // User table with KPYOP 2 brings the surcharge table: a line load of 10
  // kN/m at 2 m from the wall; wall height HWALL 4 m, WA 1.
  // The surcharge part is reported separately in the plot file's fourth column.
  const auto with_rows = run_data_text(
      "T\n2 0 1 0 1 2 0 1 0\n16 0.5 1.0 0.0001 4.0\n0 16 1 1.0E5\n0\n0\n2\n0.0 0.0\n4.0 20.0\n"
      "4.0 1.0 1.0 10.0 10.0 1.0 0 0.0\n0 0 0 0 0 0\n1\n2 10.0 2.0 0.0\n1\n4 8.0\n"
      "18 0 30 0 20000 0\n18 0 30 0 20000 0\n0\n");
  const std::vector<std::string> lines = lines_of(with_rows.plot);
  ASSERT_GE(lines.size(), 3u);
  std::istringstream deep(lines[2]);
  double depth, total, soil, surcharge;
  deep >> depth >> total >> soil >> surcharge;
  EXPECT_DOUBLE_EQ(depth, 4.0);
  EXPECT_DOUBLE_EQ(soil, 20.0);
  EXPECT_GT(surcharge, 0.0);
  EXPECT_NEAR(total, soil + surcharge, 0.01);
}

}  // namespace
}  // namespace keldor::engine
