// The plot-data files that the engine writes load completely into the
// result graphs: the two sides of the file format agree.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "problem_harness.h"
#include "result_graphs.h"

namespace keldor::gui {
namespace {

using testing_support::ScratchFolder;
using testing_support::ScriptedPrompt;

struct EngineCase {
  const char* example;
  int cases;
  int nodes;  // NI + 2
};

class EnginePlotFile : public testing::TestWithParam<EngineCase> {};

TEST_P(EnginePlotFile, LoadsEveryCase) {
  const EngineCase& c = GetParam();
  ScratchFolder folder;
  const std::string command = std::string(KELDOR_RUN_PROGRAM) + " " + KELDOR_EXAMPLES_DIR + "/" + c.example +
                              ".kd4d --out-dir " + folder.File("") + " >/dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;

  ScriptedPrompt prompt;
  TResultGraphs graphs;
  TPlotProblem problem;
  problem.long_term = c.cases == 2;
  const TPlotLoadResult result = LoadPlotFile(folder.File(std::string(c.example) + ".kd4p"), problem, graphs, prompt);
  EXPECT_TRUE(result.complete);
  EXPECT_TRUE(prompt.messages.empty());
  const auto& deflections = graphs.pltDef.Lines(TLineList::Curves);
  ASSERT_EQ(deflections.size(), static_cast<std::size_t>(c.cases));
  for (const TLine& line : deflections) EXPECT_EQ(line.Points.size(), static_cast<std::size_t>(c.nodes));
  EXPECT_FALSE(graphs.pltPY.Lines(TLineList::Curves).empty());
}

INSTANTIATE_TEST_SUITE_P(Examples, EnginePlotFile,
                         testing::Values(EngineCase{"short_long_term_english", 2, 62},
                                         EngineCase{"cantilever_layered_sand_si", 1, 50},
                                         EngineCase{"anchored_wall_si", 1, 50}),
                         [](const testing::TestParamInfo<EngineCase>& info) { return std::string(info.param.example); });

}  // namespace
}  // namespace keldor::gui
