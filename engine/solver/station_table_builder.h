// Builds the per-station tables of the wall from the data file's rows:
// FROM-TO rows of stiffness, loads and springs, restraint codes, and the
// earth-pressure table.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "driver/problem_state.h"

namespace keldor::engine {

// How a FROM-TO row joins its neighbours, from the continuation codes of
// the previous row and this row (KCONT 1 constant, 2 continued).
enum class FromToCase {
  Constant = 1,     // previous constant, this constant: a segment of its own
  ChainStarts = 2,  // previous constant, this continued: values kept for the next row
  ChainEnds = 3,    // previous continued, this constant: closes the chain
  ChainGoesOn = 4,  // previous continued, this continued: ends one segment, starts the next
};

// Distributes the rows of one record (R5, R6 or R7) over the station
// tables. Values are added, so overlapping rows sum; the ends of every
// segment receive half values, so adjacent segments sum to full values.
class FromToDistributor {
 public:
  using Values = std::vector<double>;

  // targets: the tables the record's values go to, in the order of Values.
  explicit FromToDistributor(std::vector<StationTable<double>*> targets) : targets_(std::move(targets)) {}

  // Adds one row (KCONT 1 or 2, stations inside the tables: the reader
  // checks both). Throws "ERROR STOP -- STATIONS NOT IN ORDER" when the
  // segment's end lies before its start.
  FromToCase add_row(int ifrom, int ito, int kcont, const Values& values);

  // True when the record's last row started a chain that no row closed:
  // its values were not used.
  bool ends_with_unclosed_chain() const { return previous_code_ == 1 && chain_has_one_row_; }

 private:
  void distribute(int start, int end, const Values& from, const Values& to);

  std::vector<StationTable<double>*> targets_;
  int previous_code_ = 0;  // KCONT - 1 of the previous row
  bool chain_has_one_row_ = false;
  int segment_start_ = 0;
  Values start_values_;
};

// Sets the equation codes of the restraint rows (R4). Each station records
// the row that set its code, so that a later row replaces an earlier one's
// codes and values together. Throws a data error for a row outside the
// wall, and when an overlap would separate a slope row's paired codes.
void apply_restraint_codes(StationTables& tables, const std::vector<RestraintRow>& rows, int NI);

// The stiffness and load tables must be zero beyond the tip; throws
// "ERROR -- NON-ZERO TABLE 4 DATA BEYOND END" otherwise.
void check_data_beyond_tip(const StationTables& tables, int NI);

// Adds the earth-pressure table (loads per unit length of wall, EPTOTAL)
// to Q as loads per station, interpolated at the station depths.
void apply_pressure_table(StationTables& tables, const Geometry& geometry, const std::vector<PressurePoint>& points);

}  // namespace keldor::engine
