// A stand-in for the toolkit's editing window: it links itself to its
// table like the real one and records what the table asked of it.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "grid_table.h"
#include "table_window.h"

namespace keldor::gui::testing_support {

class FakeTableWindow : public TTableWindow {
 public:
  FakeTableWindow(TGridTable& table, bool modal) : table_(table), modal_(modal) {}
  void Refresh() override { ++refreshes; }
  void RefreshCell(int column, int row) override { cells.emplace_back(column, row); }
  void RenewCaption() override { caption = table_.WindowCaption(); }
  void ShowHelpPicture() override { ++pictures; }
  void BringToFront() override {}
  bool IsModal() const override { return modal_; }
  void CloseWindow() override {
    open = false;
    table_.DetachWindow();
  }

  int refreshes = 0;
  int pictures = 0;
  bool open = true;
  std::string caption;
  std::vector<std::pair<int, int>> cells;

 private:
  TGridTable& table_;
  bool modal_;
};

class FakeWindowOpener : public TTableWindowOpener {
 public:
  void OpenTableWindow(TGridTable& table, bool modal) override {
    windows.push_back(std::make_unique<FakeTableWindow>(table, modal));
    table.AttachWindow(*windows.back());
  }
  std::vector<std::unique_ptr<FakeTableWindow>> windows;
};

}  // namespace keldor::gui::testing_support
