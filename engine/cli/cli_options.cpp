#include "cli/cli_options.h"

#include <stdexcept>

namespace keldor::engine::cli {

CliOptions parse_cli_options(const std::vector<std::string>& args) {
  CliOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--out-dir") {
      if (i + 1 >= args.size()) throw std::invalid_argument("--out-dir needs a directory");
      options.out_dir = args[++i];
    } else if (!arg.empty() && arg[0] == '-') {
      throw std::invalid_argument("unknown option '" + arg + "'");
    } else if (options.data_file.empty()) {
      options.data_file = arg;
    } else {
      throw std::invalid_argument("more than one data file given ('" + arg + "')");
    }
  }
  if (!options.help && options.data_file.empty()) throw std::invalid_argument("no data file given");
  return options;
}

std::string cli_usage() {
  return "Usage: keldor-run FILE.kd4d [--out-dir DIR]\n"
         "\n"
         "Analyses the retaining wall(s) of the Keldor data file FILE.kd4d and writes\n"
         "the report (.kd4o), the plot data (.kd4p) and the run notes (.kd4r) beside\n"
         "it, or into DIR. Scratch files go to a private temporary directory, so\n"
         "several analyses may run at once.\n"
         "\n"
         "Exit status: 0 analysis completed; 1 the report carries an input error;\n"
         "2 the command or the data file could not be used.\n";
}

OutputPaths output_paths_for(const CliOptions& options) {
  std::filesystem::path base = options.data_file;
  if (options.out_dir) base = *options.out_dir / options.data_file.filename();
  auto with = [&](const char* extension) { return std::filesystem::path(base).replace_extension(extension); };
  return {with(".kd4o"), with(".kd4p"), with(".kd4r")};
}

}  // namespace keldor::engine::cli
