#include "output/fixed_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include "output/free_format.h"

namespace keldor::engine {
namespace {

struct RealCase {
  const char* layout;
  double value;
  const char* expected;
};

class RealField : public testing::TestWithParam<RealCase> {};

TEST_P(RealField, FormatsAsFortranWould) {
  const RealCase& c = GetParam();
  EXPECT_EQ(format_fixed(c.layout, {c.value}), c.expected) << c.layout << " of " << c.value;
}

// Expected texts worked by hand from the field rules: round the exact binary
// value to the digits the field shows, then place sign, point and exponent.
INSTANTIATE_TEST_SUITE_P(
    TrickyValues, RealField,
    testing::Values(
        // 9.9995 is stored as 9.99949999999999938..., so three decimals give 9.999;
        // 9.9996 rounds up and carries into a new digit.
        RealCase{"F6.3", 9.9995, " 9.999"}, RealCase{"F6.3", 9.9996, "10.000"},
        // Three significant digits: 0.99995E+01 rounds to 1.00, carrying into the exponent.
        RealCase{"E10.3", 9.9995, " 0.100E+02"}, RealCase{"E10.3", 999.6, " 0.100E+04"},
        RealCase{"F7.3", -1.5, " -1.500"}, RealCase{"E10.3", -12.345, "-0.123E+02"},
        RealCase{"E12.3", 0.000123456, "   0.123E-03"}, RealCase{"E13.4", 2.5, "   0.2500E+01"},
        RealCase{"F6.3", 0.0, " 0.000"}, RealCase{"E10.3", 0.0, " 0.000E+00"},
        // Negative zero and negative values that round to zero carry no sign.
        RealCase{"F6.3", -0.0, " 0.000"}, RealCase{"F6.3", -0.0001, " 0.000"},
        RealCase{"E10.3", -0.0, " 0.000E+00"},
        // Exponents of three digits take the place of the letter E.
        RealCase{"E10.3", 1.5e-120, " 0.150-119"}, RealCase{"E10.3", -2.5e150, "-0.250+151"},
        RealCase{"E10.3", 1e-310, " 0.100-309"}, RealCase{"E10.3", 1e99, " 0.100+100"},
        RealCase{"E10.3", 9.99e98, " 0.999E+99"},
        // Overflow: the optional leading zero goes first, then the field is starred.
        RealCase{"E9.3", -12.345, "-.123E+02"}, RealCase{"E8.3", -12.345, "********"},
        RealCase{"F4.3", 0.5, ".500"}, RealCase{"F6.3", 123.4, "******"},
        RealCase{"F7.3", 1e300, "*******"}, RealCase{"D10.3", 1.0, " 0.100D+01"},
        RealCase{"E10.3", std::numeric_limits<double>::quiet_NaN(), "       NaN"},
        RealCase{"E10.3", -std::numeric_limits<double>::infinity(), " -Infinity"}));

TEST(FixedFormat, IntegerAndTextFields) {
  EXPECT_EQ(format_fixed("I4", {std::int64_t{-12}}), " -12");
  EXPECT_EQ(format_fixed("I3", {std::int64_t{1234}}), "***");
  EXPECT_EQ(format_fixed("I2", {std::int64_t{0}}), " 0");
  EXPECT_EQ(format_fixed("A5", {"ABCDEFG"}), "ABCDE");
  EXPECT_EQ(format_fixed("A5", {"AB"}), "   AB");
  EXPECT_EQ(format_fixed("A", {"AS IS "}), "AS IS ");
}

TEST(FixedFormat, LayoutsWithGroupsLiteralsAndLineBreaks) {
  // Monitor line of the run notes: 3X,I4,7X,'NO',7X,I4,2X,5E10.3.
  EXPECT_EQ(format_fixed("3X,I4,7X,'NO',7X,I4,2X,5E10.3",
                         {std::int64_t{2}, std::int64_t{0}, 0.1, 0.2, -0.3, 0.0, 1e-5}),
            "      2       NO          0   0.100E+00 0.200E+00-0.300E+00 0.000E+00 0.100E-04");
  EXPECT_EQ(format_fixed("4(2X,E10.3)", {1.0, 2.0, 3.0, 4.0}),
            "   0.100E+01   0.200E+01   0.300E+01   0.400E+01");
  EXPECT_EQ(format_fixed("1X,F10.2,1X,I5", {12.345, std::int64_t{33}}), "      12.35    33");
  EXPECT_EQ(format_fixed("'IT''S'/2X,I1", {std::int64_t{7}}), "IT'S\n  7");
  // The output stops at the first field without a value.
  EXPECT_EQ(format_fixed("2X,I2,' AND',I2,' END'", {std::int64_t{1}}), "   1 AND");
  EXPECT_EQ(format_fixed("2(I2,I2)", {std::int64_t{1}, std::int64_t{2}, std::int64_t{3}}), " 1 2 3");
}

TEST(FixedFormat, MisusedLayoutsAreProgrammingErrors) {
  EXPECT_THROW(format_fixed("I2", {std::int64_t{1}, std::int64_t{2}}), std::logic_error);
  EXPECT_THROW(format_fixed("I2", {1.0}), std::logic_error);
  EXPECT_THROW(format_fixed("2(I2", {std::int64_t{1}}), std::logic_error);
  EXPECT_THROW(format_fixed("Q5", {1.0}), std::logic_error);
}

TEST(FreeFormat, RecordsHoldUpTo15SignificantDigitsWithAPoint) {
  EXPECT_EQ(format_free_real(0.1), "0.1");
  EXPECT_EQ(format_free_real(2.0), "2.0");
  EXPECT_EQ(format_free_real(-0.5), "-0.5");
  EXPECT_EQ(format_free_real(1e-20), "1e-20");
  EXPECT_EQ(format_free_real(123456789.0123456789), "123456789.012346");
  EXPECT_EQ(format_free_real(0.0), "0.0");
  EXPECT_EQ(format_free_record({std::int64_t{3}, 1.5, std::int64_t{-2}}), " 3 1.5 -2");
}

}  // namespace
}  // namespace keldor::engine
