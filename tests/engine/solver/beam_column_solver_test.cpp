#include "solver/beam_column_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "solver/derived_results.h"
#include "wall_fixture.h"

namespace keldor::engine {
namespace {

using test::Wall;

SolutionCounts solve(Wall& wall) { return solve_beam_column(wall.geometry, wall.tables, wall.tables.Q, wall.tables.S, wall.Y); }

// Tolerances: where the discretisation error is written out in closed form
// the comparison allows only rounding, 1e-10 relative (the recursion runs
// through a system whose condition grows as NI⁴).
//
// The difference scheme reproduces the moments of a statically determinate
// beam exactly, and second differences of a cubic exactly; its only error is
// the imaginary station beyond a fixed end, where Y(NI+1) = Y(NI-1) stands for
// the slope. For a cantilever of length L = NI·H fixed at the bottom with a
// load P at the free top that error grows linearly up the wall from
// P·H³/(6EI) at station NI-1 to P·L·H²/(6EI) at the top, so
//   Y(0) = P·L³/(3EI) + P·L·H²/(6EI) = P·L³/(3EI)·(1 + 1/(2·NI²)).
// The half EI at the fixed station NI is what makes the fixed-end curvature
// right: the station's equation is taken over by NI+1, which doubles M(NI).
TEST(BeamColumnSolver, CantileverWithTipLoadMatchesBeamTheory) {
  const double EI = 2.0e7, P = 1500.0;
  Wall wall(40, 6.0);
  wall.uniform(wall.tables.EI, EI);
  wall.tables.Q[0] = P;
  wall.restrain(3, 40, 0.0, 0.0);
  solve(wall);

  const double L = wall.length(), H = wall.H();
  const double beam_theory = P * L * L * L / (3 * EI);  // 0.6912
  EXPECT_NEAR(wall.Y[0], beam_theory + P * L * H * H / (6 * EI), 1e-10 * beam_theory);
  EXPECT_NEAR(wall.Y[0], beam_theory, 1.0 / (2 * 40 * 40) * beam_theory * 1.0001);
  EXPECT_DOUBLE_EQ(wall.Y[40], 0.0);
  EXPECT_NEAR(wall.Y[39], wall.Y[41], 1e-15);

  // Moments M(j) = P·j·H and shear P inside the wall. The moment shown at
  // the fixed station itself is half (its EI is half), so the shear next to
  // it is left out.
  const auto rows = derive_results(wall.geometry, wall.tables, wall.Y);
  for (int j = 1; j < 39; ++j) {
    const ResultRow& row = rows[static_cast<std::size_t>(j + 1)];
    ASSERT_EQ(row.station, j);
    EXPECT_NEAR(row.moment, P * j * H, 1e-8 * P * L) << "station " << j;
    EXPECT_NEAR(row.shear, P, 1e-8 * P) << "station " << j;
  }
}

// A uniform load w (w·H per station, half at the ends). The moments are
// again exact (w·x²/2), but the exact deflection is a quartic whose second
// difference exceeds H²·y'' by w·H⁴/(12EI). Summing that error up from the
// fixed end together with the end error gives
//   Y(0) = w·L⁴/(8EI) + w·L²·H²/(8EI) = w·L⁴/(8EI)·(1 + 1/NI²).
TEST(BeamColumnSolver, UniformlyLoadedCantileverMatchesBeamTheory) {
  const double EI = 5.0e4, w = 12.0;
  Wall wall(50, 0.2);
  wall.uniform(wall.tables.EI, EI);
  wall.uniform(wall.tables.Q, w * wall.H());
  wall.restrain(3, 50, 0.0, 0.0);
  solve(wall);

  const double L = wall.length(), H = wall.H();
  const double beam_theory = w * std::pow(L, 4) / (8 * EI);  // 0.3
  EXPECT_NEAR(wall.Y[0], beam_theory + w * L * L * H * H / (8 * EI), 1e-10 * beam_theory);
}

// The same cantilever upside down: KASE 3 at station 0 fixes the top
// (Y(0) = 0, Y(1) = Y(-1)), the load acts at the tip.
TEST(BeamColumnSolver, RestraintAtTopFixesTheTop) {
  const double EI = 2.0e7, P = -800.0;
  Wall wall(30, 4.0);
  wall.uniform(wall.tables.EI, EI);
  wall.tables.Q[30] = P;
  wall.restrain(3, 0, 0.0, 0.0);
  solve(wall);

  const double L = wall.length(), H = wall.H();
  EXPECT_NEAR(wall.Y[0], 0.0, 1e-15);
  EXPECT_NEAR(wall.Y[1], wall.Y[-1], 1e-15);
  const double expected = P * L * L * L / (3 * EI) + P * L * H * H / (6 * EI);
  EXPECT_NEAR(wall.Y[30], expected, 1e-10 * std::abs(expected));
}

// A simply supported beam (KASE 1 at both ends) under a uniform load: the
// end moments are 0, the moments w·x·(L-x)/2 are exact, and the quartic's
// difference error summed between two zero ends gives at midspan
//   Y = 5·w·L⁴/(384EI) + w·L²·H²/(96EI).
TEST(BeamColumnSolver, SimplySupportedBeamUnderUniformLoad) {
  const double EI = 3.0e5, w = 2.0;
  Wall wall(20, 0.5);
  wall.uniform(wall.tables.EI, EI);
  wall.uniform(wall.tables.Q, w * wall.H());
  wall.restrain(1, 0, 0.0, 0.0);
  wall.restrain(1, 20, 0.0, 0.0);
  solve(wall);

  const double L = wall.length(), H = wall.H();
  const double expected = 5 * w * std::pow(L, 4) / (384 * EI) + w * L * L * H * H / (96 * EI);
  EXPECT_NEAR(wall.Y[10], expected, 1e-10 * expected);
  const auto rows = derive_results(wall.geometry, wall.tables, wall.Y);
  EXPECT_NEAR(rows[1].moment, 0.0, 1e-9);           // station 0
  // Station 10: M = EI·y'' = -w·x·(L-x)/2 = -25 (sagging under a positive load).
  EXPECT_NEAR(rows[11].moment, -w * 5 * 5 / 2, 1e-9);
}

// Deflections and slopes given with no load: the wall moves as a rigid body
// through them, y = YSPEC + slope·x, whatever the rows' combination. Each
// station takes the values of the row that set its code.
TEST(BeamColumnSolver, SpecifiedDeflectionsAndSlopesMoveTheWallRigidly) {
  struct Case {
    const char* name;
    int first_kase, first_sta, second_kase, second_sta;
  };
  // y = 0.1 + 0.01·x along the whole wall.
  for (const Case& c : {Case{"deflection and slope at the top", 3, 0, 0, 0},
                        Case{"deflection at the top, slope at the tip", 1, 0, 2, 12},
                        Case{"slope at station 4, deflection at station 9", 2, 4, 1, 9}}) {
    Wall wall(12, 1.0);
    wall.uniform(wall.tables.EI, 1.0e3);
    auto y = [](int station) { return 0.1 + 0.01 * station; };
    wall.restrain(c.first_kase, c.first_sta, y(c.first_sta), 0.01);
    if (c.second_kase) wall.restrain(c.second_kase, c.second_sta, y(c.second_sta), 0.01);
    solve(wall);
    for (int j = -1; j <= 13; ++j) EXPECT_NEAR(wall.Y[j], y(j), 1e-12) << c.name << ", station " << j;
  }
}

// Overlapping rows: KASE 3 at station 0 sets codes at -1, 0, 1; a KASE 1 row
// at station 1 replaces the code there. Station 1 then takes the second
// row's deflection (a running row counter would hand it the first row's).
TEST(BeamColumnSolver, LaterOverlappingRowReplacesCodeAndValue) {
  Wall wall(10, 1.0);
  wall.uniform(wall.tables.EI, 1.0e3);
  wall.restrain(3, 0, 0.0, 0.0);
  wall.restrain(1, 1, 0.05, 0.0);
  solve(wall);
  EXPECT_DOUBLE_EQ(wall.Y[0], 0.0);
  EXPECT_DOUBLE_EQ(wall.Y[1], 0.05);
  EXPECT_DOUBLE_EQ(wall.Y[-1], 0.05);  // Y(-1) = Y(1) - 2H·0
}

// With no stiffness every equation is H³·S·Y = H³·Q at its own station:
// where S = 0 the pivot is exactly 0, g = 0 and the deflection is 0; the
// solution goes on to the springs below (Y = Q/S there).
TEST(BeamColumnSolver, ZeroPivotGivesZeroDeflectionAndContinues) {
  Wall wall(6, 1.0);
  for (int j = 0; j <= 6; ++j) wall.tables.Q[j] = 3.0;
  wall.tables.S[2] = 1.5;
  wall.tables.S[5] = 6.0;
  wall.geometry.TOL = 0.1;
  const SolutionCounts counts = solve(wall);
  for (int j = -1; j <= 7; ++j) {
    const double expected = j == 2 ? 2.0 : j == 5 ? 0.5 : 0.0;
    EXPECT_EQ(wall.Y[j], expected) << "station " << j;
  }
  EXPECT_EQ(counts.NNC, 2);
}

// A couple T at inner station c of a cantilever fixed at the bottom: the
// moment is 0 above c, T/2 at c and T below, and the deflection is exact:
// y = T·(L-x)²/(2EI) below c and continues with the slope -T·(L-xc)/EI above.
// Shear and net reaction are 0 everywhere once the couple corrections apply.
TEST(BeamColumnSolver, ConcentratedCoupleMakesTheMomentJump) {
  const double EI = 1.0e6, Tcouple = 500.0;
  const int c = 10;
  Wall wall(30, 2.0);
  wall.uniform(wall.tables.EI, EI);
  wall.tables.T[c] = Tcouple;
  wall.tables.couples.push_back({c, Tcouple / (2 * wall.H())});
  wall.restrain(3, 30, 0.0, 0.0);
  solve(wall);

  const double L = wall.length(), H = wall.H(), xc = c * H;
  auto exact = [&](double x) {
    if (x >= xc) return Tcouple * (L - x) * (L - x) / (2 * EI);
    return Tcouple * (L - xc) * (L - xc) / (2 * EI) + Tcouple * (L - xc) / EI * (xc - x);
  };
  for (int j = 0; j <= 30; ++j) EXPECT_NEAR(wall.Y[j], exact(j * H), 1e-10) << "station " << j;

  const auto rows = derive_results(wall.geometry, wall.tables, wall.Y);
  for (int j = 0; j < 29; ++j) {  // the fixed station shows half its moment
    const ResultRow& row = rows[static_cast<std::size_t>(j + 1)];
    const double moment = j < c ? 0.0 : j == c ? Tcouple / 2 : Tcouple;
    EXPECT_NEAR(row.moment, moment, 1e-7) << "station " << j;
    EXPECT_NEAR(row.shear, 0.0, 1e-7) << "station " << j;
    EXPECT_NEAR(row.net_reaction, 0.0, 1e-7) << "station " << j;
  }
}

// Deflections above YMAX and changes above TOL are counted over stations 0
// to NI only. A rigid wall tilted by a slope at the top: y = 0.02·j.
TEST(BeamColumnSolver, CountsExcessAndChangedStations) {
  Wall wall(10, 1.0);
  wall.uniform(wall.tables.EI, 1.0e3);
  wall.restrain(3, 0, 0.0, 0.02);
  wall.geometry.YMAX = 0.15;  // exceeded at stations 8, 9, 10
  wall.geometry.TOL = 0.05;   // changed by more at stations 3 to 10
  const SolutionCounts counts = solve(wall);
  EXPECT_EQ(counts.NEXC, 3);
  EXPECT_EQ(counts.NNC, 8);
}

// A load beyond the range of doubles makes the deflections infinite or not
// a number; they count as exceeding the maximum and as not closed, so the
// iteration stops and the report says so instead of calling it closed.
TEST(BeamColumnSolver, DeflectionsThatAreNotNumbersCountAsExceeding) {
  Wall wall(10, 1.0);
  wall.uniform(wall.tables.EI, 1.0e3);
  wall.tables.Q[4] = std::numeric_limits<double>::infinity();
  wall.restrain(3, 10, 0.0, 0.0);
  const SolutionCounts counts = solve(wall);
  EXPECT_GT(counts.NEXC, 0);
  EXPECT_GT(counts.NNC, 0);
}

}  // namespace
}  // namespace keldor::engine
