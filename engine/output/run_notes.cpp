#include "output/run_notes.h"

#include <string>

namespace keldor::engine {

void write_monitor_heading(ReportWriter& notes) {
  notes.blank(3);
  notes.message("ITERATION MONITOR DATA");
  notes.message(std::string(22, '-'));
}

void write_monitor_line(ReportWriter& notes, const IterationMonitorLine& line) {
  const auto& y = line.deflections;
  const auto ITER = static_cast<std::int64_t>(line.ITER);
  const auto NNC = static_cast<std::int64_t>(line.NNC);
  if (line.NOFF == 1)
    notes.formatted("3X,I4,7X,'YES',6X,I4,2X,5E10.3", {ITER, NNC, y[0], y[1], y[2], y[3], y[4]});
  else
    notes.formatted("3X,I4,7X,'NO',7X,I4,2X,5E10.3", {ITER, NNC, y[0], y[1], y[2], y[3], y[4]});
}

}  // namespace keldor::engine
