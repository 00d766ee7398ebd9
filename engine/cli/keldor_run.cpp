// keldor-run: analyses one data file from the command line.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "cli/cli_options.h"
#include "driver/run_analysis.h"
#include "driver/stderr_console.h"

namespace fs = std::filesystem;
using namespace keldor::engine;

namespace {

// A directory of this process's own for the scratch files, removed on exit.
class PrivateScratchDir {
 public:
  PrivateScratchDir() {
    std::string pattern = (fs::temp_directory_path() / "keldor-run-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      throw std::runtime_error("cannot create a scratch directory in " + fs::temp_directory_path().string());
    }
    path_ = pattern;
  }
  ~PrivateScratchDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  PrivateScratchDir(const PrivateScratchDir&) = delete;
  PrivateScratchDir& operator=(const PrivateScratchDir&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

struct SummaryUnits {
  const char *length, *moment, *force;
};

SummaryUnits summary_units(int iunits) {
  if (iunits == 1) return {"in", "lb-in", "lb"};
  if (iunits == 2) return {"m", "kN-m", "kN"};
  return {"L", "F-L", "F"};
}

void print_summary(const std::vector<BlockSummary>& blocks) {
  for (std::size_t b = 0; b < blocks.size(); ++b) {
    const BlockSummary& block = blocks[b];
    const SummaryUnits units = summary_units(block.IUNITS);
    std::printf("block %zu: %d iteration%s%s\n", b + 1, block.iterations, block.iterations == 1 ? "" : "s",
                block.messages.empty() ? ", closed" : "");
    for (const std::string& message : block.messages) std::printf("  %s\n", message.c_str());
    auto line = [&](const char* what, const ExtremeValue& extreme, const char* unit) {
      std::printf("  largest %-10s % .4e %-5s at depth %.4g %s\n", what, extreme.value, unit, extreme.depth,
                  units.length);
    };
    line("deflection", block.deflection, units.length);
    line("moment", block.moment, units.moment);
    line("shear", block.shear, units.force);
  }
}

int run(const cli::CliOptions& options) {
  if (!std::ifstream(options.data_file)) {
    std::cerr << "keldor-run: cannot open data file '" << options.data_file.string() << "'\n";
    return 2;
  }
  if (options.out_dir) {
    std::error_code error;
    fs::create_directories(*options.out_dir, error);
    if (error) {
      std::cerr << "keldor-run: cannot create output directory '" << options.out_dir->string()
                << "': " << error.message() << "\n";
      return 2;
    }
  }
  const cli::OutputPaths outputs = cli::output_paths_for(options);
  PrivateScratchDir scratch;
  StderrConsole console;
  const RunResult result =
      run_analysis({options.data_file, outputs.report, outputs.plot, outputs.notes, scratch.path()}, console);

  std::cout << "report:     " << outputs.report.string() << "\n"
            << "plot data:  " << outputs.plot.string() << "\n"
            << "run notes:  " << outputs.notes.string() << "\n";
  print_summary(result.blocks);
  if (result.input_error) {
    std::cerr << "keldor-run: the analysis stopped on an input error: " << result.error_message
              << "\n            (see the report)\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const cli::CliOptions options = cli::parse_cli_options(std::vector<std::string>(argv + 1, argv + argc));
    if (options.help) {
      std::cout << cli::cli_usage();
      return 0;
    }
    return run(options);
  } catch (const std::invalid_argument& error) {
    std::cerr << "keldor-run: " << error.what() << "\n\n" << cli::cli_usage();
    return 2;
  } catch (const std::exception& error) {
    std::cerr << "keldor-run: " << error.what() << "\n";
    return 2;
  }
}
