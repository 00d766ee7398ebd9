#include "general_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace keldor::gui {

namespace {

// Decimal digits (no trailing zeros) and the exponent of the first digit.
struct DecimalDigits {
  std::string digits;
  int exponent = 0;
};

DecimalDigits RoundToDigits(double magnitude, int significant_digits) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                              std::chars_format::scientific, significant_digits - 1);
  std::string text(buffer, result.ptr);  // d.ddddde[+-]xx
  DecimalDigits out;
  std::size_t e = text.find('e');
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] != '.') out.digits += text[i];
  }
  out.exponent = std::atoi(text.c_str() + e + 1);
  while (out.digits.size() > 1 && out.digits.back() == '0') out.digits.pop_back();
  return out;
}

}  // namespace

std::string FormatGeneral(double value, int significant_digits) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";
  if (significant_digits < 1) significant_digits = 1;
  if (significant_digits > 18) significant_digits = 18;

  const std::string sign = value < 0 ? "-" : "";
  const DecimalDigits d = RoundToDigits(std::fabs(value), significant_digits);
  const int count = static_cast<int>(d.digits.size());

  if (d.exponent >= significant_digits || d.exponent < -5) {
    std::string text = sign + d.digits.substr(0, 1);
    if (count > 1) text += "." + d.digits.substr(1);
    return text + "E" + std::to_string(d.exponent);
  }
  if (d.exponent < 0) {
    return sign + "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
  }
  const int before_point = d.exponent + 1;
  if (count <= before_point) {
    return sign + d.digits + std::string(static_cast<std::size_t>(before_point - count), '0');
  }
  return sign + d.digits.substr(0, static_cast<std::size_t>(before_point)) + "." +
         d.digits.substr(static_cast<std::size_t>(before_point));
}

}  // namespace keldor::gui
