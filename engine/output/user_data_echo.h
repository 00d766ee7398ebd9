// The report's echo of the user's earth-pressure table and p-y curve sets.
#pragma once

#include <vector>

#include "driver/problem_state.h"
#include "output/report_writer.h"
#include "output/unit_labels.h"

namespace keldor::engine {

// The depth / pressure header and one row per given point.
void write_pressure_rows(ReportWriter& report, const UnitLabels& units, const std::vector<PressurePoint>& points,
                         int print_step);
// Box "SPECIFIED ACTIVE EARTH PRESSURE" and the table as read.
void write_user_pressure_echo(ReportWriter& report, const UnitLabels& units, const std::vector<PressurePoint>& points);

// Box "INPUTTED  SOIL RESISTANCE (P-Y) CURVES" and every set with its
// points (multipliers applied). with_generated_curves: the run also
// generates curves, which shows every set with code 0 in one layout.
void write_user_curve_echo(ReportWriter& report, const UnitLabels& units, const std::vector<PyCurveSet>& sets,
                           const Geometry& geometry, bool with_generated_curves);

}  // namespace keldor::engine
