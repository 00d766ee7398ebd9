// The arithmetic behind every typed number: a text such as "12*3.5",
// "sqrt(2)*10", "4!" or "$FF" is evaluated to a value. Rejected texts raise
// EValidationError with a text beginning "Entry could not be evaluated:" and
// a carriage return.
//
// The rules are deliberately simple and text based: innermost parentheses
// are evaluated first and replaced by their value, the rest is split into
// operands and operators, and operators are applied level by level, each
// level strictly left to right (so 2^3^2 is 64 and -2^2 is 4, the minus
// being part of its operand).
#pragma once

#include <string_view>

namespace keldor::gui {

double Evaluate(std::string_view text);

}  // namespace keldor::gui
