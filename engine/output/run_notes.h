// The run-notes file: the iteration monitor of every problem block.
#pragma once

#include "output/report_writer.h"
#include "solver/iteration.h"

namespace keldor::engine {

// Three empty lines, the title and its underline; written before a block's
// iteration starts.
void write_monitor_heading(ReportWriter& notes);

// One line per iteration: its number, whether a deflection fell off a
// curve, the stations not closed and the deflections of stations 1 to 5.
void write_monitor_line(ReportWriter& notes, const IterationMonitorLine& line);

}  // namespace keldor::engine
