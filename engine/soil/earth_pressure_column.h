// The soil behind the wall from the backfill surface down, cut into
// sublayers that lie wholly above or below the excavation level and the
// backfill water table, with the vertical stress at every sublayer top.
#pragma once

#include <vector>

#include "driver/problem_state.h"
#include "soil/single_precision.h"

namespace keldor::engine {

// The column holds at most this many sublayers (its table has one more
// entry for the terminator).
inline constexpr int kMaxSublayers = 20;

struct Sublayer {
  double THICK = 0;
  double COH = 0;    // layer-top cohesion of the parent layer
  double PHI = 0;    // friction angle, degrees
  double GAMMA = 0;  // total unit weight
  bool DRAINED = false;
  double ZTOP = 0;
  double AMODF = 1;  // active modification factor
  double PMODF = 1;  // passive modification factor
  bool BELOWWT = false;
  double SIGVP = 0;  // vertical stress at the top: effective when drained below water, else total
  double KA = 0, KP = 0, SQKA = 0, SQKP = 0;
};

struct EarthPressureColumn {
  // Sublayer I (1-based, as the report numbers them) is sublayers[I - 1].
  std::vector<Sublayer> sublayers;
  double base_depth = 0;  // ZTOP(NL + 1)
  int LEXC = 0;           // sublayer whose top lies at the excavation level; 0 if none
  int LWT = 0;            // sublayer whose top lies at the backfill water table; 0 if none
  double GAMW = 0;        // unit weight of water
  bool overflow = false;  // more sublayers were needed than the column holds

  int NL() const { return static_cast<int>(sublayers.size()); }
  Sublayer& sublayer(int I) { return sublayers.at(static_cast<std::size_t>(I - 1)); }
  const Sublayer& sublayer(int I) const { return sublayers.at(static_cast<std::size_t>(I - 1)); }
};

// Within this distance two depths are the same depth.
inline constexpr double kDepthTolerance = sp(1e-5f);

// Unit weight of water of the unit system: 10 kN/m3 for SI, else 0.036 lb/in3.
double unit_weight_of_water(int IUNITS);

// Loads the layers and cuts them at the excavation level and the backfill
// water table; sets LEXC, LWT and the overflow flag. A layer of zero or
// negative thickness ends the column. A split depth above the backfill
// surface cannot be placed in the column: ReportedStop.
EarthPressureColumn build_earth_pressure_column(const ProblemState& state);

// Below-water flags and the vertical stress at every sublayer top, from the
// uniform surface pressure QU down, less the pore pressure in drained
// sublayers below the water table.
void compute_overburden(EarthPressureColumn& column, double DWB, double QU);

}  // namespace keldor::engine
