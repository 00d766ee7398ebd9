#include "solver/curve_spreading.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "driver/run_stop.h"

namespace keldor::engine {
namespace {

class Spreader {
 public:
  Spreader(const StationTable<double>& Y, StationTable<double>& Qwork, StationTable<double>& Swork)
      : Y_(Y), Qwork_(Qwork), Swork_(Swork) {}

  int NOFF() const { return NOFF_; }

  // The whole line of one curve at its station.
  void add_single(const QwCurve& curve, int station) { add(station, line(curve, station), 1.0); }

  // The segment between curve `start` and curve `end`, over stations first
  // to last; the interpolation runs over the full segment.
  void add_segment(const QwCurve& start, const QwCurve& end, int first, int last) {
    const double per_station = 1 / (static_cast<double>(end.CSTA) - start.CSTA);
    for (int j = first; j <= last; ++j) {
      const SecantLine top = line(start, j);
      const SecantLine bottom = line(end, j);
      const double fraction = (j - static_cast<double>(start.CSTA)) * per_station;
      const SecantLine mixed{top.SSEG + (bottom.SSEG - top.SSEG) * fraction,
                             top.QSEG + (bottom.QSEG - top.QSEG) * fraction};
      const double share = (j == first ? 0.5 : 0.0) + (j == last ? 0.5 : 0.0);
      add(j, mixed, 1.0 - share);
    }
  }

 private:
  SecantLine line(const QwCurve& curve, int station) {
    const SecantLine found = QW(curve, Y_[station]);
    if (found.off_curve) NOFF_ = 1;
    return found;
  }
  void add(int station, const SecantLine& soil, double weight) {
    Qwork_[station] += weight * soil.QSEG;
    Swork_[station] += weight * soil.SSEG;
  }

  const StationTable<double>& Y_;
  StationTable<double>& Qwork_;
  StationTable<double>& Swork_;
  int NOFF_ = 0;
};

}  // namespace

int spread_curves(const CurveTable& curves, const Geometry& geometry, const StationTables& tables,
                  const StationTable<double>& Y, StationTable<double>& Qwork, StationTable<double>& Swork) {
  const int NI = geometry.NI;
  std::copy(&tables.Q[-1], &tables.Q[NI + 1] + 1, &Qwork[-1]);
  std::copy(&tables.S[-1], &tables.S[NI + 1] + 1, &Swork[-1]);

  Spreader spreader(Y, Qwork, Swork);
  const std::vector<QwCurve>& table = curves.curves();
  int previous_code = 0;
  std::size_t start = 0;
  for (std::size_t c = 0; c < table.size(); ++c) {
    const QwCurve& curve = table[c];
    if (previous_code == 0) {
      start = c;
      if (curve.KCONTC == 1) {  // a chain starts here
        previous_code = 1;
        continue;
      }
    }
    const int a = table[start].CSTA;
    const int b = curve.CSTA;
    const std::int64_t n = static_cast<std::int64_t>(b) - a;
    if (n < 0)
      throw stations_not_in_order_stop("p-y curve " + std::to_string(c + 1) + " at station " + std::to_string(b) +
                                       " follows curve " + std::to_string(start + 1) + " at station " +
                                       std::to_string(a));
    if (n == 0) {
      if (c != start) continue;  // a second curve at the chain's station
      if (a >= 0 && a <= NI) spreader.add_single(curve, a);
    } else if (a < NI && b > 0) {
      spreader.add_segment(table[start], curve, std::max(a, 0), std::min(b, NI));
    }
    if (curve.KCONTC == 1) start = c;
    previous_code = curve.KCONTC;
  }
  return spreader.NOFF();
}

}  // namespace keldor::engine
