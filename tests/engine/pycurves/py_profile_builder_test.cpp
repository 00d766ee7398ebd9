// The p-y profile built from the soil layers: skipped layers above the
// excavation, the depth limit at station NI+2, the water table in the weight
// distribution, the curve depths and the rejected data.
#include "pycurves/py_profile_builder.h"

#include <gtest/gtest.h>

#include "driver/run_stop.h"
#include "pycurves/py_test_state.h"

namespace keldor::engine {
namespace {

using testing_support::layer;
using testing_support::py_state;

std::string stop_text(const ProblemState& state) {
  try {
    build_py_soil_profile(state);
  } catch (const ReportedStop& stop) {
    std::string text;
    for (const std::string& line : stop.lines()) text += line + "\n";
    return text;
  }
  return "no stop";
}

TEST(PyProfileBuilder, SkipsLayersAboveTheExcavationAndPlacesFiveCurvesPerLayer) {
  // 60 increments of 10 in, excavation at 120 in, layer bottoms at 100, 300
  // and 600 in: the depth limit lies at X = 620 - 120 = 500.
  const ProblemState state = py_state(1, 60, 10, 120, 1000,
                                      {layer(1, 100, 0.07, 5, 0, 0.02, 0), layer(1, 300, 0.07, 5, 0, 0.02, 0),
                                       layer(4, 600, 0.07, 0, 30, 0, 50)});
  const PySoilProfile p = build_py_soil_profile(state);
  ASSERT_EQ(p.layers.size(), 2u);
  EXPECT_DOUBLE_EQ(p.layers[0].top, 0);
  EXPECT_DOUBLE_EQ(p.layers[0].bottom, 180);
  EXPECT_DOUBLE_EQ(p.layers[1].top, 180);
  EXPECT_DOUBLE_EQ(p.layers[1].bottom, 480);
  EXPECT_EQ(p.layers[1].KSOIL, 4);
  EXPECT_DOUBLE_EQ(p.layers[1].subgrade_modulus, 50);
  ASSERT_EQ(p.strength.size(), 4u);
  EXPECT_NEAR(p.strength[2].PHI, 30 * 3.1416 / 180, 1e-7);

  const std::vector<double> depths = py_curve_depths(p);
  ASSERT_EQ(depths.size(), 10u);
  EXPECT_NEAR(depths[0], 0.1, 1e-7);  // 120.1 below the top of the wall
  EXPECT_DOUBLE_EQ(depths[2], 90);
  EXPECT_NEAR(depths[4], 179.9, 1e-6);
  EXPECT_DOUBLE_EQ(depths[6], 180 + 75);
  const std::vector<LayerCurves> ranges = assign_curves_to_layers(p, depths);
  ASSERT_EQ(ranges.size(), 2u);
  EXPECT_EQ(ranges[1].layer, 1);
  EXPECT_EQ(ranges[1].first, 5);
  EXPECT_EQ(ranges[1].last, 10);
}

TEST(PyProfileBuilder, CutsTheLayerAtStationNIPlusTwoOnItsOwnStraightLine) {
  // As above but the third layer reaches 700 in (X = 180 to 580), cut at 500;
  // a fourth layer is dropped. Cohesion 10 at its top, 50 at its bottom: at
  // X = 500 the straight line gives 10 + 40 * (500 - 180) / (580 - 180) = 42.
  SoilLayer third = layer(1, 700, 0.07, 10, 0, 0.02, 0);
  third.VBOT[1] = 50;
  const ProblemState state = py_state(1, 60, 10, 120, 1000,
                                      {layer(1, 100, 0.07, 5, 0, 0.02, 0), layer(1, 300, 0.07, 5, 0, 0.02, 0), third,
                                       layer(1, 900, 0.07, 5, 0, 0.02, 0)});
  const PySoilProfile p = build_py_soil_profile(state);
  ASSERT_EQ(p.layers.size(), 2u);
  EXPECT_DOUBLE_EQ(p.layers[1].bottom, 500);
  EXPECT_DOUBLE_EQ(p.strength.back().X, 500);
  EXPECT_DOUBLE_EQ(p.strength.back().S, 42);
  EXPECT_DOUBLE_EQ(p.weight.back().X, 500);
}

TEST(PyProfileBuilder, WaterTableInTheWeightDistribution) {
  // SI, excavation at 3 m, unit weight 18 kN/m3 (water 10).
  struct Case {
    const char* name;
    std::vector<double> bottoms;
    double DWB;
    std::vector<WeightPoint> expected;
  };
  const std::vector<Case> cases = {
      // Water table inside the only layer: full weight down to it, then
      // submerged to the base of the profile.
      {"inside", {10}, 5, {{0, 18}, {2, 18}, {2, 8}, {7, 8}}},
      // Water table at the excavation level: submerged from the top.
      {"at the excavation", {10}, 3, {{0, 8}, {7, 8}}},
      // Water table at a layer boundary: a step there.
      {"at a boundary", {5, 10}, 5, {{0, 18}, {2, 18}, {2, 8}, {7, 8}}},
      // Water table inside the first of two layers: the second layer's top
      // point moves up to the water table.
      {"inside the first layer", {6, 10}, 4, {{0, 18}, {1, 18}, {1, 8}, {7, 8}}},
      {"above the excavation", {10}, 1, {{0, 8}, {7, 8}}},
      {"below the profile", {10}, 50, {{0, 18}, {7, 18}}},
  };
  for (const Case& c : cases) {
    std::vector<SoilLayer> layers;
    for (double bottom : c.bottoms) layers.push_back(layer(1, bottom, 18, 20, 0, 0.02, 0));
    const PySoilProfile p = build_py_soil_profile(py_state(2, 40, 0.25, 3, c.DWB, layers));
    ASSERT_EQ(p.weight.size(), c.expected.size()) << c.name;
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
      EXPECT_DOUBLE_EQ(p.weight[i].X, c.expected[i].X) << c.name << " point " << i;
      EXPECT_DOUBLE_EQ(p.weight[i].gamma, c.expected[i].gamma) << c.name << " point " << i;
    }
  }
}

TEST(PyProfileBuilder, EnglishWaterWeightIsTheSinglePrecisionConstant) {
  const PySoilProfile p = build_py_soil_profile(py_state(1, 60, 10, 120, 0, {layer(4, 600, 0.07, 0, 30, 0, 50)}));
  EXPECT_DOUBLE_EQ(p.weight.front().gamma, 0.07 - static_cast<double>(0.036f));
}

TEST(PyProfileBuilder, RejectsDataThatCannotGiveOrderedCurves) {
  // A layer ending 0.15 m below the excavation.
  EXPECT_NE(stop_text(py_state(2, 40, 0.25, 3, 50, {layer(1, 3.15, 18, 20, 0, 0.02, 0), layer(1, 10, 18, 20, 0, 0.02, 0)}))
                .find("P-Y LAYER 1 (SOIL LAYER 1) IS 0.1500 THICK"),
            std::string::npos);
  // A thin layer deeper down.
  EXPECT_NE(stop_text(py_state(2, 40, 0.25, 3, 50,
                               {layer(1, 5, 18, 20, 0, 0.02, 0), layer(1, 5.1, 18, 20, 0, 0.02, 0),
                                layer(1, 10, 18, 20, 0, 0.02, 0)}))
                .find("P-Y LAYER 2 (SOIL LAYER 2)"),
            std::string::npos);
  // No soil below the excavation.
  EXPECT_NE(stop_text(py_state(2, 40, 0.25, 3, 50, {layer(1, 2, 18, 20, 0, 0.02, 0)})).find("NO SOIL LAYER REACHES"),
            std::string::npos);
  // A unit weight below that of water under the water table.
  EXPECT_NE(stop_text(py_state(2, 40, 0.25, 3, 0, {layer(4, 10, 8, 0, 30, 0, 10000)})).find("IS NEGATIVE"),
            std::string::npos);
}

TEST(PyProfileBuilder, ALayerEndingAtTheDepthLimitEndsTheProfile) {
  // Depth limit X = 40 * 0.25 + 0.5 - 3 = 7.5; the first layer ends exactly there.
  const PySoilProfile p = build_py_soil_profile(
      py_state(2, 40, 0.25, 3, 50, {layer(1, 10.5, 18, 20, 0, 0.02, 0), layer(4, 20, 19, 0, 32, 0, 20000)}));
  ASSERT_EQ(p.layers.size(), 1u);
  EXPECT_DOUBLE_EQ(p.layers[0].bottom, 7.5);
}

}  // namespace
}  // namespace keldor::engine
