// The outputs and scratch place that every step of a run writes to.
#pragma once

#include <filesystem>
#include <ostream>

#include "driver/run_analysis.h"
#include "output/plot_data_writer.h"
#include "output/report_writer.h"

namespace keldor::engine {

struct RunContext {
  ReportWriter& report;
  PlotDataWriter& plot;
  std::ostream& notes_stream;
  ReportWriter& notes;
  Console& console;
  std::filesystem::path scratch_dir;
};

}  // namespace keldor::engine
