#include "output/run_notes.h"

#include <gtest/gtest.h>

#include <sstream>

namespace keldor::engine {
namespace {

TEST(RunNotes, HeadingAndMonitorLines) {
  std::ostringstream out;
  ReportWriter notes(out);
  write_monitor_heading(notes);
  write_monitor_line(notes, {1, 0, 41, {0.25, -0.125, 0, 1.5e-3, -2e-5}});
  write_monitor_line(notes, {12, 1, 0, {1, 2, 3, 4, 5}});
  EXPECT_EQ(out.str(),
            "\n\n\n"
            "     ITERATION MONITOR DATA\n"
            "     ----------------------\n"
            "      1       NO         41   0.250E+00-0.125E+00 0.000E+00 0.150E-02-0.200E-04\n"
            "     12       YES         0   0.100E+01 0.200E+01 0.300E+01 0.400E+01 0.500E+01\n");
}

}  // namespace
}  // namespace keldor::engine
