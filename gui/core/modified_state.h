// Whether the problem being edited has unsaved changes: the main window's
// own flag (set by dialog edits) or the changed flag of any of its tables.
#pragma once

namespace keldor::gui {

class TMainWindowTables;

class TModifiedState {
 public:
  explicit TModifiedState(TMainWindowTables& tables) : tables_(tables) {}
  bool IsModified() const;
  // true sets the own flag; false clears it and every table's changed flag.
  void SetModified(bool modified);

 private:
  TMainWindowTables& tables_;
  bool modified_ = false;
};

}  // namespace keldor::gui
