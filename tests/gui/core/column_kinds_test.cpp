#include <gtest/gtest.h>

#include <string>

#include "column_type_registry.h"
#include "enum_column.h"
#include "float_column.h"
#include "grid_table.h"
#include "int_column.h"
#include "stream_error.h"
#include "string_column.h"
#include "table_column.h"
#include "value_stream.h"

namespace keldor::gui {
namespace {

TEST(ColumnTypes, CodesBothWaysAndEmptyCheck) {
  TGridTable table;
  EXPECT_EQ(GridColumnTypes().CodeOf(TEnumColumn(&table)), 0);
  EXPECT_EQ(GridColumnTypes().CodeOf(TIntColumn(&table)), 1);
  EXPECT_EQ(GridColumnTypes().CodeOf(TFloatColumn(&table)), 2);
  EXPECT_EQ(GridColumnTypes().CodeOf(TTableColumn(&table)), 3);
  EXPECT_EQ(GridColumnTypes().CodeOf(TStringColumn(&table)), 4);
  EXPECT_EQ(GridColumnTypes().ReaderOf(5), nullptr);

  TColumnTypeRegistry registry;
  registry.RegisterStandardKinds();
  registry.Unregister(2);
  EXPECT_EQ(registry.CodeOf(TFloatColumn(&table)), -1);  // written as -1
  try {
    registry.CheckEmpty();
    FAIL();
  } catch (const EStreamError& e) {
    EXPECT_STREQ(e.what(), "Column Type list not empty");
  }
  registry.UnregisterStandardKinds();
  EXPECT_NO_THROW(registry.CheckEmpty());
}

// With 96 pixels per inch and 7 pixels per character.
TEST(ColumnTypes, PreferredWidthsHaveKindMinimums) {
  TGridTable table;
  TValueReader reader(
      "5 1 ('N') True False 0 0 9 2 ('A long caption line') True False False 'FLOATCOLUMN2' 'L2' 0.0"
      " 0 ('K') True False ('a') 3 ('S') True False 'FLEXCOLUMN2' (-1) 4 ('T') True False '' 2.5");
  table.ReadCol(reader);
  const TTextWidth width = [](const std::string& text) { return 7 * static_cast<int>(text.size()); };
  EXPECT_EQ(table.Column(0).PreferredWidth(width, 96), 48);           // ppi / 2
  EXPECT_EQ(table.Column(1).PreferredWidth(width, 96), 7 * (19 + 7 + 2));  // "A long caption line (ft)  " + 2 blanks
  EXPECT_EQ(table.Column(2).PreferredWidth(width, 96), 144);          // ppi * 3 / 2
  EXPECT_EQ(table.Column(3).PreferredWidth(width, 96), 192);          // ppi * 2
  EXPECT_EQ(table.Column(4).PreferredWidth(width, 96), 240);          // ppi * 2.5 in
}

}  // namespace
}  // namespace keldor::gui
