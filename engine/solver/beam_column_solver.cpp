#include "solver/beam_column_solver.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace keldor::engine {
namespace {

// The reduced equation of the station just above a specified slope (code 3),
// kept so that the station below the slope (code 5) can take that equation
// over. One entry per restraint row.
struct MovedEquation {
  bool kept = false;
  double g3 = 0, A3 = 0, B3 = 0, C3 = 0;
};

const RestraintRow& restraint_of(const StationTables& tables, int station) {
  const int row = tables.KROW[station];
  if (row < 0 || row >= static_cast<int>(tables.restraints.size()) || row >= kMaxRestraintRows)
    throw std::logic_error("station " + std::to_string(station) + " has equation code " +
                           std::to_string(tables.KODE[station]) + " but no restraint row");
  return tables.restraints[static_cast<std::size_t>(row)];
}

void check_increments(int NI) {
  if (NI < 0 || NI > kMaxIncrements)
    throw std::logic_error("number of increments " + std::to_string(NI) + " outside the station tables");
}

}  // namespace

SolutionCounts solve_beam_column(const Geometry& geometry, const StationTables& tables,
                                 const StationTable<double>& Qwork, const StationTable<double>& Swork,
                                 StationTable<double>& Y) {
  const int NI = geometry.NI;
  check_increments(NI);
  const double H = geometry.H, H2 = H * H, H3 = H2 * H, twoH = 2 * H;
  // The loop runs over stations -3 to NI+3, all inside the tables once NI is
  // checked, so it indexes the tables through pointers to station 0 and
  // skips the per-access range test.
  const double* F = &tables.EI[0];
  const double* P = &tables.P[0];
  const double* R = &tables.R[0];
  const double* T = &tables.T[0];
  const double* Sw = &Swork[0];
  const double* Qw = &Qwork[0];
  const int* KODE = &tables.KODE[0];

  // Stations -3 and -2 keep zero coefficients: the recursion starts at -1.
  StationTable<double> AC_table, BC_table, CC_table;
  double* AC = &AC_table[0];
  double* BC = &BC_table[0];
  double* CC = &CC_table[0];
  std::array<MovedEquation, kMaxRestraintRows> moved{};

  for (int j = -1; j <= NI + 1; ++j) {
    const double above = H * P[j - 1] + R[j - 1];
    const double below = H * P[j + 1] + R[j + 1];
    const double a = F[j - 1] - 0.25 * H * above;
    const double b = -2 * (F[j - 1] + F[j]);
    const double c = F[j - 1] + 4 * F[j] + F[j + 1] + 0.25 * H * (above + below) + H3 * Sw[j];
    const double d = -2 * (F[j] + F[j + 1]);
    const double e = F[j + 1] - 0.25 * H * below;
    const double f = H3 * Qw[j] - 0.5 * H2 * (T[j - 1] - T[j + 1]);

    const double b_reduced = a * BC[j - 2] + b;
    const double pivot = a * AC[j - 2] + b_reduced * BC[j - 1] + c;
    // A zero pivot leaves the station with zero coefficients, hence Y = 0.
    const double g = pivot == 0 ? 0.0 : -1 / pivot;
    AC[j] = e * g;
    BC[j] = (b_reduced * AC[j - 1] + d) * g;
    CC[j] = (a * CC[j - 2] + b_reduced * CC[j - 1] - f) * g;

    switch (KODE[j]) {
      case 2:
      case 4:  // the deflection is given
        AC[j] = 0;
        BC[j] = 0;
        CC[j] = restraint_of(tables, j).YSPEC;
        break;
      case 3: {  // above a given slope: Y(j) = Y(j+2) - 2H·slope
        const RestraintRow& row = restraint_of(tables, j);
        MovedEquation& m = moved[static_cast<std::size_t>(tables.KROW[j])];
        m = {true, g, AC[j], BC[j], CC[j]};
        AC[j] = 1;
        BC[j] = 0;
        CC[j] = -twoH * row.SSPEC;
        break;
      }
      case 5: {  // below a given slope: add the equation moved from above the slope
        const RestraintRow& row = restraint_of(tables, j);
        const MovedEquation& m = moved[static_cast<std::size_t>(tables.KROW[j])];
        // Without the row's station above the slope in this solution (it lay
        // outside the wall, or a later row replaced its code) there is no
        // equation to move, and with a zero pivot there it carries no term.
        if (!m.kept || m.g3 == 0) break;
        const double ratio = g / m.g3;
        const double denominator = 1 - (m.B3 * BC[j - 1] + m.A3 - 1) * ratio;
        // A zero combined pivot is treated as any zero pivot.
        const double u = denominator == 0 ? 0.0 : 1 / denominator;
        AC[j] = u * AC[j];
        BC[j] = u * (m.B3 * AC[j - 1] * ratio + BC[j]);
        CC[j] = u * ((m.B3 * CC[j - 1] + twoH * row.SSPEC + m.C3) * ratio + CC[j]);
        break;
      }
      default:
        break;
    }
  }

  double* y = &Y[0];
  y[NI + 3] = 0;
  y[NI + 2] = 0;
  y[NI + 1] = CC[NI + 1];
  SolutionCounts counts;
  for (int j = NI; j >= 0; --j) {
    const double previous = y[j];
    y[j] = AC[j] * y[j + 2] + BC[j] * y[j + 1] + CC[j];
    // Written as "not within" so that a deflection that is not a number
    // counts as exceeding and as not closed, and stops the iteration.
    if (!(std::abs(y[j]) <= geometry.YMAX)) ++counts.NEXC;
    if (!(std::abs(y[j] - previous) <= geometry.TOL)) ++counts.NNC;
  }
  y[-1] = AC[-1] * y[1] + BC[-1] * y[0] + CC[-1];
  return counts;
}

}  // namespace keldor::engine
