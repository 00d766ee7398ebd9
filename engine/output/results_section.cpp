#include "output/results_section.h"

#include <string>

namespace keldor::engine {
namespace {

void write_messages(ReportWriter& report, const IterationOutcome& outcome) {
  for (const std::string& text : result_messages(outcome)) {
    report.blank();
    report.message(text);
  }
}

void write_column_heading(ReportWriter& report, const UnitLabels& u) {
  report.blank();
  report.line("   STA I      X         DEFL.       SLOPE'      MOMENT      SHEAR    NET REACT/STA    EI ");
  report.line(std::string(12, ' ') + u.L3() + std::string(9, ' ') + u.L3() + std::string(20, ' ') + u.F3() + "-" +
              u.L2() + std::string(7, ' ') + u.F4() + std::string(7, ' ') + u.F4() + std::string(7, ' ') + u.F3() +
              "-" + u.L2() + "**2");
  report.line("   ------    ----        ----       -----'      ------      ------    ---------    ----------");
}

}  // namespace

std::vector<std::string> result_messages(const IterationOutcome& outcome) {
  std::vector<std::string> messages;
  if (outcome.NOFF == 1) messages.emplace_back("***** DEFLECTION OFF Q - W CURVES *****");
  if (outcome.NEXC > 0) {
    messages.push_back(format_fixed("'***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***',I4,'  *** STATIONS *****'",
                                    {static_cast<std::int64_t>(outcome.NEXC)}));
  }
  if (outcome.NNC > 0) messages.emplace_back("***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****");
  return messages;
}

void write_results_section(ReportWriter& report, const UnitLabels& labels, const IterationOutcome& outcome,
                           const std::vector<ResultRow>& rows, int NI) {
  report.blank(2);
  report.formatted("5X,'RESULTS -- ITERATION',I3", {static_cast<std::int64_t>(outcome.ITER)});
  report.message(std::string(20, '-'));
  write_messages(report, outcome);
  write_column_heading(report, labels);
  for (const ResultRow& row : rows) {
    if (row.station < 0 || row.station > NI) continue;
    report.formatted("2X,I4,2X,E10.3,6E12.3", {static_cast<std::int64_t>(row.station), row.depth, row.deflection,
                                               row.slope, row.moment, row.shear, row.net_reaction, row.EI});
  }
}

}  // namespace keldor::engine
