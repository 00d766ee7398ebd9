#include "column_type_registry.h"

#include <algorithm>

#include "enum_column.h"
#include "float_column.h"
#include "int_column.h"
#include "stream_error.h"
#include "string_column.h"
#include "table_column.h"

namespace keldor::gui {

void TColumnTypeRegistry::RegisterStandardKinds() {
  Register(0, typeid(TEnumColumn), &TEnumColumn::CreateFromStream);
  Register(1, typeid(TIntColumn), &TIntColumn::CreateFromStream);
  Register(2, typeid(TFloatColumn), &TFloatColumn::CreateFromStream);
  Register(3, typeid(TTableColumn), &TTableColumn::CreateFromStream);
  Register(4, typeid(TStringColumn), &TStringColumn::CreateFromStream);
}

void TColumnTypeRegistry::UnregisterStandardKinds() {
  for (int code = 0; code <= 4; ++code) Unregister(code);
}

void TColumnTypeRegistry::Register(int code, std::type_index kind, TColumnReader reader) {
  Unregister(code);
  entries_.push_back({code, kind, reader});
}

void TColumnTypeRegistry::Unregister(int code) {
  std::erase_if(entries_, [&](const TColumnTypeStorage& e) { return e.code == code; });
}

void TColumnTypeRegistry::CheckEmpty() const {
  if (!entries_.empty()) throw EStreamError("Column Type list not empty");
}

int TColumnTypeRegistry::CodeOf(const TColumn& column) const {
  const std::type_index kind = typeid(column);
  const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.kind == kind; });
  return it == entries_.end() ? -1 : it->code;
}

TColumnReader TColumnTypeRegistry::ReaderOf(int code) const {
  const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.code == code; });
  return it == entries_.end() ? nullptr : it->reader;
}

namespace {
TColumnTypeRegistry WithStandardKinds() {
  TColumnTypeRegistry registry;
  registry.RegisterStandardKinds();
  return registry;
}
}  // namespace

TColumnTypeRegistry& GridColumnTypes() {
  static TColumnTypeRegistry registry = WithStandardKinds();
  return registry;
}

TColumnTypeRegistry& ChartColumnTypes() {
  static TColumnTypeRegistry registry = WithStandardKinds();
  return registry;
}

}  // namespace keldor::gui
