// Test support: runs the engine on a data file given as text and returns
// what the run wrote.
#pragma once

#include <string>
#include <vector>

#include "driver/run_analysis.h"
#include "support/temp_dir.h"

namespace keldor::engine::testing_support {

class RecordingConsole : public Console {
 public:
  void line(std::string_view text) override { lines.emplace_back(text); }
  std::vector<std::string> lines;
};

struct RunOutput {
  RunResult result;
  std::string report, plot, notes;
  std::vector<std::string> console;
};

inline RunOutput run_data_text(const std::string& data) {
  TempDir dir;
  write_file(dir / "case.kd4d", data);
  RunPaths paths{dir / "case.kd4d", dir / "case.kd4o", dir / "case.kd4p", dir / "case.kd4r", dir.path()};
  RecordingConsole console;
  RunOutput out;
  out.result = run_analysis(paths, console);
  out.report = read_file(paths.report);
  out.plot = read_file(paths.plot);
  out.notes = read_file(paths.notes);
  out.console = console.lines;
  return out;
}

}  // namespace keldor::engine::testing_support
