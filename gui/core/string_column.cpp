#include "string_column.h"

#include <algorithm>
#include <cmath>

#include "value_stream.h"

namespace keldor::gui {

std::unique_ptr<TColumn> TStringColumn::CreateFromStream(TGridTable& table, TValueReader& reader) {
  auto column = std::make_unique<TStringColumn>(&table);
  column->ReadBaseDefinition(reader);
  column->default_text_ = reader.ReadString();
  column->width_inches_ = reader.ReadFloat();
  return column;
}

void TStringColumn::InsertRows(int at, int count) {
  CheckInsert(at, count);
  values_.insert(values_.begin() + at, static_cast<std::size_t>(count), default_text_);
  TColumn::InsertRows(at, count);
}

void TStringColumn::DeleteRow(int row) {
  CheckRow(row);
  values_.erase(values_.begin() + row);
  TColumn::DeleteRow(row);
}

std::string TStringColumn::AsText(int row) const {
  CheckRow(row);
  return values_[static_cast<std::size_t>(row)];
}

void TStringColumn::SetText(int row, const std::string& text) {
  for (int r : RowsWrittenWith(row)) {
    values_[static_cast<std::size_t>(r)] = text;
    ReportValueChanged(r);
  }
}

int TStringColumn::PreferredWidth(const TTextWidth& text_width, int pixels_per_inch) const {
  return std::max(CaptionWidth(text_width), static_cast<int>(std::lround(pixels_per_inch * std::clamp(width_inches_, 0.0, 100.0))));
}

void TStringColumn::WriteDefinition(TValueWriter& writer) const {
  TColumn::WriteDefinition(writer);
  writer.WriteString(default_text_);
  writer.WriteFloat(width_inches_);
}

std::unique_ptr<TColumn> TStringColumn::Clone(TGridTable& table) const {
  auto column = std::make_unique<TStringColumn>(&table);
  column->CopyBaseDefinition(*this);
  column->default_text_ = default_text_;
  column->width_inches_ = width_inches_;
  return column;
}

}  // namespace keldor::gui
