// The command-line front end, run as a user runs it.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace keldor::engine {
namespace {

using testing_support::read_file;
using testing_support::TempDir;
using testing_support::write_file;

struct CommandResult {
  int exit_code;
  std::string output;  // standard output and error together
};

CommandResult run_command(const std::string& arguments) {
  const std::string command = std::string(KELDOR_RUN_PROGRAM) + " " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  char buffer[512];
  while (fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
  const int status = pclose(pipe);
  return {WEXITSTATUS(status), output};
}

const char* kGoodData = "WALL\n1 0 1 0 0 0 0 1 0\n10 12.0 5.0 0.001 60.0\n0 10 1 1.0E9\n0\n0\n0\n";

TEST(KeldorRun, WritesTheThreeFilesIntoTheOutputDirectory) {
  TempDir dir;
  write_file(dir / "wall.kd4d", kGoodData);
  const auto result = run_command((dir / "wall.kd4d").string() + " --out-dir " + (dir / "out").string());
  EXPECT_EQ(result.exit_code, 0) << result.output;
  for (const char* name : {"wall.kd4o", "wall.kd4p", "wall.kd4r"}) {
    EXPECT_TRUE(std::filesystem::exists(dir / "out" / name)) << name;
    EXPECT_NE(result.output.find((dir / "out" / name).string()), std::string::npos) << result.output;
  }
  EXPECT_NE(read_file(dir / "out" / "wall.kd4o").find("END OF ANALYSIS"), std::string::npos);
  // Scratch files never land beside the data or in the output directory.
  EXPECT_FALSE(std::filesystem::exists(dir / "ORBEND.001"));
  EXPECT_FALSE(std::filesystem::exists(dir / "out" / "ORBEND.001"));
}

TEST(KeldorRun, OutputsGoBesideTheDataFileByDefault) {
  TempDir dir;
  write_file(dir / "wall.kd4d", kGoodData);
  EXPECT_EQ(run_command((dir / "wall.kd4d").string()).exit_code, 0);
  EXPECT_TRUE(std::filesystem::exists(dir / "wall.kd4o"));
}

TEST(KeldorRun, InputErrorExitsOneAndSaysSo) {
  TempDir dir;
  write_file(dir / "bad.kd4d", "WALL\n1 0 1 0 0 0 0 1 0\n408 12.0 5.0 0.001 60.0\n");
  const auto result = run_command((dir / "bad.kd4d").string());
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(result.output.find("input error"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("408"), std::string::npos) << result.output;
}

TEST(KeldorRun, MissingFileAndBadCommandLines) {
  TempDir dir;
  const auto missing = run_command((dir / "absent.kd4d").string());
  EXPECT_EQ(missing.exit_code, 2);
  EXPECT_NE(missing.output.find("cannot open data file '" + (dir / "absent.kd4d").string() + "'"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir / "absent.kd4o"));

  EXPECT_EQ(run_command("").exit_code, 2);
  EXPECT_EQ(run_command("a.kd4d --bogus").exit_code, 2);
  const auto help = run_command("--help");
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_NE(help.output.find("Usage: keldor-run FILE.kd4d [--out-dir DIR]"), std::string::npos);
}

}  // namespace
}  // namespace keldor::engine
