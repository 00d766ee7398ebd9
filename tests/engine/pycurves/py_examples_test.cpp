// The bundled walls in stiff clay, silt and weak rock: their soil data read
// as the driver reads them give a complete set of finite curves in SOILDATA.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <fstream>
#include <sstream>

#include "driver/block_reader.h"
#include "driver/data_file_reader.h"
#include "pycurves/py_curve_set_assembly.h"
#include "pycurves/py_test_state.h"
#include "support/temp_dir.h"

namespace keldor::engine {
namespace {

ProblemState read_block(const std::string& file_name) {
  std::ifstream in(std::string(KELDOR_EXAMPLES_DIR) + "/" + file_name);
  DataFileReader reader(in, file_name);
  ProblemState state;
  std::ostringstream echo;
  ReportWriter report(echo);
  BlockReader block(reader, state, report);
  block.read_title();
  block.read_control();
  block.read_geometry();
  block.read_restraints();
  block.read_stiffness_and_loads();
  block.read_py_modifications();
  block.read_user_pressure_table();
  block.read_wall_and_soil();
  return state;
}

TEST(PyExamples, StiffClaySiltAndWeakRockWallsGiveFiniteCurves) {
  struct Example {
    const char* file;
    const char* soil_line;
  };
  for (const Example e : {Example{"cantilever_stiff_clay_below_water_si.kd4d", "THE SOIL IS A STIFF CLAY BELOW"},
                          Example{"cantilever_socketed_weak_rock_si.kd4d", "THE LAYER IS WEAK ROCK"},
                          Example{"cantilever_silt_si.kd4d", "THE SOIL IS A SILT"}}) {
    ProblemState state = read_block(e.file);
    testing_support::TempDir dir;
    std::ostringstream text;
    ReportWriter report(text);
    testing_support::LineConsole console;
    EXPECT_EQ(generate_py_curves(state, 0, report, console, dir.path()), 10) << e.file;
    const std::string out = text.str();
    const std::string soildata = testing_support::read_file(dir / "SOILDATA");
    EXPECT_NE(out.find(e.soil_line), std::string::npos) << e.file;
    for (const char* bad : {"nan", "NAN", "inf", "INF"}) {
      EXPECT_EQ(out.find(bad), std::string::npos) << e.file << ": " << bad;
      EXPECT_EQ(soildata.find(bad), std::string::npos) << e.file << ": " << bad;
    }
    // Count record, then ten curves of a heading and 34 points.
    EXPECT_EQ(std::count(soildata.begin(), soildata.end(), '\n'), 1 + 10 * 35) << e.file;
    if (std::getenv("KELDOR_SHOW_PY")) std::cerr << out << soildata;
  }
}

}  // namespace
}  // namespace keldor::engine
