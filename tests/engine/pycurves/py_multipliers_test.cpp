// p-multipliers for closely spaced walls and from the user's table.
#include "pycurves/py_multipliers.h"

#include <gtest/gtest.h>

namespace keldor::engine {
namespace {

TEST(PyMultipliers, CloseSpacingReductionBelowTheExcavationOnly) {
  const std::vector<PyModification> none;
  const PyMultipliers equal_widths(none, 1.0, 1.0, 120);
  EXPECT_NEAR(equal_widths.p_multiplier(130), 0.5292, 1e-7);  // r = 1
  EXPECT_NEAR(equal_widths.p_multiplier(120), 0.5292, 1e-7);
  EXPECT_DOUBLE_EQ(equal_widths.p_multiplier(100), 1.0);
  EXPECT_DOUBLE_EQ(equal_widths.y_multiplier(130), 1.0);
  // r = 2: 0.5292 * 2^0.5659 = 0.78338.
  EXPECT_NEAR(PyMultipliers(none, 2.0, 1.0, 120).p_multiplier(130), 0.78338, 1e-5);
  // r = 4 is no close spacing.
  EXPECT_DOUBLE_EQ(PyMultipliers(none, 4.0, 1.0, 120).p_multiplier(130), 1.0);
}

TEST(PyMultipliers, UserTableWithAStep) {
  const std::vector<PyModification> table = {{0, 1.0, 1.0}, {100, 0.8, 2.0}, {100, 0.5, 3.0}, {200, 0.5, 3.0}};
  const PyMultipliers m(table, 1.0, 1.0, 50);
  struct Case {
    double z, p, y;
  };
  for (const Case c : {Case{100, 0.5, 3.0}, Case{50, 0.9, 1.5}, Case{250, 1.0, 1.0}, Case{-1, 1.0, 1.0},
                       Case{0, 1.0, 1.0}, Case{150, 0.5, 3.0}, Case{200, 0.5, 3.0}}) {
    EXPECT_DOUBLE_EQ(m.p_multiplier(c.z), c.p) << c.z;
    EXPECT_DOUBLE_EQ(m.y_multiplier(c.z), c.y) << c.z;
  }
}

TEST(PyMultipliers, LastDepthTakesTheFirstRowAtThatDepth) {
  const std::vector<PyModification> table = {{0, 1.0, 1.0}, {100, 0.6, 1.0}, {100, 0.4, 1.0}};
  EXPECT_DOUBLE_EQ(PyMultipliers(table, 1, 1, 0).p_multiplier(100), 0.6);
  const std::vector<PyModification> single = {{100, 0.3, 0.3}};
  EXPECT_DOUBLE_EQ(PyMultipliers(single, 1, 1, 0).p_multiplier(100), 1.0);
}

TEST(PyMultipliers, WidthRatioIsAtLeastOne) {
  EXPECT_DOUBLE_EQ(py_width_ratio(0.5, 1.0), 1.0);
  EXPECT_DOUBLE_EQ(py_width_ratio(3.0, 1.5), 2.0);
}

}  // namespace
}  // namespace keldor::engine
