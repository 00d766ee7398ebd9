// Conversion of a data file of an older layout (3.0 or 2.0, staged or not)
// into the current layout, without a window: the engine of keldor-convert.
#pragma once

#include <string>

#include "program_data.h"

namespace keldor::gui {

// The text of the file in the current layout. A read error is an
// EInOutError whose message names the file (and stage) and the line and item.
std::string ConvertToCurrentLayout(const std::string& old_file, TFileLayout layout);

}  // namespace keldor::gui
