// The report's echo of a problem block's input: banner, problem heading,
// control parameters, geometry, specified deflections and slopes, and the
// stiffness and load rows.
#pragma once

#include <string>

#include "driver/problem_state.h"
#include "output/report_writer.h"
#include "output/unit_labels.h"
#include "solver/station_table_builder.h"

namespace keldor::engine {

void write_banner(ReportWriter& report);
// "Stage No :" for staged runs, the title for the first block, "Long Term :" after it.
void write_problem_heading(ReportWriter& report, const ProblemState& state);
void write_control_parameters(ReportWriter& report, const ControlRecord& control);
void write_geometry(ReportWriter& report, const Geometry& geometry, const UnitLabels& units);

void write_restraints_heading(ReportWriter& report, int row_count);
void write_restraint_row(ReportWriter& report, const RestraintRow& row);

void write_stiffness_heading(ReportWriter& report, int row_count, const UnitLabels& units);
// One row: its FROM-TO case decides the station columns; KCONT as in the file.
struct StiffnessEchoRow {
  int ifrom = 0, ito = 0, kcont = 1;
  double EI = 0, Q = 0, S = 0, T = 0, R = 0, P = 0;
};
void write_stiffness_row(ReportWriter& report, FromToCase row_case, const StiffnessEchoRow& row);

}  // namespace keldor::engine
