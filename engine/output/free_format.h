// Free-format records: values separated by blanks on one line, integers
// plainly, reals in the shortest of fixed or exponent notation with up to
// 15 significant digits and "." as the decimal point (locale-independent).
#pragma once

#include <string>

#include "output/fixed_format.h"

namespace keldor::engine {

std::string format_free_real(double value);
std::string format_free_record(std::initializer_list<FieldValue> values);

}  // namespace keldor::engine
