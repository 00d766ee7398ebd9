#include "float_column.h"

#include <algorithm>

#include "evaluator.h"
#include "general_format.h"
#include "grid_table.h"
#include "table_error.h"
#include "units.h"
#include "value_stream.h"

namespace keldor::gui {

namespace {
constexpr const char* kMarker = "FLOATCOLUMN2";
}

// The older form has the units code right after TopDepth and no default.
std::unique_ptr<TColumn> TFloatColumn::CreateFromStream(TGridTable& table, TValueReader& reader) {
  auto column = std::make_unique<TFloatColumn>(&table);
  column->ReadBaseDefinition(reader);
  column->top_depth_ = reader.ReadBoolean();
  const std::string marker_or_code = reader.ReadString();
  if (marker_or_code == kMarker) {
    column->units_code_ = reader.ReadString();
    column->default_ = reader.ReadFloat();
  } else {
    column->units_code_ = marker_or_code;
  }
  return column;
}

TFloatColumn* TFloatColumn::Neighbour(int offset) const {
  const int index = Index() + offset;
  if (!Table() || Index() < 0 || index < 0 || index >= Table()->ColumnCount()) return nullptr;
  return dynamic_cast<TFloatColumn*>(&Table()->Column(index));
}

// A new layer starts where the layer above ends and ends where the layer
// below starts. Columns are extended in order, so the next column still
// holds its old rows and the previous one already holds the new row.
double TFloatColumn::NewRowValue(int row) const {
  if (top_depth_) {
    const TFloatColumn* next = Neighbour(1);
    if (next && row >= 1 && row <= next->RowCount() - 1) return next->values_[static_cast<std::size_t>(row - 1)];
    return default_;
  }
  const TFloatColumn* previous = Neighbour(-1);
  if (previous && previous->top_depth_ && row + 1 < previous->RowCount()) {
    return previous->values_[static_cast<std::size_t>(row + 1)];
  }
  return default_;
}

void TFloatColumn::InsertRows(int at, int count) {
  CheckInsert(at, count);
  if (count > 0 && top_depth_ && !Neighbour(1)) {
    throw ETableError("If column if a topdepth then the next column must be a float column");
  }
  for (int row = at; row < at + count; ++row) {
    values_.insert(values_.begin() + row, NewRowValue(row));
  }
  TColumn::InsertRows(at, count);
}

void TFloatColumn::DeleteRow(int row) {
  CheckRow(row);
  const TFloatColumn* next = Neighbour(1);
  if (top_depth_ && next && row > 0 && row < RowCount() - 1 && row - 1 < next->RowCount()) {
    values_[static_cast<std::size_t>(row + 1)] = next->values_[static_cast<std::size_t>(row - 1)];
  }
  values_.erase(values_.begin() + row);
  TColumn::DeleteRow(row);
}

std::string TFloatColumn::CaptionLine(int line) const {
  const std::string text = TColumn::CaptionLine(line);
  if (units_code_.empty() || line != CaptionLineCount() - 1) return text;
  const int units = Table() ? Table()->Units() : 1;
  const TUnitScheme scheme = Table() ? Table()->UnitScheme() : TUnitScheme::TenSlots;
  return text + " (" + RenderUnitsCode(units_code_, units, scheme) + ")  ";
}

double TFloatColumn::AsFloat(int row) const {
  CheckRow(row);
  return values_[static_cast<std::size_t>(row)];
}

void TFloatColumn::Store(int row, double value) {
  values_[static_cast<std::size_t>(row)] = value;
  ReportValueChanged(row);
}

void TFloatColumn::SetFloat(int row, double value) {
  const std::vector<int> rows = RowsWrittenWith(row);
  for (int r : rows) Store(r, value);
  if (rows.size() != 1) return;
  // The linked cell of the neighbouring layer takes the same depth.
  TFloatColumn* next = Neighbour(1);
  TFloatColumn* previous = Neighbour(-1);
  if (top_depth_ && next && row >= 1 && row - 1 < next->RowCount()) {
    next->Store(row - 1, value);
  } else if (previous && previous->top_depth_ && row + 1 < previous->RowCount()) {
    previous->Store(row + 1, value);
  }
}

std::string TFloatColumn::AsText(int row) const { return FormatGeneral(AsFloat(row)); }

void TFloatColumn::SetText(int row, const std::string& text) { SetFloat(row, Evaluate(text)); }

void TFloatColumn::SetUnits(int units) {
  if (!Table()) return;
  const double factor = UnitsConversionFactor(units_code_, Table()->Units(), units, Table()->UnitScheme());
  for (int row = 0; row < RowCount(); ++row) Store(row, values_[static_cast<std::size_t>(row)] * factor);
}

int TFloatColumn::PreferredWidth(const TTextWidth& text_width, int pixels_per_inch) const {
  return std::max(CaptionWidth(text_width), pixels_per_inch / 2);
}

void TFloatColumn::WriteDefinition(TValueWriter& writer) const {
  TColumn::WriteDefinition(writer);
  writer.WriteBoolean(top_depth_);
  writer.WriteString(kMarker);
  writer.WriteString(units_code_);
  writer.WriteFloat(default_);
}

std::unique_ptr<TColumn> TFloatColumn::Clone(TGridTable& table) const {
  auto column = std::make_unique<TFloatColumn>(&table);
  column->CopyBaseDefinition(*this);
  column->top_depth_ = top_depth_;
  column->units_code_ = units_code_;
  column->default_ = default_;
  return column;
}

}  // namespace keldor::gui
