#include "output/report_writer.h"

#include <string>

namespace keldor::engine {

void ReportWriter::box(std::string_view title) {
  const std::string stars(50, '*');
  std::string inner(title.substr(0, 48));
  inner.resize(48, ' ');
  line("      " + stars);
  line("      *" + inner + "*");
  line("      " + stars);
}

void ReportWriter::labelled(std::string_view label, std::string_view value_text) {
  std::string padded(label);
  if (padded.size() < 51) padded.resize(51, ' ');
  line("      " + padded + "= " + std::string(value_text));
}

}  // namespace keldor::engine
