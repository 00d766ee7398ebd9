#include "main_window_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "enum_column.h"
#include "float_column.h"
#include "grid_table_chart.h"
#include "int_column.h"
#include "stream_error.h"
#include "table_column.h"
#include "table_error.h"

namespace keldor::gui {
namespace {

std::string Blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// One column as the table catalogue lists it.
struct ExpectedColumn {
  char kind;  // 'I' integer, 'E' pick list, 'F' real, 'T' sub-table
  std::vector<std::string> captions;
  std::vector<std::string> items = {};  // pick-list items
  std::string units = "";
  double default_value = 0;  // integer and real columns
  int min_value = 0, max_value = 0;
  std::vector<int> templates = {};
};

struct ExpectedTable {
  const char* name;
  int identifier;
  const char* caption;
  int min_rows, max_rows;
  const char* top_left;
  bool hardwired;
  bool chart;
  std::vector<ExpectedColumn> columns;
};

constexpr int kMax = 2147483647;
constexpr int kMin = -2147483647 - 1;

ExpectedColumn Int(std::vector<std::string> captions, int d, int lo, int hi) {
  return {'I', std::move(captions), {}, "", static_cast<double>(d), lo, hi};
}
ExpectedColumn Pick(std::vector<std::string> captions, std::vector<std::string> items) {
  return {'E', std::move(captions), std::move(items)};
}
ExpectedColumn Real(std::vector<std::string> captions, std::string units, double d = 0) {
  return {'F', std::move(captions), {}, std::move(units), d};
}
ExpectedColumn Sub(std::vector<std::string> captions, std::vector<int> templates) {
  return {'T', std::move(captions), {}, "", 0, 0, 0, std::move(templates)};
}

const std::vector<std::string> kSoils = {"Soft Clay", "Stiff Clay with Free Water", "Stiff Clay w/o Free Water", "Sand",
                                         "Silt (c-phi soil)", "Strong Rock", "Weak Rock"};

std::vector<ExpectedTable> Catalogue() {
  return {
      {"PileSect", 15, "Wall Stiffness", 1, 10, "Section", true, false,
       {Int({"From Node No. (Start)"}, 0, 0, 2147483600), Int({"To Node No. (End)"}, 1, 0, kMax),
        Pick({"Constant or Interpolate?" + Blanks(34)},
             {"Use Constant Value for all Nodes on this Line", "Linear Interpolate to End Node of Next Line"}),
        Real({"Flexural Stiffness (EI)"}, "F-L^2")}},
      {"SoilLayers", 2, "Specify Deflection & Slope Restrains", 1, 10, "Layer", true, false,
       {Pick({"Case" + Blanks(41)}, {"Specify Deflection", "Specify Slope", ""}),
        Int({"Nodal No."}, 0, 0, 2147483600), Real({"Deflection"}, "L"), Real({"Slope"}, "")}},
      {"SoilWeight", 3, "Soil Weight", 2, 20, "Point", true, false,
       {Real({"Depth"}, "L2"), Real({"Unit Weight"}, "F/L2^3")}},
      {"SoilStrength", 4, "Lateral Spring and Rotation Spring", 1, 20, "Point", true, false,
       {Pick({"Constant or Interpolate?" + Blanks(38)},
             {"Use Constant Values for all Nodes on this Line" + Blanks(2), "Linear Interpolate to End Node of Next Line"}),
        Int({"From Node No." + Blanks(5), "(Start)"}, 0, 0, kMax), Int({"To Node No." + Blanks(3), "(End)"}, 0, kMin, kMax),
        Real({"Lateral Spring", "Stiffness"}, "F/L"), Real({"Rotational Spr.", "Stiff."}, "F-L/RAD.")}},
      {"PYMod", 16, "p-y Modification Factors", 2, 30, "", true, false,
       {Real({"Depth"}, "L2"), Real({"p-Multiplier"}, "", 1), Real({"y-Multiplier"}, "", 1)}},
      {"PYCurves", 20, "Sets of Ext. p-y Curves", 2, 30, "", true, false,
       {Int({"Nodal #" + Blanks(1)}, 0, kMin, kMax), Sub({"Curve Sets"}, {21}),
        Real({"Multiplier for", "p-value"}, "", 1), Real({"Multiplier for", "y-value"}, "", 1)}},
      {"PYCurve", 21, "External p-y Curve", 2, 17, "Point", true, false,
       {Real({"Lateral Deflection, y (*)"}, "L"), Real({"Soil Resistance, p"}, "F/L")}},
      {"DistLoad", 22, "Distributed Loads", 2, 100, "", true, false,
       {Real({"Depth measured from the top of the wall,"}, "L2"), Real({"Lateral distributed line load," + Blanks(1)}, "F/L2")}},
      {"BoundCond", 123, "Concentrated Loads on Wall", 1, 20, "", true, false,
       {Pick({"Constant or Interpolate?" + Blanks(34)},
             {"Use Constant Values for all Nodes on this Line", "Linear Interpolate to End Node of Next Line"}),
        Int({"From Node No.", "(Start)"}, 0, 0, 2147483600), Int({"To Node No.", "(End)"}, 1, 0, kMax),
        Real({"Lateral Load"}, "F"), Real({"Moment"}, "F-L"), Real({"Axial Load"}, "F")}},
      {"TipRes", 124, "User-Specified Earth Pressure", 2, 15, "Point", true, false,
       {Real({"Depth"}, "L2"), Real({"tip load"}, "F/L")}},
      {"PYOutpt", 25, "Printing Depths", 1, 10, "Curve No", true, false, {Real({"Depth"}, "L2")}},
      {"AxLoads", 26, "Soil Layer Data", 1, 10, "Number", true, false,
       {Pick({"Soil Type"}, {"Soft clay", "Stiff clay w/ free water", "Stiff clay w/o free water", "Sand", "Silt", "Rock"}),
        Real({"Layer", "Thick.,"}, "L2"), Real({"Total Unit", "Wt,"}, "F/L2^3"), Real({"Cohesion,", Blanks(1)}, "F/L2^2"),
        Real({"Friction", "Angle (deg.)"}, ""), Real({"E50"}, ""), Real({"K,", ""}, "F/L^3")}},
      {"Rows", 27, "Moment and EI data", 1, 100, "Point", true, false,
       {Real({"Bending moment", ""}, "F-L"), Real({"Flexural rigidity", ""}, "F-L^2")}},
      {"Soillayer", 0, "Specify Deflection and Slope on Wall", 1, 10, "No", true, false,
       {Pick({"Case" + Blanks(43)}, {"Specify Deflection", "Specify Slope"}), Int({"Nodal No."}, 0, 0, 2147483600),
        Real({"Deflection"}, "L"), Real({"Slope"}, "")}},
      {"LongDist", 104, "Distributed Load (Long-Term)", 1, 0, "", false, false,
       {Real({"Depth measured from the top of the wall,"}, "L2"), Real({"Lateral distributed line load,"}, "F/L2")}},
      {"LongSoilOld", 105, "Soil Layers (Long-Term)", 1, 10, "", false, false,
       {Int({"Soil type"}, 0, 0, kMax), Real({"Layer", "thick.,"}, "L2"), Real({"Total Unit", "Wt,"}, "F/L2^3"),
        Real({"Cohesion,", ""}, "F/L2^2"), Real({"Friction", "Angle (deg.)"}, ""), Real({"E50"}, ""),
        Real({"K,", ""}, "F/L^3")}},
      {"TblSand1", 17, "Sand", 2, 2, "", false, false,
       {Real({"Total Unit", "Weight,"}, "F/L2^3"), Real({"Friction", "Angle, deg."}, ""), Real({"k(py)"}, "F/L^3")}},
      {"TblClay1", 18, "Clay", 2, 2, "", false, false,
       {Real({"Total Unit", "Weight,"}, "F/L2^3"), Real({"Cohesive", "Strength,"}, "F/L2^2"), Real({"E50", ""}, ""),
        Real({"k(py)"}, "F/L^3")}},
      {"NewSoil", 19, "Soil Layers", 1, 10, "", false, false,
       {Pick({"Soil" + Blanks(1), "Type"}, kSoils), Real({"Depth at Bottom", "of the Layer,"}, "L2"),
        Sub({"Edit Soil", "Parameters"}, {18, 18, 18, 17, 29, 30, 31})}},
      {"TblSilt1", 29, "Silt", 2, 2, "", false, false,
       {Real({"Total Unit" + Blanks(1), "Weight,"}, "F/L2^3"), Real({"Friction", "Angle, deg."}, ""),
        Real({"Cohesive", "Strength,"}, "F/L2^2"), Real({"E50", ""}, ""), Real({"K(py)"}, "F/L^3")}},
      {"TblRock1", 30, "Strong Rock", 2, 2, "", false, false,
       {Real({"Total Unit", "Weight,"}, "F/L2^3"), Real({"Uniaxial Compressive", "Strength,"}, "F/L^2")}},
      {"TblRock2", 31, "Weak Rock", 2, 2, "", false, false,
       {Real({"Total Unit", "Weight,"}, "F/L2^3"), Real({"Uniaxial Compressive", "Strength,"}, "F/L^2"),
        Real({"krm *"}, ""), Real({"Elastic", "Modulus,"}, "F/L^2"), Real({"RQD", "%"}, "")}},
      {"LongSoil", 44, "Soil Layers (Long-Term)", 1, 10, "", false, false,
       {Pick({"Soil", "Type"}, {"Soft Clay", "Stiff Clay with Free water", "Stiff Clay w/o Free Water", "Sand",
                                "Silt (c-phi soil)", "Strong Rock", "Weak Rock"}),
        Real({"Depth at Bottom", "of the Layer,"}, "L2"), Sub({"Edit Soil", "Parameters"}, {18, 18, 18, 17, 29, 30, 31})}},
      {"SurchargeTable", 23, "Surcharge Loads", 1, 20, "", false, false,
       {Pick({"Load Types"}, {"Point Load", "Line Load", "Strip Load"}), Real({"Load Magnitude"}, "SEE NOTES"),
        Real({"Distance, X"}, "L1"), Real({"Width of Strip Load, W"}, "L1")}},
      {"MEICurves", 24, "Nonlinear Moment vs EI Curves", 1, 20, "Section", false, false,
       {Int({"From Node No.", "(Start)"}, 0, 0, kMax), Int({"To Node No.", "(End)"}, 0, 0, kMax), Sub({}, {27})}},
      {"Rows2", 0, "Moment and EI data", 1, 100, "Point", true, true,
       {Real({"Bending moment"}, "F-L"), Real({"Flexural rigidity"}, "F-L^2")}},
      {"MEICurves2", 36, "Nonlinear Moment vs EI Curves", 1, 20, "Section", false, true,
       {Int({"From Node No. (Start)"}, 0, 0, 1000), Int({"To Node No. (End)"}, 0, 0, 1000), Sub({}, {0})}},
      {"PYCurves2", 37, "Sets of Ext. p-y Curves", 2, 30, "", false, true,
       {Int({"Node #" + Blanks(1)}, 0, kMin, kMax), Sub({"Multiplier for p-value"}, {38}),
        Real({"Multiplier for p-value"}, "", 1), Real({"Multiplier for y-value"}, "", 1)}},
      {"PYCurve2", 38, "External p-y Curve", 2, 17, "Point", true, true,
       {Real({"Lateral Deflection, y (*)"}, "L"), Real({"Soil Resistance, p"}, "F/L")}},
  };
}

void ExpectColumn(TGridTable& table, int index, const ExpectedColumn& expected) {
  SCOPED_TRACE("column " + std::to_string(index));
  TColumn& column = table.Column(index);
  EXPECT_EQ(column.Captions(), expected.captions);
  EXPECT_TRUE(column.Visible());
  EXPECT_FALSE(column.GroupShared());
  switch (expected.kind) {
    case 'I': {
      auto& ints = dynamic_cast<TIntColumn&>(column);
      EXPECT_EQ(ints.MinValue(), expected.min_value);
      EXPECT_EQ(ints.MaxValue(), expected.max_value);
      for (int row = 0; row < table.RowCount(); ++row) EXPECT_EQ(ints.AsInteger(row), expected.default_value);
      break;
    }
    case 'E': {
      auto& pick = dynamic_cast<TEnumColumn&>(column);
      EXPECT_EQ(pick.Items(), expected.items);
      for (int row = 0; row < table.RowCount(); ++row) EXPECT_EQ(pick.AsText(row), "1");
      break;
    }
    case 'F': {
      auto& reals = dynamic_cast<TFloatColumn&>(column);
      EXPECT_EQ(reals.UnitsCode(), expected.units);
      EXPECT_FALSE(reals.TopDepth());
      for (int row = 0; row < table.RowCount(); ++row) EXPECT_EQ(reals.AsFloat(row), expected.default_value);
      break;
    }
    case 'T': {
      auto& sub = dynamic_cast<TTableColumn&>(column);
      ASSERT_EQ(sub.Templates().size(), expected.templates.size());
      for (std::size_t i = 0; i < expected.templates.size(); ++i) {
        TGridTable* source = sub.TemplateFor(static_cast<int>(i) + 1);
        ASSERT_NE(source, nullptr);
        EXPECT_EQ(source->Identifier(), expected.templates[i]);
      }
      for (int row = 0; row < table.RowCount(); ++row) ASSERT_NE(sub.AsTable(row), nullptr);
      break;
    }
  }
}

TEST(MainWindowTables, EveryTableHasItsCatalogueDefinition) {
  TMainWindowTables tables;
  const std::vector<ExpectedTable> catalogue = Catalogue();
  ASSERT_EQ(tables.Tables().size(), catalogue.size());
  for (const ExpectedTable& expected : catalogue) {
    SCOPED_TRACE(expected.name);
    TGridTable& table = tables.Table(expected.name);
    EXPECT_EQ(table.Identifier(), expected.identifier);
    EXPECT_EQ(table.Caption(), expected.caption);
    EXPECT_EQ(table.MinRows(), expected.min_rows);
    EXPECT_EQ(table.MaxRows(), expected.max_rows);
    EXPECT_EQ(table.TopLeft(), expected.top_left);
    EXPECT_EQ(table.HardwiredButton(), expected.hardwired);
    EXPECT_EQ(table.RowGroup(), 1);
    EXPECT_EQ(dynamic_cast<TGridTableChart*>(&table) != nullptr, expected.chart);
    table.SetRowCount(table.MinRows());
    ASSERT_EQ(table.ColumnCount(), static_cast<int>(expected.columns.size()));
    for (std::size_t i = 0; i < expected.columns.size(); ++i) ExpectColumn(table, static_cast<int>(i), expected.columns[i]);
  }
}

TEST(MainWindowTables, CaptionsShowUnitsOfTheCurrentSystem) {
  TMainWindowTables tables;
  EXPECT_EQ(tables.Table("SoilWeight").Column(0).CaptionLine(0), "Depth (ft)  ");
  EXPECT_EQ(tables.Table("AxLoads").Column(3).CaptionLine(1), "  (lbs/ft^2)  ");
  EXPECT_EQ(tables.Table("AxLoads").Column(6).CaptionLine(1), " (lbs/in^3)  ");
  EXPECT_EQ(tables.Table("SoilStrength").Column(4).CaptionLine(1), "Stiff. (lbs-in/RAD.)  ");
  EXPECT_EQ(tables.Table("SurchargeTable").Column(1).CaptionLine(0), "Load Magnitude (SEE NOTES)  ");
  tables.SetUnits(2);
  EXPECT_EQ(tables.Table("SurchargeTable").Column(2).CaptionLine(0), "Distance, X (mm)  ");
  EXPECT_EQ(tables.Table("PYCurve2").Column(1).CaptionLine(0), "Soil Resistance, p (kN/m)  ");
  EXPECT_EQ(tables.Table("PileSect").Column(3).CaptionLine(0), "Flexural Stiffness (EI) (kN-m^2)  ");
}

TEST(MainWindowTables, SoilTypeChoosesItsParameterTable) {
  TMainWindowTables tables;
  TGridTable& soil = tables.Table("NewSoil");
  soil.SetRowCount(1);
  soil.Cell(0, 0).SetInteger(4);  // "Sand"
  EXPECT_EQ(soil.Cell(2, 0).AsTable()->Caption(), "Sand");
  EXPECT_EQ(soil.Cell(2, 0).AsTable()->RowCount(), 2);
  soil.Cell(0, 0).SetInteger(7);  // "Weak Rock"
  EXPECT_EQ(soil.Cell(2, 0).AsTable()->Caption(), "Weak Rock");
}

TEST(MainWindowTables, LongDistHasNoUpperRowLimitAndSoilLayersAnEmptyItem) {
  TMainWindowTables tables;
  TGridTable& long_dist = tables.Table("LongDist");
  long_dist.SetRowCount(long_dist.MinRows());
  for (int i = 0; i < 150; ++i) {
    ASSERT_TRUE(long_dist.CanAddRows());
    long_dist.AddGroup();
  }
  EXPECT_EQ(dynamic_cast<TEnumColumn&>(tables.Table("SoilLayers").Column(0)).Items().back(), "");
  TGridTable& sand = tables.Table("TblSand1");
  EXPECT_FALSE(sand.ShowsRowButtons());
  EXPECT_THROW(tables.Table("NoSuchTable"), ETableError);
}

TEST(MainWindowTables, MalformedDefinitionsRaiseStreamErrors) {
  const std::string head = "object T: TGridTable\n  Caption = 'x'\n  Col = {\n";
  struct Case {
    std::string text;
    std::string message;
  } cases[] = {
      {head + "  }\nend\n", "Error reading column count"},
      {head + "  2 2 ('A') True False False 'FLOATCOLUMN2' 'L' 0.0\n  9 ('B')\n  }\nend\n",
       "Error occured when creating column 1: Error Column Class not defined"},
      {"object T: TGridTableChart\n  Col = { 0 True False 1 }\nend\n", "Error reading graphic parameters"},
      {"object T: TGridTable\n  Colour = 3\nend\n", "Unknown property Colour on line 2"},
      {"object T: TStringGrid\nend\n", "Unknown table class TStringGrid on line 1"},
      {"object T: TGridTable\n  MaxRows = 'ten'\nend\n", "Integer expected but ''ten'' found on line 2"},
      {"object T: TGridTable\n  MaxRows = 10\n", "Name expected but the end of the definitions found on line 3"},
  };
  for (const Case& c : cases) {
    try {
      TMainWindowTables tables(c.text);
      ADD_FAILURE() << c.text;
    } catch (const EStreamError& e) {
      EXPECT_EQ(e.what(), c.message);
    }
  }
}

TEST(MainWindowTables, StoredMinRowsBelowOneReadsAsOne) {
  TMainWindowTables tables("object T: TGridTable\n  MinRows = 0\n  Col = { 0 }\nend\n");
  EXPECT_EQ(tables.Table("T").MinRows(), 1);
}

}  // namespace
}  // namespace keldor::gui
