#include "output/free_format.h"

#include <charconv>
#include <cmath>
#include <string>

namespace keldor::engine {

std::string format_free_real(double value) {
  if (value == 0.0) return "0.0";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  std::string text(buffer, result.ptr);
  // Keep a decimal point or exponent so the item reads back as a real.
  if (std::isfinite(value) && text.find_first_of(".e") == std::string::npos) text += ".0";
  return text;
}

std::string format_free_record(std::initializer_list<FieldValue> values) {
  std::string line;
  for (const FieldValue& value : values) {
    line += ' ';
    if (const auto* n = std::get_if<std::int64_t>(&value)) {
      line += std::to_string(*n);
    } else if (const auto* x = std::get_if<double>(&value)) {
      line += format_free_real(*x);
    } else {
      line += std::get<std::string_view>(value);
    }
  }
  return line;
}

}  // namespace keldor::engine
