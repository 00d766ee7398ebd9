#include "driver/names_file.h"

#include <fstream>
#include <string>

namespace keldor::engine {

namespace {

constexpr std::size_t kMaxNameLength = 255;

std::string clean_name(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.size() > kMaxNameLength) line.resize(kMaxNameLength);
  const auto last = line.find_last_not_of(" \t");
  line.erase(last == std::string::npos ? 0 : last + 1);
  return line;
}

}  // namespace

std::optional<RunPaths> read_names_file(const std::filesystem::path& names_file) {
  std::ifstream in(names_file);
  if (!in) return std::nullopt;
  std::string lines[4];
  for (std::string& line : lines) {
    if (!std::getline(in, line)) return std::nullopt;
    line = clean_name(line);
  }
  RunPaths paths;
  paths.data = lines[0];
  paths.report = lines[1];
  paths.plot = lines[2];
  paths.notes = lines[3];
  paths.scratch_dir = ".";
  return paths;
}

}  // namespace keldor::engine
