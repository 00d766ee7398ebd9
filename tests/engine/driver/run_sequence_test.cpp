// Whole runs of the engine over small data files: headings, echoes, the
// problem loop over several blocks, and the error stops.
#include <gtest/gtest.h>

#include <string>

#include "support/run_fixture.h"

namespace keldor::engine {
namespace {

using testing_support::run_data_text;

const std::string kClosingLine = "     END OF ANALYSIS" + std::string(29, ' ') + "\n";

// A wall of 10 increments with one stiffness row and nothing else.
// control: R2 after IUNITS; knext: R16.
std::string block(const std::string& title, const std::string& control = "0 1 0 0 0 0 1 0", int knext = 0,
                  const std::string& middle = "0 10 1 1.0E9\n0\n0\n") {
  return title + "\n1 " + control + "\n10 12.0 5.0 0.001 60.0\n" + middle + std::to_string(knext) + "\n";
}

int count_of(const std::string& text, const std::string& part) {
  int n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

bool ends_with(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(RunSequence, SingleBlockEchoesInputAndCloses) {
  const auto out = run_data_text(block("SINGLE WALL"));
  EXPECT_FALSE(out.result.input_error) << out.result.error_message;
  EXPECT_EQ(out.result.blocks_read, 1);
  EXPECT_EQ(count_of(out.report, " KELDOR - A PROGRAM FOR THE ANALYSIS OF FLEXIBLE RETAINING STRUCTURES"), 1);
  EXPECT_NE(out.report.find("\n      SINGLE WALL" + std::string(59, ' ') + "\n"), std::string::npos);
  EXPECT_NE(out.report.find("      NUMBER OF INCREMENTS                               =  10\n"), std::string::npos);
  EXPECT_NE(out.report.find("      INCREMENT LENGTH                                   =  12.000 IN\n"),
            std::string::npos);
  EXPECT_NE(out.report.find("      DEFLECTION CLOSURE TOLERANCE                       = 0.00100 IN\n"),
            std::string::npos);
  // One constant row: 5X, FROM and TO (2I4), code 0 (I3), 1X, then six E10.3 values.
  EXPECT_NE(out.report.find("\n        0  10  0  0.100E+10 0.000E+00"), std::string::npos);
  EXPECT_TRUE(ends_with(out.report, "\n\n\n" + kClosingLine));
}

TEST(RunSequence, TitleIsCutAt70AndR2MayContinueOverLines) {
  const std::string title(70, 'A');
  const auto one_line = run_data_text(block(title + "0123456789"));
  EXPECT_NE(one_line.report.find("      " + title + "\n"), std::string::npos);
  EXPECT_EQ(one_line.report.find("0123456789"), std::string::npos);

  const auto split = run_data_text(block(title, "0 1 0\n 0 0 0 1 0"));
  EXPECT_EQ(split.report, one_line.report);
}

TEST(RunSequence, ShortTermLongTermHeadings) {
  const auto out = run_data_text(block("SHORT TERM CASE", "0 1 0 0 0 0 1 0", 9) +
                                 block("LONG TERM TITLE IS NOT SHOWN", "0 1 0 0 0 0 1 0", 0));
  EXPECT_FALSE(out.result.input_error) << out.result.error_message;
  EXPECT_EQ(out.result.blocks_read, 2);
  EXPECT_EQ(count_of(out.report, " KELDOR - A PROGRAM FOR"), 2);
  EXPECT_NE(out.report.find("\n\n\n KELDOR - A PROGRAM FOR"), std::string::npos);  // two empty lines before block 2
  EXPECT_NE(out.report.find("      Long Term :  SHORT TERM CASE"), std::string::npos);
  EXPECT_EQ(out.report.find("LONG TERM TITLE"), std::string::npos);
  EXPECT_TRUE(ends_with(out.report, kClosingLine));
}

TEST(RunSequence, ThreeStagesAreHeadedWithTheirNumberAndTheFirstTitle) {
  const auto out = run_data_text(block("EXCAVATE TO 2 M", "0 1 0 0 0 0 3 0", 1) +
                                 block("EXCAVATE TO 4 M", "0 1 0 0 0 0 3 0", 2) +
                                 block("EXCAVATE TO 6 M", "0 1 0 0 0 0 3 0", 3));
  EXPECT_FALSE(out.result.input_error) << out.result.error_message;
  EXPECT_EQ(out.result.blocks_read, 3);
  for (const char* heading : {"      Stage No : 1  EXCAVATE TO 2 M", "      Stage No : 2  EXCAVATE TO 2 M",
                              "      Stage No : 3  EXCAVATE TO 2 M"}) {
    EXPECT_EQ(count_of(out.report, heading), 2) << heading;  // before the echo and before the results
  }
  EXPECT_EQ(out.report.find("EXCAVATE TO 4 M"), std::string::npos);
  EXPECT_TRUE(ends_with(out.report, kClosingLine));
}

TEST(RunSequence, RestraintRowsAreEchoedWithTheirCases) {
  // KASE 5 counts as 3 and KASE 0 as 1; two rows at one station are allowed.
  const auto out = run_data_text(block("RESTRAINTS", "4 1 0 0 0 0 1 0", 0,
                                       "0 0 0.5 0.0\n5 2 0.0 0.01\n2 6 0.0 -0.02\n0 6 0.25 0\n"
                                       "0 10 1 1.0E9\n0\n0\n"));
  EXPECT_FALSE(out.result.input_error) << out.result.error_message;
  EXPECT_NE(out.report.find("\n            0        1         0.500E+00         NONE\n"), std::string::npos);
  EXPECT_NE(out.report.find("\n            2        3         0.000E+00      0.100E-01\n"), std::string::npos);
  EXPECT_NE(out.report.find("\n            6        2           NONE        -0.200E-01\n"), std::string::npos);
  EXPECT_NE(out.report.find("\n            6        1         0.250E+00         NONE\n"), std::string::npos);
}

TEST(RunSequence, EnglishUnitsLineOfTheStiffnessTable) {
  const auto out = run_data_text(block("UNITS"));
  EXPECT_NE(out.report.find("\n" + std::string(18, ' ') + " LBS-IN**2     LBS     LBS/IN    IN-LBS   IN-LBS     LBS\n"),
            std::string::npos);
}

TEST(RunSequence, ChainedRowsAreEchoedByTheirCase) {
  // A chain 1..10 (code 2) closed by 20..30 (code 1): the first row shows
  // FROM and its code, the closing row its TO only.
  const auto out = run_data_text(
      "CHAIN\n1 0 2 0 0 0 0 1 0\n40 12.0 5.0 0.001 60.0\n1 10 2 2.0E9\n20 30 1 1.0E9\n0\n0\n0\n");
  EXPECT_FALSE(out.result.input_error) << out.result.error_message;
  EXPECT_NE(out.report.find("\n        1      1  0.200E+10 0.000E+00"), std::string::npos);
  EXPECT_NE(out.report.find("\n           30  0  0.100E+10 0.000E+00"), std::string::npos);
}

struct StopCase {
  const char* name;
  std::string data;
  std::string message;  // a report line the stop must write
};

class ErrorStop : public testing::TestWithParam<StopCase> {};

TEST_P(ErrorStop, WritesItsMessageAndTheClosingLine) {
  const auto out = run_data_text(GetParam().data);
  EXPECT_TRUE(out.result.input_error);
  EXPECT_NE(out.report.find("\n     " + GetParam().message + "\n"), std::string::npos)
      << "report was:\n" << out.report;
  EXPECT_TRUE(ends_with(out.report, "\n\n\n" + kClosingLine));
}

const std::string kWall = "0 10 1 1.0E9\n0\n0\n";

INSTANTIATE_TEST_SUITE_P(
    BadData, ErrorStop,
    testing::Values(
        StopCase{"TooManyRestraintRows", block("T", "21 1 0 0 0 0 1 0", 0, kWall),
                 "TOO MUCH DATA FOR AVAILABLE STORAGE"},
        StopCase{"RestraintStationsDecrease", block("T", "2 1 0 0 0 0 1 0", 0, "1 5 0 0\n1 3 0 0\n" + kWall),
                 "ERROR STOP -- STATIONS NOT IN ORDER"},
        StopCase{"FirstRestraintAboveMinusOne", block("T", "1 1 0 0 0 0 1 0", 0, "1 -2 0 0\n" + kWall),
                 "ERROR STOP -- STATIONS NOT IN ORDER"},
        StopCase{"SegmentEndBeforeStart", block("T", "0 1 0 0 0 0 1 0", 0, "10 0 1 1.0E9\n0\n0\n"),
                 "ERROR STOP -- STATIONS NOT IN ORDER"},
        StopCase{"StiffnessBeyondTip", block("T", "0 1 0 0 0 0 1 0", 0, "0 11 1 1.0E9\n0\n0\n"),
                 "ERROR -- NON-ZERO TABLE 4 DATA BEYOND END"},
        StopCase{"FileEndsEarly", "T\n1 0 1 0 0 0 0 1 0\n10 12.0 5.0 0.001 60.0\n0 10 1 1.0E9\n0\n0\n",
                 "RECORD R16 (CONTINUATION), ITEM KNEXT: EXPECTED AN INTEGER"},
        StopCase{"RecordWithTooFewItems", "T\n1 0 1 0 0 0 0 1 0\n10 12.0 5.0\n",
                 "RECORD R3 (GEOMETRY), ITEM TOL: EXPECTED A REAL NUMBER"},
        StopCase{"WordThatIsNotANumber", "T\n1 0 1 0 0 0 0 1 0\n10 12.0 five 0.001 60.0\n",
                 "RECORD R3 (GEOMETRY), ITEM YMAX: EXPECTED A REAL NUMBER, FOUND 'five'"},
        StopCase{"TooManyIncrements", "T\n1 0 1 0 0 0 0 1 0\n408 12.0 5.0 0.001 60.0\n",
                 "RECORD R3 (GEOMETRY), ITEM NI: THE NUMBER OF INCREMENTS MUST LIE BETWEEN 1 AND 407, FOUND 408"},
        StopCase{"ZeroIncrementLength", "T\n1 0 1 0 0 0 0 1 0\n10 0.0 5.0 0.001 60.0\n",
                 "RECORD R3 (GEOMETRY), ITEM H: THE INCREMENT LENGTH MUST BE POSITIVE, FOUND 0.0"},
        StopCase{"TooManyLoadRows", block("T", "0 1 0 0 0 0 1 0", 0, "0 10 1 1.0E9\n51\n"),
                 "TOO MUCH DATA FOR AVAILABLE STORAGE"},
        StopCase{"NegativeRestraintCount", block("T", "-1 1 0 0 0 0 1 0", 0, kWall),
                 "RECORD R2 (CONTROL), ITEM NBC: A NEGATIVE COUNT (-1) ENDS THE RUN"},
        StopCase{"UnknownContinuationCode", block("T", "0 1 0 0 0 0 1 0", 0, "0 10 3 1.0E9\n0\n0\n"),
                 "RECORD R5 (WALL STIFFNESS) ROW 1, ITEM KCONT: EXPECTED 1 (CONSTANT) OR 2 (CONTINUED), FOUND 3"},
        StopCase{"StationOutsideTables", block("T", "0 1 0 0 0 0 1 0", 0, "0 500 1 1.0E9\n0\n0\n"),
                 "RECORD R5 (WALL STIFFNESS) ROW 1, ITEM ITO: STATION 500 LIES OUTSIDE THE STATION TABLES (-2 TO 12)"},
        StopCase{"TooManyPointsInACurveSet",
                 block("T", "0 1 0 0 1 1 1 0", 0, kWall + "12 35 1.0 1.0\n"), "TOO MUCH DATA FOR AVAILABLE STORAGE"},
        StopCase{"AnnouncedBlockMissing", block("T", "0 1 0 0 0 0 1 0", 9),
                 "RECORD R1 (TITLE) WAS EXPECTED"}),
    [](const testing::TestParamInfo<StopCase>& info) { return std::string(info.param.name); });

TEST(RunSequence, StorageMessageIsFollowedByTwoEmptyLines) {
  const auto out = run_data_text(block("T", "21 1 0 0 0 0 1 0", 0, kWall));
  EXPECT_NE(out.report.find("     TOO MUCH DATA FOR AVAILABLE STORAGE\n"
                            "     (21 SPECIFIED DEFLECTION AND SLOPE ROWS; THE LIMIT IS 20)\n\n\n\n\n\n" +
                            kClosingLine),
            std::string::npos)
      << out.report;
}

TEST(RunSequence, MissingDataFileIsReportedAndClosed) {
  testing_support::TempDir dir;
  RunPaths paths{dir / "absent.kd4d", dir / "r.kd4o", dir / "r.kd4p", dir / "r.kd4r", dir.path()};
  testing_support::RecordingConsole console;
  const RunResult result = run_analysis(paths, console);
  EXPECT_TRUE(result.input_error);
  const std::string report = testing_support::read_file(paths.report);
  EXPECT_NE(report.find("CANNOT BE OPENED"), std::string::npos);
  EXPECT_TRUE(ends_with(report, kClosingLine));
}

}  // namespace
}  // namespace keldor::engine
