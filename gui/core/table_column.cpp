#include "table_column.h"

#include <algorithm>

#include "enum_column.h"
#include "grid_table.h"
#include "table_registry.h"
#include "table_window.h"
#include "value_stream.h"

namespace keldor::gui {

namespace {
constexpr const char* kMarker = "FLEXCOLUMN2";
}

TTableColumn::~TTableColumn() = default;

// The older form holds one integer after a marker of another text: a
// registry position, or, under a pick list in a table without hard-wired
// buttons, the Identifier equal to each item's number.
std::unique_ptr<TColumn> TTableColumn::CreateFromStream(TGridTable& table, TValueReader& reader) {
  auto column = std::make_unique<TTableColumn>(&table);
  column->ReadBaseDefinition(reader);
  if (reader.ReadString() == kMarker) {
    reader.ReadListBegin();
    while (!reader.EndOfList()) column->templates_.push_back(TTemplateReference{reader.ReadInteger(), false});
    reader.ReadListEnd();
    return column;
  }
  const int reference = reader.ReadInteger();
  const auto* pick_list = table.ColumnCount() > 0 ? dynamic_cast<const TEnumColumn*>(&table.Column(0)) : nullptr;
  if (!pick_list) {
    column->templates_.push_back(TTemplateReference{reference, true});
    return column;
  }
  for (std::size_t item = 0; item < pick_list->Items().size(); ++item) {
    column->templates_.push_back(table.HardwiredButton() ? TTemplateReference{reference, true}
                                                         : TTemplateReference{static_cast<int>(item) + 1, false});
  }
  return column;
}

TGridTable* TTableColumn::TemplateFor(int value) const {
  if (value < 1 || value > static_cast<int>(templates_.size()) || !Table()) return nullptr;
  const auto& reference = templates_[static_cast<std::size_t>(value - 1)];
  if (!reference) return nullptr;
  TTableRegistry& registry = Table()->Registry();
  return reference->by_position ? registry.At(reference->value) : registry.FindByIdentifier(reference->value);
}

TRowObject TTableColumn::CreateRowObject(int row, const TRowObject* replaced) {
  TGridTable& table = *Table();
  const auto* pick_list = table.ColumnCount() > 0 ? dynamic_cast<const TEnumColumn*>(&table.Column(0)) : nullptr;
  const int value = pick_list && row < pick_list->RowCount() ? pick_list->AsInteger(row) : 1;
  TRowObject object;
  if (const TGridTable* source = TemplateFor(value)) {
    object.table = source->CreateSubTable(table, row);
    if (replaced && replaced->table) object.table->KeepRowsOf(*replaced->table);
  } else if (table.OnInitRow) {
    table.OnInitRow(table, Index(), row, value, object.application_object);
    if (object.application_object && table.OnSetRow) table.OnSetRow(table, Index(), object.application_object, row);
  }
  return object;
}

void TTableColumn::Renumber(int from_row) {
  for (int row = from_row; row < static_cast<int>(rows_.size()); ++row) {
    TRowObject& object = rows_[static_cast<std::size_t>(row)];
    if (object.table) {
      object.table->SetRowNumber(row + 1);
    } else if (object.application_object && Table()->OnSetRow) {
      Table()->OnSetRow(*Table(), Index(), object.application_object, row);
    }
  }
}

void TTableColumn::InsertRows(int at, int count) {
  CheckInsert(at, count);
  for (int row = at; row < at + count; ++row) rows_.emplace(rows_.begin() + row);
  TColumn::InsertRows(at, count);
  for (int row = at; row < at + count; ++row) rows_[static_cast<std::size_t>(row)] = CreateRowObject(row, nullptr);
  Renumber(at + count);
}

void TTableColumn::DeleteRow(int row) {
  CheckRow(row);
  rows_.erase(rows_.begin() + row);
  TColumn::DeleteRow(row);
  Renumber(row);
}

void TTableColumn::RenewRowObject(int row) {
  CheckRow(row);
  TRowObject replaced = std::move(rows_[static_cast<std::size_t>(row)]);
  rows_[static_cast<std::size_t>(row)] = CreateRowObject(row, &replaced);
}

TGridTable* TTableColumn::AsTable(int row) const {
  CheckRow(row);
  return rows_[static_cast<std::size_t>(row)].table.get();
}

const std::shared_ptr<void>& TTableColumn::AsObject(int row) const {
  CheckRow(row);
  return rows_[static_cast<std::size_t>(row)].application_object;
}

bool TTableColumn::SubTablesChanged() const {
  for (int row = 0; row < RowCount(); ++row) {
    const TRowObject& object = rows_[static_cast<std::size_t>(row)];
    if (object.table && object.table->Changed()) return true;
    if (object.application_object && Table()->OnGetChanged) {
      bool changed = false;
      Table()->OnGetChanged(*Table(), Index(), row, object.application_object, changed);
      if (changed) return true;
    }
  }
  return false;
}

void TTableColumn::CloseForms() {
  for (int row = 0; row < RowCount(); ++row) {
    const TRowObject& object = rows_[static_cast<std::size_t>(row)];
    if (object.table) {
      object.table->CloseForms();
    } else if (object.application_object && Table()->OnHide) {
      Table()->OnHide(*Table(), Index(), row, object.application_object);
    }
  }
}

void TTableColumn::ResetChanged() {
  for (int row = 0; row < RowCount(); ++row) {
    const TRowObject& object = rows_[static_cast<std::size_t>(row)];
    if (object.table) {
      object.table->SetChanged(false);
    } else if (object.application_object && Table()->OnResetChanged) {
      Table()->OnResetChanged(*Table(), Index(), row, object.application_object);
    }
  }
}

void TTableColumn::SetUnits(int units) {
  for (int row = 0; row < RowCount(); ++row) {
    const TRowObject& object = rows_[static_cast<std::size_t>(row)];
    if (object.table) {
      object.table->SetUnits(units);
    } else if (object.application_object && Table()->OnSetUnits) {
      Table()->OnSetUnits(*Table(), Index(), row, object.application_object, units);
    }
  }
}

std::string TTableColumn::ButtonCaption(int row) const {
  CheckRow(row);
  const TRowObject& object = rows_[static_cast<std::size_t>(row)];
  std::string caption;
  if (object.table) {
    caption = object.table->Caption();
  } else if (Table()->OnGetButtonCaption) {
    Table()->OnGetButtonCaption(*Table(), Index(), row, object.application_object, caption);
  }
  return std::to_string(row + 1) + ": " + caption;
}

void TTableColumn::ClickButton(int row) {
  CheckRow(row);
  const TRowObject& object = rows_[static_cast<std::size_t>(row)];
  if (object.table) {
    const TTableWindow* window = Table()->Window();
    if (window && window->IsModal()) {
      object.table->ShowModal();
    } else {
      object.table->Show();
    }
  } else if (Table()->OnButtonClick) {
    Table()->OnButtonClick(*Table(), Index(), row, object.application_object);
  }
}

int TTableColumn::PreferredWidth(const TTextWidth& text_width, int pixels_per_inch) const {
  return std::max(CaptionWidth(text_width), pixels_per_inch * 2);
}

void TTableColumn::WriteDefinition(TValueWriter& writer) const {
  TColumn::WriteDefinition(writer);
  writer.WriteString(kMarker);
  writer.WriteListBegin();
  for (std::size_t i = 0; i < templates_.size(); ++i) {
    const TGridTable* source = TemplateFor(static_cast<int>(i) + 1);
    writer.WriteInteger(source ? source->Identifier() : -1);
  }
  writer.WriteListEnd();
}

std::unique_ptr<TColumn> TTableColumn::Clone(TGridTable& table) const {
  auto column = std::make_unique<TTableColumn>(&table);
  column->CopyBaseDefinition(*this);
  column->templates_ = templates_;
  return column;
}

}  // namespace keldor::gui
