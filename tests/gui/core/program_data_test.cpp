#include "program_data.h"

#include <gtest/gtest.h>

#include "general_format.h"
#include "problem_harness.h"

namespace keldor::gui {
namespace {

using testing_support::ProblemHarness;

TEST(ProgramData, NewProblemDefaultsAndEmptiedTables) {
  ProblemHarness h;
  h.Table("NewSoil").SetRowCount(4);
  h.modified.SetModified(true);
  int closed = 0;
  h.context.close_all_children = [&] { ++closed; };
  h.Renew();
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(h.data->FileName, "NewWall.kd4d");
  EXPECT_EQ(h.data->Title, "New Wall");
  EXPECT_EQ(h.data->Units, 1);
  EXPECT_EQ(h.data->StageCount, 1);
  EXPECT_EQ(h.data->GeneratePY, 1);
  EXPECT_EQ(h.data->MaxDeflection, 100);
  EXPECT_EQ(h.data->ClosureTolerance, 0.00001);
  EXPECT_EQ(h.Table("NewSoil").RowCount(), 1);  // MinRows
  EXPECT_EQ(h.Table("PYMod").RowCount(), 2);
  EXPECT_FALSE(h.modified.IsModified());
}

// 100 in × 0.0254 × 39.3701 = 100.000054 in: the two length factors are not reciprocals.
TEST(ProgramData, EnglishToSIAndBackMovesLengthsInTheSixthDigit) {
  ProblemHarness h;
  h.data->SetUnitsSystem(2);
  EXPECT_DOUBLE_EQ(h.data->MaxDeflection, 2.54);
  h.data->SetUnitsSystem(1);
  EXPECT_EQ(FormatGeneral(h.data->MaxDeflection), "100.00005");
  EXPECT_NEAR(h.data->MaxDeflection, 100.000054, 1e-9);
}

// Forces: 1000 lb × 0.0044482225 = 4.4482225 kN; a strip load of 1 psi =
// 0.0044482225 / 0.00064516 = 6.8947586 kN/m²; 1 lb/in = 0.0044482225 / 0.0254 = 0.17512687 kN/m.
TEST(ProgramData, ForcesAndPressuresConvertWithTheirDimension) {
  ProblemHarness h;
  h.data->PointLoad = 1000;
  h.data->StripLoad = 1;
  h.data->LineLoad = 1;
  h.data->Increments = 40;
  h.data->PressureFactor = 0.9;
  h.data->SetUnitsSystem(2);
  EXPECT_NEAR(h.data->PointLoad, 4.4482225, 1e-7);
  EXPECT_NEAR(h.data->StripLoad, 6.8947586, 1e-7);
  EXPECT_NEAR(h.data->LineLoad, 0.17512687, 1e-8);
  EXPECT_EQ(h.data->Increments, 40);
  EXPECT_EQ(h.data->PressureFactor, 0.9);
}

TEST(ProgramData, OtherSystemConvertsNothing) {
  ProblemHarness h;
  h.Table("DistLoad").Cell(0, 1).SetFloat(10);
  h.data->SetUnitsSystem(3);
  EXPECT_EQ(h.data->MaxDeflection, 100);
  EXPECT_EQ(h.Table("DistLoad").Cell(0, 1).AsFloat(), 10);
  h.data->SetUnitsSystem(2);
  EXPECT_EQ(h.data->MaxDeflection, 100);
  EXPECT_EQ(h.data->Units, 2);
  h.data->SetUnitsSystem(9);
  EXPECT_EQ(h.data->Units, 3);
}

TEST(ProgramData, UnitsSwitchConvertsTablesAndTellsTheDialogs) {
  ProblemHarness h;
  int refreshed = 0;
  h.context.units_changed = [&] { ++refreshed; };
  h.Table("DistLoad").Cell(0, 1).SetFloat(10);  // ft
  h.data->SetUnitsSystem(2);
  EXPECT_NEAR(h.Table("DistLoad").Cell(0, 1).AsFloat(), 3.048, 1e-6);
  EXPECT_EQ(refreshed, 1);
}

struct CodeCase {
  const char* name;
  int option;
  bool user;
  int generate_ep;
  int generate_py;
  bool external;
  TBlockKind kind;
  int koutpt;
  int kpyop;
};

class FileCodes : public testing::TestWithParam<CodeCase> {};

TEST_P(FileCodes, FollowFromTheSwitches) {
  const CodeCase& c = GetParam();
  ProblemHarness h;
  h.data->EarthPressureOption = c.option;
  h.data->UserEarthPressure = c.user;
  h.data->GenerateEarthPressure = c.generate_ep;
  h.data->GeneratePY = c.generate_py;
  h.data->ExternalPYCurves = c.external;
  h.data->DeriveFileCodes(c.kind);
  EXPECT_EQ(h.data->KOUTPT, c.koutpt) << c.name;
  EXPECT_EQ(h.data->KPYOP, c.kpyop) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileCodes,
    testing::Values(CodeCase{"new problem", 0, false, 0, 1, false, TBlockKind::ShortTerm, 0, 2},
                    CodeCase{"triangular without p-y generation", 2, false, 0, 0, false, TBlockKind::ShortTerm, 0, 0},
                    CodeCase{"generated after reading", 3, false, 1, 0, true, TBlockKind::ShortTerm, 3, 1},
                    CodeCase{"trapezoidal in a stage file", 3, false, 0, 1, false, TBlockKind::Stage, 2, 2},
                    CodeCase{"long-term block", 3, false, 0, 1, false, TBlockKind::LongTerm, 2, 2},
                    CodeCase{"user pressure", 2, true, 1, 1, false, TBlockKind::ShortTerm, 1, 2}));

TEST(ProgramData, SwitchedOffTablesAreEmptiedAndTheLastSectionIsConstant) {
  ProblemHarness h;
  TGridTable& sections = h.Table("PileSect");
  sections.SetRowCount(2);
  sections.Cell(2, 1).SetInteger(2);
  h.Table("BoundCond").SetRowCount(3);
  h.data->LateralSprings = true;
  h.data->DeriveFileCodes(TBlockKind::ShortTerm);
  EXPECT_EQ(h.Table("BoundCond").RowCount(), 0);
  EXPECT_EQ(h.Table("Soillayer").RowCount(), 0);
  EXPECT_EQ(h.Table("SoilStrength").RowCount(), 1);
  EXPECT_EQ(sections.Cell(2, 1).AsInteger(), 1);
}

TEST(ModifiedState, OwnFlagOrAnyTableChanged) {
  ProblemHarness h;
  EXPECT_FALSE(h.modified.IsModified());
  h.Table("MEICurves2").SetChanged(true);
  EXPECT_TRUE(h.modified.IsModified());
  h.modified.SetModified(false);
  EXPECT_FALSE(h.modified.IsModified());
  EXPECT_FALSE(h.Table("MEICurves2").Changed());
  h.modified.SetModified(true);
  EXPECT_TRUE(h.modified.IsModified());
}

}  // namespace
}  // namespace keldor::gui
