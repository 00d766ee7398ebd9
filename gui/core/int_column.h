// Integer column with a default for new rows and bounds for typed entries.
#pragma once

#include <cstdint>

#include "column.h"

namespace keldor::gui {

class TIntColumn : public TColumn {
 public:
  using TColumn::TColumn;
  static std::unique_ptr<TColumn> CreateFromStream(TGridTable& table, TValueReader& reader);

  std::int32_t DefaultValue() const { return default_; }
  std::int32_t MinValue() const { return min_; }
  std::int32_t MaxValue() const { return max_; }
  void SetDefaultValue(std::int32_t value) { default_ = value; }
  void SetBounds(std::int32_t min_value, std::int32_t max_value) { min_ = min_value, max_ = max_value; }

  void InsertRows(int at, int count) override;
  void DeleteRow(int row) override;
  int AsInteger(int row) const override;
  void SetInteger(int row, int value) override;
  std::string AsText(int row) const override;
  void SetText(int row, const std::string& text) override;
  int PreferredWidth(const TTextWidth& text_width, int pixels_per_inch) const override;
  void WriteDefinition(TValueWriter& writer) const override;
  std::unique_ptr<TColumn> Clone(TGridTable& table) const override;

 private:
  std::int32_t default_ = 0;
  std::int32_t min_ = INT32_MIN;
  std::int32_t max_ = INT32_MAX;
  std::vector<int> values_;
};

}  // namespace keldor::gui
