// The report's sections on the p-y soil profile: the layers with their soil
// types, the distributions of effective unit weight and strength, the
// user's modification factors, and the heading of the curve tables.
#pragma once

#include <vector>

#include "driver/problem_state.h"
#include "output/report_writer.h"
#include "output/unit_labels.h"
#include "pycurves/py_soil_profile.h"

namespace keldor::engine {

void write_py_profile_report(ReportWriter& report, const UnitLabels& units, const PySoilProfile& profile,
                             double HFREE, const std::vector<PyModification>& modifications);

}  // namespace keldor::engine
