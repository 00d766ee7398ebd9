// keldor-convert on the hand-written 3.0 and 2.0 layout fixtures: the
// converted files are read by the engine's command-line program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "problem_harness.h"

namespace keldor::gui {
namespace {

using testing_support::ReadText;
using testing_support::ScratchFolder;
using testing_support::WriteText;

const std::string kFixtures = KELDOR_GUI_CORE_FIXTURES_DIR;

int RunCommand(const std::string& command) {
  const int status = std::system((command + " > /dev/null 2>&1").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct ConvertCase {
  const char* fixture;
  const char* layout;
  const char* title;
  const char* control_record;
};

class KeldorConvert : public testing::TestWithParam<ConvertCase> {};

TEST_P(KeldorConvert, ConvertedFileIsAnalysedByTheEngine) {
  ScratchFolder folder;
  const std::string converted = folder.File("converted.kd4d");
  ASSERT_EQ(RunCommand(std::string(KELDOR_CONVERT_PROGRAM) + " --layout " + GetParam().layout + " " + kFixtures + "/" +
                GetParam().fixture + " " + converted),
            0);
  const std::string text = ReadText(converted);
  EXPECT_EQ(text.rfind(std::string(GetParam().title) + "\r\n" + GetParam().control_record + "\r\n", 0), 0u) << text;
  // Sets gain their multipliers in the current layout.
  EXPECT_NE(text.find("\r\n26\t9\t1\t1\r\n"), std::string::npos);

  ASSERT_EQ(RunCommand(std::string(KELDOR_RUN_PROGRAM) + " " + converted), 0);
  const std::string report = ReadText(folder.File("converted.kd4o"));
  EXPECT_NE(report.find("END OF ANALYSIS"), std::string::npos);
  EXPECT_EQ(report.find("ERROR"), std::string::npos);
  // The engine read every set of the converted file.
  EXPECT_NE(report.find("NO OF USER-SPECIFIED SOIL RESISTANCE (P-Y) CURVES  =  3"), std::string::npos);
  EXPECT_NE(report.find("-0.540E+03"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Layouts, KeldorConvert,
                         testing::Values(ConvertCase{"layout30.kdd", "3.0",
                                                     "OLD 3.0 CANTILEVER WALL IN SAND, GENERATED PRESSURE",
                                                     "1 0\t1\t0\t2\t1 3 1 0"},
                                         ConvertCase{"layout30_user_pressure.kdd", "3.0",
                                                     "OLD 3.0 CANTILEVER WALL, USER PRESSURE", "1 0\t1\t0\t1\t1 3 1 0"},
                                         ConvertCase{"layout20.kdd", "2.0", "OLD 2.0 CANTILEVER WALL IN SAND",
                                                     "1 0\t1\t0\t2\t1 3 1 0"}));

TEST(KeldorConvertCommand, FailuresExitNonZeroAndWriteNothing) {
  ScratchFolder folder;
  const std::string program = KELDOR_CONVERT_PROGRAM;
  const std::string target = folder.File("out.kd4d");
  EXPECT_EQ(RunCommand(program + " --help"), 0);
  EXPECT_NE(RunCommand(program), 0);
  EXPECT_NE(RunCommand(program + " --layout 4.0 a b"), 0);
  EXPECT_NE(RunCommand(program + " " + folder.File("absent.kdd") + " " + target), 0);
  // A 2.0 file read as 3.0 fails on its wall record.
  const std::string errors = folder.File("errors.txt");
  EXPECT_NE(std::system((program + " --layout 3.0 " + kFixtures + "/layout20.kdd " + target + " 2> " + errors).c_str()),
            0);
  EXPECT_NE(ReadText(errors).find("layout20.kdd: Error on Line 4 Item 4: An integer was expected"), std::string::npos)
      << ReadText(errors);
  EXPECT_FALSE(std::filesystem::exists(target));
}

// A staged 3.0 file: each stage is read in the 3.0 layout and written in
// the current one; the stage markers and numbers stay.
TEST(KeldorConvertCommand, StagedFileIsConvertedStageByStage) {
  ScratchFolder folder;
  const std::string block = "1 0 1 0 0 1 1 2\n10 1 1 0.01 2\n0 10 1 1000\n0\n0\n5 2\n0 0\n1 -10\n";
  WriteText(folder.File("staged.kdd"), "Two stages\n" + block + "1\n Stage No : 2\n" + block + "2\n");
  ASSERT_EQ(RunCommand(std::string(KELDOR_CONVERT_PROGRAM) + " " + folder.File("staged.kdd") + " " + folder.File("new.kd4d")),
            0);
  const std::string text = ReadText(folder.File("new.kd4d"));
  const std::string converted_block =
      "1 0\t1\t0\t0\t1 1 2 0\r\n10 1\t1\t0.01\t2\r\n0\t10\t1\t1000\r\n0\r\n0\r\n5\t2\t1\t1\r\n0\t0\r\n1\t-10\r\n";
  EXPECT_EQ(text, "Two stages\r\n" + converted_block + "1\r\n Stage No : 2\r\n" + converted_block + "2\r\n");
}

}  // namespace
}  // namespace keldor::gui
