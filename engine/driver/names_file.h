// The names file: four lines naming the data, report, plot-data and
// run-notes files of a run.
#pragma once

#include <filesystem>
#include <optional>

#include "driver/run_analysis.h"

namespace keldor::engine {

// Reads the four names (each cut at 255 characters, trailing blanks
// dropped). Empty when the file cannot be opened or has fewer than four
// lines. Scratch files go to the current directory.
std::optional<RunPaths> read_names_file(const std::filesystem::path& names_file);

}  // namespace keldor::engine
