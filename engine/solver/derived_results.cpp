#include "solver/derived_results.h"

namespace keldor::engine {

std::vector<ResultRow> derive_results(const Geometry& geometry, const StationTables& tables,
                                      const StationTable<double>& solution) {
  const int NI = geometry.NI;
  const double H = geometry.H, H2 = H * H, twoH = 2 * H;

  StationTable<double> Y = solution;
  Y[-2] = 2 * Y[-1] - Y[0];
  Y[NI + 2] = 2 * Y[NI + 1] - Y[NI];

  StationTable<double> M;  // stations -2 and -1 stay 0
  for (int j = 0; j <= NI + 2; ++j) M[j] = tables.EI[j] * (Y[j - 1] - 2 * Y[j] + Y[j + 1]) / H2;

  std::vector<ResultRow> rows;
  rows.reserve(static_cast<std::size_t>(NI + 3));
  for (int j = -1; j <= NI + 1; ++j) {
    ResultRow row;
    row.station = j;
    row.depth = j * H;
    row.deflection = Y[j];
    row.slope = (Y[j + 1] - Y[j - 1]) / twoH;
    row.moment = M[j];
    row.shear = (M[j + 1] - M[j - 1]) / twoH;
    row.net_reaction = (M[j - 1] - 2 * M[j] + M[j + 1]) / H;
    // A couple makes the moment jump at its station; the central differences
    // across the jump are corrected by the couple's share.
    for (const Couple& couple : tables.couples) {
      const double t = couple.TCOUP;
      if (couple.TSTA == j) row.shear -= t;
      if (couple.TSTA == j - 1) {
        row.shear -= 0.5 * t;
        row.net_reaction += t;
      }
      if (couple.TSTA == j + 1) {
        row.shear -= 0.5 * t;
        row.net_reaction -= t;
      }
    }
    row.EI = tables.EI[j];
    rows.push_back(row);
  }
  return rows;
}

}  // namespace keldor::engine
