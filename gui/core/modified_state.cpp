#include "modified_state.h"

#include "grid_table.h"
#include "main_window_tables.h"

namespace keldor::gui {

bool TModifiedState::IsModified() const {
  if (modified_) return true;
  for (const TNamedTable& named : tables_.Tables()) {
    if (named.table->Changed()) return true;
  }
  return false;
}

void TModifiedState::SetModified(bool modified) {
  modified_ = modified;
  if (modified) return;
  for (const TNamedTable& named : tables_.Tables()) named.table->SetChanged(false);
}

}  // namespace keldor::gui
