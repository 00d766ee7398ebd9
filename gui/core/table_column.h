// Sub-table column: every row owns a row object, normally a child table
// copied from the template chosen by the row's pick-list value in column 0
// (one template per pick-list item; one template when column 0 is not a
// pick list). The cell shows a button that opens the row's table.
#pragma once

#include <memory>
#include <optional>

#include "column.h"

namespace keldor::gui {

// A template given by Identifier (looked up at every use) or by position
// in the table registry.
struct TTemplateReference {
  int value = -1;
  bool by_position = false;
};

// What a row holds: its own table, or an object supplied by the
// application through the table's OnInitRow event.
struct TRowObject {
  std::unique_ptr<TGridTable> table;
  std::shared_ptr<void> application_object;
};

class TTableColumn : public TColumn {
 public:
  using TColumn::TColumn;
  ~TTableColumn() override;
  static std::unique_ptr<TColumn> CreateFromStream(TGridTable& table, TValueReader& reader);

  using TTemplates = std::vector<std::optional<TTemplateReference>>;
  const TTemplates& Templates() const { return templates_; }
  void SetTemplates(TTemplates templates) { templates_ = std::move(templates); }
  void ResizeTemplates(std::size_t count) { templates_.resize(count); }
  // The template of pick-list value `value` (1-based), if it yields a table.
  TGridTable* TemplateFor(int value) const;

  void InsertRows(int at, int count) override;
  void DeleteRow(int row) override;
  TGridTable* AsTable(int row) const override;
  const std::shared_ptr<void>& AsObject(int row) const;
  bool SubTablesChanged() const override;
  void CloseForms() override;
  void ResetChanged() override;
  void SetUnits(int units) override;
  bool UsesCellControls() const override { return true; }
  int PreferredWidth(const TTextWidth& text_width, int pixels_per_inch) const override;
  void WriteDefinition(TValueWriter& writer) const override;
  std::unique_ptr<TColumn> Clone(TGridTable& table) const override;

  // The row's pick-list value changed: its object is created afresh.
  void RenewRowObject(int row);
  std::string ButtonCaption(int row) const;
  // The row's button was clicked: its table opens, or OnButtonClick fires.
  void ClickButton(int row);

 private:
  TRowObject CreateRowObject(int row, const TRowObject* replaced);
  void Renumber(int from_row);

  TTemplates templates_;
  std::vector<TRowObject> rows_;
};

}  // namespace keldor::gui
