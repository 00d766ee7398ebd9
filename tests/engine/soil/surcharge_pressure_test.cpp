#include "soil/surcharge_pressure.h"

#include <gtest/gtest.h>

#include <sstream>

#include "driver/run_stop.h"
#include "soil/earth_pressure_report.h"

namespace keldor::engine {
namespace {

SurchargeRow row(int KSUR, double Q, double X, double W = 0) { return {KSUR, Q, X, W}; }

// H = 10. Depth 5.05 lies just below the grid depth 5.0 (K = 25), so the
// pressure is evaluated at n = 0.5.
struct SurchargeCase {
  const char* name;
  SurchargeRow load;
  double D;
  double expected;
};

class SurchargeFormulas : public ::testing::TestWithParam<SurchargeCase> {};

TEST_P(SurchargeFormulas, MatchHandComputation) {
  const SurchargeCase& c = GetParam();
  EXPECT_NEAR(surcharge_pressure({c.load}, 10, c.D), c.expected, 1e-5 * c.expected) << c.name;
}

// Hand computations (n = 0.5, H = 10):
//  point 100 at X = 2, m = 0.2:  0.28*100*0.25 / (100*0.41^3)          = 1.015656
//  point 100 at X = 4, m = 0.4 (still the near formula): 0.28*100*0.25/(100*0.41^3)
//  point 100 at X = 6, m = 0.6:  1.77*100*0.36*0.25 / (100*0.61^3)     = 0.701821
//  line 50 at X = 2:             0.203*50*0.5 / (10*0.41^2)             = 3.019036
//  line 50 at X = 6:             4*50*0.36*0.5 / (pi*10*0.61^2)         = 3.079590
//  strip 30, X = 0, W = 2 at z = 2 (D = 2.05): 2a = 0, b = 2 atan(1/2), sin b = 0.8:
//                                (60/pi)(0.9272952 - 0.8)               = 2.431160
//  strip 30, X = 3, W = 2 at z = 2: cos 2a = (1 - 1.5^2)/(1 + 1.5^2) = -0.3846154,
//                                b = atan 2 - atan 1 = 0.3217506, sin b = 1/sqrt(10):
//                                (60/pi)(0.3217506 + 0.3162278*0.3846154) = 8.467870
//  point 100 at X = 2, far below the excavation: n = 1: 28/(100*1.16^3) = 0.179384
//  an unknown code is a point load.
INSTANTIATE_TEST_SUITE_P(
    HandComputed, SurchargeFormulas,
    ::testing::Values(SurchargeCase{"point near", row(1, 100, 2), 5.05, 1.015656},
                      SurchargeCase{"point at 0.4H", row(1, 100, 4), 5.05, 1.015656},
                      SurchargeCase{"point far", row(1, 100, 6), 5.05, 0.701821},
                      SurchargeCase{"line near", row(2, 50, 2), 5.05, 3.019036},
                      SurchargeCase{"line far", row(2, 50, 6), 5.05, 3.079590},
                      SurchargeCase{"strip on the wall line", row(3, 30, 0, 2), 2.05, 2.431160},
                      SurchargeCase{"strip off the wall", row(3, 30, 3, 2), 2.05, 8.467870},
                      SurchargeCase{"below the excavation", row(1, 100, 2), 50, 0.179384},
                      SurchargeCase{"unknown code", row(7, 100, 2), 5.05, 1.015656}));

TEST(SurchargePressure, ZeroAtAndAboveTheFirstGridDepth) {
  EXPECT_EQ(surcharge_pressure({row(2, 50, 2)}, 10, 0.19), 0.0);
  EXPECT_EQ(surcharge_pressure({row(2, 50, 2)}, 10, 0.0), 0.0);
  EXPECT_EQ(surcharge_pressure({}, 10, 5), 0.0);
}

TEST(SurchargePressure, RowsAdd) {
  EXPECT_NEAR(surcharge_pressure({row(1, 100, 2), row(2, 50, 2)}, 10, 5.05), 1.015656 + 3.019036, 1e-4);
}

TEST(SurchargePressure, NoHeightWithRowsIsAReportedStop) {
  EXPECT_THROW(surcharge_pressure({row(1, 100, 2)}, 0, 5), ReportedStop);
  EXPECT_EQ(surcharge_pressure({}, 0, 5), 0.0);
}

TEST(SublayerSurchargeForce, IsTheTenSliceSumOfTheLoad) {
  // Line load 50 at X = 6 (m = 0.6), H = 10, sublayer 5 to 6 (n 0.5 to 0.6).
  // Integral: 1.273*50*m^2 * [1/(2(m^2+n^2))] from 0.6 to 0.5 = 2.869467.
  // The sum takes each slice at its lower depth: it falls short of the
  // integral by (f(5) - f(6))*0.1/2 with f(z) = 1.273*50*0.36*n/(10(0.36+n^2)^2):
  // f(5) = 3.07895, f(6) = 2.65190, so about 2.869467 - 0.021353 = 2.848114.
  SingleSurcharge surcharge;
  surcharge.XSUR = 6;
  surcharge.QLINE = 50;
  EXPECT_NEAR(sublayer_surcharge_force(surcharge, 10, 5, 1), 2.848114, 2e-4);
}

SingleSurcharge echoed(const SurchargeRecord& record, const std::vector<SurchargeRow>& rows) {
  std::ostringstream text;
  ReportWriter report(text);
  return write_surcharge_information(report, record, rows, UnitLabels(-1));
}

TEST(SingleSurcharge, TheEchoLeavesTheLastRowAndTheLastStripWidth) {
  SurchargeRecord record{0, 1, 2, 3, 4, 5};  // QU X QP QL QS WS
  const SingleSurcharge s = echoed(record, {row(3, 30, 7, 1.5), row(1, 100, 2, 9)});
  EXPECT_EQ(s.XSUR, 2);
  EXPECT_EQ(s.QPOINT, 100);
  EXPECT_EQ(s.QLINE, 0);
  EXPECT_EQ(s.QSTRIP, 0);
  EXPECT_EQ(s.WSTRIP, 1.5);  // a point row leaves the strip width alone

  const SingleSurcharge untouched = echoed(record, {});
  EXPECT_EQ(untouched.XSUR, 1);
  EXPECT_EQ(untouched.QSTRIP, 4);
  EXPECT_EQ(untouched.WSTRIP, 5);
}

}  // namespace
}  // namespace keldor::engine
