// What the model asks of the toolkit: the editing window of a table and the
// opener that creates such windows. The Qt layer implements both; the model
// never includes a toolkit header.
#pragma once

namespace keldor::gui {

class TGridTable;

// The open editing window of one table, as the table sees it. The window
// links itself with TGridTable::AttachWindow when shown and unlinks itself
// with TGridTable::DetachWindow when it closes.
class TTableWindow {
 public:
  virtual ~TTableWindow() = default;
  virtual void Refresh() = 0;                          // redraw everything
  virtual void RefreshCell(int column, int row) = 0;   // column index among all columns
  virtual void RenewCaption() = 0;                     // TGridTable::WindowCaption changed
  virtual void ShowHelpPicture() = 0;                  // the picture changed: show it, lay out again
  virtual void BringToFront() = 0;
  virtual bool IsModal() const = 0;
  // Closes exactly as the user's close does: controls released, window
  // unlinked from the table (DetachWindow) and freed.
  virtual void CloseWindow() = 0;
};

// Creates and shows the editing window of a table.
class TTableWindowOpener {
 public:
  virtual ~TTableWindowOpener() = default;
  virtual void OpenTableWindow(TGridTable& table, bool modal) = 0;
};

}  // namespace keldor::gui
