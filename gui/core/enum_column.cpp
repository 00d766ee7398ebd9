#include "enum_column.h"

#include <algorithm>
#include <cmath>

#include "evaluator.h"
#include "grid_table.h"
#include "validation_error.h"
#include "value_stream.h"

namespace keldor::gui {

std::unique_ptr<TColumn> TEnumColumn::CreateFromStream(TGridTable& table, TValueReader& reader) {
  auto column = std::make_unique<TEnumColumn>(&table);
  column->ReadBaseDefinition(reader);
  reader.ReadListBegin();
  while (!reader.EndOfList()) column->items_.push_back(reader.ReadString());
  reader.ReadListEnd();
  return column;
}

void TEnumColumn::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  if (Table()) Table()->ColumnItemsChanged(*this);
}

void TEnumColumn::InsertRows(int at, int count) {
  CheckInsert(at, count);
  values_.insert(values_.begin() + at, static_cast<std::size_t>(count), 1);
  TColumn::InsertRows(at, count);
}

void TEnumColumn::DeleteRow(int row) {
  CheckRow(row);
  values_.erase(values_.begin() + row);
  TColumn::DeleteRow(row);
}

int TEnumColumn::AsInteger(int row) const {
  CheckRow(row);
  return values_[static_cast<std::size_t>(row)];
}

void TEnumColumn::SetInteger(int row, int value) {
  for (int r : RowsWrittenWith(row)) {
    if (values_[static_cast<std::size_t>(r)] == value) continue;
    values_[static_cast<std::size_t>(r)] = value;
    ReportValueChanged(r);
  }
}

std::string TEnumColumn::AsText(int row) const { return std::to_string(AsInteger(row)); }

void TEnumColumn::SetText(int row, const std::string& text) {
  const double value = Evaluate(text);
  if (std::fabs(value - std::round(value)) > 1e-10 || value < -2147483648.0 || value > 2147483647.0) {
    throw EValidationError("Value must be an integer.");
  }
  SetInteger(row, static_cast<int>(std::lround(value)));
}

int TEnumColumn::PreferredWidth(const TTextWidth& text_width, int pixels_per_inch) const {
  return std::max(CaptionWidth(text_width), pixels_per_inch * 3 / 2);
}

void TEnumColumn::WriteDefinition(TValueWriter& writer) const {
  TColumn::WriteDefinition(writer);
  writer.WriteListBegin();
  for (const std::string& item : items_) writer.WriteString(item);
  writer.WriteListEnd();
}

std::unique_ptr<TColumn> TEnumColumn::Clone(TGridTable& table) const {
  auto column = std::make_unique<TEnumColumn>(&table);
  column->CopyBaseDefinition(*this);
  column->items_ = items_;
  return column;
}

}  // namespace keldor::gui
