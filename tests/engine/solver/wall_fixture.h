// Station tables of simple walls, set by hand for the solver tests: a
// uniform row from station 0 to NI puts half values at both ends.
#pragma once

#include <vector>

#include "driver/problem_state.h"

namespace keldor::engine::test {

struct Wall {
  Geometry geometry;
  StationTables tables;
  StationTable<double> Y;

  Wall(int NI, double H) {
    geometry.NI = NI;
    geometry.H = H;
    geometry.YMAX = 1e30;
    geometry.TOL = 1e-12;
    tables.clear_codes(NI);
    tables.clear_loads(NI);
  }

  int NI() const { return geometry.NI; }
  double H() const { return geometry.H; }
  double length() const { return geometry.NI * geometry.H; }

  // A table value per unit length, constant from station 0 to NI, as a
  // station table holds it: full inside, half at the two ends.
  void uniform(StationTable<double>& table, double value) {
    for (int j = 0; j <= NI(); ++j) table[j] = (j == 0 || j == NI()) ? 0.5 * value : value;
  }

  // The codes of a restraint row, as the data-file reader sets them.
  void restrain(int KASE, int STA, double YSPEC, double SSPEC) {
    const int row = static_cast<int>(tables.restraints.size());
    tables.restraints.push_back({KASE, STA, YSPEC, SSPEC});
    auto set = [&](int station, int code) {
      tables.KODE[station] = code;
      tables.KROW[station] = row;
    };
    if (KASE == 1) set(STA, 2);
    if (KASE >= 2) {
      set(STA - 1, 3);
      set(STA + 1, 5);
    }
    if (KASE == 3) set(STA, 4);
  }
};

}  // namespace keldor::engine::test
