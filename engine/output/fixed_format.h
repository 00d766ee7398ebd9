// Fixed-column text output in the layout notation of the engine's files:
//   nX     n blanks
//   Iw     integer, right-aligned in w columns
//   Fw.d   fixed point with d decimals in w columns
//   Ew.d   0.ddd E+xx, right-aligned in w columns (Dw.d: the same with D)
//   Aw     text in w columns (A alone: the text as it is)
//   'txt'  literal text
//   /      end of line
//   k(...) the group repeated k times; kIw, kFw.d, kEw.d repeat one field
// A value that does not fit its field prints as w asterisks.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace keldor::engine {

// One value of an output list: integer, real or text.
using FieldValue = std::variant<std::int64_t, double, std::string_view>;

// Formats the value list through the layout and returns the text, lines
// separated by '\n' (no newline after the last line). Output stops at the
// first value field for which the list holds no value, as a formatted write
// does. A layout that does not parse, a value list longer than the layout,
// or a value of the wrong kind is a programming error (std::logic_error).
std::string format_fixed(std::string_view layout, std::initializer_list<FieldValue> values);

// Single fields, for code that builds a line piece by piece; the append
// forms add the field to a line under construction without a temporary.
std::string format_integer(std::int64_t value, int width);
std::string format_fixed_point(double value, int width, int decimals);
std::string format_exponent(double value, int width, int decimals, char letter = 'E');
std::string format_text(std::string_view text, int width);
void append_integer(std::string& out, std::int64_t value, int width);
void append_fixed_point(std::string& out, double value, int width, int decimals);
void append_exponent(std::string& out, double value, int width, int decimals, char letter = 'E');

}  // namespace keldor::engine
