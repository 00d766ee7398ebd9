#include "int_column.h"

#include <algorithm>
#include <cmath>

#include "evaluator.h"
#include "grid_table.h"
#include "validation_error.h"
#include "value_stream.h"

namespace keldor::gui {

std::unique_ptr<TColumn> TIntColumn::CreateFromStream(TGridTable& table, TValueReader& reader) {
  auto column = std::make_unique<TIntColumn>(&table);
  column->ReadBaseDefinition(reader);
  column->default_ = reader.ReadInteger();
  column->min_ = reader.ReadInteger();
  column->max_ = reader.ReadInteger();
  return column;
}

void TIntColumn::InsertRows(int at, int count) {
  CheckInsert(at, count);
  values_.insert(values_.begin() + at, static_cast<std::size_t>(count), default_);
  TColumn::InsertRows(at, count);
}

void TIntColumn::DeleteRow(int row) {
  CheckRow(row);
  values_.erase(values_.begin() + row);
  TColumn::DeleteRow(row);
}

int TIntColumn::AsInteger(int row) const {
  CheckRow(row);
  return values_[static_cast<std::size_t>(row)];
}

void TIntColumn::SetInteger(int row, int value) {
  for (int r : RowsWrittenWith(row)) {
    values_[static_cast<std::size_t>(r)] = value;
    ReportValueChanged(r);
  }
}

std::string TIntColumn::AsText(int row) const { return std::to_string(AsInteger(row)); }

// Integrality is only demanded of entries typed in the open window; the
// bounds hold for every typed entry, and also keep the conversion in range.
void TIntColumn::SetText(int row, const std::string& text) {
  const double value = Evaluate(text);
  const bool typed_in_window = Table() && Table()->Window();
  if (typed_in_window && std::fabs(value - std::round(value)) > 1e-10) {
    throw EValidationError("Entry must be an integer.");
  }
  if (value < min_ || value > max_) {
    throw EValidationError("Entry must be between " + std::to_string(min_) + " and " + std::to_string(max_) + ".");
  }
  SetInteger(row, static_cast<int>(std::lround(value)));
}

int TIntColumn::PreferredWidth(const TTextWidth& text_width, int pixels_per_inch) const {
  return std::max(CaptionWidth(text_width), pixels_per_inch / 2);
}

void TIntColumn::WriteDefinition(TValueWriter& writer) const {
  TColumn::WriteDefinition(writer);
  writer.WriteInteger(default_);
  writer.WriteInteger(min_);
  writer.WriteInteger(max_);
}

std::unique_ptr<TColumn> TIntColumn::Clone(TGridTable& table) const {
  auto column = std::make_unique<TIntColumn>(&table);
  column->CopyBaseDefinition(*this);
  column->default_ = default_;
  column->min_ = min_;
  column->max_ = max_;
  return column;
}

}  // namespace keldor::gui
