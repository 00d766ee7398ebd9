#include "driver/run_analysis.h"

#include <fstream>
#include <string>

#include "driver/block_reader.h"
#include "driver/data_file_reader.h"
#include "driver/problem_state.h"
#include "driver/run_stop.h"
#include "output/input_echo.h"
#include "output/report_writer.h"
#include "solver/station_table_builder.h"

namespace keldor::engine {

namespace {

// One run over the problem blocks of a data file.
class AnalysisRun {
 public:
  AnalysisRun(DataFileReader& reader, ReportWriter& report, ProblemState& state)
      : reader_(reader), report_(report), state_(state), block_(reader, state, report) {}

  void run(RunResult& result) {
    for (;;) {
      analyse_block();
      ++result.blocks_read;
      if (state_.KNEXT == 0) return;
      state_.KPLOT = state_.KNEXT == 9 ? 2 : state_.control.NSTAGE;
    }
  }

 private:
  void analyse_block() {
    block_.read_title();
    state_.start_block();
    block_.read_control();
    if (state_.problem_counter > 1) report_.blank(2);
    write_banner(report_);
    write_problem_heading(report_, state_);
    write_control_parameters(report_, state_.control);
    block_.read_geometry();
    block_.read_restraints();
    block_.read_stiffness_and_loads();

    const ControlRecord& c = state_.control;
    if (c.NEIS > 0) {
      block_.read_py_modifications();
      if (c.KOUTPT == 1) block_.read_user_pressure_table();
      if (c.KOUTPT >= 2 || c.KPYOP == 2) block_.read_wall_and_soil();
      if (c.KOUTPT == 1) apply_pressure_table(state_.tables, state_.geometry, state_.pressure);
      check_data_beyond_tip(state_.tables, state_.geometry.NI);
    }
    if (c.NPYSET > 0 && c.KPYOP <= 2) block_.read_py_sets();
    block_.read_moment_ei_curves();
    block_.read_continuation();
  }

  DataFileReader& reader_;
  ReportWriter& report_;
  ProblemState& state_;
  BlockReader block_;
};

void write_closing_line(ReportWriter& report) {
  report.blank(3);
  report.line("     END OF ANALYSIS" + std::string(29, ' '));
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : " ") + line;
  return text;
}

}  // namespace

RunResult run_analysis(const RunPaths& paths, Console& console) {
  RunResult result;
  std::ifstream data(paths.data);
  std::ofstream report_file(paths.report, std::ios::trunc);
  std::ofstream plot_file(paths.plot, std::ios::trunc);
  std::ofstream notes_file(paths.notes, std::ios::trunc);
  for (const auto& [stream, path] : {std::pair{&report_file, &paths.report}, std::pair{&plot_file, &paths.plot},
                                     std::pair{&notes_file, &paths.notes}}) {
    if (!*stream) {
      result.input_error = true;
      result.error_message = "cannot write " + path->string();
      console.line(" CANNOT WRITE THE FILE " + path->string());
      return result;
    }
  }

  ReportWriter report(report_file);
  ProblemState state;
  try {
    if (!data) throw ReportedStop({"ERROR -- THE DATA FILE " + paths.data.string() + " CANNOT BE OPENED"});
    DataFileReader reader(data, paths.data.string());
    AnalysisRun(reader, report, state).run(result);
  } catch (const ReportedStop& stop) {
    report.blank(2);
    for (const std::string& line : stop.lines()) report.message(line);
    report.blank(stop.blank_lines_after());
    result.input_error = stop.input_error();
    result.error_message = joined(stop.lines());
  } catch (const SoilStop& stop) {
    // The soil routines end the computation at once: the stop code goes to
    // the console and the files are closed as they stand.
    if (!stop.code().empty()) console.line(" STOP " + stop.code());
    result.input_error = true;
    result.error_message = "the soil routines stopped the run (stop code " + stop.code() + ")";
    return result;
  } catch (const std::exception& fault) {
    report.blank(2);
    report.message("INTERNAL ERROR -- THE ANALYSIS CANNOT GO ON: " + std::string(fault.what()));
    result.input_error = true;
    result.error_message = fault.what();
  }
  write_closing_line(report);
  return result;
}

}  // namespace keldor::engine
