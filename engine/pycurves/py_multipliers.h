// The p-multiplier and y-multiplier that the p-y generators apply at a depth
// below the top of the wall: the reduction for closely spaced wall elements,
// or the user's modification table when the block gives one.
#pragma once

#include <vector>

#include "driver/problem_state.h"

namespace keldor::engine {

class PyMultipliers {
 public:
  // WA, WP: widths of the wall for earth pressure and for soil resistance.
  PyMultipliers(const std::vector<PyModification>& table, double WA, double WP, double HFREE)
      : table_(table), WA_(WA), WP_(WP), HFREE_(HFREE) {}

  double p_multiplier(double z) const;
  double y_multiplier(double z) const;

 private:
  double table_factor(double z, double PyModification::*factor) const;

  const std::vector<PyModification>& table_;
  double WA_, WP_, HFREE_;
};

// The width ratio WA/WP, raised to 1.0 when smaller, that divides the
// excavation-level pressure in the curves' offsets.
double py_width_ratio(double WA, double WP);

}  // namespace keldor::engine
