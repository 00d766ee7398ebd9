// The plot-data file: per problem block an earth-pressure section, a p-y
// section and a results section, read by the desktop program's graphs.
// No record is empty: the reader does not accept empty lines.
#pragma once

#include <ostream>
#include <vector>

#include "driver/problem_state.h"
#include "solver/derived_results.h"

namespace keldor::engine {

class PlotDataWriter {
 public:
  explicit PlotDataWriter(std::ostream& out) : out_(out) {}

  // Earth-pressure section of a block without pressure (KOUTPT 0).
  void no_pressure_section();
  // Every print_step-th point from the first: depth, total load, soil part,
  // surcharge part (loads per unit length of wall). A soil part of exactly
  // 0 is written, and kept in the table, as 1.0E-07.
  void pressure_section(std::vector<PressurePoint>& points, int print_step);

  // P-y section of a block without curves (KPYOP 0, NPYSET 0).
  void empty_curve_section(int iunits);
  // P-y section of user sets only: points with their multipliers applied.
  void user_curve_section(int iunits, const std::vector<PyCurveSet>& sets);

  // Results section: KPLOT, NPLOT and IUNITS, then depth, deflection,
  // moment, shear and net reaction of the rows of stations 0 and below.
  void results_section(int KPLOT, int iunits, const std::vector<ResultRow>& rows);

 private:
  std::ostream& out_;
};

}  // namespace keldor::engine
