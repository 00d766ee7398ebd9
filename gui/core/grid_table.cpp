#include "grid_table.h"

#include <algorithm>

#include "column_type_registry.h"
#include "enum_column.h"
#include "stream_error.h"
#include "table_column.h"
#include "table_error.h"
#include "table_registry.h"
#include "table_window.h"
#include "value_stream.h"

namespace keldor::gui {

namespace {
// Templates that contain themselves would nest without end.
constexpr int kMaxSubTableDepth = 16;
}  // namespace

TGridTable::TGridTable() : TGridTable(GridTableRegistry(), GridColumnTypes(), nullptr) {}

TGridTable::TGridTable(TTableRegistry& registry, TColumnTypeRegistry& column_types, TGridTable* parent)
    : registry_(registry), column_types_(column_types), parent_(parent) {
  identifier_ = registry_.NextIdentifier();
  registry_.Add(*this);
}

TGridTable::~TGridTable() {
  if (window_) window_->CloseWindow();
  window_ = nullptr;
  // Rows go first so that sub-tables are freed while their columns exist.
  for (auto& column : columns_) {
    for (int row = column->RowCount() - 1; row >= 0; --row) column->DeleteRow(row);
  }
  columns_.clear();
  registry_.Remove(*this);
}

void TGridTable::SetIdentifier(int identifier) {
  if (identifier < 0) return;
  for (TGridTable* other : registry_.Tables()) {
    if (other != this && other->identifier_ == identifier) other->identifier_ = identifier_;
  }
  identifier_ = identifier;
}

void TGridTable::SetMinRows(int rows) {
  if (rows <= 0) {
    if (!loading_) throw ETableError("Value must be greater than 0");
    rows = 1;
  }
  min_rows_ = rows;
}

void TGridTable::SetHelpPicture(std::string picture) {
  if (picture == help_picture_) return;
  help_picture_ = std::move(picture);
  if (window_) window_->ShowHelpPicture();
}

void TGridTable::FireRefresh() {
  if (window_) window_->Refresh();
}

void TGridTable::SetRowCount(int rows) {
  rows = std::max(rows, 0);
  if (rows > row_count_) {
    const int at = row_count_;
    row_count_ = rows;
    for (auto& column : columns_) column->InsertRows(at, rows - at);
  } else {
    for (auto& column : columns_) {
      for (int row = column->RowCount() - 1; row >= rows; --row) column->DeleteRow(row);
    }
    row_count_ = rows;
  }
}

void TGridTable::CheckRowIndex(int row) const {
  if (row < 0 || row >= row_count_) throw ETableError("Index out of bounds");
}

void TGridTable::AddGroup() {
  const int at = row_count_;
  row_count_ += row_group_;
  for (auto& column : columns_) column->InsertRows(at, row_group_);
  FireRefresh();
}

void TGridTable::InsertGroup(int row) {
  CheckRowIndex(row);
  const int at = row / row_group_ * row_group_;
  row_count_ += row_group_;
  for (auto& column : columns_) column->InsertRows(at, row_group_);
  FireRefresh();
}

void TGridTable::DeleteGroup(int row) {
  CheckRowIndex(row);
  const int first = row / row_group_ * row_group_;
  const int count = std::min(row_group_, row_count_ - first);
  row_count_ -= count;
  for (auto& column : columns_) {
    for (int i = 0; i < count; ++i) column->DeleteRow(first);
  }
  FireRefresh();
}

TColumn& TGridTable::Column(int index) const {
  if (index < 0 || index >= ColumnCount()) throw ETableError("Index out of bounds");
  return *columns_[static_cast<std::size_t>(index)];
}

int TGridTable::IndexOfColumn(const TColumn& column) const {
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (columns_[i].get() == &column) return static_cast<int>(i);
  }
  return -1;
}

int TGridTable::VisibleColumnCount() const {
  return static_cast<int>(std::count_if(columns_.begin(), columns_.end(), [](const auto& c) { return c->Visible(); }));
}

TColumn& TGridTable::VisibleColumn(int index) const {
  for (const auto& column : columns_) {
    if (column->Visible() && index-- == 0) return *column;
  }
  throw ETableError("Index out of bounds");
}

TData& TGridTable::Cell(int col, int row) const { return Column(col).Cell(row); }

void TGridTable::AddColumn(std::unique_ptr<TColumn> column) {
  column->AttachTo(*this);
  columns_.push_back(std::move(column));
  try {
    columns_.back()->InsertRows(0, row_count_);
  } catch (...) {
    columns_.pop_back();
    throw;
  }
}

void TGridTable::SetUnits(int units) {
  if (units == units_) return;
  for (auto& column : columns_) column->SetUnits(units);
  units_ = units;
  FireRefresh();
}

bool TGridTable::Changed() const {
  return changed_ || std::any_of(columns_.begin(), columns_.end(), [](const auto& c) { return c->SubTablesChanged(); });
}

void TGridTable::SetChanged(bool changed) {
  if (changed) {
    changed_ = true;
    return;
  }
  changed_ = false;
  for (auto& column : columns_) column->ResetChanged();
}

void TGridTable::SetRowNumber(int number) {
  row_number_ = number;
  if (window_) window_->RenewCaption();
}

std::string TGridTable::WindowCaption() const {
  std::vector<int> numbers;
  for (const TGridTable* level = this; level; level = level->parent_) {
    if (level->row_number_ != 0) numbers.push_back(level->row_number_);
  }
  std::string caption = caption_ + " ";
  for (auto number = numbers.rbegin(); number != numbers.rend(); ++number) caption += " " + std::to_string(*number);
  return caption;
}

void TGridTable::ReadCol(TValueReader& reader) {
  int count = 0;
  try {
    count = reader.ReadInteger();
  } catch (const EStreamError&) {
    throw EStreamError("Error reading column count");
  }
  for (int index = 0; index < count; ++index) {
    try {
      const int code = reader.ReadInteger();
      const TColumnReader read_column = column_types_.ReaderOf(code);
      if (!read_column) throw EStreamError("Error Column Class not defined");
      AddColumn(read_column(*this, reader));  // a half-built column is freed on failure
    } catch (const std::exception& e) {
      throw EStreamError("Error occured when creating column " + std::to_string(index) + ": " + e.what());
    }
    ResizeTemplateLists();
  }
  FireRefresh();
}

void TGridTable::WriteCol(TValueWriter& writer) const {
  writer.WriteInteger(ColumnCount());
  for (const auto& column : columns_) {
    writer.NewLine();
    writer.WriteInteger(column_types_.CodeOf(*column));
    column->WriteDefinition(writer);
  }
}

void TGridTable::ResizeTemplateLists() {
  const auto* pick_list = columns_.empty() ? nullptr : dynamic_cast<const TEnumColumn*>(columns_.front().get());
  const std::size_t count = pick_list ? pick_list->Items().size() : 1;
  for (auto& column : columns_) {
    if (auto* sub_tables = dynamic_cast<TTableColumn*>(column.get())) sub_tables->ResizeTemplates(count);
  }
}

void TGridTable::ColumnItemsChanged(TColumn& column) {
  if (IndexOfColumn(column) == 0) ResizeTemplateLists();
}

void TGridTable::ColumnValueChanged(TColumn& column, int row) {
  const int index = IndexOfColumn(column);
  if (index == 0 && dynamic_cast<TEnumColumn*>(&column)) {
    for (auto& other : columns_) {
      if (auto* sub_tables = dynamic_cast<TTableColumn*>(other.get())) {
        sub_tables->RenewRowObject(row);
        break;
      }
    }
  }
  if (window_) window_->RefreshCell(index, row);
}

std::unique_ptr<TGridTable> TGridTable::CreateSubTable(TGridTable& parent, int row) const {
  auto table = std::unique_ptr<TGridTable>(new TGridTable(registry_, column_types_, &parent));
  table->CopyDefinitionFrom(*this, row);
  return table;
}

void TGridTable::CopyDefinitionFrom(const TGridTable& source, int row) {
  int depth = 0;
  for (const TGridTable* level = parent_; level; level = level->parent_) ++depth;
  if (depth > kMaxSubTableDepth) throw ETableError("Sub-table templates contain each other");
  caption_ = source.caption_;
  comments_ = source.comments_;
  top_left_ = source.top_left_;
  min_rows_ = source.min_rows_;
  max_rows_ = source.max_rows_;
  for (const auto& column : source.columns_) AddColumn(column->Clone(*this));
  ResizeTemplateLists();
  row_number_ = row + 1;
  units_ = parent_ ? parent_->units_ : source.units_;
  SetRowCount(min_rows_);
}

void TGridTable::Open(bool modal) {
  if (VisibleColumnCount() == 0) return;
  if (window_) {
    window_->BringToFront();
    return;
  }
  if (TTableWindowOpener* opener = registry_.WindowOpener()) opener->OpenTableWindow(*this, modal);
}

void TGridTable::Show() { Open(false); }
void TGridTable::ShowModal() { Open(true); }

void TGridTable::CloseForms() {
  if (window_) window_->CloseWindow();
  for (auto& column : columns_) column->CloseForms();
}

void TGridTable::AttachWindow(TTableWindow& window) {
  window_ = &window;
  if (row_count_ < min_rows_) SetRowCount(min_rows_);
  window.RenewCaption();
  window.Refresh();
}

void TGridTable::DetachWindow() { window_ = nullptr; }

}  // namespace keldor::gui
