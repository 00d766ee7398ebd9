#include "soil/earth_pressure_generation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "driver/run_stop.h"
#include "soil_test_state.h"

namespace keldor::engine {
namespace {

namespace fs = std::filesystem;

std::string read_text(const fs::path& file) {
  std::ifstream in(file);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class EarthPressureGeneration : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    scratch_ = fs::temp_directory_path() / (std::string("keldor_soil_") + info->name());
    fs::remove_all(scratch_);
    fs::create_directories(scratch_);
  }
  void TearDown() override { fs::remove_all(scratch_); }

  GeneratedEarthPressure generate(const ProblemState& state) {
    return generate_earth_pressure(state, report_, notes_, console_, scratch_);
  }

  std::string orbend() const { return read_text(scratch_ / "ORBEND.001"); }

  fs::path scratch_;
  std::ostringstream report_text_, notes_;
  ReportWriter report_{report_text_};
  testing::RecordingConsole console_;
};

// Two sands with a water table at 2 m on the backfill side and at 4 m in
// front of the wall, a line load of 20 kN/m at 1 m. Checked line by line
// against the report layouts; the numbers of the tables follow the hand
// computations of the overburden, force and distribution tests (PA1 adds
// the line load's share, about 10.9 kN/m in all).
TEST_F(EarthPressureGeneration, ReportSectionsOfAWorkedExample) {
  ProblemState state = testing::two_sand_state();
  state.wall.DWE = 4;
  state.surcharges = {{2, 20, 1, 0}};
  generate(state);
  EXPECT_EQ(report_text_.str(), read_text(fs::path(KELDOR_FIXTURES_DIR) / "soil" / "earth_pressure_report_si.txt"));
  EXPECT_EQ(console_.lines, (std::vector<std::string>{
                                "                                      TOTAL",
                                "                                    TOTAL UNIT",
                                "      LAYER THICKNESS COHESION  PHI   WEIGHT   DRAINED  ZTOP",
                                "               M        kPa     DEG    kN/M^3   T OR F    M ",
                            }));
  EXPECT_TRUE(notes_.str().empty());
  EXPECT_TRUE(fs::exists(scratch_ / "debug.dat"));
  EXPECT_EQ(fs::file_size(scratch_ / "debug.dat"), 0u);
}

TEST_F(EarthPressureGeneration, WritesTheDistributionFile) {
  // Totals of the two-sand column by hand (distribution test):
  // 0, 6, 12, 24.667, 37.333, 46.096, 58.692 at depths 0 to 6.
  const GeneratedEarthPressure result = generate(testing::two_sand_state());
  EXPECT_EQ(orbend(),
            " 7\n"
            "      0.000E+00     0.000E+00     0.000E+00     0.000E+00\n"
            "      0.100E+01     0.600E+01     0.600E+01     0.000E+00\n"
            "      0.200E+01     0.120E+02     0.120E+02     0.000E+00\n"
            "      0.300E+01     0.247E+02     0.247E+02     0.000E+00\n"
            "      0.400E+01     0.373E+02     0.373E+02     0.000E+00\n"
            "      0.500E+01     0.461E+02     0.461E+02     0.000E+00\n"
            "      0.600E+01     0.587E+02     0.587E+02     0.000E+00\n");
  EXPECT_EQ(result.points.size(), 7u);
  EXPECT_NEAR(result.SIGVP_excavation, 72, 1e-9);  // effective stress at 6 m
}

TEST_F(EarthPressureGeneration, TrapezoidalOptionWritesTheTrapezoid) {
  // One anchor at 2 m: plateau 1.3 * 155.4424 / 4 = 50.519 from 4/3 to 10/3 m.
  ProblemState state = testing::two_sand_state();
  state.control.KOUTPT = 3;
  state.NSPR = 1;
  state.XANCH1 = 2;
  generate(state);
  std::istringstream lines(orbend());
  std::string line;
  for (int k = 0; k < 5; ++k) std::getline(lines, line);  // the count, then depths 0 to 3
  EXPECT_EQ(line, "      0.300E+01     0.505E+02     0.247E+02     0.000E+00");
}

TEST_F(EarthPressureGeneration, NoSublayerAtTheExcavationStopsAfterTheSoilEcho) {
  ProblemState state = testing::two_sand_state();
  state.wall.HWALL = 15;  // below the base of the column at 12 m
  try {
    generate(state);
    FAIL() << "no stop";
  } catch (const SoilStop& stop) {
    EXPECT_EQ(stop.code(), "1");
  }
  const std::string text = report_text_.str();
  EXPECT_NE(text.find("*SOIL INFORMATION"), std::string::npos);
  EXPECT_NE(text.find("   T      4.00"), std::string::npos);  // the last sublayer row: 4 to 12 m
  EXPECT_EQ(text.find("EFFECTIVE OVERBURDEN"), std::string::npos);
  EXPECT_FALSE(fs::exists(scratch_ / "ORBEND.001"));
}

TEST_F(EarthPressureGeneration, TooManySublayersStopAfterTheSoilEcho) {
  ProblemState state = testing::si_state(5.5, 30, std::vector<SoilLayer>(20, testing::sand(1, 18, 30)));
  try {
    generate(state);
    FAIL() << "no stop";
  } catch (const SoilStop& stop) {
    EXPECT_EQ(stop.code(), "2");
  }
  EXPECT_NE(report_text_.str().find("        20      1.0"), std::string::npos);
  EXPECT_EQ(report_text_.str().find("EFFECTIVE OVERBURDEN"), std::string::npos);
}

TEST_F(EarthPressureGeneration, SlopeWarningGoesToTheRunNotesAndTheReport) {
  // Clay (phi 0) above the excavation under a 10 degree slope: one warning;
  // the sand below the excavation gets none.
  ProblemState state = testing::si_state(3, 30, {testing::clay(3, 18, 5), testing::sand(9, 18, 30)});
  state.wall.BETA = 10;
  generate(state);
  const std::string warning =
      "     **** WARNING ******\n"
      "     THE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL FRICTION ANGLE OF SAND.\n";
  EXPECT_EQ(notes_.str(), warning);
  const std::string text = report_text_.str();
  const auto at = text.find(warning);
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(text.find(warning, at + 1), std::string::npos);
  EXPECT_LT(at, text.find("ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT"));
}

TEST_F(EarthPressureGeneration, NegativeNetForceIsReportedAndTheRunGoesOn) {
  // Clay with c = 100 over 6 m of gamma 18: the pressure never turns positive.
  generate(testing::si_state(6, 30, {testing::clay(10, 18, 100)}));
  EXPECT_EQ(console_.lines.back(), "Net active pressure is negative.");
  EXPECT_NE(report_text_.str().find("\n     Net active pressure is negative.\n"), std::string::npos);
  EXPECT_TRUE(fs::exists(scratch_ / "ORBEND.001"));
}

TEST_F(EarthPressureGeneration, DistributionBeyondThePressureTableIsAStorageStop) {
  // English units: one point per inch, 1300 in of retained soil.
  ProblemState state = testing::si_state(1300, 5000, {testing::sand(2000, 0.07, 30)});
  state.control.IUNITS = 1;
  try {
    generate(state);
    FAIL() << "no stop";
  } catch (const ReportedStop& stop) {
    EXPECT_EQ(stop.lines().front(), "TOO MUCH DATA FOR AVAILABLE STORAGE");
  }
  EXPECT_FALSE(fs::exists(scratch_ / "ORBEND.001"));
}

TEST_F(EarthPressureGeneration, WaterTableAboveTheBackfillIsAReportedStop) {
  ProblemState state = testing::two_sand_state();
  state.wall.DWB = -1;
  EXPECT_THROW(generate(state), ReportedStop);
  EXPECT_NE(report_text_.str().find("*SURCHARGE INFORMATION"), std::string::npos);
}

TEST_F(EarthPressureGeneration, UnwritableScratchDirectoryIsAReportedStop) {
  scratch_ /= "missing";
  EXPECT_THROW(generate(testing::two_sand_state()), ReportedStop);
}

}  // namespace
}  // namespace keldor::engine
