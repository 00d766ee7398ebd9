// Pick-list column: each row holds the 1-based number of one of `Items`.
#pragma once

#include "column.h"

namespace keldor::gui {

class TEnumColumn : public TColumn {
 public:
  using TColumn::TColumn;
  static std::unique_ptr<TColumn> CreateFromStream(TGridTable& table, TValueReader& reader);

  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);

  void InsertRows(int at, int count) override;
  void DeleteRow(int row) override;
  int AsInteger(int row) const override;
  void SetInteger(int row, int value) override;
  std::string AsText(int row) const override;
  void SetText(int row, const std::string& text) override;
  bool UsesCellControls() const override { return true; }
  int PreferredWidth(const TTextWidth& text_width, int pixels_per_inch) const override;
  void WriteDefinition(TValueWriter& writer) const override;
  std::unique_ptr<TColumn> Clone(TGridTable& table) const override;

 private:
  std::vector<std::string> items_;
  std::vector<int> values_;
};

}  // namespace keldor::gui
