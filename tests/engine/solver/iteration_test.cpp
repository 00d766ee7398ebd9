#include "solver/iteration.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "wall_fixture.h"

namespace keldor::engine {
namespace {

using test::Wall;

std::vector<IterationMonitorLine> lines;

IterationOutcome run(Wall& wall, const CurveTable& curves, const std::vector<MomentEiCurve>& moment_ei = {},
                     int ITMAX = 100) {
  lines.clear();
  return iterate(wall.geometry, ITMAX, wall.tables, curves, moment_ei, wall.Y,
                 [](const IterationMonitorLine& line) { lines.push_back(line); });
}

// A long free beam on a uniform linear foundation k (F/L²), loaded by P at
// its end. Hetényi's semi-infinite solution: Y(0) = 2·P·β/k with
// β = (k/(4·EI))^¼. Here β = (1/100)^¼ = 0.3162, β·L = 15.8, so the far end
// changes Y(0) by about e^-15.8 (negligible); the difference error is
// O((β·H)²) and was measured as -(β·H)²/4: the test allows half of (β·H)²
// and checks the order by halving H.
struct Foundation {
  double EI = 25, k = 1, L = 50, P = 1;
  double beta() const { return std::pow(k / (4 * EI), 0.25); }
  double end_deflection() const { return 2 * P * beta() / k; }

  Wall wall(int NI) const {
    Wall w(NI, L / NI);
    w.uniform(w.tables.EI, EI);
    w.tables.Q[0] = P;
    w.geometry.TOL = 1e-9;
    return w;
  }
};

double end_deflection_with_springs(const Foundation& f, int NI) {
  Wall wall = f.wall(NI);
  wall.uniform(wall.tables.S, f.k * wall.H());
  run(wall, CurveTable{});
  return wall.Y[0];
}

TEST(Iteration, LinearSpringsMatchHetenyiSemiInfiniteBeam) {
  const Foundation f;
  const double exact = f.end_deflection();  // 0.63246
  const double coarse = end_deflection_with_springs(f, 200);
  const double fine = end_deflection_with_springs(f, 400);
  const double betaH = f.beta() * f.L / 400;
  EXPECT_NEAR(fine, exact, 0.5 * betaH * betaH * exact);
  // Halving H divides the error by four.
  EXPECT_NEAR((coarse - exact) / (fine - exact), 4.0, 0.05);
}

// The same foundation as linear user p-y curves, one at every station,
// chained (all below HFREE = 0): the chain gives half lines at the two ends
// just as the spring table did. The linear curves give the same line at any
// deflection, so iteration 2 repeats iteration 1 and closes.
TEST(Iteration, LinearUserCurvesGiveTheSpringSolution) {
  const Foundation f;
  const double with_springs = end_deflection_with_springs(f, 200);

  Wall wall = f.wall(200);
  std::vector<PyCurveSet> sets;
  for (int j = 0; j <= 200; ++j) sets.push_back({j, 1.0, 1.0, {-10, 0, 10}, {10 * f.k, 0, -10 * f.k}});
  CurveTable curves;
  build_curves_from_user_sets(curves, sets, wall.geometry);
  const IterationOutcome outcome = run(wall, curves);

  EXPECT_NEAR(wall.Y[0], with_springs, 1e-12);
  EXPECT_EQ(outcome.ITER, 2);
  EXPECT_EQ(outcome.NNC, 0);
  EXPECT_EQ(outcome.NOFF, 0);
  EXPECT_EQ(outcome.NEXC, 0);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].NNC, 201);  // every station moved away from the zero start
  EXPECT_EQ(lines[1].NNC, 0);
  EXPECT_DOUBLE_EQ(lines[1].deflections[0], wall.Y[1]);
  EXPECT_DOUBLE_EQ(lines[1].deflections[4], wall.Y[5]);
}

// A soil spring that yields: a cantilever fixed at the bottom, loaded by
// P = 10 at the top, with one curve at the top that resists with stiffness
// 100 up to a reaction of 2 and then stays at 2 (an ultimate resistance).
// The top carries P - 2 = 8 through the wall, so beam theory (with the
// difference error of the tip-load test) gives Y(0) = 8·L³/(3EI)·(1 + 1/(2·NI²)).
TEST(Iteration, YieldingCurveConvergesToItsUltimateResistance) {
  Wall wall(20, 1.0);
  const double EI = 1.0e4, L = 20;
  wall.uniform(wall.tables.EI, EI);
  wall.tables.Q[0] = 10;
  wall.restrain(3, 20, 0.0, 0.0);
  wall.geometry.TOL = 1e-12;
  CurveTable curves;
  curves.add(0, 0, std::vector<double>{-100, -0.02, 0, 0.02, 100}, std::vector<double>{2, 2, 0, -2, -2});
  const IterationOutcome outcome = run(wall, curves);
  EXPECT_EQ(outcome.NNC, 0);
  EXPECT_LT(outcome.ITER, 10);
  const double expected = 8 * L * L * L / (3 * EI) * (1 + 1.0 / (2 * 20 * 20));
  EXPECT_NEAR(wall.Y[0], expected, 1e-10 * expected);
}

TEST(Iteration, StopsWhenADeflectionExceedsTheMaximum) {
  const Foundation f;
  Wall wall = f.wall(100);
  wall.uniform(wall.tables.S, f.k * wall.H());
  wall.geometry.YMAX = 0.5;  // Y(0) = 0.63, and it falls below 0.5 within a few stations
  const IterationOutcome outcome = run(wall, CurveTable{});
  EXPECT_EQ(outcome.ITER, 1);
  EXPECT_GT(outcome.NEXC, 0);
  EXPECT_EQ(lines.size(), 1u);
}

// A tolerance below zero never closes: all ITMAX iterations run and the
// last count of stations not closed is reported.
TEST(Iteration, StopsAtTheIterationLimit) {
  const Foundation f;
  Wall wall = f.wall(40);
  wall.uniform(wall.tables.S, f.k * wall.H());
  wall.geometry.TOL = -1;
  const IterationOutcome outcome = run(wall, CurveTable{}, {}, 7);
  EXPECT_EQ(outcome.ITER, 7);
  EXPECT_EQ(outcome.NNC, 41);
  EXPECT_EQ(lines.size(), 7u);
}

// A moment-EI curve of constant stiffness over the inner stations (the
// ends keep their half values): iteration 1 moves from zero, iteration 2
// repeats it and updates EI (to the same values), iteration 3 finds the
// deflections unchanged since that update and stops.
TEST(Iteration, MomentEiStageRunsUntilStiffnessSettles) {
  const Foundation f;
  Wall wall = f.wall(40);
  wall.uniform(wall.tables.S, f.k * wall.H());
  const std::vector<MomentEiCurve> moment_ei{{1, 39, {0, 1e6}, {f.EI, f.EI}}};
  const IterationOutcome outcome = run(wall, CurveTable{}, moment_ei);
  EXPECT_EQ(outcome.ITER, 3);
  EXPECT_EQ(outcome.NNC, 0);
  EXPECT_DOUBLE_EQ(wall.tables.EI[20], f.EI);
  EXPECT_DOUBLE_EQ(wall.tables.EI[0], f.EI / 2);
}

// A cantilever with a tip load is statically determinate: M(j) = P·j·H
// whatever the stiffness. With a softening moment-EI curve the iteration
// settles where each station's stiffness is the curve's at that moment:
// EI = 1e6 up to M = 1000, then falling linearly to 2.5e5 at M = 3000.
TEST(Iteration, MomentEiIterationFindsTheCurveStiffnessAtEachMoment) {
  Wall wall(20, 1.0);
  const double P = 100;
  wall.uniform(wall.tables.EI, 1.0e6);
  wall.tables.Q[0] = P;
  wall.restrain(3, 20, 0.0, 0.0);
  wall.geometry.TOL = 1e-12;
  const std::vector<MomentEiCurve> moment_ei{{1, 19, {0, 1000, 3000}, {1e6, 1e6, 2.5e5}}};
  const IterationOutcome outcome = run(wall, CurveTable{}, moment_ei);
  EXPECT_EQ(outcome.NNC, 0) << "not closed after " << outcome.ITER;
  for (int j = 1; j <= 19; ++j) {
    const double M = P * j;
    const double expected = M <= 1000 ? 1e6 : 1e6 + (M - 1000) / 2000 * (2.5e5 - 1e6);
    EXPECT_NEAR(wall.tables.EI[j], expected, 1e-6 * expected) << "station " << j;
  }
}

}  // namespace
}  // namespace keldor::engine
