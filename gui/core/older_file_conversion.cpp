#include "older_file_conversion.h"

#include <fstream>
#include <sstream>

#include "in_out_error.h"
#include "main_window_tables.h"
#include "modified_state.h"
#include "prompt.h"
#include "staged_files.h"

namespace keldor::gui {

namespace {

// Keeps the first message of the readers; nothing here asks questions.
class TCollectingPrompt : public TPrompt {
 public:
  void Information(const std::string& text) override {
    if (first.empty()) first = text;
  }
  bool YesNo(const std::string&) override { return false; }
  TAnswer YesNoCancel(const std::string&) override { return TAnswer::Cancel; }
  std::optional<TChosenFile> ChooseFileToOpen(const TFileDialogRequest&) override { return std::nullopt; }
  std::optional<TChosenFile> ChooseFileToSave(const TFileDialogRequest&) override { return std::nullopt; }
  std::string first;
};

std::string ReaderMessage(std::string message) {
  const std::size_t line_break = message.find('\r');
  if (line_break != std::string::npos) message.replace(line_break, 1, ": ");
  return message;
}

}  // namespace

std::string ConvertToCurrentLayout(const std::string& old_file, TFileLayout layout) {
  TMainWindowTables tables;
  TModifiedState modified(tables);
  TCollectingPrompt prompt;
  TProgramContext context{tables, modified, prompt, {}, {}};
  TProgramData data(context);
  if (!data.ReadDataFile(old_file, layout)) {
    throw EInOutError(old_file + ": " + ReaderMessage(prompt.first));
  }
  if (data.StageCount < 2) return data.DataFileText();

  std::ifstream file(old_file, std::ios::binary);
  std::ostringstream old_text;
  old_text << file.rdbuf();
  const std::vector<std::string> stages = SplitStageTexts(old_text.str(), data.StageCount);
  const int stage_count = data.StageCount;
  std::string text;
  for (int stage = 1; stage <= stage_count; ++stage) {
    data.CurrentStage = stage;
    data.CurrentLayout = layout == TFileLayout::Current;
    if (!data.ReadStageText(stages[static_cast<std::size_t>(stage - 1)])) {
      throw EInOutError(old_file + ", stage " + std::to_string(stage) + ": " + ReaderMessage(prompt.first));
    }
    data.StageCount = stage_count;
    text += data.StageFileText();
  }
  return text;
}

}  // namespace keldor::gui
