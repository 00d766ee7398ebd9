#include "general_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace keldor::gui {
namespace {

struct FormatCase {
  double value;
  const char* eight_digits;
};

class GeneralFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(GeneralFormat, EightSignificantDigits) {
  EXPECT_EQ(FormatGeneral(GetParam().value), GetParam().eight_digits);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GeneralFormat,
    testing::Values(FormatCase{0, "0"}, FormatCase{-0.0, "0"}, FormatCase{1, "1"}, FormatCase{-2.5, "-2.5"},
                    FormatCase{0.1, "0.1"}, FormatCase{1.0 / 3, "0.33333333"}, FormatCase{2.0 / 3, "0.66666667"},
                    FormatCase{12345678, "12345678"}, FormatCase{123456789, "1.2345679E8"},
                    FormatCase{99999999.5, "1E8"},  // rounding carries into a ninth digit
                    FormatCase{2.5e9, "2.5E9"}, FormatCase{0.00001, "0.00001"}, FormatCase{0.0000099, "9.9E-6"},
                    FormatCase{1.5e-7, "1.5E-7"}, FormatCase{-3e-300, "-3E-300"}, FormatCase{1e20, "1E20"},
                    FormatCase{1000, "1000"}, FormatCase{6.3659, "6.3659"}));

TEST(GeneralFormat, EighteenDigitsKeepDoublesExact) {
  for (double x : {0.1, 1.0 / 3, 2.718281828459045, 1e-300, 123456789012345678.0}) {
    EXPECT_EQ(std::stod(FormatGeneral(x, 18)), x);
  }
  EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::infinity()), "INF");
}

}  // namespace
}  // namespace keldor::gui
