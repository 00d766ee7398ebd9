// Reads back the p-y scratch file "SOILDATA": the user sets (multipliers
// applied) followed by the generated curves, each generated curve as two
// 17-point branches that are merged here into one falling curve.
#pragma once

#include <filesystem>
#include <vector>

#include "driver/run_analysis.h"

namespace keldor::engine {

struct SoilDataCurve {
  bool generated = false;
  double depth = 0;  // generated curves
  int station = 0;   // user sets; for generated curves the nearest station to depth/H
  // Deflection and soil reaction per unit length; a generated curve holds
  // its 33 merged points, falling from left to right.
  std::vector<double> y, p;
};

// user_sets: how many of the curves are user sets. Writes the number of
// curves to the console. Throws the storage stop above 400 curves and a
// report message when the file cannot be read as written.
std::vector<SoilDataCurve> read_soil_data(const std::filesystem::path& file, int user_sets, double H,
                                          Console& console);

}  // namespace keldor::engine
