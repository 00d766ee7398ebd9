#include "output/input_echo.h"

#include <cstdint>

namespace keldor::engine {

namespace {

std::int64_t i64(int value) { return value; }

// The empty line and line of 20 blanks that stand for an empty section.
void write_empty_section(ReportWriter& report) {
  report.blank();
  report.line(std::string(20, ' '));
}

}  // namespace

void write_banner(ReportWriter& report) {
  report.line(" KELDOR - A PROGRAM FOR THE ANALYSIS OF FLEXIBLE RETAINING STRUCTURES");
  report.line(" KELDOR 2013, VERSION 2013.4.11 -- TORVANE");
  report.blank(2);
}

void write_problem_heading(ReportWriter& report, const ProblemState& state) {
  report.blank();
  if (state.control.NSTAGE > 1) {
    report.formatted("6X,'Stage No :',I2,2X,A70", {i64(state.problem_counter), state.first_title});
  } else if (state.problem_counter == 1) {
    report.formatted("6X,A70", {state.TITLE});
  } else {
    report.formatted("6X,'Long Term :',2X,A70", {state.first_title});
  }
}

void write_control_parameters(ReportWriter& report, const ControlRecord& control) {
  report.blank(2);
  report.box("PROGRAM CONTROL PARAMETERS");
  report.blank();
  auto line = [&](const char* label, int value) { report.labelled(label, format_integer(value, 2)); };
  line("NO OF POINTS FOR SPECIFIED DEFLECTIONS AND SLOPES", control.NBC);
  line("NO OF POINTS FOR WALL STIFFNESS AND LOAD DATA", control.NEIS);
  line("GENERATE EARTH PRESSURE INTERNALLY", control.generate_pressure_flag());
  line("GENERATE SOIL RESISTANCE (P-Y) CURVES INTERNALLY", control.generate_curves_flag());
  line("NO OF P-Y MODIFICATION FACTORS FOR GEN. P-Y CURVES", control.NPYMOD);
  line("NO OF USER-SPECIFIED SOIL RESISTANCE (P-Y) CURVES", control.NPYSET);
}

void write_geometry(ReportWriter& report, const Geometry& geometry, const UnitLabels& units) {
  report.labelled("NUMBER OF INCREMENTS", format_integer(geometry.NI, 3));
  report.labelled("INCREMENT LENGTH", format_fixed_point(geometry.H, 7, 3) + units.L3());
  report.labelled("FREE HEIGHT OF WALL", format_fixed_point(geometry.HFREE, 7, 3) + units.L3());
  report.labelled("MAXIMUM ALLOWABLE DEFLECTION", format_fixed_point(geometry.YMAX, 7, 3) + units.L3());
  report.labelled("DEFLECTION CLOSURE TOLERANCE", format_fixed_point(geometry.TOL, 7, 5) + units.L3());
}

void write_restraints_heading(ReportWriter& report, int row_count) {
  if (row_count <= 0) {
    write_empty_section(report);
    return;
  }
  report.blank(2);
  report.box("SPECIFIED DEFLECTIONS AND SLOPES");
  report.blank();
  report.line("          STA      CASE       DEFLECTION        SLOPE");
  report.blank();
}

void write_restraint_row(ReportWriter& report, const RestraintRow& row) {
  const FieldValue station = i64(row.STA);
  const FieldValue kase = i64(row.KASE);
  if (row.KASE == 3) {
    report.formatted("10X,I3,7X,I2,3X,2(5X,E10.3)", {station, kase, row.YSPEC, row.SSPEC});
  } else if (row.KASE == 2) {
    report.formatted("10X,I3,7X,I2,11X,'NONE',8X,E10.3", {station, kase, row.SSPEC});
  } else {
    report.formatted("10X,I3,7X,I2,8X,E10.3,9X,'NONE'", {station, kase, row.YSPEC});
  }
}

void write_stiffness_heading(ReportWriter& report, int row_count, const UnitLabels& units) {
  report.blank(2);
  report.box("STIFFNESS AND LOAD DATA");
  report.line("      EI - FLEXURAL RIGIDITY,  Q - TRANSVERSE LOAD,");
  report.line("      S - STIFFNESS OF TRANSVERSE RESISTANCE,");
  report.line("      T - TORQUE,              P - AXIAL LOAD,");
  report.line("      R - STIFFNESS OF TORSIONAL RESISTANCE.");
  report.blank();
  report.line("     FROM TO CONTD     EI         Q        S'        T         R         P");
  report.blank();
  report.formatted("18X,A,4X,A,4X,A,3X,A,2X,A,4X,A",
                   {units.force_length_squared(), units.F4(), units.force_per_length(), units.length_force(),
                    units.length_force(), units.F4()});
  if (row_count <= 0) write_empty_section(report);
}

void write_stiffness_row(ReportWriter& report, FromToCase row_case, const StiffnessEchoRow& row) {
  const FieldValue code = i64(row.kcont - 1);
  std::string prefix;
  if (row_case == FromToCase::ChainStarts) {
    prefix = format_fixed("5X,I4,4X,I3,1X", {i64(row.ifrom), code});
  } else if (row_case == FromToCase::ChainEnds || row_case == FromToCase::ChainGoesOn) {
    prefix = format_fixed("9X,I4,I3,1X", {i64(row.ito), code});
  } else {
    prefix = format_fixed("5X,2I4,I3,1X", {i64(row.ifrom), i64(row.ito), code});
  }
  report.line(prefix + format_fixed("6E10.3", {row.EI, row.Q, row.S, row.T, row.R, row.P}));
}

}  // namespace keldor::engine
