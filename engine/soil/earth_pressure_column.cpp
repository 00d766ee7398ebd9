#include "soil/earth_pressure_column.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "driver/run_stop.h"
#include "output/fixed_format.h"

namespace keldor::engine {
namespace {

// The depths at which the column is cut, ascending: the excavation level and
// the backfill water table, once when they coincide.
std::vector<double> split_depths(double HWALL, double DWB) {
  std::array<double, 3> s{HWALL, DWB, HWALL};
  std::sort(s.begin(), s.end());
  int count = 3;
  const bool first_two_coincide = s[1] - s[0] < kDepthTolerance;
  if (first_two_coincide) --count;
  if (s[2] - s[1] < kDepthTolerance) --count;
  if (first_two_coincide) s[1] = s[2];
  return std::vector<double>(s.begin(), s.begin() + count);
}

Sublayer sublayer_from(const SoilLayer& layer, double ZTOP, double AMOD) {
  Sublayer sub;
  sub.THICK = layer.THICK;
  sub.GAMMA = layer.VTOP[0];
  sub.COH = layer.VTOP[1];
  sub.PHI = layer.VTOP[2];
  sub.DRAINED = layer.KSOIL == 4 || layer.KSOIL == 5;
  sub.ZTOP = ZTOP;
  sub.AMODF = AMOD;
  sub.PMODF = 1.0;
  return sub;
}

void require_in_column(double depth, const char* what) {
  if (depth < -kDepthTolerance) {
    throw ReportedStop({std::string(what) + " LIES ABOVE THE BACKFILL SURFACE",
                        "(DEPTH =" + format_exponent(depth, 10, 3) + ")"});
  }
}

// Last sublayer whose top lies at the given depth; 0 if none.
int sublayer_at(const EarthPressureColumn& column, double depth) {
  int found = 0;
  for (int K = 1; K <= column.NL(); ++K) {
    if (std::fabs(column.sublayer(K).ZTOP - depth) <= kDepthTolerance) found = K;
  }
  return found;
}

}  // namespace

double unit_weight_of_water(int IUNITS) { return IUNITS == 2 ? 10.0 : sp(0.036f); }

EarthPressureColumn build_earth_pressure_column(const ProblemState& state) {
  const WallRecord& wall = state.wall;
  require_in_column(wall.HWALL, "THE EXCAVATION LEVEL (FREE HEIGHT OF WALL)");
  require_in_column(wall.DWB, "THE WATER TABLE AT THE BACKFILL");

  EarthPressureColumn column;
  column.GAMW = unit_weight_of_water(state.control.IUNITS);

  std::vector<double> splits = split_depths(wall.HWALL, wall.DWB);
  std::size_t next_split = std::fabs(splits.front()) < kDepthTolerance ? 1 : 0;

  std::vector<Sublayer>& out = column.sublayers;
  double ZTOP = 0;
  for (const SoilLayer& layer : state.layers) {
    if (!(layer.THICK > 0)) break;
    out.push_back(sublayer_from(layer, ZTOP, wall.AMOD));
    const double ZBOT = ZTOP + layer.THICK;
    while (next_split < splits.size()) {
      const double split = splits[next_split];
      if (std::fabs(split - ZBOT) < kDepthTolerance) {
        ++next_split;
        break;
      }
      if (split >= ZBOT) break;
      // The split falls inside the sublayer: cut it in two.
      Sublayer lower = out.back();
      out.back().THICK = split - out.back().ZTOP;
      lower.THICK = ZBOT - split;
      lower.ZTOP = split;
      out.push_back(lower);
      ++next_split;
    }
    ZTOP = ZBOT;
  }
  column.base_depth = ZTOP;

  if (column.NL() > kMaxSublayers) {
    column.overflow = true;
    column.base_depth = out[kMaxSublayers].ZTOP;
    out.resize(kMaxSublayers);
  }
  column.LEXC = sublayer_at(column, wall.HWALL);
  column.LWT = sublayer_at(column, wall.DWB);
  return column;
}

void compute_overburden(EarthPressureColumn& column, double DWB, double QU) {
  double SIGVP = QU;
  for (Sublayer& sub : column.sublayers) {
    sub.BELOWWT = std::fabs(sub.ZTOP - DWB) < kDepthTolerance || sub.ZTOP > DWB;
    sub.SIGVP = SIGVP;
    SIGVP += sub.THICK * sub.GAMMA;
  }
  for (Sublayer& sub : column.sublayers) {
    if (sub.DRAINED && sub.BELOWWT) sub.SIGVP -= (sub.ZTOP - DWB) * column.GAMW;
  }
}

}  // namespace keldor::engine
