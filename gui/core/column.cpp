#include "column.h"

#include <algorithm>

#include "grid_table.h"
#include "table_error.h"
#include "value_stream.h"

namespace keldor::gui {

namespace {
[[noreturn]] void WrongType() { throw ETableError("Data of wrong type"); }
}  // namespace

int TData::Row() const { return column_->RowOf(*this); }
double TData::AsFloat() const { return column_->AsFloat(Row()); }
int TData::AsInteger() const { return column_->AsInteger(Row()); }
std::string TData::AsText() const { return column_->AsText(Row()); }
TGridTable* TData::AsTable() const { return column_->AsTable(Row()); }
void TData::SetFloat(double value) const { column_->SetFloat(Row(), value); }
void TData::SetInteger(int value) const { column_->SetInteger(Row(), value); }
void TData::SetText(const std::string& text) const { column_->SetText(Row(), text); }

void TColumn::InsertRows(int at, int count) {
  for (int i = 0; i < count; ++i) {
    cells_.insert(cells_.begin() + at + i, std::make_unique<TData>(*this));
  }
}

void TColumn::DeleteRow(int row) { cells_.erase(cells_.begin() + row); }

void TColumn::CheckRow(int row) const {
  if (row < 0 || row >= RowCount()) throw ETableError("Index out of bounds");
}

void TColumn::CheckInsert(int at, int count) const {
  if (at < 0 || at > RowCount() || count < 0) throw ETableError("Index out of bounds");
}

TData& TColumn::Cell(int row) {
  CheckRow(row);
  return *cells_[static_cast<std::size_t>(row)];
}

int TColumn::RowOf(const TData& cell) const {
  const auto it = std::find_if(cells_.begin(), cells_.end(), [&](const auto& c) { return c.get() == &cell; });
  return it == cells_.end() ? -1 : static_cast<int>(it - cells_.begin());
}

std::string TColumn::CaptionLine(int line) const {
  if (line < 0 || line >= static_cast<int>(captions_.size())) return {};
  return captions_[static_cast<std::size_t>(line)];
}

TGridTable* TColumn::AsTable(int) const { WrongType(); }
double TColumn::AsFloat(int) const { WrongType(); }
void TColumn::SetFloat(int, double) { WrongType(); }
int TColumn::AsInteger(int) const { WrongType(); }
void TColumn::SetInteger(int, int) { WrongType(); }
std::string TColumn::AsText(int) const { return {}; }
void TColumn::SetText(int, const std::string&) {}

int TColumn::CaptionWidth(const TTextWidth& text_width) const {
  int widest = 0;
  for (int i = 0; i < CaptionLineCount(); ++i) widest = std::max(widest, text_width(CaptionLine(i) + "  "));
  return widest;
}

int TColumn::PreferredWidth(const TTextWidth& text_width, int) const { return CaptionWidth(text_width); }

int TColumn::RowGroupOf() const { return table_ ? table_->RowGroup() : 1; }

int TColumn::Index() const { return table_ ? table_->IndexOfColumn(*this) : -1; }

std::vector<int> TColumn::RowsWrittenWith(int row) const {
  CheckRow(row);
  if (!group_shared_) return {row};
  const int group = RowGroupOf();
  std::vector<int> rows;
  for (int r = row / group * group; r < std::min(RowCount(), (row / group + 1) * group); ++r) rows.push_back(r);
  return rows;
}

void TColumn::ReportValueChanged(int row) {
  if (table_) table_->ColumnValueChanged(*this, row);
}

void TColumn::ReadBaseDefinition(TValueReader& reader) {
  reader.ReadListBegin();
  while (!reader.EndOfList()) captions_.push_back(reader.ReadString());
  reader.ReadListEnd();
  visible_ = reader.ReadBoolean();
  group_shared_ = reader.ReadBoolean();
}

void TColumn::CopyBaseDefinition(const TColumn& from) {
  captions_ = from.captions_;
  visible_ = from.visible_;
}

void TColumn::WriteDefinition(TValueWriter& writer) const {
  writer.WriteListBegin();
  for (const std::string& caption : captions_) writer.WriteString(caption);
  writer.WriteListEnd();
  writer.WriteBoolean(visible_);
  writer.WriteBoolean(group_shared_);
}

}  // namespace keldor::gui
