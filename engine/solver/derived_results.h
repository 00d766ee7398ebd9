// Slope, moment, shear and net soil reaction along the wall, derived from
// the deflections of the last solution.
#pragma once

#include <vector>

#include "driver/problem_state.h"

namespace keldor::engine {

struct ResultRow {
  int station = 0;
  double depth = 0;
  double deflection = 0;
  double slope = 0;
  double moment = 0;
  double shear = 0;
  double net_reaction = 0;  // per station
  double EI = 0;
};

// Rows for stations -1 to NI+1, in order (row k holds station k-1). The
// report shows stations 0 to NI, the plot-data file 0 to NI+1. Y holds the
// solution for stations -1 to NI+1; the imaginary stations -2 and NI+2 are
// extrapolated linearly, and the moments of -2 and -1 are taken as 0.
std::vector<ResultRow> derive_results(const Geometry& geometry, const StationTables& tables,
                                      const StationTable<double>& Y);

}  // namespace keldor::engine
