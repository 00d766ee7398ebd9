// Switching the units system of every main-window table of a full problem:
// every table at its row limit (100 rows where there is none), every
// curve-set row holding a full curve table.
#include <benchmark/benchmark.h>

#include "grid_table.h"
#include "main_window_tables.h"
#include "table_column.h"

namespace {

using keldor::gui::TGridTable;
using keldor::gui::TMainWindowTables;

void FillToLimit(TGridTable& table) {
  table.SetRowCount(table.MaxRows() > 0 ? table.MaxRows() : 100);
  for (int col = 0; col < table.ColumnCount(); ++col) {
    const auto* sub_tables = dynamic_cast<const keldor::gui::TTableColumn*>(&table.Column(col));
    for (int row = 0; sub_tables && row < table.RowCount(); ++row) {
      if (TGridTable* sub = sub_tables->AsTable(row)) FillToLimit(*sub);
    }
  }
}

void SwitchUnitsOfFullProblem(benchmark::State& state) {
  TMainWindowTables tables;
  for (const auto& named : tables.Tables()) FillToLimit(*named.table);
  int units = 1;
  for (auto _ : state) {
    units = units == 1 ? 2 : 1;
    tables.SetUnits(units);
  }
}

}  // namespace

BENCHMARK(SwitchUnitsOfFullProblem)->Unit(benchmark::kMicrosecond);
