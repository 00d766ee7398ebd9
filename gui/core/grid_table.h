// A table of typed columns holding list-shaped input (soil layers, loads,
// wall sections, curve points, ...). The table owns its data and, while
// its editing window is open, tells the window what to redraw. A column of
// the sub-table kind gives every row its own child table copied from a
// template table.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "column.h"
#include "units.h"

namespace keldor::gui {

class TColumnTypeRegistry;
class TTableRegistry;
class TTableWindow;
class TValueReader;
class TValueWriter;

class TGridTable {
 public:
  TGridTable();
  virtual ~TGridTable();
  TGridTable(const TGridTable&) = delete;
  TGridTable& operator=(const TGridTable&) = delete;

  // Published properties.
  const std::string& Comments() const { return comments_; }
  void SetComments(std::string comments) { comments_ = std::move(comments); }
  int Identifier() const { return identifier_; }
  // Negative values are ignored; a table already holding the value takes
  // this table's old one, so identifiers stay unique.
  void SetIdentifier(int identifier);
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  int MaxRows() const { return max_rows_; }
  void SetMaxRows(int rows) { max_rows_ = rows; }
  int MinRows() const { return min_rows_; }
  // Below 1: stored as 1 while loading, "Value must be greater than 0" otherwise.
  void SetMinRows(int rows);
  // The picture's data (an image file's bytes or a resource name); the
  // window shows it at once when it changes.
  const std::string& HelpPicture() const { return help_picture_; }
  void SetHelpPicture(std::string picture);
  bool HardwiredButton() const { return hardwired_button_; }
  void SetHardwiredButton(bool hardwired) { hardwired_button_ = hardwired; }
  int RowGroup() const { return row_group_; }
  void SetRowGroup(int rows) { row_group_ = rows < 1 ? 1 : rows; }
  const std::string& TopLeft() const { return top_left_; }
  void SetTopLeft(std::string text) { top_left_ = std::move(text); }

  // Events for sub-table columns whose row objects are application objects.
  using TRowData = std::shared_ptr<void>;
  std::function<void(TGridTable&, int col, int row, const TRowData&)> OnButtonClick;
  std::function<void(TGridTable&, int col, int row, const TRowData&, std::string& caption)> OnGetButtonCaption;
  std::function<void(TGridTable&, int col, int row, const TRowData&, bool& changed)> OnGetChanged;
  std::function<void(TGridTable&, int col, int row, const TRowData&)> OnHide;
  std::function<void(TGridTable&, int col, int row, int enum_type, TRowData& data)> OnInitRow;
  std::function<void(TGridTable&, int col, int row, const TRowData&)> OnResetChanged;
  std::function<void(TGridTable&, int col, const TRowData&, int row)> OnSetRow;
  std::function<void(TGridTable&, int col, int row, const TRowData&, int units)> OnSetUnits;

  // Rows.
  int RowCount() const { return row_count_; }
  void SetRowCount(int rows);
  void AddGroup();
  void InsertGroup(int row);
  void DeleteGroup(int row);
  bool CanAddRows() const { return row_count_ != max_rows_; }
  bool CanDeleteRows() const { return min_rows_ < row_count_; }
  bool ShowsRowButtons() const { return min_rows_ != max_rows_; }

  // Columns and cells.
  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  TColumn& Column(int index) const;
  int IndexOfColumn(const TColumn& column) const;
  int VisibleColumnCount() const;
  TColumn& VisibleColumn(int index) const;  // "Index out of bounds" outside the visible columns
  TData& Cell(int col, int row) const;
  // Attaches a column: filled with new-row values up to RowCount, appended.
  void AddColumn(std::unique_ptr<TColumn> column);

  // Units system: 1 English, 2 SI, 3 other.
  int Units() const { return units_; }
  void SetUnits(int units);
  virtual TUnitScheme UnitScheme() const { return TUnitScheme::TenSlots; }

  bool Changed() const;
  void SetChanged(bool changed);

  int RowNumber() const { return row_number_; }
  void SetRowNumber(int number);
  TGridTable* Parent() const { return parent_; }
  // Caption, then one blank and, per level of the parent chain that has a
  // row number (outermost first), a blank and the number: "Clay  2".
  std::string WindowCaption() const;

  // The Col property: column definitions (and, for chart tables, more).
  virtual void ReadCol(TValueReader& reader);
  virtual void WriteCol(TValueWriter& writer) const;
  bool Loading() const { return loading_; }
  void SetLoading(bool loading) { loading_ = loading; }

  // Editing window.
  void Show();
  void ShowModal();
  void CloseForms();
  TTableWindow* Window() const { return window_; }
  // Called by the window when it is shown: links it, raises the rows to
  // MinRows and installs its hooks.
  void AttachWindow(TTableWindow& window);
  void DetachWindow();

  // Used by the columns.
  void ColumnValueChanged(TColumn& column, int row);
  void ColumnItemsChanged(TColumn& column);
  TTableRegistry& Registry() const { return registry_; }
  TColumnTypeRegistry& ColumnTypes() const { return column_types_; }
  // A new sub-table of `parent` for `row`, copied from this template.
  virtual std::unique_ptr<TGridTable> CreateSubTable(TGridTable& parent, int row) const;
  // A re-created row table may keep what the replaced one held.
  virtual void KeepRowsOf(const TGridTable& /*replaced*/) {}

 protected:
  TGridTable(TTableRegistry& registry, TColumnTypeRegistry& column_types, TGridTable* parent);
  // Copies the template's definition and columns, then takes MinRows rows.
  void CopyDefinitionFrom(const TGridTable& source, int row);
  void FireRefresh();

 private:
  void ResizeTemplateLists();
  void CheckRowIndex(int row) const;
  void Open(bool modal);

  TTableRegistry& registry_;
  TColumnTypeRegistry& column_types_;
  TGridTable* parent_;
  std::string comments_;
  int identifier_ = 0;
  std::string caption_;
  int max_rows_ = 0;
  int min_rows_ = 1;
  std::string help_picture_;
  bool hardwired_button_ = false;
  int row_group_ = 1;
  std::string top_left_;

  int row_count_ = 0;
  int units_ = 1;
  bool changed_ = false;
  int row_number_ = 0;
  bool loading_ = false;
  std::vector<std::unique_ptr<TColumn>> columns_;
  TTableWindow* window_ = nullptr;
};

}  // namespace keldor::gui
