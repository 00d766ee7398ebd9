#include "table_registry.h"

#include <algorithm>

#include "grid_table.h"

namespace keldor::gui {

void TTableRegistry::Add(TGridTable& table) { tables_.push_back(&table); }

void TTableRegistry::Remove(TGridTable& table) { std::erase(tables_, &table); }

int TTableRegistry::NextIdentifier() {
  while (FindByIdentifier(counter_)) ++counter_;
  return counter_++;
}

TGridTable* TTableRegistry::At(int position) const {
  if (position < 0 || position >= static_cast<int>(tables_.size())) return nullptr;
  return tables_[static_cast<std::size_t>(position)];
}

TGridTable* TTableRegistry::FindByIdentifier(int identifier) const {
  const auto it = std::find_if(tables_.begin(), tables_.end(),
                               [&](const TGridTable* t) { return t->Identifier() == identifier; });
  return it == tables_.end() ? nullptr : *it;
}

TTableRegistry& GridTableRegistry() {
  static TTableRegistry registry;
  return registry;
}

TTableRegistry& ChartTableRegistry() {
  static TTableRegistry registry;
  return registry;
}

}  // namespace keldor::gui
