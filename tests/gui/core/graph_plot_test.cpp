#include "graph_plot.h"

#include <gtest/gtest.h>

#include "axis_scale.h"

namespace keldor::gui {
namespace {

struct RangeCase {
  double low, high;
  double min, max, step;
};

class AxisRange : public testing::TestWithParam<RangeCase> {};

// 0..2.5: log10 2.5 = 0.398 < log10 3 = 0.477, so step 10^0 / 10 = 0.1.
// 0.3..8 (0 included): log10 8 = 0.903, step 1, axis 0..8.
// All zero: -0.01..0.01, log10 0.02 = -1.699, step 10^-2 / 10 = 0.001.
// -37..120: range 157, log10 = 2.196 < 0.477 + 2, step 10, axis -40..120.
TEST_P(AxisRange, RoundsToWholeSteps) {
  const RangeCase& c = GetParam();
  const TAxisRange range = RoundedAxisRange(c.low, c.high);
  EXPECT_NEAR(range.min, c.min, 1e-12);
  EXPECT_NEAR(range.max, c.max, 1e-12);
  EXPECT_NEAR(range.step, c.step, 1e-15);
}

INSTANTIATE_TEST_SUITE_P(Cases, AxisRange,
                         testing::Values(RangeCase{0, 2.5, 0, 2.5, 0.1}, RangeCase{0.3, 8, 0, 8, 1},
                                         RangeCase{0, 0, -0.01, 0.01, 0.001}, RangeCase{-37, 120, -40, 120, 10},
                                         RangeCase{-0.5, -0.2, -0.5, 0, 0.1}));

TEST(AxisRange, FromTheCurvesOfAList) {
  std::vector<TLine> lines(2);
  lines[0].Points = {{0.3, 1}, {8, 2}};
  lines[1].Points = {{2, -3}};
  EXPECT_EQ(AxisRangeX(lines).max, 8);
  EXPECT_EQ(AxisRangeY(lines).min, -3);
  EXPECT_EQ(AxisRangeY(lines).max, 2);
}

// raw = range / n; q = leading digit: 1 -> g, 2..4 -> 2g, 5..8 -> 5g, 9 -> 10g.
TEST(AxisRange, MajorTickSteps) {
  EXPECT_DOUBLE_EQ(MajorTickStep(10, 10), 1);    // raw 1
  EXPECT_DOUBLE_EQ(MajorTickStep(30, 10), 2);    // raw 3
  EXPECT_DOUBLE_EQ(MajorTickStep(2.5, 4), 0.5);  // raw 0.625
  EXPECT_DOUBLE_EQ(MajorTickStep(9, 1), 10);     // raw 9
  EXPECT_EQ(MajorTickStep(10, 0), 0);
}

TEST(PlotUnits, OneForceAndOneLengthKindAreReplaced) {
  EXPECT_EQ(RenderPlotUnits("F/L2^3", 1), "lbs/ft^3");
  EXPECT_EQ(RenderPlotUnits("F/L2^3", 2), "kN/m^3");
  EXPECT_EQ(RenderPlotUnits("F1-L1", 1), "kips-in");
  EXPECT_EQ(RenderPlotUnits("F/L1", 2), "kN/mm");
  EXPECT_EQ(RenderPlotUnits("F-L^2", 1), "lbs-in^2");
  EXPECT_EQ(RenderPlotUnits("F/L2^3", 3), "F/L2^3");
}

TEST(GraphPlot, CurveAndPointCounts) {
  TGraphPlot plot;
  plot.SetCurveCount(TLineList::Curves, 3);
  EXPECT_EQ(plot.Lines(TLineList::Curves)[2].LineValue, 3);
  plot.SetPointCount(TLineList::Curves, 4);
  EXPECT_EQ(plot.PointCount(TLineList::Curves), 4);
  plot.SetCurveCount(TLineList::Curves, 1);
  EXPECT_EQ(plot.Lines(TLineList::Curves).size(), 1u);
  EXPECT_EQ(plot.PointCount(TLineList::Curves3), 0);
  plot.SetUnits(0);
  EXPECT_EQ(plot.Units(), 1);
  plot.SetUnits(7);
  EXPECT_EQ(plot.Units(), 3);
}

TEST(GraphPlot, LegendTexts) {
  TGraphPlot plot;
  plot.CurveName = "Load #";
  plot.SetCurveCount(TLineList::Curves, 3);
  plot.Lines(TLineList::Curves)[1].LineName = "Named";
  plot.Lines(TLineList::Curves)[2].LineValue = 2.5;
  EXPECT_EQ(plot.LegendText(0), "Load #1");
  EXPECT_EQ(plot.LegendText(1), "Named");
  EXPECT_EQ(plot.LegendText(2), "Load #2.5");
  plot.PresetCaptions = {"Preset"};
  EXPECT_EQ(plot.LegendText(0), "Preset");
  plot.onGetCaption = [](int index, std::string& text) { text += "/" + std::to_string(index); };
  EXPECT_EQ(plot.LegendText(1), "Named/1");
}

TEST(GraphPlot, ColoursRepeatAfterSeventeen) {
  EXPECT_EQ(CurveColour(0), 0x000000u);
  EXPECT_EQ(CurveColour(2), 0x0000FFu);  // red as 0x00BBGGRR
  EXPECT_EQ(CurveColour(16), 0xFFFF00u);
  EXPECT_EQ(CurveColour(17), CurveColour(0));
}

}  // namespace
}  // namespace keldor::gui
