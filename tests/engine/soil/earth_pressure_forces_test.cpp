#include "soil/earth_pressure_forces.h"

#include <gtest/gtest.h>

#include "soil/pressure_coefficients.h"
#include "soil_test_state.h"

namespace keldor::engine {
namespace {

struct Prepared {
  EarthPressureColumn column;
  EarthPressureForces forces;
};

Prepared prepare(const ProblemState& state) {
  Prepared p{build_earth_pressure_column(state), {}};
  compute_overburden(p.column, state.wall.DWB, state.surcharge.QU);
  compute_pressure_coefficients(p.column, state.wall.BETA, state.wall.HWALL);
  p.forces = compute_earth_pressure_forces(p.column, SingleSurcharge::from_record(state.surcharge), state.wall);
  return p;
}

TEST(EarthPressureForces, TwoSandsWithWaterTable) {
  // Sublayers 0-2 (dry, Ka 1/3), 2-4 (submerged, Ka 1/3), 4-6 (submerged,
  // Ka = tan^2 27 = 0.2596162); effective tops 0, 36, 52 (overburden test).
  //  1: PA1 = 0, PA2 = 2^2 * 18/2 / 3 = 12
  //  2: PA1 = 36/3 * 2 = 24, PA2 = 4 * 8/2 / 3 = 5.3333, PW1 = 0, PW2 = -4*10/2 = -20
  //  3: PA1 = 52 * 0.2596162 * 2 = 27.00004, PA2 = 4 * 10/2 * 0.2596162 = 5.19232,
  //     PW1 = -(4 - 2)*10*2 = -40, PW2 = -20
  // Net force 12 + 24 + 5.3333 + 20 + 27.00004 + 5.19232 + 40 + 20 = 153.5257,
  // the area of the pressure diagram: 12*2/2 + (12 + 37.3333) + (33.5000 + 58.6924) = 153.5257.
  // (Tolerances allow for the coefficients' single-precision degree divisor,
  // a relative shift of about 1e-6.)
  const Prepared p = prepare(testing::two_sand_state());
  const double KA36 = 0.2596162;
  EXPECT_NEAR(p.forces.of(1).PA1, 0, 1e-9);
  EXPECT_NEAR(p.forces.of(1).PA2, 12, 1e-5);
  EXPECT_NEAR(p.forces.of(1).Z1, 1, 1e-12);
  EXPECT_NEAR(p.forces.of(1).Z2, 4.0 / 3.0, 1e-12);
  EXPECT_NEAR(p.forces.of(2).PA1, 24, 1e-4);
  EXPECT_NEAR(p.forces.of(2).PA2, 16.0 / 3.0, 1e-5);
  EXPECT_NEAR(p.forces.of(2).PW1, 0, 1e-9);
  EXPECT_NEAR(p.forces.of(2).PW2, -20, 1e-9);
  EXPECT_NEAR(p.forces.of(3).PA1, 52 * KA36 * 2, 1e-4);
  EXPECT_NEAR(p.forces.of(3).PA2, 20 * KA36, 1e-5);
  EXPECT_NEAR(p.forces.of(3).PW1, -40, 1e-9);
  EXPECT_FALSE(p.forces.of(1).carries_water);
  EXPECT_TRUE(p.forces.of(2).carries_water);
  EXPECT_TRUE(p.forces.of(3).carries_water);
  EXPECT_TRUE(p.forces.water_box);
  EXPECT_NEAR(p.forces.net_force, 153.5257, 1e-3);
  EXPECT_FALSE(p.forces.net_force_negative());
  // The sublayer below the excavation keeps its initial values.
  EXPECT_EQ(p.forces.of(4).Z1, -1000.0);
  EXPECT_EQ(p.forces.of(4).PA2, 0.0);
}

TEST(EarthPressureForces, TensionCrackInAUniformClay) {
  // Clay gamma 18, c 30, phi 0 (Ka = 1); excavation at 6 m, dry.
  // Crack depth 2c/(gamma sqrt Ka) - q/gamma.
  //  q = 0:  P0 = 60, PB = 108 - 60 = 48, HC = 48*6/108 = 2.6667 (crack at 3.3333 = 60/18),
  //          PA4 = 2.6667*48/2 = 64, Z3 = 6 - 2.6667/3 = 5.1111
  //  q = 10: P0 = 50, PB = 118 - 60 = 58, HC = 58*6/108 = 3.2222 (crack at 2.7778 = 60/18 - 10/18),
  //          PA4 = 3.2222*58/2 = 93.444
  // (Ka = 0.9999989 through the single-precision degree divisor, hence the
  // tolerance of 3e-6 relative.)
  struct Case {
    double QU, HC, PA4, Z3;
  };
  for (const Case c : {Case{0, 8.0 / 3.0, 64, 6 - 8.0 / 9.0}, Case{10, 29.0 / 9.0, 29.0 / 9.0 * 29, 6 - 29.0 / 27.0}}) {
    ProblemState state = testing::si_state(6, 30, {testing::clay(10, 18, 30)});
    state.surcharge.QU = c.QU;
    const Prepared p = prepare(state);
    const SublayerForces& f = p.forces.of(1);
    EXPECT_EQ(f.PA1, 0);
    EXPECT_EQ(f.PA3, 0);
    EXPECT_NEAR(f.HC, c.HC, 1e-5) << c.QU;
    EXPECT_NEAR(6 - f.HC, 60.0 / 18 - c.QU / 18, 1e-5) << c.QU;
    EXPECT_NEAR(f.PA4, c.PA4, 3e-6 * c.PA4) << c.QU;
    EXPECT_NEAR(f.Z3, c.Z3, 1e-5) << c.QU;
    EXPECT_TRUE(f.cracked(p.column.sublayer(1)));
    EXPECT_NEAR(p.forces.net_force, c.PA4, 3e-6 * c.PA4);
  }
}

TEST(EarthPressureForces, ClayWithoutUnitWeightHasNoPushingPart) {
  // Cohesion outweighs the overburden throughout and the pressure does not
  // grow with depth: nothing pushes (no division by zero).
  ProblemState state = testing::si_state(6, 30, {testing::clay(10, 0, 30)});
  const Prepared p = prepare(state);
  EXPECT_EQ(p.forces.of(1).HC, 0);
  EXPECT_EQ(p.forces.of(1).PA4, 0);
  EXPECT_EQ(p.forces.of(1).Z3, 6);
  EXPECT_TRUE(p.forces.net_force_negative());
}

TEST(EarthPressureForces, WaterTableBelowTheColumnGivesAnEmptyWaterBox) {
  const Prepared p = prepare(testing::si_state(6, 30, {testing::sand(12, 18, 30)}));
  EXPECT_TRUE(p.forces.water_box);
  for (const SublayerForces& f : p.forces.sublayers) EXPECT_FALSE(f.carries_water);
  // Water table below the excavation but inside the column: no water box.
  EXPECT_FALSE(prepare(testing::si_state(6, 8, {testing::sand(12, 18, 30)})).forces.water_box);
}

}  // namespace
}  // namespace keldor::engine
