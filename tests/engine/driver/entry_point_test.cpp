// The exported entry point, loaded as the desktop program loads it.
#include <dlfcn.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace keldor::engine {
namespace {

using testing_support::read_file;
using testing_support::TempDir;
using testing_support::write_file;

using EntryPoint = int (*)(int);

class EntryPointTest : public testing::Test {
 protected:
  void SetUp() override {
    library_ = dlopen(KELDOR_ENGINE_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library_, nullptr) << dlerror();
    entry_ = reinterpret_cast<EntryPoint>(dlsym(library_, "_IKELDOR"));
    ASSERT_NE(entry_, nullptr);
    previous_dir_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
  }
  void TearDown() override {
    std::filesystem::current_path(previous_dir_);
    if (library_ != nullptr) dlclose(library_);
  }

  std::size_t files_in_dir() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir_.path()), {}));
  }

  TempDir dir_;
  void* library_ = nullptr;
  EntryPoint entry_ = nullptr;
  std::filesystem::path previous_dir_;
};

TEST_F(EntryPointTest, PlainNameIsExportedToo) {
  const auto plain = reinterpret_cast<EntryPoint>(dlsym(library_, "IKELDOR"));
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain(10), 1);
}

TEST_F(EntryPointTest, WrongConsistencyCodeReturnsOneAndTouchesNoFile) {
  write_file(dir_ / "NAMES.dat", "a.kd4d\na.kd4o\na.kd4p\na.kd4r\n");
  EXPECT_EQ(entry_(10), 1);
  EXPECT_EQ(entry_(12), 1);
  EXPECT_EQ(files_in_dir(), 1u);
}

TEST_F(EntryPointTest, MissingNamesFileGivesTheConsoleMessageAndNoReport) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(entry_(11), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            " PLEASE CREATE AN INPUT DATA FILE AND SAVE IT\n BEFORE COMPUTATION.  TRY IT AGAIN!\n");
  EXPECT_EQ(files_in_dir(), 0u);
}

TEST_F(EntryPointTest, ShortNamesFileCountsAsMissing) {
  write_file(dir_ / "NAMES.dat", "a.kd4d\na.kd4o\na.kd4p\n");
  testing::internal::CaptureStderr();
  EXPECT_EQ(entry_(11), 0);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("PLEASE CREATE"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "a.kd4o"));
}

TEST_F(EntryPointTest, RunsTheNamedFilesAndReturnsZeroEvenForBadData) {
  // Trailing blanks and CR LF endings in the names file are ignored.
  write_file(dir_ / "NAMES.dat", "wall.kd4d   \r\nwall.kd4o\r\nwall.kd4p\r\nwall.kd4r\r\n");
  write_file(dir_ / "wall.kd4d", "WALL\n1 0 1 0 0 0 0 1 0\n10 12.0 five 0.001 60.0\n");
  EXPECT_EQ(entry_(11), 0);
  const std::string report = read_file(dir_ / "wall.kd4o");
  EXPECT_NE(report.find("FOUND 'five'"), std::string::npos);
  EXPECT_NE(report.find("END OF ANALYSIS"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(dir_ / "wall.kd4p"));
  EXPECT_TRUE(std::filesystem::exists(dir_ / "wall.kd4r"));
  EXPECT_TRUE(std::filesystem::exists(dir_ / "NAMES.dat"));  // the caller deletes it
}

}  // namespace
}  // namespace keldor::engine
