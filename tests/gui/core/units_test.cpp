#include "units.h"

#include <gtest/gtest.h>

namespace keldor::gui {
namespace {

struct RenderCase {
  const char* code;
  const char* english;
  const char* si;
  const char* other;
};

TEST(UnitsCode, RendersTenSlotTable) {
  const RenderCase cases[] = {
      {"F/L2^3", "lbs/ft^3", "kN/m^3", "F/L^3"}, {"F-L^2", "lbs-in^2", "kN-m^2", "F-L^2"},
      {"F-L/RAD.", "lbs-in/RAD.", "kN-m/RAD.", "F-L/RAD."}, {"L1", "in", "mm", "L"},
      {"F1/L2^2", "kips/ft^2", "kN/m^2", "F/L^2"}, {"F4", "lb-sec2/in", "Mg", "M"},
      {"SEE NOTES", "SEE NOTES", "SEE NOTES", "SEE NOTES"}, {"", "", "", ""}};
  for (const RenderCase& c : cases) {
    EXPECT_EQ(RenderUnitsCode(c.code, 1), c.english) << c.code;
    EXPECT_EQ(RenderUnitsCode(c.code, 2), c.si) << c.code;
    EXPECT_EQ(RenderUnitsCode(c.code, 3), c.other) << c.code;
  }
}

TEST(UnitsCode, SixSlotSchemeKnowsOnlyForceAndLengthSlotsZeroToTwo) {
  EXPECT_EQ(RenderUnitsCode("F-L^2", 1, TUnitScheme::SixSlots), "lbs-in^2");
  EXPECT_EQ(RenderUnitsCode("F4", 1, TUnitScheme::SixSlots), "lbs4");
  EXPECT_EQ(RenderUnitsCode("L3", 2, TUnitScheme::SixSlots), "m3");
  // L3 is no slot of its own there: it converts like L (1 m = 39.37 in).
  EXPECT_NEAR(UnitsConversionFactor("L3", 2, 1, TUnitScheme::SixSlots), 39.37007874, 1e-9);
  EXPECT_DOUBLE_EQ(UnitsConversionFactor("L3", 2, 1, TUnitScheme::TenSlots), 1.0);
}

// Conversion factors English -> SI checked against the exact definitions
// 1 in = 25.4 mm, 1 ft = 0.3048 m and 1 lbf = 4.4482216 N.
TEST(UnitsCode, ConvertsEnglishToSi) {
  struct Case {
    const char* code;
    double si_per_english;
  } cases[] = {
      {"L", 0.0254},                          // in -> m
      {"L1", 25.4},                           // in -> mm
      {"L2", 0.3048},                         // ft -> m
      {"F", 0.0044482216},                    // lbs -> kN
      {"F1", 4.4482216},                      // kips -> kN
      {"F-L", 0.0044482216 * 0.0254},         // lbs-in -> kN-m
      {"F-L^2", 0.0044482216 * 0.0254 * 0.0254},
      {"F/L", 0.0044482216 / 0.0254},         // lbs/in -> kN/m
      {"F/L2^2", 0.0044482216 / (0.3048 * 0.3048)},
      {"F/L2^3", 0.0044482216 / (0.3048 * 0.3048 * 0.3048)},  // 1 pcf = 0.15709 kN/m^3
      {"F/L^3", 0.0044482216 / (0.0254 * 0.0254 * 0.0254)},
      {"F-L/RAD.", 0.0044482216 * 0.0254},
      {"SEE NOTES", 1.0},
      {"", 1.0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(UnitsConversionFactor(c.code, 1, 2) / c.si_per_english, 1.0, 1e-7) << c.code;
    EXPECT_NEAR(UnitsConversionFactor(c.code, 2, 1) * c.si_per_english, 1.0, 1e-7) << c.code;
    EXPECT_EQ(UnitsConversionFactor(c.code, 1, 3), 1.0);
    EXPECT_EQ(UnitsConversionFactor(c.code, 3, 2), 1.0);
  }
}

TEST(UnitsCode, OddCodesNeverFail) {
  for (const char* code : {"F", "F^", "F^x", "L^", "/", "F/", "/L", "FFFF", "L2^", "F-L-L-L^9"}) {
    const double factor = UnitsConversionFactor(code, 1, 2);
    EXPECT_GT(factor, 0) << code;
    (void)RenderUnitsCode(code, 2);
  }
}

}  // namespace
}  // namespace keldor::gui
