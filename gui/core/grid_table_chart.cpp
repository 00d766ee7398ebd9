#include "grid_table_chart.h"

#include <cmath>

#include "column_type_registry.h"
#include "float_column.h"
#include "stream_error.h"
#include "table_registry.h"
#include "value_stream.h"

namespace keldor::gui {

TGridTableChart::TGridTableChart() : TGridTableChart(nullptr) {}

TGridTableChart::TGridTableChart(TGridTable* parent) : TGridTable(ChartTableRegistry(), ChartColumnTypes(), parent) {}

void TGridTableChart::ReadCol(TValueReader& reader) {
  TGridTable::ReadCol(reader);
  try {
    graphic_.ShowChart = reader.ReadBoolean();
    graphic_.OwnDrawing = reader.ReadBoolean();
    graphic_.XColumn = reader.ReadInteger();
    graphic_.YColumn = reader.ReadInteger();
    graphic_.Reserved1 = reader.ReadInteger();
    graphic_.Reserved2 = reader.ReadInteger();
  } catch (const EStreamError&) {
    throw EStreamError("Error reading graphic parameters");
  }
}

void TGridTableChart::WriteCol(TValueWriter& writer) const {
  TGridTable::WriteCol(writer);
  writer.NewLine();
  writer.WriteBoolean(graphic_.ShowChart);
  writer.WriteBoolean(graphic_.OwnDrawing);
  writer.WriteInteger(graphic_.XColumn);
  writer.WriteInteger(graphic_.YColumn);
  writer.WriteInteger(graphic_.Reserved1);
  writer.WriteInteger(graphic_.Reserved2);
}

std::unique_ptr<TGridTable> TGridTableChart::CreateSubTable(TGridTable& parent, int row) const {
  auto table = std::unique_ptr<TGridTableChart>(new TGridTableChart(&parent));
  table->graphic_ = graphic_;
  table->CopyDefinitionFrom(*this, row);
  return table;
}

void TGridTableChart::KeepRowsOf(const TGridTable& replaced) {
  SetRowCount(replaced.RowCount());
  const int shared = std::min(ColumnCount(), replaced.ColumnCount());
  for (int col = 0; col < shared; ++col) {
    auto* target = dynamic_cast<TFloatColumn*>(&Column(col));
    const auto* source = dynamic_cast<const TFloatColumn*>(&replaced.Column(col));
    if (!target || !source) continue;
    for (int row = 0; row < RowCount(); ++row) target->SetFloat(row, source->AsFloat(row));
  }
}

std::string AxisLabelFormat(double axis_minimum, double axis_maximum) {
  const double low = std::fabs(axis_minimum);
  const double high = std::fabs(axis_maximum);
  if (low == 0 && high == 0) return "#,##0.###";
  if (low > 100000 || high > 100000 || (low < 0.001 && high < 0.001)) return "#.0##E-0";
  return "#,##0.###";
}

}  // namespace keldor::gui
