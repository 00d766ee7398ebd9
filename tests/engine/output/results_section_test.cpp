#include "output/results_section.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace keldor::engine {
namespace {

std::string section(const IterationOutcome& outcome, const std::vector<ResultRow>& rows, int NI, int label_code) {
  std::ostringstream out;
  ReportWriter report(out);
  write_results_section(report, UnitLabels(label_code), outcome, rows, NI);
  return out.str();
}

const char* const kColumns =
    "   STA I      X         DEFL.       SLOPE'      MOMENT      SHEAR    NET REACT/STA    EI \n";
const char* const kDashes =
    "   ------    ----        ----       -----'      ------      ------    ---------    ----------\n";

// Rows of stations -1 to NI+1; only 0 to NI are reported.
std::vector<ResultRow> rows_of_one_increment() {
  return {{-1, -2.0, 9, 9, 9, 9, 9, 9},
          {0, 0.0, 0.6286, -0.1975, 0.0, 0.5, 1.0, 12.5},
          {1, 2.0, -1.5e-4, 2.0e-3, -3.25e3, -7.0, 0.0, 25.0},
          {2, 4.0, 9, 9, 9, 9, 9, 9}};
}

TEST(ResultsSection, AllMessagesInOrderWithEnglishUnits) {
  const std::string expected = std::string("\n\n") +
                               "     RESULTS -- ITERATION  7\n"
                               "     --------------------\n"
                               "\n"
                               "     ***** DEFLECTION OFF Q - W CURVES *****\n"
                               "\n"
                               "     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***   3  *** STATIONS *****\n"
                               "\n"
                               "     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****\n"
                               "\n" +
                               kColumns +
                               "             IN          IN                    LBS-IN        LBS        LBS       LBS-IN**2\n" +
                               kDashes +
                               "     0   0.000E+00   0.629E+00  -0.198E+00   0.000E+00   0.500E+00   0.100E+01   0.125E+02\n"
                               "     1   0.200E+01  -0.150E-03   0.200E-02  -0.325E+04  -0.700E+01   0.000E+00   0.250E+02\n";
  EXPECT_EQ(section({7, 1, 3, 2}, rows_of_one_increment(), 1, 1), expected);
}

TEST(ResultsSection, ClosedSolutionWithSiUnitsHasNoMessages) {
  const std::string expected = std::string("\n\n") +
                               "     RESULTS -- ITERATION  2\n"
                               "     --------------------\n"
                               "\n" +
                               kColumns +
                               "              M           M                     KN- M         KN         KN        KN- M**2\n" +
                               kDashes;
  const std::string text = section({2, 0, 0, 0}, rows_of_one_increment(), 1, -1);
  EXPECT_EQ(text.substr(0, expected.size()), expected);
}

}  // namespace
}  // namespace keldor::engine
