// Locale-independent conversion of a decimal number written with "." as the
// decimal point: optional sign, digits with an optional point, optional
// exponent ("e" or "E", optional sign, digits). The whole text must match.
#pragma once

#include <optional>
#include <string_view>

namespace keldor::gui {

// The value, or nothing when the text is not such a number or lies outside
// the range of a double.
std::optional<double> ParseReal(std::string_view text);

}  // namespace keldor::gui
