#include "pycurves/py_multipliers.h"

#include <cmath>

#include "soil/single_precision.h"

namespace keldor::engine {

double PyMultipliers::p_multiplier(double z) const {
  if (!table_.empty()) return table_factor(z, &PyModification::PMFAC);
  const double r = WA_ / WP_;
  if (r < sp(3.1f) && z >= HFREE_) return sp(0.5292f) * std::pow(r, sp(0.5659f));
  return 1.0;
}

double PyMultipliers::y_multiplier(double z) const {
  if (!table_.empty()) return table_factor(z, &PyModification::YMFAC);
  return 1.0;
}

// Linear in depth between the rows around z; at a step (two rows at one
// depth) the lower row's factor; 1.0 outside the table or for a single row.
double PyMultipliers::table_factor(double z, double PyModification::*factor) const {
  const std::size_t n = table_.size();
  if (n < 2 || z < table_.front().PMDEPTH || z > table_.back().PMDEPTH) return 1.0;
  if (z == table_.back().PMDEPTH) {
    for (const PyModification& row : table_) {
      if (row.PMDEPTH == z) return row.*factor;
    }
  }
  for (std::size_t i = 0; i + 1 < n; ++i) {
    const PyModification& a = table_[i];
    const PyModification& b = table_[i + 1];
    if (a.PMDEPTH <= z && z < b.PMDEPTH) return a.*factor + (b.*factor - a.*factor) * (z - a.PMDEPTH) / (b.PMDEPTH - a.PMDEPTH);
  }
  return 1.0;
}

double py_width_ratio(double WA, double WP) {
  const double r = WP > 0 ? WA / WP : 1.0;
  return r < 1.0 ? 1.0 : r;
}

}  // namespace keldor::engine
