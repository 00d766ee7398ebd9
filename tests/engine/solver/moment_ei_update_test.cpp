#include "solver/moment_ei_update.h"

#include <gtest/gtest.h>

#include <vector>

#include "wall_fixture.h"

namespace keldor::engine {
namespace {

using test::Wall;

// Curve (M, EI): (0, 1000) (10, 800) (20, 500) (30, 400). A station with
// Y = 0, -0.01, 0 around it and H = 1 has curvature φ = 0.02.
// Point 2: 10 > 0.02·800 = 16? no. Point 3: 20 > 0.02·500 = 10? yes: k = 3.
// t = (10 - 0.02·800) / (0.02·(500 - 800) - 20 + 10) = -6 / -16 = 0.375,
// EI = 800 + 0.375·(500 - 800) = 687.5 (check: M = 13.75 = 0.02·687.5).
TEST(MomentEiUpdate, PutsStiffnessWhereTheCurveMeetsTheCurvature) {
  Wall wall(10, 1.0);
  wall.uniform(wall.tables.EI, 2000);
  wall.Y[5] = -0.01;
  const std::vector<MomentEiCurve> curves{{4, 6, {0, 10, 20, 30}, {1000, 800, 500, 400}}};
  update_moment_ei(curves, wall.geometry, wall.Y, wall.tables.EI);
  EXPECT_DOUBLE_EQ(wall.tables.EI[5], 687.5);
  // Stations 4 and 6: φ = 0.01; point 2: 10 > 8, k = 2;
  // t = (0 - 0.01·1000) / (0.01·(800 - 1000) - 10 + 0) = -10 / -12, EI = 1000 - 200·10/12.
  EXPECT_DOUBLE_EQ(wall.tables.EI[4], 1000 - 200.0 * 10 / 12);
  EXPECT_DOUBLE_EQ(wall.tables.EI[6], wall.tables.EI[4]);
  EXPECT_DOUBLE_EQ(wall.tables.EI[3], 2000);
}

// No point up to the last but one qualifies: the last segment is used.
// φ = 0.2: 10 > 160? 20 > 100? no, so k = 4 (points (20, 500) and (30, 400)):
// t = (20 - 100) / (0.2·(400 - 500) - 30 + 20) = -80 / -30, EI = 500 - 100·8/3.
TEST(MomentEiUpdate, BeyondTheCurveUsesTheLastSegment) {
  Wall wall(10, 1.0);
  wall.Y[5] = 0.1;
  const std::vector<MomentEiCurve> curves{{5, 5, {0, 10, 20, 30}, {1000, 800, 500, 400}}};
  update_moment_ei(curves, wall.geometry, wall.Y, wall.tables.EI);
  EXPECT_DOUBLE_EQ(wall.tables.EI[5], 500 - 100.0 * 8 / 3);
}

// A segment that never meets the curvature (here two points of equal moment
// at zero curvature) keeps its first point's stiffness; a curve of one point
// changes nothing; a range reaching beyond the wall is cut to stations 0 to
// NI, so no stiffness appears beyond the tip.
TEST(MomentEiUpdate, DegenerateCurvesAndRangesAreSafe) {
  Wall wall(10, 1.0);
  wall.uniform(wall.tables.EI, 2000);
  const std::vector<MomentEiCurve> curves{{-50, 500, {5, 5}, {1000, 900}}, {2, 3, {1}, {7}}};
  update_moment_ei(curves, wall.geometry, wall.Y, wall.tables.EI);
  for (int j = 0; j <= 10; ++j) EXPECT_EQ(wall.tables.EI[j], 1000) << "station " << j;
  EXPECT_EQ(wall.tables.EI[-1], 0);
  EXPECT_EQ(wall.tables.EI[11], 0);
}

}  // namespace
}  // namespace keldor::engine
