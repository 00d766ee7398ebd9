#include "main_window_tables.h"

#include "grid_table.h"
#include "table_error.h"

namespace keldor::gui {

TMainWindowTables::TMainWindowTables(std::string_view definitions) : tables_(ReadTableDefinitions(definitions)) {}

TGridTable& TMainWindowTables::Table(std::string_view name) const {
  for (const TNamedTable& named : tables_) {
    if (named.name == name) return *named.table;
  }
  throw ETableError("No table named " + std::string(name));
}

void TMainWindowTables::SetUnits(int units) {
  for (TNamedTable& named : tables_) named.table->SetUnits(units);
}

void TMainWindowTables::CloseForms() {
  for (TNamedTable& named : tables_) named.table->CloseForms();
}

}  // namespace keldor::gui
