// Every bundled example analyses without an input error.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/run_fixture.h"

namespace keldor::engine {
namespace {

TEST(Examples, EveryExampleRunsToItsClosingLine) {
  int examples = 0;
  for (const auto& entry : std::filesystem::directory_iterator(KELDOR_EXAMPLES_DIR)) {
    if (entry.path().extension() != ".kd4d") continue;
    ++examples;
    const auto out = testing_support::run_data_text(testing_support::read_file(entry.path()));
    EXPECT_FALSE(out.result.input_error) << entry.path() << ": " << out.result.error_message;
    EXPECT_NE(out.report.find("END OF ANALYSIS"), std::string::npos) << entry.path();
  }
  EXPECT_GE(examples, 2);
}

}  // namespace
}  // namespace keldor::engine
