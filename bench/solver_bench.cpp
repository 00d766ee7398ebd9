// Speed of the beam-column solution and the p-y iteration on the largest
// wall the tables hold: 400 increments with a nonlinear curve of 33 points
// at every station below the top (400 curves, the table's limit).
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "solver/beam_column_solver.h"
#include "solver/curve_spreading.h"
#include "solver/iteration.h"

namespace keldor::engine {
namespace {

struct BenchWall {
  Geometry geometry;
  StationTables tables;
  CurveTable curves;
  StationTable<double> Y, Qwork, Swork;

  BenchWall() {
    const int NI = 400;
    geometry = {NI, 0.05, 1e30, 1e-6, 5.0};
    tables.clear_codes(NI);
    tables.clear_loads(NI);
    for (int j = 0; j <= NI; ++j) {
      const double half = (j == 0 || j == NI) ? 0.5 : 1.0;
      tables.EI[j] = half * 5.0e4;
      if (j * geometry.H < geometry.HFREE) tables.Q[j] = half * 2.0 * j * geometry.H * geometry.H;
    }
    // Soil reaction -pu·tanh(y/y50) per station, pu growing with depth.
    std::vector<double> y(33), p(33);
    for (int c = 1; c <= NI; ++c) {
      const double pu = 10.0 + 2.0 * c * geometry.H;
      for (int i = 0; i < 33; ++i) {
        y[static_cast<std::size_t>(i)] = 0.1 * (i - 16) / 16.0;
        p[static_cast<std::size_t>(i)] = -pu * geometry.H * std::tanh(y[static_cast<std::size_t>(i)] / 0.01);
      }
      curves.add(c, 1, y, p);
    }
  }
};

void OneSolution(benchmark::State& state) {
  BenchWall wall;
  for (auto _ : state) {
    benchmark::DoNotOptimize(solve_beam_column(wall.geometry, wall.tables, wall.tables.Q, wall.tables.S, wall.Y));
  }
}
BENCHMARK(OneSolution)->Unit(benchmark::kMicrosecond);

void OneIteration(benchmark::State& state) {
  BenchWall wall;
  for (auto _ : state) {
    benchmark::DoNotOptimize(spread_curves(wall.curves, wall.geometry, wall.tables, wall.Y, wall.Qwork, wall.Swork));
    benchmark::DoNotOptimize(solve_beam_column(wall.geometry, wall.tables, wall.Qwork, wall.Swork, wall.Y));
  }
}
BENCHMARK(OneIteration)->Unit(benchmark::kMicrosecond);

// A tolerance below zero never closes, so all 100 iterations run.
void HundredIterationAnalysis(benchmark::State& state) {
  BenchWall wall;
  wall.geometry.TOL = -1;
  for (auto _ : state) {
    const IterationOutcome outcome = iterate(wall.geometry, 100, wall.tables, wall.curves, {}, wall.Y, nullptr);
    if (outcome.ITER != 100) state.SkipWithError("the analysis stopped early");
  }
}
BENCHMARK(HundredIterationAnalysis)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace keldor::engine
