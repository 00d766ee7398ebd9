#include "soil/surcharge_pressure.h"

#include <cmath>

#include "driver/run_stop.h"
#include "output/fixed_format.h"
#include "soil/single_precision.h"

namespace keldor::engine {
namespace {

enum class SurchargeKind { point, line, strip };

// Any code other than 2 (line) or 3 (strip) is a point load.
SurchargeKind kind_of(int KSUR) {
  if (KSUR == 2) return SurchargeKind::line;
  if (KSUR == 3) return SurchargeKind::strip;
  return SurchargeKind::point;
}

// Factors of the far-field line-load and the strip-load formulas: 4/pi and
// 2/pi for the pressure table, rounded values for the sublayer force table.
struct LoadFactors {
  double line;
  double strip;
};

const double kPi = sp(3.1416f);
const LoadFactors kTableFactors{4 / kPi, 2 / kPi};
const LoadFactors kForceFactors{sp(1.273f), sp(0.6366f)};

// Lateral stress on a rigid wall at relative depth n = z/H from a load Q at
// distance X (strip width W), with m = X/H.
double lateral_stress(SurchargeKind kind, double Q, double X, double W, double H, double n,
                      const LoadFactors& factors) {
  const double m = X / H;
  const bool close_to_wall = m <= sp(0.4f);
  switch (kind) {
    case SurchargeKind::point:
      if (close_to_wall) return sp(0.28f) * Q * n * n / (H * H * std::pow(sp(0.16f) + n * n, 3));
      return sp(1.77f) * Q * m * m * n * n / (H * H * std::pow(m * m + n * n, 3));
    case SurchargeKind::line:
      if (close_to_wall) return sp(0.203f) * Q * n / (H * std::pow(sp(0.16f) + n * n, 2));
      return factors.line * Q * m * m * n / (H * std::pow(m * m + n * n, 2));
    case SurchargeKind::strip: {
      const double z = n * H;
      const double two_alpha = 2 * std::atan(X / z);
      const double beta = std::atan((X + W / 2) / z) - std::atan((X - W / 2) / z);
      return factors.strip * Q * (beta - std::sin(beta) * std::cos(two_alpha));
    }
  }
  return 0;
}

// One row's pressure at depth D: the value at the deepest of the 50 grid
// depths K*0.02*H that lies above D.
double row_pressure(const SurchargeRow& row, double H, double D) {
  double n_above = 0;
  for (int K = 1; K <= 50; ++K) {
    const double NK = K * sp(0.02f);
    if (NK * H < D) n_above = NK;
  }
  if (n_above == 0) return 0;
  return lateral_stress(kind_of(row.KSUR), row.SURMAG, row.SURDIST, row.SURWID, H, n_above, kTableFactors);
}

}  // namespace

SingleSurcharge SingleSurcharge::from_record(const SurchargeRecord& record) {
  return {record.X, record.QP, record.QL, record.QS, record.WS};
}

void SingleSurcharge::take_row(const SurchargeRow& row) {
  XSUR = row.SURDIST;
  QPOINT = QLINE = QSTRIP = 0;
  switch (kind_of(row.KSUR)) {
    case SurchargeKind::point:
      QPOINT = row.SURMAG;
      break;
    case SurchargeKind::line:
      QLINE = row.SURMAG;
      break;
    case SurchargeKind::strip:
      QSTRIP = row.SURMAG;
      WSTRIP = row.SURWID;
      break;
  }
}

double surcharge_pressure(const std::vector<SurchargeRow>& rows, double H, double D) {
  if (rows.empty()) return 0;
  if (!(H > 0)) {
    throw ReportedStop({"SURCHARGE PRESSURES NEED A FREE HEIGHT OF WALL ABOVE ZERO",
                        "(FREE HEIGHT OF WALL =" + format_exponent(H, 10, 3) + ")"});
  }
  double QSURZ = 0;
  for (const SurchargeRow& row : rows) QSURZ += row_pressure(row, H, D);
  return QSURZ;
}

double sublayer_surcharge_force(const SingleSurcharge& surcharge, double HWALL, double ZTOP, double THICK) {
  struct Load {
    SurchargeKind kind;
    double magnitude;
  };
  const Load loads[] = {{SurchargeKind::point, surcharge.QPOINT},
                        {SurchargeKind::line, surcharge.QLINE},
                        {SurchargeKind::strip, surcharge.QSTRIP}};
  const double slice = THICK / 10;
  double FS = 0;
  for (const Load& load : loads) {
    if (!(load.magnitude > sp(1e-4f))) continue;
    for (int J = 1; J <= 10; ++J) {
      const double n = (ZTOP + J * slice) / HWALL;
      FS += slice * lateral_stress(load.kind, load.magnitude, surcharge.XSUR, surcharge.WSTRIP, HWALL, n, kForceFactors);
    }
  }
  return FS;
}

}  // namespace keldor::engine
