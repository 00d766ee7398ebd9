#include "solver/iteration.h"

#include <algorithm>
#include <cmath>

#include "solver/beam_column_solver.h"
#include "solver/curve_spreading.h"
#include "solver/moment_ei_update.h"

namespace keldor::engine {
namespace {

int count_changed(const StationTable<double>& Y, const StationTable<double>& YOLD, int NI, double TOL) {
  int count = 0;
  for (int j = 0; j <= NI; ++j)
    if (!(std::abs(Y[j] - YOLD[j]) <= TOL)) ++count;  // not a number counts as moved
  return count;
}

IterationMonitorLine monitor_line(const IterationOutcome& state, const StationTable<double>& Y) {
  IterationMonitorLine line{state.ITER, state.NOFF, state.NNC, {}};
  for (int j = 1; j <= 5; ++j) line.deflections[static_cast<std::size_t>(j - 1)] = Y[j];
  return line;
}

}  // namespace

IterationOutcome iterate(const Geometry& geometry, int ITMAX, StationTables& tables, const CurveTable& curves,
                         const std::vector<MomentEiCurve>& moment_ei_curves, StationTable<double>& Y,
                         const IterationMonitor& monitor) {
  const int NI = geometry.NI;
  Y.fill_through(NI + 3, 0.0);
  StationTable<double> YOLD = Y;
  StationTable<double> Qwork, Swork;
  const int limit = std::max(ITMAX, 1);

  IterationOutcome state;
  for (state.ITER = 1;; ++state.ITER) {
    state.NOFF = spread_curves(curves, geometry, tables, Y, Qwork, Swork);
    const SolutionCounts counts = solve_beam_column(geometry, tables, Qwork, Swork, Y);
    state.NEXC = counts.NEXC;
    state.NNC = counts.NNC;
    if (monitor) monitor(monitor_line(state, Y));

    if (state.NEXC > 0) break;
    if (state.NNC == 0) {
      if (moment_ei_curves.empty()) break;
      // The deflections closed on the current stiffness: compare them with
      // those of the last stiffness update, and update again if they moved.
      state.NNC = count_changed(Y, YOLD, NI, geometry.TOL);
      if (state.NNC == 0) break;
      // After the last solution the stiffness stays the one that produced
      // it, so the reported moments match the reported deflections.
      if (state.ITER == limit) break;
      YOLD = Y;
      update_moment_ei(moment_ei_curves, geometry, Y, tables.EI);
    }
    if (state.ITER == limit) break;
  }
  return state;
}

}  // namespace keldor::engine
