// The engine's internal entry: one complete analysis of a data file.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace keldor::engine {

// The files of one run. Scratch files ("ORBEND.001", "SOILDATA",
// "debug.dat") are written in scratch_dir.
struct RunPaths {
  std::filesystem::path data;
  std::filesystem::path report;
  std::filesystem::path plot;
  std::filesystem::path notes;
  std::filesystem::path scratch_dir = ".";
};

// The engine's diagnostic channel.
class Console {
 public:
  virtual ~Console() = default;
  virtual void line(std::string_view text) = 0;
};

// The largest absolute value of a result along the wall, with its sign,
// and the depth where it occurs.
struct ExtremeValue {
  double value = 0;
  double depth = 0;
};

// What one solved problem block came to, in the block's units.
struct BlockSummary {
  int IUNITS = 0;
  int iterations = 0;
  std::vector<std::string> messages;  // how the iteration ended, as the report says it
  ExtremeValue deflection, moment, shear;
};

// What a caller learns of a run beyond the files it wrote.
struct RunResult {
  int blocks_read = 0;
  std::vector<BlockSummary> blocks;  // one per solved block
  // Set when the data file could not be opened or read, or held data the
  // engine cannot analyse; the report carries the message.
  bool input_error = false;
  std::string error_message;
};

RunResult run_analysis(const RunPaths& paths, Console& console);

}  // namespace keldor::engine
