// The main window's problem-side state for tests: tables, modified state,
// a scripted prompt and a problem, plus a private scratch folder.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "grid_table.h"
#include "main_window_tables.h"
#include "modified_state.h"
#include "program_data.h"
#include "scripted_prompt.h"

namespace keldor::gui::testing_support {

class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "keldor-gui-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("no scratch folder");
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::string ReadText(const std::string& file_name) {
  std::ifstream file(file_name, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

inline void WriteText(const std::string& file_name, const std::string& text) {
  std::ofstream(file_name, std::ios::binary) << text;
}

struct ProblemHarness {
  TMainWindowTables tables;
  TModifiedState modified{tables};
  ScriptedPrompt prompt;
  TProgramContext context{tables, modified, prompt, {}, {}};
  std::unique_ptr<TProgramData> data = std::make_unique<TProgramData>(context);
  ScratchFolder folder;

  TGridTable& Table(const char* name) { return tables.Table(name); }
  void Renew() { data = std::make_unique<TProgramData>(context); }
  bool Read(std::string file_name, TFileLayout layout = TFileLayout::Current) {
    data = std::make_unique<TProgramData>(context);
    return data->ReadDataFile(file_name, layout);
  }
};

}  // namespace keldor::gui::testing_support
