// General real-number format of the desktop program's display texts and
// written files: the given number of significant digits, trailing zeros
// dropped, fixed notation while the value has at most that many digits
// before the point and is at least 0.00001 in magnitude, otherwise exponent
// notation such as "1.5E-7" or "2E20" (no "+", no leading exponent zeros).
// The decimal point is always "." whatever the locale.
#pragma once

#include <string>

namespace keldor::gui {

std::string FormatGeneral(double value, int significant_digits = 8);

}  // namespace keldor::gui
