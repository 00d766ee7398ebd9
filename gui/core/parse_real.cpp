#include "parse_real.h"

#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>

namespace keldor::gui {

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

bool MatchesDecimalSyntax(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t integer_end = SkipDigits(text, i);
  bool has_digits = integer_end > i;
  i = integer_end;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fraction_end = SkipDigits(text, i + 1);
    has_digits = has_digits || fraction_end > i + 1;
    i = fraction_end;
  }
  if (!has_digits) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t exponent_end = SkipDigits(text, i);
    if (exponent_end == i) return false;
    i = exponent_end;
  }
  return i == text.size();
}

}  // namespace

std::optional<double> ParseReal(std::string_view text) {
  if (!MatchesDecimalSyntax(text)) return std::nullopt;
  if (text.front() == '+') text.remove_prefix(1);  // from_chars takes no "+"
  // Read as long double so that values just beyond the double range are
  // told apart from underflow, which rounds to zero as usual.
  long double wide = 0;
  auto result = std::from_chars(text.data(), text.data() + text.size(), wide);
  if (result.ec == std::errc::result_out_of_range) {
    const std::size_t e = text.find_first_of("eE");
    const bool negative_exponent = e != std::string_view::npos && e + 1 < text.size() && text[e + 1] == '-';
    if (!negative_exponent) return std::nullopt;
    return text.front() == '-' ? -0.0 : 0.0;
  }
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  if (std::fabs(wide) > static_cast<long double>(DBL_MAX)) return std::nullopt;
  return static_cast<double>(wide);
}

}  // namespace keldor::gui
