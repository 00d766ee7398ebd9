// Text column: each row holds the text as typed.
#pragma once

#include "column.h"

namespace keldor::gui {

class TStringColumn : public TColumn {
 public:
  using TColumn::TColumn;
  static std::unique_ptr<TColumn> CreateFromStream(TGridTable& table, TValueReader& reader);

  const std::string& DefaultText() const { return default_text_; }
  void SetDefaultText(std::string text) { default_text_ = std::move(text); }
  double WidthInches() const { return width_inches_; }
  void SetWidthInches(double inches) { width_inches_ = inches; }

  void InsertRows(int at, int count) override;
  void DeleteRow(int row) override;
  std::string AsText(int row) const override;
  void SetText(int row, const std::string& text) override;
  int PreferredWidth(const TTextWidth& text_width, int pixels_per_inch) const override;
  void WriteDefinition(TValueWriter& writer) const override;
  std::unique_ptr<TColumn> Clone(TGridTable& table) const override;

 private:
  std::string default_text_;
  double width_inches_ = 0;
  std::vector<std::string> values_;
};

}  // namespace keldor::gui
