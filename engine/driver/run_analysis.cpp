#include "driver/run_analysis.h"

#include <fstream>
#include <string>

#include "driver/block_reader.h"
#include "driver/data_file_reader.h"
#include "driver/problem_state.h"
#include "driver/run_stop.h"
#include "output/input_echo.h"
#include "output/plot_data_writer.h"
#include "output/report_writer.h"
#include "output/unit_labels.h"
#include "output/user_data_echo.h"
#include "solver/station_table_builder.h"

namespace keldor::engine {

namespace {

// One run over the problem blocks of a data file.
class AnalysisRun {
 public:
  AnalysisRun(ReportWriter& report, PlotDataWriter& plot, ProblemState& state, BlockReader& block)
      : report_(report), plot_(plot), state_(state), block_(block) {}

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
    const UnitLabels units(c.label_code());
    if (c.NEIS > 0) {
      block_.read_py_modifications();
      if (c.KOUTPT == 0) plot_.no_pressure_section();
      if (c.KOUTPT == 1) {
        block_.read_user_pressure_table();
        write_user_pressure_echo(report_, units, state_.pressure);
      }
      if (c.KOUTPT >= 2 || c.KPYOP == 2) block_.read_wall_and_soil();
      if (c.KOUTPT == 1) {
        plot_.pressure_section(state_.pressure, 1);
        apply_pressure_table(state_.tables, state_.geometry, state_.pressure);
      }
      check_data_beyond_tip(state_.tables, state_.geometry.NI);
    }
    build_curves();
    block_.read_moment_ei_curves();
    block_.read_continuation();
  }

  void build_curves() {
    const ControlRecord& c = state_.control;
    if (c.NPYSET > 0 && c.KPYOP <= 1) {
      block_.read_py_sets();
      write_user_curve_echo(report_, UnitLabels(c.label_code()), state_.py_sets, state_.geometry, false);
      plot_.user_curve_section(c.IUNITS, state_.py_sets);
    } else if (c.KPYOP == 0 && c.NPYSET <= 0) {
      plot_.empty_curve_section(c.IUNITS);
    }
  }

  ReportWriter& report_;
  PlotDataWriter& plot_;
  ProblemState& state_;
  BlockReader& block_;
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
  PlotDataWriter plot(plot_file);
  ProblemState state;
  try {
    if (!data) throw ReportedStop({"ERROR -- THE DATA FILE " + paths.data.string() + " CANNOT BE OPENED"});
    DataFileReader reader(data, paths.data.string());
    BlockReader block(reader, state, report);
    AnalysisRun(report, plot, state, block).run(result);
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
