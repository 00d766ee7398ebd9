// The data-entry tables of the main window, created at start-up from their
// stored definitions and owned here under their component names
// ("PileSect", "NewSoil", "PYCurves2", ...).
#pragma once

#include <string_view>
#include <vector>

#include "table_definitions_reader.h"

namespace keldor::gui {

std::string_view MainWindowTableDefinitions();

class TMainWindowTables {
 public:
  TMainWindowTables() : TMainWindowTables(MainWindowTableDefinitions()) {}
  explicit TMainWindowTables(std::string_view definitions);

  // The table of that name; ETableError when there is none.
  TGridTable& Table(std::string_view name) const;
  const std::vector<TNamedTable>& Tables() const { return tables_; }
  // Switches every table, sub-tables included, to the units system.
  void SetUnits(int units);
  void CloseForms();

 private:
  std::vector<TNamedTable> tables_;
};

}  // namespace keldor::gui
