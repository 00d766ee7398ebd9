#include "driver/run_analysis.h"

#include <cmath>
#include <fstream>
#include <optional>
#include <string>

#include "driver/block_reader.h"
#include "driver/data_file_reader.h"
#include "driver/earth_pressure_step.h"
#include "driver/problem_state.h"
#include "driver/run_context.h"
#include "driver/run_stop.h"
#include "output/input_echo.h"
#include "output/plot_data_writer.h"
#include "output/report_writer.h"
#include "output/results_section.h"
#include "output/run_notes.h"
#include "output/unit_labels.h"
#include "output/user_data_echo.h"
#include "solver/derived_results.h"
#include "solver/iteration.h"
#include "solver/qw_curve.h"
#include "solver/station_table_builder.h"

namespace keldor::engine {

namespace {

// The result rows kept for the plot-data file: those of the last solved
// block, written when the next block starts or when the run ends.
struct KeptResults {
  int IUNITS = 0;
  std::vector<ResultRow> rows;
};

BlockSummary summarise(int iunits, const IterationOutcome& outcome, const std::vector<ResultRow>& rows, int NI) {
  BlockSummary summary;
  summary.IUNITS = iunits;
  summary.iterations = outcome.ITER;
  summary.messages = result_messages(outcome);
  auto keep_larger = [](ExtremeValue& extreme, double value, double depth) {
    if (std::fabs(value) > std::fabs(extreme.value)) extreme = {value, depth};
  };
  for (const ResultRow& row : rows) {
    if (row.station < 0 || row.station > NI) continue;
    keep_larger(summary.deflection, row.deflection, row.depth);
    keep_larger(summary.moment, row.moment, row.depth);
    keep_larger(summary.shear, row.shear, row.depth);
  }
  return summary;
}

// One run over the problem blocks of a data file.
class AnalysisRun {
 public:
  AnalysisRun(RunContext& run, ProblemState& state, BlockReader& block)
      : run_(run), report_(run.report), state_(state), block_(block) {}

  void run(RunResult& result) {
    for (;;) {
      analyse_block(result);
      ++result.blocks_read;
      if (state_.KNEXT == 0) return;
      state_.KPLOT = state_.KNEXT == 9 ? 2 : state_.control.NSTAGE;
      write_kept_results();
    }
  }

  // The results block of the last problem, also after an error stop.
  void write_kept_results() { run_.plot.results_section(state_.KPLOT, kept_.IUNITS, kept_.rows); }

 private:
  void analyse_block(RunResult& result) {
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
      if (c.KOUTPT == 0) run_.plot.no_pressure_section();
      if (c.KOUTPT == 1) {
        block_.read_user_pressure_table();
        write_user_pressure_echo(report_, UnitLabels(c.label_code()), state_.pressure);
      }
      if (c.KOUTPT >= 2 || c.KPYOP == 2) block_.read_wall_and_soil();
      if (c.KOUTPT >= 1) apply_earth_pressure(state_, run_);
      check_data_beyond_tip(state_.tables, state_.geometry.NI);
    }
    build_curves();
    block_.read_moment_ei_curves();
    solve(result);
    block_.read_continuation();
  }

  void build_curves() {
    const ControlRecord& c = state_.control;
    curves_.clear();
    if (c.NPYSET > 0 && c.KPYOP <= 1) {
      block_.read_py_sets();
      write_user_curve_echo(report_, UnitLabels(c.label_code()), state_.py_sets, state_.geometry, false);
      run_.plot.user_curve_section(c.IUNITS, state_.py_sets);
      build_curves_from_user_sets(curves_, state_.py_sets, state_.geometry);
    } else if (c.KPYOP == 0 && c.NPYSET <= 0) {
      run_.plot.empty_curve_section(c.IUNITS);
    }
  }

  void solve(RunResult& result) {
    write_problem_heading(report_, state_);
    write_monitor_heading(run_.notes);
    const IterationOutcome outcome =
        iterate(state_.geometry, state_.ITMAX, state_.tables, curves_, state_.moment_ei_curves, Y_,
                [&](const IterationMonitorLine& line) { write_monitor_line(run_.notes, line); });
    kept_.IUNITS = state_.control.IUNITS;
    kept_.rows = derive_results(state_.geometry, state_.tables, Y_);
    write_results_section(report_, UnitLabels(state_.control.label_code()), outcome, kept_.rows, state_.geometry.NI);
    result.blocks.push_back(summarise(state_.control.IUNITS, outcome, kept_.rows, state_.geometry.NI));
  }

  RunContext& run_;
  ReportWriter& report_;
  ProblemState& state_;
  BlockReader& block_;
  CurveTable curves_;
  StationTable<double> Y_;
  KeptResults kept_;
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
  ReportWriter notes(notes_file);
  RunContext context{report, plot, notes_file, notes, console, paths.scratch_dir};
  ProblemState state;
  std::optional<DataFileReader> reader;
  std::optional<BlockReader> block;
  std::optional<AnalysisRun> analysis;
  try {
    if (!data) throw ReportedStop({"ERROR -- THE DATA FILE " + paths.data.string() + " CANNOT BE OPENED"});
    reader.emplace(data, paths.data.string());
    block.emplace(*reader, state, report);
    analysis.emplace(context, state, *block);
    analysis->run(result);
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
  if (state.KNEXT == 0) {
    if (analysis) {
      analysis->write_kept_results();
    } else {
      plot.results_section(state.KPLOT, 0, {});
    }
  }
  return result;
}

}  // namespace keldor::engine
