// Real-number column with a units code. Its last caption line names the
// units of the table's units system, and switching the system converts its
// values. A TopDepth column holds layer tops and is linked to the next
// column, which holds layer bottoms: a layer's top follows the bottom of
// the layer above.
#pragma once

#include "column.h"

namespace keldor::gui {

class TFloatColumn : public TColumn {
 public:
  using TColumn::TColumn;
  static std::unique_ptr<TColumn> CreateFromStream(TGridTable& table, TValueReader& reader);

  double DefaultValue() const { return default_; }
  void SetDefaultValue(double value) { default_ = value; }
  bool TopDepth() const { return top_depth_; }
  void SetTopDepth(bool top_depth) { top_depth_ = top_depth; }
  const std::string& UnitsCode() const { return units_code_; }
  void SetUnitsCode(std::string code) { units_code_ = std::move(code); }

  void InsertRows(int at, int count) override;
  void DeleteRow(int row) override;
  std::string CaptionLine(int line) const override;
  double AsFloat(int row) const override;
  void SetFloat(int row, double value) override;
  std::string AsText(int row) const override;
  void SetText(int row, const std::string& text) override;
  void SetUnits(int units) override;
  int PreferredWidth(const TTextWidth& text_width, int pixels_per_inch) const override;
  void WriteDefinition(TValueWriter& writer) const override;
  std::unique_ptr<TColumn> Clone(TGridTable& table) const override;

 private:
  TFloatColumn* Neighbour(int offset) const;
  double NewRowValue(int row) const;
  void Store(int row, double value);

  double default_ = 0;
  bool top_depth_ = false;
  std::string units_code_;
  std::vector<double> values_;
};

}  // namespace keldor::gui
