#include "grid_table_chart.h"

#include <gtest/gtest.h>

#include "in_out_error.h"
#include "main_window_tables.h"
#include "table_registry.h"
#include "table_values_import.h"
#include "value_stream.h"

namespace keldor::gui {
namespace {

class ChartTables : public ::testing::Test {
 protected:
  TMainWindowTables tables;
  TGridTable& rows2 = tables.Table("Rows2");
};

TEST_F(ChartTables, FileLinesFillRowsAndSurplusRowsGo) {
  rows2.SetRowCount(4);
  EXPECT_EQ(ReadValuesFromFile(rows2, KELDOR_GUI_CORE_FIXTURES_DIR "/moment_ei.txt"), 2);
  ASSERT_EQ(rows2.RowCount(), 2);
  EXPECT_EQ(rows2.Cell(0, 0).AsFloat(), 100);
  EXPECT_EQ(rows2.Cell(1, 0).AsFloat(), 2.5e9);
  EXPECT_EQ(rows2.Cell(0, 1).AsFloat(), 200);
  EXPECT_EQ(rows2.Cell(1, 1).AsFloat(), 2.4e9);
}

TEST_F(ChartTables, SingleUsableLineFillsOneRow) {
  rows2.SetRowCount(3);
  EXPECT_EQ(ReadValuesFromFile(rows2, KELDOR_GUI_CORE_FIXTURES_DIR "/one_line.txt"), 1);
  EXPECT_EQ(rows2.RowCount(), 1);
  EXPECT_EQ(rows2.Cell(1, 0).AsFloat(), 6);
  EXPECT_THROW(ReadValuesFromFile(rows2, "/nonexistent/values.txt"), EInOutError);
}

TEST_F(ChartTables, PastedLinesFillRowsWithOrWithoutFinalBreak) {
  EXPECT_EQ(PasteValuesFromText(rows2, "1 2\r\n3 4"), 2);
  ASSERT_EQ(rows2.RowCount(), 2);
  EXPECT_EQ(rows2.Cell(1, 1).AsFloat(), 4);
  EXPECT_EQ(PasteValuesFromText(rows2, "5 6\n7 8\n9 10\n"), 3);  // line feeds alone end lines too
  EXPECT_EQ(rows2.Cell(0, 2).AsFloat(), 9);
  EXPECT_EQ(PasteValuesFromText(rows2, "no numbers here"), 0);
  EXPECT_EQ(rows2.RowCount(), 3);  // nothing used: the table stays as it was
}

TEST_F(ChartTables, ImportStopsAtMaxRows) {
  std::string text;
  for (int i = 0; i < 120; ++i) text += std::to_string(i) + " 1\n";
  EXPECT_EQ(PasteValuesFromText(rows2, text), 100);
  EXPECT_EQ(rows2.RowCount(), 100);
  EXPECT_EQ(rows2.Cell(0, 99).AsFloat(), 99);
}

TEST(ChartValues, NumbersOfLine) {
  EXPECT_EQ(NumbersOfLine("  1\t2,3 x 4"), (std::vector<double>{1, 2, 3}));
  EXPECT_TRUE(NumbersOfLine("1e999 2").empty());
  std::string many;
  for (int i = 0; i < 20; ++i) many += "1 ";
  EXPECT_EQ(NumbersOfLine(many).size(), 15u);
}

TEST_F(ChartTables, ChartTemplatesComeFromTheChartRegistry) {
  // Identifier 0 names Rows2 among chart tables, Soillayer among grid tables.
  TGridTable& curves = tables.Table("MEICurves2");
  curves.SetRowCount(1);
  ASSERT_NE(curves.Cell(2, 0).AsTable(), nullptr);
  EXPECT_EQ(curves.Cell(2, 0).AsTable()->Caption(), "Moment and EI data");
  EXPECT_NE(dynamic_cast<TGridTableChart*>(curves.Cell(2, 0).AsTable()), nullptr);
}

TEST_F(ChartTables, SubTablesCopyGraphicParameters) {
  TGridTable& sets = tables.Table("PYCurves2");
  sets.SetRowCount(2);
  const auto& curve = dynamic_cast<const TGridTableChart&>(*sets.Cell(1, 1).AsTable());
  EXPECT_TRUE(curve.GraphicParameters().ShowChart);
  EXPECT_EQ(curve.GraphicParameters().YColumn, 1);
  EXPECT_EQ(curve.WindowCaption(), "External p-y Curve  2");
}

TEST(ChartTable, RecreatedRowTableKeepsRowsAndSharedRealValues) {
  TMainWindowTables tables(
      "object A: TGridTableChart\n  Identifier = 901\n  Caption = 'A'\n  MinRows = 2\n"
      "  Col = { 2 2 ('x') True False False 'FLOATCOLUMN2' 'L' 0.0 2 ('y') True False False 'FLOATCOLUMN2' 'F' 0.0"
      " True False 0 1 0 0 }\nend\n"
      "object B: TGridTableChart\n  Identifier = 902\n  Caption = 'B'\n  MinRows = 1\n"
      "  Col = { 2 2 ('x') True False False 'FLOATCOLUMN2' 'L' 5.0 1 ('n') True False 0 0 9"
      " True False 0 1 0 0 }\nend\n"
      "object S: TGridTableChart\n  Col = { 2 0 ('k') True False ('a' 'b') 3 () True False 'FLEXCOLUMN2' (901 902)"
      " False False 0 0 0 0 }\nend\n");
  TGridTable& sets = tables.Table("S");
  sets.SetRowCount(1);
  TGridTable* a = sets.Cell(1, 0).AsTable();
  a->AddGroup();
  a->Cell(0, 2).SetFloat(7.5);
  sets.Cell(0, 0).SetInteger(2);
  TGridTable* b = sets.Cell(1, 0).AsTable();
  EXPECT_EQ(b->Caption(), "B");
  EXPECT_EQ(b->RowCount(), 3);
  EXPECT_EQ(b->Cell(0, 2).AsFloat(), 7.5);
  EXPECT_EQ(b->Cell(1, 2).AsInteger(), 0);
  EXPECT_EQ(tables.Table("B").RowCount(), 0);  // the template is untouched
}

TEST(ChartTable, SixSlotUnitsAndColRoundTrip) {
  TMainWindowTables tables;
  TGridTable& rows2 = tables.Table("Rows2");
  rows2.SetUnits(2);
  EXPECT_EQ(rows2.Column(1).CaptionLine(0), "Flexural rigidity (kN-m^2)  ");
  TValueWriter writer;
  rows2.WriteCol(writer);
  TGridTableChart copy;
  TValueReader reader(writer.Text());
  copy.ReadCol(reader);
  EXPECT_TRUE(copy.GraphicParameters().ShowChart);
  EXPECT_EQ(copy.GraphicParameters().YColumn, 1);
  EXPECT_EQ(copy.ColumnCount(), 2);
}

TEST(ChartAxis, LabelFormatFollowsTheRange) {
  EXPECT_EQ(AxisLabelFormat(0, 0), "#,##0.###");
  EXPECT_EQ(AxisLabelFormat(0, 5000), "#,##0.###");
  EXPECT_EQ(AxisLabelFormat(0, 2.5e9), "#.0##E-0");
  EXPECT_EQ(AxisLabelFormat(-200000, 10), "#.0##E-0");
  EXPECT_EQ(AxisLabelFormat(0.0001, 0.0005), "#.0##E-0");
  EXPECT_EQ(AxisLabelFormat(0, 0.0005), "#.0##E-0");
  EXPECT_EQ(AxisLabelFormat(0.0001, 0.01), "#,##0.###");
}

}  // namespace
}  // namespace keldor::gui
