#include "solver/qw_curve.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/run_stop.h"

namespace keldor::engine {
namespace {

QwCurve curve_of(std::vector<double> YC, std::vector<double> PC) {
  CurveTable table;
  table.add(7, 0, YC, PC);
  return table[0];
}

struct LookupCase {
  double w;
  double SSEG, QSEG;
  bool off_curve;
};

// A falling curve: (-2, 4) (-1, 2) (0, 0) (1, -1) (2, -1.5). Lines by hand:
// segment 1-2: SSEG = -(2-4)/1 = 2, QSEG = 2·(-2) + 4 = 0;
// segment 3-4: SSEG = -(-1-0)/1 = 1, QSEG = 1·0 + 0 = 0;
// segment 4-5: SSEG = -(-1.5+1)/1 = 0.5, QSEG = 0.5·1 - 1 = -0.5.
TEST(QwLookup, UsesTheSegmentHoldingTheDeflection) {
  const QwCurve curve = curve_of({-2, -1, 0, 1, 2}, {4, 2, 0, -1, -1.5});
  for (const LookupCase& c : {
           LookupCase{0.5, 1, 0, false},
           LookupCase{1.0, 1, 0, false},     // exactly on a point: the segment ending there
           LookupCase{-1.0, 2, 0, false},    // the same at a point left of the origin
           LookupCase{-2.0, 2, 0, false},    // the first point is still on the curve
           LookupCase{-3.0, 2, 0, true},     // left of the curve: first segment extended
           LookupCase{2.0, 0.5, -0.5, false},
           LookupCase{3.0, 0.5, -0.5, true},  // right of the curve: last segment extended
       }) {
    const SecantLine line = QW(curve, c.w);
    EXPECT_DOUBLE_EQ(line.SSEG, c.SSEG) << "w = " << c.w;
    EXPECT_DOUBLE_EQ(line.QSEG, c.QSEG) << "w = " << c.w;
    EXPECT_EQ(line.off_curve, c.off_curve) << "w = " << c.w;
  }
}

// Two points: the only segment, always counted off the curve, even inside it.
TEST(QwLookup, TwoPointCurveIsAlwaysOffTheCurve) {
  const SecantLine line = QW(curve_of({-1, 1}, {3, -1}), 0.0);
  EXPECT_DOUBLE_EQ(line.SSEG, 2.0);  // -(-1-3)/2
  EXPECT_DOUBLE_EQ(line.QSEG, 1.0);  // 2·(-1) + 3
  EXPECT_TRUE(line.off_curve);
}

// Curves without a segment give no resistance and are reported off the
// curve; a segment of zero length gives the zero line.
TEST(QwLookup, DegenerateCurvesGiveNoResistance) {
  for (const QwCurve& curve : {curve_of({}, {}), curve_of({0.5}, {-2.0}), curve_of({1, 1, 2}, {5, 4, 3})}) {
    const SecantLine line = QW(curve, 0.0);
    EXPECT_EQ(line.SSEG, 0.0);
    EXPECT_EQ(line.QSEG, 0.0);
    EXPECT_TRUE(line.off_curve);
  }
}

TEST(CurveTable, RejectsMoreThanItHolds) {
  CurveTable table;
  const std::vector<double> y{0, 1}, p{0, -1};
  for (int c = 0; c < kMaxCurves; ++c) table.add(c, 1, y, p);
  try {
    table.add(kMaxCurves, 1, y, p);
    FAIL() << "the 401st curve was accepted";
  } catch (const ReportedStop& stop) {
    EXPECT_EQ(stop.lines().front(), "TOO MUCH DATA FOR AVAILABLE STORAGE");
  }
  EXPECT_EQ(table.NCURVE(), kMaxCurves);

  CurveTable one;
  const std::vector<double> many(kMaxCurvePoints + 1, 0.0);
  EXPECT_THROW(one.add(3, 0, many, many), ReportedStop);
  EXPECT_EQ(one.NCURVE(), 0);
}

TEST(CurveTable, RejectsDeflectionsThatDecrease) {
  CurveTable table;
  table.add(1, 0, std::vector<double>{0, 1}, std::vector<double>{0, -1});
  try {
    table.add(12, 0, std::vector<double>{-1, 0, 0, 2, 1.5}, std::vector<double>{1, 0, 0, -1, -2});
    FAIL() << "decreasing deflections accepted";
  } catch (const ReportedStop& stop) {
    ASSERT_EQ(stop.lines().size(), 2u);
    EXPECT_EQ(stop.lines()[0], "ERROR STOP -- P-Y CURVE DEFLECTIONS NOT IN INCREASING ORDER");
    EXPECT_EQ(stop.lines()[1],
              "(curve 2 at station 12: point 5 deflection  0.150E+01 is less than point 4 deflection  0.200E+01)");
  }
}

// H = 0.5, HFREE = 2: station 2 (depth 1) lies above the excavation and acts
// alone; stations 4 (depth 2, not above) and 6 are chained.
TEST(CurveTable, BuildsFromUserSetsWithMultipliers) {
  Geometry geometry;
  geometry.NI = 10;
  geometry.H = 0.5;
  geometry.HFREE = 2.0;
  std::vector<PyCurveSet> sets{{2, 3.0, 0.1, {-1, 0, 1}, {10, 0, -10}},
                               {4, 1.0, 1.0, {0, 1}, {0, -8}},
                               {6, 2.0, 2.0, {0, 1}, {0, -8}}};
  CurveTable table;
  table.add(99, 0, std::vector<double>{0, 1}, std::vector<double>{0, 1});  // an earlier block's curve
  build_curves_from_user_sets(table, sets, geometry);
  ASSERT_EQ(table.NCURVE(), 3);
  EXPECT_EQ(table[0].CSTA, 2);
  EXPECT_EQ(table[0].NPTC, 3);
  EXPECT_EQ(table[0].KCONTC, 0);
  EXPECT_DOUBLE_EQ(table[0].YC[2], 0.1);   // YMULT·1
  EXPECT_DOUBLE_EQ(table[0].PC[0], 15.0);  // H·PMULT·10
  EXPECT_EQ(table[1].KCONTC, 1);
  EXPECT_EQ(table[2].KCONTC, 1);
  EXPECT_DOUBLE_EQ(table[2].YC[1], 2.0);
  EXPECT_DOUBLE_EQ(table[2].PC[1], -8.0);  // 0.5·2·(-8)
}

}  // namespace
}  // namespace keldor::engine
