// Base of the column kinds of a grid table. A column stores one value per
// row of its table, shows and parses cells, gives new rows their values and
// writes its definition to the table's Col stream. Each row has a TData
// handle that follows its logical row when rows are inserted or deleted.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace keldor::gui {

class TColumn;
class TGridTable;
class TValueReader;
class TValueWriter;

// Handle of one cell: it knows only its column; its row is its position in
// the column's list of handles.
class TData {
 public:
  explicit TData(TColumn& column) : column_(&column) {}
  int Row() const;
  double AsFloat() const;
  int AsInteger() const;
  std::string AsText() const;
  TGridTable* AsTable() const;
  void SetFloat(double value) const;
  void SetInteger(int value) const;
  void SetText(const std::string& text) const;

 private:
  TColumn* column_;
};

// Width of a text in pixels, as the drawing toolkit measures it.
using TTextWidth = std::function<int(const std::string&)>;

class TColumn {
 public:
  explicit TColumn(TGridTable* table) : table_(table) {}
  virtual ~TColumn() = default;
  TColumn(const TColumn&) = delete;
  TColumn& operator=(const TColumn&) = delete;

  // Rows. Kinds insert or remove their storage, then call the base.
  virtual void InsertRows(int at, int count);
  virtual void DeleteRow(int row);
  int RowCount() const { return static_cast<int>(cells_.size()); }
  TData& Cell(int row);
  int RowOf(const TData& cell) const;

  // Captions, one entry per caption line.
  virtual int CaptionLineCount() const { return static_cast<int>(captions_.size()); }
  virtual std::string CaptionLine(int line) const;
  const std::vector<std::string>& Captions() const { return captions_; }
  void SetCaptions(std::vector<std::string> captions) { captions_ = std::move(captions); }
  bool GroupShared() const { return group_shared_; }
  void SetGroupShared(bool shared) { group_shared_ = shared; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }

  // Typed access; the base raises "Data of wrong type".
  virtual TGridTable* AsTable(int row) const;
  virtual double AsFloat(int row) const;
  virtual void SetFloat(int row, double value);
  virtual int AsInteger(int row) const;
  virtual void SetInteger(int row, int value);
  virtual std::string AsText(int row) const;
  // A typed entry: parsed, validated (EValidationError) and stored.
  virtual void SetText(int row, const std::string& text);

  virtual bool SubTablesChanged() const { return false; }
  virtual void CloseForms() {}
  virtual void ResetChanged() {}
  virtual void SetUnits(int /*units*/) {}
  // Pick lists and sub-tables are edited through controls placed over cells.
  virtual bool UsesCellControls() const { return false; }
  // The widest caption line followed by two blanks, at least the kind's minimum.
  virtual int PreferredWidth(const TTextWidth& text_width, int pixels_per_inch) const;

  int RowGroupOf() const;
  TGridTable* Table() const { return table_; }
  void AttachTo(TGridTable& table) { table_ = &table; }
  int Index() const;  // position in the owning table, -1 when detached

  virtual void WriteDefinition(TValueWriter& writer) const;
  // A new column of the same kind and definition for `table`, without values.
  virtual std::unique_ptr<TColumn> Clone(TGridTable& table) const = 0;

 protected:
  void ReadBaseDefinition(TValueReader& reader);
  void CopyBaseDefinition(const TColumn& from);
  // Rows that a write to `row` reaches: its whole group when group-shared.
  std::vector<int> RowsWrittenWith(int row) const;
  void ReportValueChanged(int row);
  void CheckRow(int row) const;
  void CheckInsert(int at, int count) const;
  int CaptionWidth(const TTextWidth& text_width) const;

 private:
  TGridTable* table_;
  std::vector<std::unique_ptr<TData>> cells_;
  std::vector<std::string> captions_;
  bool group_shared_ = false;
  bool visible_ = true;
};

}  // namespace keldor::gui
