// The results section of a problem block in the report: the iteration that
// ended, the messages of how it ended, and one row per station of the wall.
#pragma once

#include <string>
#include <vector>

#include "output/report_writer.h"
#include "output/unit_labels.h"
#include "solver/derived_results.h"
#include "solver/iteration.h"

namespace keldor::engine {

// The messages of how the iteration ended, in the report's order.
std::vector<std::string> result_messages(const IterationOutcome& outcome);

// Writes the heading, the messages and the rows of stations 0 to NI.
void write_results_section(ReportWriter& report, const UnitLabels& labels, const IterationOutcome& outcome,
                           const std::vector<ResultRow>& rows, int NI);

}  // namespace keldor::engine
