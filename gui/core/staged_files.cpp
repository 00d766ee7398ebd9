#include "staged_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "atomic_file.h"
#include "in_out_error.h"

namespace keldor::gui {

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

std::string ReadWholeFile(const std::string& file_name) {
  std::ifstream file(file_name, std::ios::binary);
  if (!file) throw EInOutError("Cannot open file \"" + file_name + "\".");
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace

std::string StageFileNameOf(const std::string& data_file, int stage) {
  std::filesystem::path path(data_file);
  path.replace_extension(".st" + std::to_string(stage));
  return path.string();
}

bool FileExists(const std::string& file_name) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(file_name, ignored);
}

std::vector<std::string> SplitStageTexts(const std::string& text, int stage_count) {
  std::vector<std::string> stages(static_cast<std::size_t>(std::max(stage_count, 0)));
  const std::vector<std::string> lines = SplitLines(text);
  std::size_t stage = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool examined = i > 0 && i + 1 < lines.size();
    if (examined && lines[i].find(" Stage No :") != std::string::npos) ++stage;
    if (stage >= stages.size()) break;  // blocks beyond the stage count are not part of the problem
    stages[stage] += lines[i] + "\r\n";
  }
  return stages;
}

void DeleteStageFiles(const std::string& data_file, int keep) {
  for (int stage = keep + 1; stage <= kMaxStages; ++stage) {
    std::error_code ignored;
    std::filesystem::remove(StageFileNameOf(data_file, stage), ignored);
  }
}

void SplitStagedFile(const std::string& data_file, int stage_count) {
  const std::vector<std::string> stages = SplitStageTexts(ReadWholeFile(data_file), stage_count);
  DeleteStageFiles(data_file);
  for (std::size_t i = 0; i < stages.size(); ++i) {
    WriteFileAtomically(StageFileNameOf(data_file, static_cast<int>(i) + 1), stages[i]);
  }
}

void AssembleStagedFile(const std::string& target, const std::string& source, int stage_count) {
  std::string text;
  for (int stage = 1; stage <= stage_count; ++stage) text += ReadWholeFile(StageFileNameOf(source, stage));
  WriteFileAtomically(target, text);
  if (target == source) return;
  for (int stage = 1; stage <= stage_count; ++stage) {
    std::error_code ignored;
    std::filesystem::rename(StageFileNameOf(source, stage), StageFileNameOf(target, stage), ignored);
  }
}

}  // namespace keldor::gui
