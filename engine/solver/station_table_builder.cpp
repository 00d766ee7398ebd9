#include "solver/station_table_builder.h"

#include <cmath>
#include <string>

#include "driver/run_stop.h"

namespace keldor::engine {

FromToCase FromToDistributor::add_row(int ifrom, int ito, int kcont, const Values& values) {
  const int code = kcont - 1;
  const auto row_case = static_cast<FromToCase>(2 * previous_code_ + code + 1);
  switch (row_case) {
    case FromToCase::Constant:
      distribute(ifrom, ito, values, values);
      break;
    case FromToCase::ChainStarts:
      segment_start_ = ifrom;
      start_values_ = values;
      chain_has_one_row_ = true;
      break;
    case FromToCase::ChainEnds:
      distribute(segment_start_, ito, start_values_, values);
      break;
    case FromToCase::ChainGoesOn:
      distribute(segment_start_, ito, start_values_, values);
      segment_start_ = ito;
      start_values_ = values;
      chain_has_one_row_ = false;
      break;
  }
  previous_code_ = code;
  return row_case;
}

void FromToDistributor::distribute(int start, int end, const Values& from, const Values& to) {
  const int n = end - start;
  if (n < 0) {
    throw stations_not_in_order_stop("SEGMENT FROM STATION " + std::to_string(start) + " TO STATION " +
                                     std::to_string(end));
  }
  for (std::size_t v = 0; v < targets_.size(); ++v) {
    StationTable<double>& table = *targets_[v];
    if (n == 0) {
      table[start] += from[v];
      continue;
    }
    for (int i = start; i <= end; ++i) table[i] += from[v] + (to[v] - from[v]) * (i - start) / n;
    table[start] -= 0.5 * from[v];
    table[end] -= 0.5 * to[v];
  }
}

namespace {

ReportedStop restraint_error(std::size_t row, const std::string& problem) {
  return ReportedStop({"ERROR IN SPECIFIED DEFLECTIONS AND SLOPES, ROW " + std::to_string(row + 1) + ":", problem});
}

}  // namespace

void apply_restraint_codes(StationTables& tables, const std::vector<RestraintRow>& rows, int NI) {
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const RestraintRow& row = rows[r];
    const int k = row.STA;
    const bool slope = row.KASE >= 2;
    const int lowest = slope ? 0 : -1;
    const int highest = slope ? NI : NI + 1;
    if (k < lowest || k > highest) {
      throw restraint_error(r, "STATION " + std::to_string(k) + " OUTSIDE THE STATIONS " + std::to_string(lowest) +
                                   " TO " + std::to_string(highest) + " THAT A " +
                                   (slope ? "SLOPE" : "DEFLECTION") + " CAN BE SPECIFIED AT");
    }
    const int row_index = static_cast<int>(r);
    auto set = [&](int station, int code) {
      tables.KODE[station] = code;
      tables.KROW[station] = row_index;
    };
    if (row.KASE == 1) set(k, 2);
    if (row.KASE == 2) set(k - 1, 3), set(k + 1, 5);
    if (row.KASE == 3) set(k - 1, 3), set(k, 4), set(k + 1, 5);
  }
  // A slope row's codes 3 and 5 (and 4) work together; a later row that
  // replaced one of them would leave the other without its partner.
  for (int j = -1; j <= NI + 1; ++j) {
    const int code = tables.KODE[j];
    const int row = tables.KROW[j];
    const bool paired = (code == 3 && tables.KODE[j + 2] == 5 && tables.KROW[j + 2] == row) ||
                        (code == 5 && tables.KODE[j - 2] == 3 && tables.KROW[j - 2] == row) ||
                        (code == 4 && tables.KODE[j - 1] == 3 && tables.KROW[j - 1] == row) || code <= 2;
    if (!paired) {
      throw restraint_error(static_cast<std::size_t>(row),
                            "ITS SLOPE CONDITION AT STATION " + std::to_string(rows[row].STA) +
                                " IS OVERLAPPED BY A LATER ROW CLOSER THAN TWO STATIONS");
    }
  }
}

void check_data_beyond_tip(const StationTables& tables, int NI) {
  double sum = 0;
  for (int j : {NI + 1, NI + 2}) sum += tables.EI[j] + tables.T[j] + tables.R[j] + tables.P[j];
  sum += tables.Q[NI + 1] + tables.S[NI + 1];
  if (sum != 0.0) throw ReportedStop({"ERROR -- NON-ZERO TABLE 4 DATA BEYOND END"});
}

void apply_pressure_table(StationTables& tables, const Geometry& geometry, const std::vector<PressurePoint>& points) {
  if (points.empty()) return;
  const double H = geometry.H;
  const long deepest = std::lround(points.back().EPDEPTH / H);  // halves away from zero
  const int last = static_cast<int>(std::min<long>(deepest, geometry.NI + 2));
  double load = 0;
  for (int j = 1; j <= last; ++j) {
    const double z = j * H;
    for (std::size_t i = 0; i < points.size(); ++i) {
      if (z > points[i].EPDEPTH) continue;
      if (i == 0) {
        // Above the first tabulated depth the table gives no pressure.
        load = z == points[0].EPDEPTH ? points[0].EPTOTAL : 0.0;
      } else {
        const PressurePoint& a = points[i - 1];
        const PressurePoint& b = points[i];
        load = a.EPTOTAL + (b.EPTOTAL - a.EPTOTAL) * (z - a.EPDEPTH) / (b.EPDEPTH - a.EPDEPTH);
      }
      break;
    }
    tables.Q[j] += load * H;
  }
}

}  // namespace keldor::engine
