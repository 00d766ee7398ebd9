// keldor-run: analyses one data file from the command line.
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
