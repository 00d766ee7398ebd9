#include "evaluator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "validation_error.h"

namespace keldor::gui {
namespace {

struct ValueCase {
  const char* text;
  double expected;
};

class EvaluatorValue : public testing::TestWithParam<ValueCase> {};

TEST_P(EvaluatorValue, GivesHandComputedValue) {
  EXPECT_NEAR(Evaluate(GetParam().text), GetParam().expected, 1e-12 * (1 + std::fabs(GetParam().expected)))
      << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EvaluatorValue,
    testing::Values(ValueCase{"24", 24}, ValueCase{"2*12", 24}, ValueCase{" 12 * 3.5 ", 42},
                    ValueCase{"2^3^2", 64},   // (2^3)^2, strictly left to right
                    ValueCase{"2+3*4", 14}, ValueCase{"7%3", 1}, ValueCase{"7.9%3.9", 1},  // 7 mod 3
                    ValueCase{"2=2", 1}, ValueCase{"2=3", 0}, ValueCase{"0|5", 1}, ValueCase{"0|0", 0},
                    ValueCase{"0&5", 0}, ValueCase{"3&5", 1},
                    ValueCase{"5--3", 8}, ValueCase{"-2^2", 4},  // the sign belongs to the operand
                    ValueCase{"1.5e-3", 0.0015}, ValueCase{"10-2-3", 5}, ValueCase{"8/4/2", 1},
                    ValueCase{"sin(-pi/2)", -1}, ValueCase{"cos(0)", 1}, ValueCase{"SQRT(16)", 4},
                    ValueCase{"sinh0", 0}, ValueCase{"arctan1", 0.78539816339744831},  // pi/4
                    ValueCase{"cotan(pi/4)", 1}, ValueCase{"sec0", 1}, ValueCase{"cosec(pi/2)", 1},
                    ValueCase{"csc(pi/2)", 1}, ValueCase{"log1000", 3}, ValueCase{"ln(e)", 1},
                    ValueCase{"abs(0-3)", 3}, ValueCase{"frac(-2.75)", -0.75}, ValueCase{"int(-2.75)", -2},
                    ValueCase{"round(2.4)", 2}, ValueCase{"ceil(2.1)", 3}, ValueCase{"floor(-2.1)", -3},
                    ValueCase{"4!", 24}, ValueCase{"0!", 1}, ValueCase{"-3!", -6},
                    ValueCase{"sqrt4!", 4.8989794855663558},  // sqrt(24)
                    ValueCase{"$FF", 255}, ValueCase{"$ff+1", 256}, ValueCase{"-pi", -3.14159265358979324},
                    ValueCase{"2(3)", 23},  // the group's value is pasted into the text
                    ValueCase{"((1+2)*(3+4))", 21}, ValueCase{"1e20*10", 1e21},
                    ValueCase{"2*(0-3)", -6}, ValueCase{"(1e-7)*2", 2e-7}));

struct RejectCase {
  const char* text;
  const char* reason;
};

class EvaluatorReject : public testing::TestWithParam<RejectCase> {};

TEST_P(EvaluatorReject, RaisesValidationErrorWithReason) {
  try {
    Evaluate(GetParam().text);
    FAIL() << GetParam().text << " was accepted";
  } catch (const EValidationError& e) {
    EXPECT_EQ(std::string(e.what()), std::string("Entry could not be evaluated:\r") + GetParam().reason)
        << GetParam().text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EvaluatorReject,
    testing::Values(RejectCase{"", "entry cannot be blank"},
                    RejectCase{"  ", "invalid character(s) in expression"},
                    RejectCase{"abc", "invalid character(s) in expression"},
                    RejectCase{"1e+5", "invalid character(s) in expression"},  // "+" splits it
                    RejectCase{"2*sin(-1)", "invalid character(s) in expression"},
                    RejectCase{"2.5!", "! (factoral) applicable to integers only"},
                    RejectCase{"$G", "invalid use of $ (hex function)"},
                    RejectCase{"$", "invalid use of $ (hex function)"},
                    RejectCase{"(1+2))", "() (parentheses) do not match"},
                    RejectCase{"((1+2)", "invalid character(s) in expression"},
                    RejectCase{"1,5", "invalid character(s) in expression"},
                    RejectCase{"2**3", "invalid character(s) in expression"},
                    RejectCase{"inf", "invalid character(s) in expression"},
                    RejectCase{"nan", "invalid character(s) in expression"},
                    RejectCase{"1/0", "division by zero"}, RejectCase{"5%0.5", "division by zero"},
                    RejectCase{"(0-8)^0.5", "invalid floating point operation"},
                    RejectCase{"10^400", "floating point overflow"},
                    RejectCase{"1000000!", "floating point overflow"},
                    RejectCase{"()", "entry cannot be blank"}));

TEST(Evaluator, SurvivesHostileTexts) {
  const std::string texts[] = {std::string(5000, '('),          std::string(5000, ')'),
                               std::string(3000, '-') + "1",   "sin" + std::string(4000, '!'),
                               std::string(20000, 's') + "in", std::string("\0\x01\xff", 3),
                               "$" + std::string(100, 'F'),     "-",
                               "^",                             "!"};
  for (const std::string& text : texts) {
    try {
      Evaluate(text);
    } catch (const EValidationError&) {
    }
  }
}

}  // namespace
}  // namespace keldor::gui
