// Creates tables from stored definitions: a sequence of
//   object <Name>: TGridTable | TGridTableChart
//     <Property> = <value>
//     Col = { <column definitions> }
//   end
// Properties are applied in the order they stand; MinRows below 1 is
// stored as 1 while reading. Errors are EStreamError.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "grid_table.h"

namespace keldor::gui {

struct TNamedTable {
  std::string name;
  std::unique_ptr<TGridTable> table;
};

std::vector<TNamedTable> ReadTableDefinitions(std::string_view text);

}  // namespace keldor::gui
