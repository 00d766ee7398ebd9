// The table of Q-W curves of a problem block: soil reaction per station
// against deflection, one curve per station where soil resists, and the
// straight line of a curve through the segment that holds a deflection.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "driver/problem_state.h"

namespace keldor::engine {

struct QwCurve {
  int CSTA = 0;    // station
  int NPTC = 0;    // number of points
  int KCONTC = 0;  // 0: acts at its own station; 1: interpolated with its chain neighbours
  // Deflection (L) and reaction per station (F); deflections do not decrease,
  // reactions carry the sign of a force on the wall.
  std::array<double, kMaxCurvePoints> YC{}, PC{};
};

class CurveTable {
 public:
  // Appends a curve. More than kMaxCurves curves or kMaxCurvePoints points
  // stop the run with the storage message; a deflection smaller than the one
  // before it stops the run with a message naming the curve, its station and
  // the point, since the lookup searches the points in order.
  void add(int CSTA, int KCONTC, std::span<const double> YC, std::span<const double> PC);
  void clear() { curves_.clear(); }

  int NCURVE() const { return static_cast<int>(curves_.size()); }
  // Curve c, counted from 0.
  const QwCurve& operator[](int c) const { return curves_.at(static_cast<std::size_t>(c)); }
  const std::vector<QwCurve>& curves() const { return curves_; }

 private:
  std::vector<QwCurve> curves_;
};

// Fills the table from the user sets of a block that generates no curves:
// YC = YMULT·Y, PC = H·PMULT·P; a set at a depth above HFREE acts at its own
// station (KCONTC 0), the sets below it form a chain (KCONTC 1).
void build_curves_from_user_sets(CurveTable& table, const std::vector<PyCurveSet>& sets, const Geometry& geometry);

// The soil reaction of a curve near deflection w is QSEG - SSEG·w.
struct SecantLine {
  double SSEG = 0;
  double QSEG = 0;
  bool off_curve = false;  // w lay outside the curve and the end segment was extended
};

// The line of the segment of `curve` that holds w: the segment ending at the
// first point at or beyond w; beyond either end the end segment. A curve of
// fewer than two points has no segment: it gives no resistance and counts
// as off the curve, so the results carry the off-curve message.
SecantLine QW(const QwCurve& curve, double w);

}  // namespace keldor::engine
