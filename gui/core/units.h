// Units codes of real-number columns, plot axes and numeric fields: a code
// such as "F/L2^3" names a dimension through force slots (F, F1, F2, ...)
// and length slots (L, L1, L2, ...). Rendering replaces the slots with the
// unit names of a units system (1 English, 2 SI, 3 other); conversion
// multiplies values between the English and SI systems.
//
// Two schemes exist: the full ten-slot table of the grid tables and the
// six-slot table (F, F1, F2, L, L1, L2) of the chart tables.
#pragma once

#include <string>
#include <string_view>

namespace keldor::gui {

enum class TUnitScheme { TenSlots, SixSlots };

// The code with every slot token replaced by its unit name for `units`.
std::string RenderUnitsCode(std::string_view code, int units, TUnitScheme scheme = TUnitScheme::TenSlots);

// The factor that converts a value of dimension `code` from units system
// `from` to `to`; 1 for any pair other than English and SI.
double UnitsConversionFactor(std::string_view code, int from, int to,
                             TUnitScheme scheme = TUnitScheme::TenSlots);

}  // namespace keldor::gui
