// The generator frame: the depths of the two faces, the layer integral and
// the equivalent depth of a deeper layer, the offset and multipliers in the
// output, and the records of SOILDATA.
#include "pycurves/py_generator_frame.h"

#include <gtest/gtest.h>

#include <sstream>

#include "pycurves/py_test_state.h"
#include "pycurves/soft_clay_py_generator.h"
#include "support/temp_dir.h"

namespace keldor::engine {
namespace {

using testing_support::LineConsole;
using testing_support::TempDir;

TEST(PyGeneratorFrame, BackfillSideLiesExactlyHfreeDeeperThanTheExcavationSide) {
  for (const bool first_layer : {true, false}) {
    const FaceDepths exc = face_depths(WallFace::excavation, 3.0, 4.5, first_layer, 2.0, 2.75);
    const FaceDepths back = face_depths(WallFace::backfill, 3.0, 4.5, first_layer, 2.0, 2.75);
    EXPECT_EQ(back.ZGS - exc.ZGS, 4.5);
    EXPECT_EQ(back.ZEQ - exc.ZEQ, 4.5);
    EXPECT_EQ(exc.ZGS, 3.0);
    EXPECT_EQ(exc.ZEQ, first_layer ? 3.0 : 3.0 - 2.0 + 2.75);
  }
}

// Two soft clay layers of unit weight 18 (above water): c = 20 from X = 0
// to 4, c = 40 from 4 to 10; b = 1.
PySoilProfile clay_over_clay() {
  PySoilProfile p;
  p.WP = 1;
  p.layers = {{0, 4, 1, 0}, {4, 10, 1, 0}};
  p.strength = {{0, 20, 0, 0.02, 0}, {4, 20, 0, 0.02, 0}, {4, 40, 0, 0.01, 0}, {10, 40, 0, 0.01, 0}};
  p.weight = {{0, 18}, {4, 18}, {4, 18}, {10, 18}};
  return p;
}

struct FrameRun {
  TempDir dir;
  std::ostringstream report_text;
  ReportWriter report{report_text};
  LineConsole console;
  UnitLabels units{-1};
  std::vector<PyModification> no_table;
  PyMultipliers multipliers{no_table, 1.0, 1.0, 5.0};
};

TEST(PyGeneratorFrame, EquivalentDepthOfASecondClayLayerCarriesTheResistanceAbove) {
  FrameRun run;
  const PySoilProfile profile = clay_over_clay();
  SoilDataFile file(run.dir / "SOILDATA");
  PyGenerationRun generation(profile, run.multipliers, {}, 5.0, run.report, run.console, run.units, file);
  const SoftClayPyGenerator clay;
  generation.generate_layer(clay, 0, {0.1, 1, 2, 3, 3.9});
  // pu(z) = (3 + 18 z / 20 + 0.5 z) * 20 = 60 + 28 z, linear, so the
  // trapezoids are exact: integral from 0.1 to 3.9 = 60*3.8 + 14*(3.9^2 - 0.1^2) = 440.8.
  EXPECT_NEAR(generation.PUINT(0), 440.8, 1e-9);
  generation.generate_layer(clay, 1, {4.1, 5.5, 7, 8.5, 9.9});
  // c = 40, gamma' = 18: ZR = 240/38 = 6.316, FR = 1515.8 > 440.8, so
  // (40/4 + 18/2) z^2 + 120 z - 440.8 = 0: z = (-120 + sqrt(120^2 + 4*19*440.8)) / 38 = 2.601645.
  EXPECT_NEAR(generation.ZEQTOP(1), 2.601645, 1e-6);
  EXPECT_LT(generation.ZEQTOP(1), 4.0);  // the stronger clay below starts shallower than its real depth
}

TEST(PyGeneratorFrame, OffsetShiftsTheFacesApartAndMultipliersScaleThem) {
  FrameRun run;
  const PySoilProfile profile = clay_over_clay();
  {
    SoilDataFile file(run.dir / "SOILDATA");
    // PAEXC = 50, c = 20, b = 1: POFF = 50 - 40 = 10.
    PyGenerationRun generation(profile, run.multipliers, {0, 50, 1}, 5.0, run.report, run.console, run.units, file);
    generation.generate_layer(SoftClayPyGenerator(), 0, {2});
    file.close();
  }
  std::istringstream lines(testing_support::read_file(run.dir / "SOILDATA"));
  std::string heading;
  std::getline(lines, heading);
  EXPECT_EQ(heading, " 7.0 34");  // depth below the top of the wall: 5 + 2
  std::vector<std::string> records;
  for (std::string line; std::getline(lines, line);) records.push_back(line);
  ASSERT_EQ(records.size(), 34u);
  EXPECT_EQ(records[0], "    1 -0.100E+02  0.000E+00");   // excavation side starts at -POFF
  EXPECT_EQ(records[17], "   18  0.100E+02  0.000E+00");  // backfill side at +POFF
  // Point 15 (8 y50 = 8 * 2.5 * 0.02 = 0.4), excavation side at z = 2:
  // pu = (3 + 1.8 + 1) * 20 = 116, times the p-multiplier 0.5292, less 10.
  EXPECT_EQ(records[14], "   15  0.514E+02  0.400E+00");
  // Backfill side at z = 7: NP = 3 + 6.3 + 3.5 = 12.8 > 9, pu = 180 -> 0.5292*180 + 10 = 105.256.
  EXPECT_EQ(records[31], "   32  0.105E+03  0.400E+00");

  const std::string report = run.report_text.str();
  EXPECT_NE(report.find("         AT THE EXCAVATION SIDE"), std::string::npos);
  EXPECT_NE(report.find("         AT THE BACKFILL SIDE"), std::string::npos);
  EXPECT_NE(report.find("                      P-Multiplier =  0.529E+00 Y-Multiplier =  0.100E+01"),
            std::string::npos);
  // The value lines show ZGS: 2.00 in front of the wall, 7.00 behind it.
  EXPECT_NE(report.find("              2.00           1.000"), std::string::npos);
  EXPECT_NE(report.find("              7.00           1.000"), std::string::npos);
}

}  // namespace
}  // namespace keldor::engine
