// Builds the p-y soil profile from the soil layers of the problem block:
// the layers below the excavation level (HFREE), down to station NI+2, with
// the water table of the backfill side in the weight distribution.
#pragma once

#include <vector>

#include "driver/problem_state.h"
#include "pycurves/py_soil_profile.h"

namespace keldor::engine {

// 10.0 kN/m3 in SI units, 0.036 lb/in3 otherwise.
double py_unit_weight_of_water(int IUNITS);

// Throws ReportedStop when no layer reaches below the excavation level, when
// a p-y layer is thinner than 0.2 length units (its curve depths would come
// out of order) or when an effective unit weight is negative.
PySoilProfile build_py_soil_profile(const ProblemState& state);

// Five curve depths per p-y layer: 0.1 below its top, at a quarter, half and
// three quarters of its thickness, and 0.1 above its bottom.
std::vector<double> py_curve_depths(const PySoilProfile& profile);

// The curves of one p-y layer: indices [first, last) into the curve depths.
struct LayerCurves {
  int layer = 0;
  int first = 0, last = 0;
};
// A curve belongs to the first layer whose bottom lies at or below it; a
// layer that receives no curve is left out.
std::vector<LayerCurves> assign_curves_to_layers(const PySoilProfile& profile, const std::vector<double>& depths);

}  // namespace keldor::engine
