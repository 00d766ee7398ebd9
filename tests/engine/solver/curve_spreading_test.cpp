#include "solver/curve_spreading.h"

#include <gtest/gtest.h>

#include <vector>

#include "driver/run_stop.h"
#include "wall_fixture.h"

namespace keldor::engine {
namespace {

using test::Wall;

// A linear curve through the origin: its line has SSEG = k and QSEG = 0 for
// any deflection inside (-1, 1).
void add_linear(CurveTable& table, int station, int KCONTC, double k) {
  table.add(station, KCONTC, std::vector<double>{-1, 0, 1}, std::vector<double>{k, 0, -k});
}

struct Spread {
  StationTable<double> Qwork, Swork;
  int NOFF = 0;
};

Spread spread(const CurveTable& curves, Wall& wall) {
  Spread out;
  out.NOFF = spread_curves(curves, wall.geometry, wall.tables, wall.Y, out.Qwork, out.Swork);
  return out;
}

TEST(CurveSpreading, SingleCurveActsAtItsStationOnly) {
  Wall wall(20, 1.0);
  wall.tables.S[5] = 1.0;
  wall.tables.Q[3] = 7.0;
  CurveTable curves;
  add_linear(curves, 5, 0, 4.0);
  const Spread s = spread(curves, wall);
  for (int j = -1; j <= 21; ++j) {
    EXPECT_EQ(s.Swork[j], j == 5 ? 5.0 : 0.0) << "station " << j;
    EXPECT_EQ(s.Qwork[j], j == 3 ? 7.0 : 0.0) << "station " << j;
  }
  EXPECT_EQ(s.NOFF, 0);
}

// Chained curves at 10 (k = 2) and 20 (k = 12): stiffness 2 + (j-10) inside,
// half of the line at both ends.
TEST(CurveSpreading, ChainInterpolatesWithHalfValuesAtItsEnds) {
  Wall wall(30, 1.0);
  CurveTable curves;
  add_linear(curves, 10, 1, 2.0);
  add_linear(curves, 20, 1, 12.0);
  const Spread s = spread(curves, wall);
  EXPECT_DOUBLE_EQ(s.Swork[9], 0.0);
  EXPECT_DOUBLE_EQ(s.Swork[10], 1.0);
  for (int j = 11; j <= 19; ++j) EXPECT_DOUBLE_EQ(s.Swork[j], 2.0 + (j - 10)) << "station " << j;
  EXPECT_DOUBLE_EQ(s.Swork[20], 6.0);
  EXPECT_DOUBLE_EQ(s.Swork[21], 0.0);
}

// The same chain on a wall of 15 increments: cut at the tip, which gets half
// of the value interpolated over the full length 10 (2 + 5 = 7, half 3.5).
// A curve of its own below the tip adds nothing.
TEST(CurveSpreading, ChainRunningPastTheTipIsCutThere) {
  Wall wall(15, 1.0);
  CurveTable curves;
  add_linear(curves, 10, 1, 2.0);
  add_linear(curves, 20, 0, 12.0);
  add_linear(curves, 17, 0, 50.0);
  const Spread s = spread(curves, wall);
  EXPECT_DOUBLE_EQ(s.Swork[10], 1.0);
  EXPECT_DOUBLE_EQ(s.Swork[14], 6.0);
  EXPECT_DOUBLE_EQ(s.Swork[15], 3.5);
  EXPECT_DOUBLE_EQ(s.Swork[16], 0.0);
  EXPECT_DOUBLE_EQ(s.Swork[17], 0.0);
}

// The lines follow each station's deflection, and the off-curve flag is
// raised when any deflection lies outside its curve.
TEST(CurveSpreading, LinesFollowTheCurrentDeflections) {
  Wall wall(4, 1.0);
  CurveTable curves;
  // (-1, 3) (0, 0) (1, -1): stiffness 3 left of the origin, 1 right of it.
  curves.add(2, 0, std::vector<double>{-1, 0, 1}, std::vector<double>{3, 0, -1});
  wall.Y[2] = -0.5;
  Spread s = spread(curves, wall);
  EXPECT_DOUBLE_EQ(s.Swork[2], 3.0);
  EXPECT_EQ(s.NOFF, 0);
  wall.Y[2] = 1.5;
  s = spread(curves, wall);
  EXPECT_DOUBLE_EQ(s.Swork[2], 1.0);
  EXPECT_EQ(s.NOFF, 1);
}

// Called again, the work tables start afresh from Q and S.
TEST(CurveSpreading, DoesNotAccumulateAcrossCalls) {
  Wall wall(10, 1.0);
  CurveTable curves;
  add_linear(curves, 4, 0, 3.0);
  Spread s;
  for (int call = 0; call < 3; ++call)
    spread_curves(curves, wall.geometry, wall.tables, wall.Y, s.Qwork, s.Swork);
  EXPECT_DOUBLE_EQ(s.Swork[4], 3.0);
}

TEST(CurveSpreading, ChainStationsOutOfOrderStopTheRun) {
  Wall wall(30, 1.0);
  CurveTable curves;
  add_linear(curves, 20, 1, 2.0);
  add_linear(curves, 10, 1, 2.0);
  try {
    spread(curves, wall);
    FAIL() << "decreasing chain stations accepted";
  } catch (const ReportedStop& stop) {
    EXPECT_EQ(stop.lines().front(), "ERROR STOP -- STATIONS NOT IN ORDER");
    EXPECT_EQ(stop.lines().back(), "(p-y curve 2 at station 10 follows curve 1 at station 20)");
  }
}

}  // namespace
}  // namespace keldor::engine
