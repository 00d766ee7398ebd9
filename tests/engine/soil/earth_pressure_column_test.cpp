#include "soil/earth_pressure_column.h"

#include <gtest/gtest.h>

#include "driver/run_stop.h"
#include "soil/single_precision.h"
#include "soil_test_state.h"

namespace keldor::engine {
namespace {

using testing::clay;
using testing::sand;
using testing::si_state;

std::vector<double> tops(const EarthPressureColumn& column) {
  std::vector<double> z;
  for (const Sublayer& sub : column.sublayers) z.push_back(sub.ZTOP);
  return z;
}

std::vector<double> thicknesses(const EarthPressureColumn& column) {
  std::vector<double> t;
  for (const Sublayer& sub : column.sublayers) t.push_back(sub.THICK);
  return t;
}

struct SplitCase {
  const char* name;
  double HWALL, DWB;
  std::vector<double> layer_thicknesses;
  std::vector<double> expected_tops;
  int LEXC, LWT;
};

class ColumnSplits : public ::testing::TestWithParam<SplitCase> {};

TEST_P(ColumnSplits, CutAtExcavationAndWaterTable) {
  const SplitCase& c = GetParam();
  std::vector<SoilLayer> layers;
  for (double t : c.layer_thicknesses) layers.push_back(sand(t, 18, 30));
  const EarthPressureColumn column = build_earth_pressure_column(si_state(c.HWALL, c.DWB, layers));
  ASSERT_EQ(tops(column).size(), c.expected_tops.size()) << c.name;
  for (std::size_t i = 0; i < c.expected_tops.size(); ++i) EXPECT_NEAR(tops(column)[i], c.expected_tops[i], 1e-12) << c.name;
  EXPECT_EQ(column.LEXC, c.LEXC) << c.name;
  EXPECT_EQ(column.LWT, c.LWT) << c.name;
  EXPECT_FALSE(column.overflow) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColumnSplits,
    ::testing::Values(
        SplitCase{"water above excavation", 6, 2, {4, 8}, {0, 2, 4, 6}, 4, 2},
        SplitCase{"water below excavation", 6, 9, {4, 8}, {0, 4, 6, 9}, 3, 4},
        SplitCase{"water at excavation: one split", 6, 6 + 5e-6, {4, 8}, {0, 4, 6}, 3, 3},
        SplitCase{"water at the surface: split skipped", 6, 0, {4, 8}, {0, 4, 6}, 3, 1},
        SplitCase{"water at the base: no split", 6, 12, {4, 8}, {0, 4, 6}, 3, 0},
        SplitCase{"water below the base", 6, 30, {4, 8}, {0, 4, 6}, 3, 0},
        SplitCase{"boundary within tolerance: no sliver", 4.000005, 30, {4, 8}, {0, 4}, 2, 0},
        SplitCase{"excavation in layer 2, water in layer 3", 5, 9, {3, 4, 6}, {0, 3, 5, 7, 9}, 3, 5},
        SplitCase{"excavation at the surface", 0, 30, {4, 8}, {0, 4}, 1, 0}));

TEST(EarthPressureColumn, SplitSublayersKeepTheParentProperties) {
  const EarthPressureColumn column = build_earth_pressure_column(si_state(2, 30, {clay(5, 17, 25)}));
  ASSERT_EQ(column.NL(), 2);
  for (int I = 1; I <= 2; ++I) {
    EXPECT_EQ(column.sublayer(I).COH, 25);
    EXPECT_EQ(column.sublayer(I).GAMMA, 17);
    EXPECT_FALSE(column.sublayer(I).DRAINED);
    EXPECT_EQ(column.sublayer(I).AMODF, 1);
    EXPECT_EQ(column.sublayer(I).PMODF, 1);
  }
  EXPECT_EQ(thicknesses(column), (std::vector<double>{2, 3}));
  EXPECT_EQ(column.base_depth, 5);
}

TEST(EarthPressureColumn, ExcavationBelowTheColumnLeavesNoExcavationSublayer) {
  EXPECT_EQ(build_earth_pressure_column(si_state(20, 30, {sand(4, 18, 30), sand(8, 20, 36)})).LEXC, 0);
  // At the base exactly there is no sublayer top either.
  EXPECT_EQ(build_earth_pressure_column(si_state(12, 30, {sand(4, 18, 30), sand(8, 20, 36)})).LEXC, 0);
  EXPECT_EQ(build_earth_pressure_column(si_state(6, 30, {})).LEXC, 0);
}

TEST(EarthPressureColumn, LayerWithoutThicknessEndsTheColumn) {
  for (double bad : {0.0, -3.0}) {
    const EarthPressureColumn column =
        build_earth_pressure_column(si_state(2, 30, {sand(4, 18, 30), sand(bad, 18, 30), sand(8, 20, 36)}));
    EXPECT_EQ(tops(column), (std::vector<double>{0, 2})) << bad;
    EXPECT_EQ(column.base_depth, 4) << bad;
  }
  // The excavation below such a layer is not in the column.
  EXPECT_EQ(build_earth_pressure_column(si_state(6, 30, {sand(4, 18, 30), sand(0, 18, 30), sand(8, 20, 36)})).LEXC, 0);
}

TEST(EarthPressureColumn, TwentySublayersFitAndTwentyOneOverflow) {
  std::vector<SoilLayer> layers(20, sand(1, 18, 30));
  // Excavation and water table on layer boundaries: 20 sublayers.
  const EarthPressureColumn fits = build_earth_pressure_column(si_state(5, 9, layers));
  EXPECT_FALSE(fits.overflow);
  EXPECT_EQ(fits.NL(), 20);
  // A split inside a layer needs a 21st sublayer.
  const EarthPressureColumn over = build_earth_pressure_column(si_state(5.5, 9, layers));
  EXPECT_TRUE(over.overflow);
  EXPECT_EQ(over.NL(), kMaxSublayers);
  // Two splits inside layers.
  EXPECT_TRUE(build_earth_pressure_column(si_state(5.5, 9.5, layers)).overflow);
}

TEST(EarthPressureColumn, DepthsAboveTheBackfillSurfaceAreReportedStops) {
  EXPECT_THROW(build_earth_pressure_column(si_state(6, -1, {sand(12, 18, 30)})), ReportedStop);
  EXPECT_THROW(build_earth_pressure_column(si_state(-1, 3, {sand(12, 18, 30)})), ReportedStop);
  // Within the tolerance of the surface is the surface.
  EXPECT_EQ(build_earth_pressure_column(si_state(6, -5e-6, {sand(12, 18, 30)})).LWT, 1);
}

TEST(Overburden, TwoSandsWithWaterTable) {
  // gamma_w = 10. Total stress at the tops 0, 2, 4, 6 m:
  //   0, 2*18 = 36, 4*18 = 72, 72 + 2*20 = 112;
  // pore pressure (z - 2)*10: 0, 0, 20, 40 -> effective 0, 36, 52, 72.
  ProblemState state = testing::two_sand_state();
  EarthPressureColumn column = build_earth_pressure_column(state);
  compute_overburden(column, state.wall.DWB, 0);
  ASSERT_EQ(column.NL(), 4);
  const double expected[] = {0, 36, 52, 72};
  const bool below[] = {false, true, true, true};
  for (int I = 1; I <= 4; ++I) {
    EXPECT_NEAR(column.sublayer(I).SIGVP, expected[I - 1], 1e-9) << I;
    EXPECT_EQ(column.sublayer(I).BELOWWT, below[I - 1]) << I;
  }
  EXPECT_EQ(column.GAMW, 10.0);
}

TEST(Overburden, UndrainedSublayersKeepTheTotalStressAndSurfacePressureAdds) {
  // Clay 0-6 with water at 0: no pore pressure is taken off; QU = 15.
  ProblemState state = si_state(3, 0, {clay(6, 18, 30)});
  EarthPressureColumn column = build_earth_pressure_column(state);
  compute_overburden(column, 0, 15);
  EXPECT_NEAR(column.sublayer(2).SIGVP, 15 + 3 * 18, 1e-9);
  EXPECT_TRUE(column.sublayer(1).BELOWWT);
}

TEST(Overburden, EnglishUnitWeightOfWaterIsTheSinglePrecisionConstant) {
  EXPECT_EQ(unit_weight_of_water(1), sp(0.036f));
  EXPECT_EQ(unit_weight_of_water(3), sp(0.036f));
  EXPECT_EQ(unit_weight_of_water(2), 10.0);
}

}  // namespace
}  // namespace keldor::engine
