// The plot-data file's earth-pressure and p-y sections, as whole runs write them.
#include <gtest/gtest.h>

#include <string>

#include "support/run_fixture.h"

namespace keldor::engine {
namespace {

using testing_support::run_data_text;

std::string first_lines(const std::string& text, int count) {
  std::size_t end = 0;
  for (int i = 0; i < count && end != std::string::npos; ++i) end = text.find('\n', end + (i > 0 ? 1 : 0));
  return text.substr(0, end == std::string::npos ? text.size() : end + 1);
}

TEST(PlotData, BlockWithoutPressureOrCurves) {
  // KOUTPT 0, KPYOP 0, NPYSET 0, English: a record holding 0, then one holding 1 and 0.
  const auto out = run_data_text("T\n1 0 1 0 0 0 0 1 0\n10 12.0 5.0 0.001 60.0\n0 10 1 1.0E9\n0\n0\n0\n");
  EXPECT_EQ(first_lines(out.plot, 2), " 0\n 1 0\n");
}

TEST(PlotData, UserPressureTableAndCurveSets) {
  // SI units; a user table of two points (the first with zero pressure,
  // written as 1.0E-07 in the soil column) and one curve set with
  // multipliers 2 (p) and 0.5 (y).
  const auto out = run_data_text(
      "T\n2 0 1 0 1 1 1 1 0\n10 1.0 0.5 0.0001 4.0\n0 10 1 1.0E5\n0\n0\n"
      "2\n0.0 0.0\n4.0 20.0\n"
      "6 3 2.0 0.5\n-0.02 5.0\n0.0 0.0\n0.02 -5.0\n0\n");
  ASSERT_FALSE(out.result.input_error) << out.result.error_message;
  EXPECT_EQ(first_lines(out.plot, 8),
            " 2\n"
            "   0.000E+00   0.000E+00   0.100E-06   0.000E+00\n"
            "   0.400E+01   0.200E+02   0.200E+02   0.000E+00\n"
            " 2 1\n"
            " 6 3\n"
            " -0.01 10.0\n"
            " 0.0 0.0\n"
            " 0.01 -10.0\n");
}

}  // namespace
}  // namespace keldor::engine
