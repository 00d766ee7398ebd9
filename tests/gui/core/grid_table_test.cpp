#include "grid_table.h"

#include <gtest/gtest.h>

#include <string>

#include "enum_column.h"
#include "fake_table_window.h"
#include "float_column.h"
#include "int_column.h"
#include "main_window_tables.h"
#include "stream_error.h"
#include "table_column.h"
#include "table_definitions_reader.h"
#include "table_error.h"
#include "table_registry.h"
#include "validation_error.h"
#include "value_stream.h"

namespace keldor::gui {
namespace {

using testing_support::FakeTableWindow;
using testing_support::FakeWindowOpener;

std::unique_ptr<TGridTable> TableWithColumns(const std::string& col) {
  auto table = std::make_unique<TGridTable>();
  TValueReader reader(col);
  table->ReadCol(reader);
  return table;
}

std::string ColError(const std::string& col) {
  try {
    TableWithColumns(col);
  } catch (const EStreamError& e) {
    return e.what();
  }
  return "no error";
}

template <typename Action>
std::string ValidationText(Action action) {
  try {
    action();
  } catch (const EValidationError& e) {
    return e.what();
  }
  return "accepted";
}

// Opening a window through the registry's opener, as the Qt layer will.
class WithWindows : public ::testing::Test {
 protected:
  void SetUp() override { GridTableRegistry().SetWindowOpener(&opener); }
  void TearDown() override { GridTableRegistry().SetWindowOpener(nullptr); }
  FakeWindowOpener opener;
};

TEST(GridTable, UnitsSwitchConvertsAndRelabelsRealColumns) {
  auto table = TableWithColumns(
      "2 2 ('Depth') True False False 'FLOATCOLUMN2' 'L2' 0.0"
      " 2 ('Unit Weight') True False False 'FLOATCOLUMN2' 'F/L2^3' 0.0");
  table->SetRowCount(1);
  table->Cell(0, 0).SetFloat(10);   // ft
  table->Cell(1, 0).SetFloat(100);  // lbs/ft^3
  EXPECT_EQ(table->Column(1).CaptionLine(0), "Unit Weight (lbs/ft^3)  ");

  table->SetUnits(2);
  // 10 ft = 3.048 m; 100 pcf = 100 * 4.4482216 N / 0.0283168466 m^3 = 15.7087 kN/m^3.
  EXPECT_NEAR(table->Cell(0, 0).AsFloat(), 3.048, 1e-6);
  EXPECT_NEAR(table->Cell(1, 0).AsFloat(), 15.708746, 1e-5);
  EXPECT_EQ(table->Column(1).CaptionLine(0), "Unit Weight (kN/m^3)  ");

  table->SetUnits(1);
  EXPECT_NEAR(table->Cell(1, 0).AsFloat(), 100, 1e-9);
  table->SetUnits(3);
  EXPECT_NEAR(table->Cell(1, 0).AsFloat(), 100, 1e-9);
  EXPECT_EQ(table->Column(1).CaptionLine(0), "Unit Weight (F/L^3)  ");
}

TEST(GridTable, CaptionWithoutUnitsCodeHasNoParentheses) {
  auto table = TableWithColumns("1 2 ('Slope') True False False 'FLOATCOLUMN2' '' 0.0");
  EXPECT_EQ(table->Column(0).CaptionLine(0), "Slope");
}

// Layer tops (TopDepth) follow the bottoms of the layers above.
TEST(GridTable, TopDepthLinksLayerTopsToBottoms) {
  auto table = TableWithColumns(
      "2 2 ('Top') True False True 'FLOATCOLUMN2' 'L2' 0.0"
      " 2 ('Bottom') True False False 'FLOATCOLUMN2' 'L2' 0.0");
  table->SetRowCount(2);
  table->Cell(1, 0).SetFloat(10);  // bottom of layer 1 -> top of layer 2
  EXPECT_EQ(table->Cell(0, 1).AsFloat(), 10);
  table->Cell(1, 1).SetFloat(20);
  table->InsertGroup(1);  // the new layer runs from 10 to the top of the layer below (10)
  EXPECT_EQ(table->Cell(0, 1).AsFloat(), 10);
  EXPECT_EQ(table->Cell(1, 1).AsFloat(), 10);
  table->Cell(0, 2).SetFloat(15);  // top of layer 3 -> bottom of layer 2
  EXPECT_EQ(table->Cell(1, 1).AsFloat(), 15);
  table->AddGroup();  // appended rows take defaults
  EXPECT_EQ(table->Cell(0, 3).AsFloat(), 0);
  table->DeleteGroup(1);  // the layer below now starts where the layer above ends
  EXPECT_EQ(table->RowCount(), 3);
  EXPECT_EQ(table->Cell(0, 1).AsFloat(), 10);
  EXPECT_EQ(table->Cell(1, 1).AsFloat(), 20);
}

TEST(GridTable, TopDepthColumnNeedsRealColumnAfterIt) {
  auto table = TableWithColumns("1 2 ('Top') True False True 'FLOATCOLUMN2' 'L2' 0.0");
  try {
    table->SetRowCount(1);
    FAIL();
  } catch (const ETableError& e) {
    EXPECT_STREQ(e.what(), "If column if a topdepth then the next column must be a float column");
  }
}

TEST_F(WithWindows, TypedEntriesAreValidated) {
  auto table = TableWithColumns(
      "3 1 ('Node') True False 0 0 2147483600"
      " 2 ('Depth') True False False 'FLOATCOLUMN2' 'L2' 0.0"
      " 0 ('Case') True False ('A' 'B')");
  table->Show();
  ASSERT_NE(table->Window(), nullptr);
  TData& node = table->Cell(0, 0);
  EXPECT_EQ(ValidationText([&] { node.SetText("-1"); }), "Entry must be between 0 and 2147483600.");
  EXPECT_EQ(ValidationText([&] { node.SetText("2.5"); }), "Entry must be an integer.");
  EXPECT_EQ(ValidationText([&] { node.SetText("-2.5"); }), "Entry must be an integer.");
  EXPECT_EQ(ValidationText([&] { node.SetText("3e10"); }), "Entry must be between 0 and 2147483600.");
  node.SetText("2*6");
  EXPECT_EQ(node.AsInteger(), 12);
  EXPECT_EQ(ValidationText([&] { table->Cell(1, 0).SetText("abc"); }),
            "Entry could not be evaluated:\rinvalid character(s) in expression");
  EXPECT_EQ(ValidationText([&] { table->Cell(1, 0).SetText(""); }), "Entry could not be evaluated:\rentry cannot be blank");
  table->Cell(1, 0).SetText("1/3");
  EXPECT_EQ(table->Cell(1, 0).AsText(), "0.33333333");
  EXPECT_EQ(ValidationText([&] { table->Cell(2, 0).SetText("1.5"); }), "Value must be an integer.");
  EXPECT_EQ(ValidationText([&] { table->Cell(2, 0).SetText("1e12"); }), "Value must be an integer.");
  table->Cell(2, 0).SetText("2");
  EXPECT_EQ(table->Cell(2, 0).AsInteger(), 2);
}

TEST(GridTable, WrongTypedAccessAndIndicesAreErrors) {
  auto table = TableWithColumns("1 2 ('Depth') False False False 'FLOATCOLUMN2' 'L2' 0.0");
  table->SetRowCount(1);
  EXPECT_THROW(table->Cell(0, 0).AsInteger(), ETableError);
  EXPECT_THROW(table->Cell(0, 0).SetInteger(1), ETableError);
  EXPECT_THROW(table->Cell(0, 0).AsTable(), ETableError);
  EXPECT_THROW(table->Cell(0, 1), ETableError);
  EXPECT_THROW(table->Cell(1, 0), ETableError);
  EXPECT_EQ(table->VisibleColumnCount(), 0);
  try {
    table->VisibleColumn(0);
    FAIL();
  } catch (const ETableError& e) {
    EXPECT_STREQ(e.what(), "Index out of bounds");
  }
  EXPECT_THROW(table->DeleteGroup(5), ETableError);
  EXPECT_THROW(table->InsertGroup(-1), ETableError);
}

TEST(GridTable, CellHandlesFollowTheirRows) {
  auto table = TableWithColumns("1 1 ('N') True False 0 -5 1000");
  table->SetRowCount(3);
  for (int row = 0; row < 3; ++row) table->Cell(0, row).SetInteger(row * 10);
  TData& last = table->Cell(0, 2);
  table->InsertGroup(0);
  EXPECT_EQ(last.Row(), 3);
  EXPECT_EQ(last.AsInteger(), 20);
  table->DeleteGroup(1);
  table->DeleteGroup(0);
  EXPECT_EQ(last.Row(), 1);
  EXPECT_EQ(last.AsInteger(), 20);
}

TEST(GridTable, RowGroupsAddInsertDeleteAndShareValues) {
  auto table = TableWithColumns(
      "2 2 ('X') True True False 'FLOATCOLUMN2' '' 7.0"
      " 1 ('N') True False 3 0 10");
  table->SetRowGroup(0);
  EXPECT_EQ(table->RowGroup(), 1);
  table->SetRowGroup(2);
  table->AddGroup();
  table->AddGroup();
  EXPECT_EQ(table->RowCount(), 4);
  EXPECT_EQ(table->Cell(0, 3).AsFloat(), 7);
  EXPECT_EQ(table->Cell(1, 3).AsInteger(), 3);
  table->Cell(0, 3).SetFloat(1.5);  // group-shared: rows 2 and 3
  EXPECT_EQ(table->Cell(0, 2).AsFloat(), 1.5);
  EXPECT_EQ(table->Cell(0, 1).AsFloat(), 7);
  table->InsertGroup(3);  // before the group holding row 3: rows 2 and 3 are new
  EXPECT_EQ(table->RowCount(), 6);
  EXPECT_EQ(table->Cell(0, 2).AsFloat(), 7);
  EXPECT_EQ(table->Cell(0, 4).AsFloat(), 1.5);
  table->DeleteGroup(5);
  EXPECT_EQ(table->RowCount(), 4);
  EXPECT_EQ(table->Cell(0, 3).AsFloat(), 7);
}

TEST(GridTable, SettingIdentifierSwapsWithItsHolder) {
  TGridTable a;
  TGridTable b;
  a.SetIdentifier(5000);
  b.SetIdentifier(5001);
  a.SetIdentifier(5001);
  EXPECT_EQ(a.Identifier(), 5001);
  EXPECT_EQ(b.Identifier(), 5000);
  a.SetIdentifier(-3);
  EXPECT_EQ(a.Identifier(), 5001);
  EXPECT_EQ(GridTableRegistry().FindByIdentifier(5000), &b);
  TGridTable c;  // a new table never takes an identifier already held
  EXPECT_NE(c.Identifier(), 5000);
  EXPECT_NE(c.Identifier(), 5001);
}

TEST(GridTable, MinRowsMustBePositiveExceptWhileLoading) {
  TGridTable table;
  try {
    table.SetMinRows(0);
    FAIL();
  } catch (const ETableError& e) {
    EXPECT_STREQ(e.what(), "Value must be greater than 0");
  }
  table.SetLoading(true);
  table.SetMinRows(-4);
  EXPECT_EQ(table.MinRows(), 1);
}

TEST(ColStream, ErrorsNameColumnAndCause) {
  EXPECT_EQ(ColError(""), "Error reading column count");
  EXPECT_EQ(ColError("x"), "Error reading column count");
  EXPECT_EQ(ColError("3 1 ('A') True False 0 0 9\n"
                     "  2 ('B') True False False 'FLOATCOLUMN2' 'L' 0.0\n"
                     "  7 ('C') True False"),
            "Error occured when creating column 2: Error Column Class not defined");
  EXPECT_EQ(ColError("2 1 ('A') True False 0 0 9 1 ('B') True Maybe 0 0 9"),
            "Error occured when creating column 1: True or False expected but 'Maybe' found on line 1");
  EXPECT_EQ(ColError("1 0 ('A' True False ('x')"),
            "Error occured when creating column 0: String expected but 'True' found on line 1");
  EXPECT_EQ(ColError("2 4 ('T') True False 'abc' 1.5"),
            "Error occured when creating column 1: Integer expected but the end of the definitions found on line 1");
  EXPECT_EQ(ColError("1 4 ('T') True False 'abc"),
            "Error occured when creating column 0: Closing quote expected but ''abc' found on line 1");
}

TEST(ColStream, OlderRealColumnFormHasUnitsCodeAndZeroDefault) {
  auto table = TableWithColumns("1 2 ('Depth') True False False 'L2'");
  const auto& column = dynamic_cast<const TFloatColumn&>(table->Column(0));
  EXPECT_EQ(column.UnitsCode(), "L2");
  EXPECT_EQ(column.DefaultValue(), 0);
}

TEST(ColStream, WrittenDefinitionsReadBackTheSame) {
  const std::string col =
      "5 0 ('Type' 'of it') True False ('A' 'B''s' '')"
      " 1 ('N') False True 3 -2 40"
      " 2 () True False True 'FLOATCOLUMN2' 'F/L2^3' 2.5"
      " 2 ('Bottom') True False False 'FLOATCOLUMN2' 'L' -1E-7"
      " 4 ('Note') True False 'n/a' 1.25";
  auto table = TableWithColumns(col);
  TValueWriter first;
  table->WriteCol(first);
  auto copy = TableWithColumns(first.Text());
  TValueWriter second;
  copy->WriteCol(second);
  EXPECT_EQ(first.Text(), second.Text());
  EXPECT_EQ(dynamic_cast<const TEnumColumn&>(copy->Column(0)).Items()[1], "B's");
  EXPECT_EQ(dynamic_cast<const TIntColumn&>(copy->Column(1)).MinValue(), -2);
  EXPECT_FALSE(copy->Column(1).Visible());
  EXPECT_TRUE(copy->Column(1).GroupShared());
  EXPECT_EQ(dynamic_cast<const TFloatColumn&>(copy->Column(3)).DefaultValue(), -1e-7);
}

TEST(ColStream, OlderSubTableFormGivesTemplatesPerItem) {
  // Without hard-wired buttons each pick-list item names the Identifier
  // equal to its number; with them every item uses the registry position.
  auto by_item = TableWithColumns("2 0 ('K') True False ('a' 'b' 'c') 3 ('S') True False 'FLEXCOLUMN' 9");
  const auto& templates = dynamic_cast<const TTableColumn&>(by_item->Column(1)).Templates();
  ASSERT_EQ(templates.size(), 3u);
  EXPECT_EQ(templates[2]->value, 3);
  EXPECT_FALSE(templates[2]->by_position);

  auto hardwired = std::make_unique<TGridTable>();
  hardwired->SetHardwiredButton(true);
  TValueReader reader("2 0 ('K') True False ('a' 'b') 3 ('S') True False 'FLEXCOLUMN' 9");
  hardwired->ReadCol(reader);
  const auto& positions = dynamic_cast<const TTableColumn&>(hardwired->Column(1)).Templates();
  ASSERT_EQ(positions.size(), 2u);
  EXPECT_EQ(positions[1]->value, 9);
  EXPECT_TRUE(positions[1]->by_position);
}

TEST(GridTable, TemplateListsFollowThePickListItems) {
  auto table = TableWithColumns("2 0 ('K') True False ('a' 'b') 3 ('S') True False 'FLEXCOLUMN2' (5 6 7 8)");
  auto& sub_tables = dynamic_cast<const TTableColumn&>(table->Column(1));
  EXPECT_EQ(sub_tables.Templates().size(), 2u);
  dynamic_cast<TEnumColumn&>(table->Column(0)).SetItems({"a", "b", "c"});
  ASSERT_EQ(sub_tables.Templates().size(), 3u);
  EXPECT_FALSE(sub_tables.Templates()[2].has_value());
}

class SoilLayers : public WithWindows {
 protected:
  TMainWindowTables tables;
  TGridTable& soil = tables.Table("NewSoil");
  TGridTable* Layer(int row) { return soil.Cell(2, row).AsTable(); }
};

TEST_F(SoilLayers, PickListChangeReplacesOnlyThatRowsTable) {
  soil.SetRowCount(3);
  TGridTable* first = Layer(0);
  TGridTable* third = Layer(2);
  ASSERT_NE(Layer(1), nullptr);
  EXPECT_EQ(Layer(1)->Caption(), "Clay");
  Layer(1)->Cell(0, 0).SetFloat(120);

  soil.Cell(0, 1).SetInteger(4);  // Sand
  EXPECT_EQ(Layer(0), first);
  EXPECT_EQ(Layer(2), third);
  EXPECT_EQ(Layer(1)->Caption(), "Sand");
  EXPECT_EQ(Layer(1)->RowNumber(), 2);
  EXPECT_EQ(Layer(1)->WindowCaption(), "Sand  2");
  EXPECT_EQ(Layer(1)->RowCount(), 2);
  EXPECT_EQ(Layer(1)->Cell(0, 0).AsFloat(), 0);  // the clay values are gone

  soil.Cell(0, 1).SetInteger(7);
  EXPECT_EQ(Layer(1)->Caption(), "Weak Rock");
  EXPECT_EQ(Layer(1)->ColumnCount(), 5);
}

TEST_F(SoilLayers, DeletingARowRenumbersTheLaterTables) {
  soil.SetRowCount(3);
  soil.Cell(0, 2).SetInteger(4);
  TGridTable* sand = Layer(2);
  soil.DeleteGroup(0);
  ASSERT_EQ(soil.RowCount(), 2);
  EXPECT_EQ(Layer(1), sand);
  EXPECT_EQ(Layer(0)->RowNumber(), 1);
  EXPECT_EQ(sand->RowNumber(), 2);
  const auto& column = dynamic_cast<const TTableColumn&>(soil.Column(2));
  EXPECT_EQ(column.ButtonCaption(0), "1: Clay");
  EXPECT_EQ(column.ButtonCaption(1), "2: Sand");
}

TEST_F(SoilLayers, ChangedFlagsAndUnitsReachSubTables) {
  soil.SetRowCount(2);
  EXPECT_FALSE(soil.Changed());
  Layer(1)->SetChanged(true);
  EXPECT_TRUE(soil.Changed());
  soil.SetChanged(false);
  EXPECT_FALSE(Layer(1)->Changed());

  Layer(1)->Cell(0, 0).SetFloat(100);  // unit weight, lbs/ft^3
  tables.SetUnits(2);
  EXPECT_EQ(Layer(1)->Units(), 2);
  EXPECT_NEAR(Layer(1)->Cell(0, 0).AsFloat(), 15.708746, 1e-5);
  soil.AddGroup();
  EXPECT_EQ(Layer(2)->Units(), 2);  // new sub-tables take the parent's system
}

TEST_F(SoilLayers, ShowRaisesRowsAndSubTableWindowsCloseWithTheParent) {
  EXPECT_EQ(soil.RowCount(), 0);
  soil.Show();
  ASSERT_EQ(opener.windows.size(), 1u);
  EXPECT_EQ(soil.RowCount(), 1);  // MinRows
  EXPECT_EQ(opener.windows[0]->caption, "Soil Layers ");
  auto& column = dynamic_cast<TTableColumn&>(soil.Column(2));
  column.ClickButton(0);
  ASSERT_EQ(opener.windows.size(), 2u);
  EXPECT_EQ(opener.windows[1]->caption, "Clay  1");
  EXPECT_FALSE(opener.windows[1]->IsModal());

  soil.Cell(0, 0).SetInteger(2);
  EXPECT_EQ(opener.windows[0]->cells.back(), std::make_pair(0, 0));
  soil.CloseForms();
  EXPECT_FALSE(opener.windows[0]->open);
  EXPECT_EQ(soil.Window(), nullptr);
}

TEST_F(WithWindows, WindowHooksAndHelpPicture) {
  auto table = TableWithColumns("1 2 ('D') True False False 'FLOATCOLUMN2' 'L' 0.0");
  table->SetMinRows(3);
  table->ShowModal();
  ASSERT_EQ(opener.windows.size(), 1u);
  FakeTableWindow& window = *opener.windows[0];
  EXPECT_TRUE(window.IsModal());
  EXPECT_EQ(table->RowCount(), 3);
  const int refreshes = window.refreshes;
  table->AddGroup();
  table->SetUnits(2);
  EXPECT_EQ(window.refreshes, refreshes + 2);
  table->SetHelpPicture("wall.png");
  EXPECT_EQ(window.pictures, 1);
  table->SetRowNumber(4);
  EXPECT_EQ(window.caption, "  4");
  table.reset();  // destroying the table closes its window
  EXPECT_FALSE(window.open);
}

TEST_F(WithWindows, TableWithoutVisibleColumnsOpensNoWindow) {
  auto table = TableWithColumns("1 2 ('D') False False False 'FLOATCOLUMN2' 'L' 0.0");
  table->Show();
  EXPECT_TRUE(opener.windows.empty());
}

TEST(GridTable, ApplicationRowObjectsUseTheEvents) {
  auto table = TableWithColumns("1 3 ('S') True False 'FLEXCOLUMN2' (-1)");
  int hidden = 0;
  std::vector<int> numbered;
  table->OnInitRow = [](TGridTable&, int, int row, int, TGridTable::TRowData& data) {
    data = std::make_shared<int>(row);
  };
  table->OnSetRow = [&](TGridTable&, int, const TGridTable::TRowData&, int row) { numbered.push_back(row); };
  table->OnGetButtonCaption = [](TGridTable&, int, int, const TGridTable::TRowData& data, std::string& caption) {
    caption = "object " + std::to_string(*std::static_pointer_cast<int>(data));
  };
  table->OnGetChanged = [](TGridTable&, int, int row, const TGridTable::TRowData&, bool& changed) { changed = row == 1; };
  table->OnHide = [&](TGridTable&, int, int, const TGridTable::TRowData&) { ++hidden; };
  table->SetRowCount(2);
  const auto& column = dynamic_cast<const TTableColumn&>(table->Column(0));
  EXPECT_EQ(column.ButtonCaption(1), "2: object 1");
  EXPECT_TRUE(table->Changed());
  table->CloseForms();
  EXPECT_EQ(hidden, 2);
  table->DeleteGroup(0);
  EXPECT_EQ(numbered.back(), 0);  // the remaining object was told its new row
}

TEST(GridTable, TemplatesThatContainThemselvesAreRefused) {
  auto outer = TableWithColumns("1 3 ('S') True False 'FLEXCOLUMN2' (-1)");
  auto& column = dynamic_cast<TTableColumn&>(outer->Column(0));
  column.SetTemplates({TTemplateReference{outer->Identifier(), false}});
  outer->SetMinRows(1);
  EXPECT_THROW(outer->SetRowCount(1), ETableError);
}

}  // namespace
}  // namespace keldor::gui
