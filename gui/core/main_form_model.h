// Everything of the main window that is not drawing: the current problem
// with its tables and modified state, the result graphs, the file commands
// with the recent-file list and settings, and the stage commands. The Qt
// layer wires menus, buttons and dialogs to these operations and shows
// Caption, StatusText and the menu states afterwards.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "main_window_tables.h"
#include "modified_state.h"
#include "program_data.h"
#include "result_graphs.h"

namespace keldor::gui {

class TPrompt;
class TSettingsStore;

// The name shown in captions: no folder; a ".kdd" name loses everything
// from its first point; the first letter is made upper case.
std::string DisplayName(const std::string& file_name);

struct TStageMenuState {
  bool stage_enabled[5] = {};
  bool stage_checked[5] = {};
  bool copy_previous_enabled = false;
};

struct TStageButtonsState {
  bool visible = false;
  bool enabled[5] = {};
  bool down[5] = {};
};

class TMainFormModel {
 public:
  TMainFormModel(TPrompt& prompt, TSettingsStore& settings);

  TProgramData& Data() { return *data_; }
  TMainWindowTables& Tables() { return tables_; }
  TModifiedState& Modified() { return modified_; }
  TResultGraphs& Graphs() { return graphs_; }
  TProgramContext& Context() { return context_; }
  bool ResultsLoaded() const { return results_loaded_; }
  const std::string& Caption() const { return caption_; }
  const std::string& StatusText() const { return status_text_; }
  bool StageMenuVisible() const { return stage_menu_visible_; }

  // Settings and recent files.
  void ReadSettings(const std::string& default_word_processor);
  void UpdateRegistry();
  void UpdatePrevFile(const std::string& file_name);
  const std::array<std::string, 10>& RecentFiles() const { return recent_; }
  int RecentCount() const { return recent_count_; }
  std::string WordProcessor;

  // File commands.
  bool ConfirmSave();
  void FileNewClick();
  void FileOpenClick();
  void OpenFileName(const std::string& file_name, bool from_dialog, int filter_index = 1);
  void FileSaveClick();
  void FileSaveAsClick();
  bool LoadPlotFile(const std::string& file_name);

  // Stage commands.
  void SelectStage(int stage);
  void StoreCurrentStage();
  void LoadCurrentStage();
  void CopyPreviousStageClick();
  // OK of the Staged Construction Options dialog with the count entered.
  void ApplyStageCount(int new_count);
  void ConvertOlderStages();
  TStageMenuState StageMenu() const;
  // Short-term and long-term analyses exclude staging: the toggle works
  // only while the problem is not staged, and staging is offered only
  // while the toggle is off.
  void OptionsLongClick();
  bool LongTermEnabled() const { return data_->StageCount == 1; }
  bool StagedOptionsEnabled() const { return !data_->LongTerm; }
  TStageButtonsState StageButtons() const;

  // Called by the window when it closes its children (dialogs, tables, plots).
  std::function<void()> OnCloseAllChildren;

 private:
  void ReplaceProblem(std::unique_ptr<TProgramData> data);
  bool Save();
  bool SaveAs();
  // Runs a file operation; a read or write error is shown and gives false.
  bool Reported(const std::function<void()>& operation);
  void ShowStageStatus();
  void RefreshCaption();

  TPrompt& prompt_;
  TSettingsStore& settings_;
  TMainWindowTables tables_;
  TModifiedState modified_{tables_};
  TProgramContext context_;
  std::unique_ptr<TProgramData> data_;
  TResultGraphs graphs_;
  bool results_loaded_ = false;
  std::array<std::string, 10> recent_;
  int recent_count_ = 0;
  std::string caption_;
  std::string status_text_;
  bool stage_menu_visible_ = false;
};

}  // namespace keldor::gui
