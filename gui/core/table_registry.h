// Process-wide list of the tables of one family in creation order, with the
// counter that gives new tables their initial Identifier and the opener of
// their editing windows. Sub-table templates are found here, by Identifier
// or by position. Grid tables and chart tables keep separate registries.
#pragma once

#include <vector>

namespace keldor::gui {

class TGridTable;
class TTableWindowOpener;

class TTableRegistry {
 public:
  void Add(TGridTable& table);
  void Remove(TGridTable& table);
  // The next counter value that no table holds, so identifiers stay unique.
  int NextIdentifier();
  TGridTable* At(int position) const;
  TGridTable* FindByIdentifier(int identifier) const;
  const std::vector<TGridTable*>& Tables() const { return tables_; }

  TTableWindowOpener* WindowOpener() const { return opener_; }
  void SetWindowOpener(TTableWindowOpener* opener) { opener_ = opener; }

 private:
  std::vector<TGridTable*> tables_;
  int counter_ = 0;
  TTableWindowOpener* opener_ = nullptr;
};

TTableRegistry& GridTableRegistry();
TTableRegistry& ChartTableRegistry();

}  // namespace keldor::gui
