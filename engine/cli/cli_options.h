// Command line of keldor-run.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace keldor::engine::cli {

struct CliOptions {
  bool help = false;
  std::filesystem::path data_file;
  std::optional<std::filesystem::path> out_dir;
};

// Parses the arguments after the program name; throws std::invalid_argument
// with a message for the user when they do not make a command.
CliOptions parse_cli_options(const std::vector<std::string>& args);

std::string cli_usage();

// The report, plot-data and run-notes paths: the data file's name with the
// extensions .kd4o, .kd4p and .kd4r, beside it or in out_dir.
struct OutputPaths {
  std::filesystem::path report, plot, notes;
};
OutputPaths output_paths_for(const CliOptions& options);

}  // namespace keldor::engine::cli
