#include "driver/soil_data_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "driver/run_stop.h"
#include "support/run_fixture.h"

namespace keldor::engine {
namespace {

using testing_support::RecordingConsole;
using testing_support::TempDir;
using testing_support::write_file;

// One user set of three points, then one generated curve at depth 61 whose
// branch k (1 excavation side, 2 backfill side) has point i (0..16) at
// y = i/100 and p = k*i (point 0 at the origin).
std::string soil_data_text() {
  std::string text = " 2\n 5 3\n 1 10.0 -0.1\n 2 0.0 0.0\n 3 -10.0 0.1\n 61.0 34\n";
  for (int k = 1; k <= 2; ++k) {
    for (int i = 0; i < 17; ++i) {
      text += " " + std::to_string((k - 1) * 17 + i + 1) + " " + std::to_string(k * i) + ".0 " +
              std::to_string(i / 100.0) + "\n";
    }
  }
  return text;
}

TEST(SoilData, UserSetsAsReadAndGeneratedBranchesMergedIntoOneFallingCurve) {
  TempDir dir;
  write_file(dir / "SOILDATA", soil_data_text());
  RecordingConsole console;
  const auto curves = read_soil_data(dir / "SOILDATA", 1, 12.0, console);
  ASSERT_EQ(curves.size(), 2u);
  EXPECT_EQ(console.lines, std::vector<std::string>{" 2"});

  EXPECT_FALSE(curves[0].generated);
  EXPECT_EQ(curves[0].station, 5);
  EXPECT_EQ(curves[0].y, (std::vector<double>{-0.1, 0.0, 0.1}));
  EXPECT_EQ(curves[0].p, (std::vector<double>{10.0, 0.0, -10.0}));

  const SoilDataCurve& g = curves[1];
  EXPECT_TRUE(g.generated);
  EXPECT_EQ(g.station, 5);  // 61 / 12 = 5.08
  ASSERT_EQ(g.y.size(), 33u);
  // Merged point 1 is raw point 34, the backfill branch's last: y = -0.16, p = 2*16.
  EXPECT_DOUBLE_EQ(g.y[0], -0.16);
  EXPECT_DOUBLE_EQ(g.p[0], 32.0);
  // Merged point 17 is raw point 18, the backfill origin.
  EXPECT_DOUBLE_EQ(g.y[16], 0.0);
  EXPECT_DOUBLE_EQ(g.p[16], 0.0);
  // Merged point 18 is raw point 2, the excavation branch's first after its origin.
  EXPECT_DOUBLE_EQ(g.y[17], 0.01);
  EXPECT_DOUBLE_EQ(g.p[17], -1.0);
  EXPECT_DOUBLE_EQ(g.y[32], 0.16);
  EXPECT_DOUBLE_EQ(g.p[32], -16.0);
  for (std::size_t i = 1; i < g.y.size(); ++i) EXPECT_GT(g.y[i], g.y[i - 1]);
}

TEST(SoilData, TooManyCurvesOrAShortFileStopTheRun) {
  TempDir dir;
  RecordingConsole console;
  write_file(dir / "SOILDATA", " 401\n");
  EXPECT_THROW(read_soil_data(dir / "SOILDATA", 0, 1.0, console), ReportedStop);
  write_file(dir / "SOILDATA", " 1\n 12.0 34\n 1 0.0 0.0\n");
  EXPECT_THROW(read_soil_data(dir / "SOILDATA", 0, 1.0, console), ReportedStop);
  EXPECT_THROW(read_soil_data(dir / "absent", 0, 1.0, console), ReportedStop);
}

}  // namespace
}  // namespace keldor::engine
