// Loading plot-data files into the result graphs.
#include "result_graphs.h"

#include <gtest/gtest.h>

#include <sstream>

#include "grid_table.h"
#include "problem_harness.h"

namespace keldor::gui {
namespace {

using testing_support::ScratchFolder;
using testing_support::ScriptedPrompt;
using testing_support::WriteText;

// One block of a plot-data file: pressure points, units flag, one p-y
// curve, the case count and the node rows. Node j of case c has depth 12 j,
// deflection c + j, moment 1000 j, shear 2000 j and reaction 3 j.
std::string Block(int pressure_points, int units, int cases, int nodes, int py_points = 2, int c = 0) {
  std::ostringstream text;
  text << pressure_points << "\n";
  for (int j = 0; j < pressure_points; ++j) text << "  " << 24 * j << " " << 10 * j << " " << 8 * j << " " << 2 * j << "\n";
  text << units << " 1\n" << 36.0 << " " << py_points << "\n";
  for (int j = 0; j < py_points; ++j) text << 0.1 * j << " " << 50 * j << "\n";
  text << cases << " " << nodes << " " << units << "\n";
  for (int j = 0; j < nodes; ++j) {
    text << " " << 12 * j << " " << c + j << " " << 1000 * j << " " << 2000 * j << " " << 3 * j << "\n";
  }
  return text.str();
}

struct Loaded {
  ScratchFolder folder;
  ScriptedPrompt prompt;
  TResultGraphs graphs;
  TPlotLoadResult result;

  Loaded(const std::string& text, TPlotProblem problem = {}) {
    WriteText(folder.File("r.kd4p"), text);
    result = LoadPlotFile(folder.File("r.kd4p"), problem, graphs, prompt);
  }
  const TLine& Curve(TGraphPlot& plot, int i) { return plot.Lines(TLineList::Curves)[static_cast<std::size_t>(i)]; }
};

TEST(LoadPlotFile, ShortAndLongTermEnglish) {
  TPlotProblem problem;
  problem.long_term = true;
  // The long-term case has fewer pressure points and nodes: its curves are padded.
  Loaded l(Block(3, 1, 2, 4) + Block(2, 1, 2, 3, 2, 10), problem);
  ASSERT_TRUE(l.result.complete);
  EXPECT_TRUE(l.prompt.messages.empty());
  EXPECT_EQ(l.result.pressure_point_count, 3);
  EXPECT_EQ(l.Curve(l.graphs.pltDef, 0).LineName, "Short-Term");
  EXPECT_EQ(l.Curve(l.graphs.pltDef, 1).LineName, "Long-Term");
  EXPECT_EQ(l.Curve(l.graphs.pltDMS, 1).LineName, "Long-Term");
  // English: node depth 36 in = 3 ft, moment 3000 lb-in = 3 in-kips, shear 6000 lb = 6 kips.
  const TLine& moment = l.Curve(l.graphs.pltMom, 0);
  ASSERT_EQ(moment.Points.size(), 4u);
  EXPECT_EQ(moment.Points[3].X, 3);
  EXPECT_EQ(moment.Points[3].Y, 3);
  EXPECT_EQ(l.Curve(l.graphs.pltShear, 0).Points[3].X, 6);
  // Padding repeats the last point: long-term node 2 (depth 2 ft, deflection 12).
  const TLine& long_deflection = l.Curve(l.graphs.pltDef, 1);
  ASSERT_EQ(long_deflection.Points.size(), 4u);
  EXPECT_EQ(long_deflection.Points[3].X, 12);
  EXPECT_EQ(long_deflection.Points[3].Y, 2);
  // Pressure depths 48 in = 4 ft; the second curve is padded to 3 points.
  EXPECT_EQ(l.Curve(l.graphs.pltLD, 0).Points[2].Y, 4);
  ASSERT_EQ(l.Curve(l.graphs.pltLD, 1).Points.size(), 3u);
  EXPECT_EQ(l.Curve(l.graphs.pltLD, 1).Points[2].Y, 2);
  EXPECT_EQ(l.Curve(l.graphs.PltCombine, 1).LineName, "from Soils ");
  EXPECT_EQ(l.graphs.pltDef.YCaption, "Depth (ft)");
  EXPECT_EQ(l.graphs.pltDMS.XCaption2, "Bending Moment (in-kips)");
  EXPECT_EQ(l.graphs.pltDef.Units(), 1);
  EXPECT_EQ(l.graphs.pltPY.LegendText(0), "Depth36");
}

TEST(LoadPlotFile, ThreeStagesSI) {
  Loaded l(Block(2, 2, 3, 3) + Block(2, 2, 3, 3) + Block(2, 2, 3, 3));
  ASSERT_TRUE(l.result.complete);
  ASSERT_EQ(l.graphs.pltSoil.Lines(TLineList::Curves).size(), 3u);
  EXPECT_EQ(l.Curve(l.graphs.pltSoil, 0).LineName, "Stage: 1");
  EXPECT_EQ(l.Curve(l.graphs.pltSoil, 2).LineName, "Stage: 3");
  EXPECT_EQ(l.Curve(l.graphs.pltMom, 1).Points[2].X, 2000);  // SI: not scaled
  EXPECT_EQ(l.graphs.pltShear.XCaption, "Shear (kN)");
  EXPECT_EQ(l.graphs.pltLD.Lines(TLineList::Curves).size(), 3u);
}

TEST(LoadPlotFile, SingleCaseLeavesCurvesUnnamed) {
  Loaded l(Block(2, 2, 1, 3));
  ASSERT_TRUE(l.result.complete);
  EXPECT_EQ(l.Curve(l.graphs.pltDef, 0).LineName, "");
  EXPECT_EQ(l.graphs.pltDef.LegendText(0), "Curve #1");
  EXPECT_TRUE(l.graphs.pltDMS.ShowThree);
}

TEST(LoadPlotFile, FileEndingInTheSecondCaseKeepsTheFirst) {
  std::string second = Block(2, 1, 2, 3);
  second.resize(second.size() - 12);  // inside the node rows
  Loaded l(Block(2, 1, 2, 3) + second);
  EXPECT_FALSE(l.result.complete);
  ASSERT_EQ(l.prompt.messages.size(), 1u);
  EXPECT_EQ(l.prompt.messages[0], "An error occured in running the main program.");
  ASSERT_EQ(l.graphs.pltDef.Lines(TLineList::Curves).size(), 2u);
  const TLine& first = l.Curve(l.graphs.pltDef, 0);
  ASSERT_EQ(first.Points.size(), 3u);
  EXPECT_EQ(first.Points[2].X, 2);
  EXPECT_EQ(l.Curve(l.graphs.pltDef, 1).Points.size(), 3u);  // padded, equal lengths kept
  EXPECT_EQ(l.graphs.pltDef.YCaption, "");                   // captions are not set after an error
}

TEST(LoadPlotFile, CountsBeyondTheFileAreRejected) {
  Loaded l("2000000000\n1 2 3 4\n");
  EXPECT_FALSE(l.result.complete);
  Loaded cases(Block(1, 1, 2000000000, 1));
  EXPECT_FALSE(cases.result.complete);
  Loaded missing("");
  EXPECT_FALSE(missing.result.complete);
}

TEST(LoadPlotFile, SoilLayersAndWallLines) {
  testing_support::ProblemHarness h;
  TGridTable& layers = h.Table("NewSoil");
  layers.SetRowCount(2);
  layers.Cell(0, 0).SetInteger(2);
  layers.Cell(1, 0).SetFloat(10);
  layers.Cell(0, 1).SetInteger(4);
  layers.Cell(1, 1).SetFloat(30);
  TPlotProblem problem;
  problem.increments = 60;
  problem.increment_length = 0.5;
  problem.free_height = 12;
  problem.soil_layers = &layers;
  Loaded l(Block(1, 1, 1, 2), problem);
  const std::vector<TLine>& lines = l.graphs.pltDMS.Lines(TLineList::LayerLines);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].LineName, "LAYER 1 CLAY ");
  EXPECT_EQ(lines[1].LineName, "LAYER 2 SAND ");
  EXPECT_EQ(lines[1].Points[0].X, 7);
  EXPECT_EQ(lines[1].Points[0].Y, 30);
  EXPECT_EQ(lines[2].LineName, "PILE");
  EXPECT_EQ(lines[2].Points[0].Y, 30);  // 60 × 0.5
  EXPECT_EQ(lines[3].Points[0].Y, 12);
  EXPECT_EQ(l.graphs.pltDMS.WallLineCount, 2);
}

}  // namespace
}  // namespace keldor::gui
