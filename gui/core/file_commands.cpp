// The File menu: New, Open, Save and Save As, and when to ask to save.
#include <filesystem>

#include "main_form_model.h"
#include "prompt.h"
#include "staged_files.h"

namespace keldor::gui {

namespace {

bool HasOlderExtension(const std::string& file_name) {
  std::string extension = std::filesystem::path(file_name).extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".kdd";
}

std::string WithExtension(const std::string& file_name, const char* extension) {
  return std::filesystem::path(file_name).replace_extension(extension).string();
}

std::vector<TFileFilter> DataFileFilters() {
  return {{"Keldor 2013 (*.kd4d)", "*.kd4d"},
          {"Keldor 3.0 (*.kdd)", "*.kdd"},
          {"Keldor 2.0 (*.kdd)", "*.kdd"},
          {"All Files (*.*)", "*.*"}};
}

}  // namespace

bool TMainFormModel::ConfirmSave() {
  if (!modified_.IsModified()) return true;
  switch (prompt_.YesNoCancel("Do you want to save any changes?")) {
    case TAnswer::Cancel: return false;
    case TAnswer::No: return true;
    case TAnswer::Yes: break;
  }
  return Save() && data_->FileName != kNewFileName;
}

void TMainFormModel::FileNewClick() {
  if (!ConfirmSave()) return;
  ReplaceProblem(nullptr);
  data_ = std::make_unique<TProgramData>(context_);
  RefreshCaption();
  ShowStageStatus();
}

void TMainFormModel::FileOpenClick() {
  if (!ConfirmSave()) return;
  TFileDialogRequest request{"Open", "", DataFileFilters(), ".kdd"};
  const auto chosen = prompt_.ChooseFileToOpen(request);
  if (!chosen) return;
  OpenFileName(chosen->file_name, true, chosen->filter_index);
}

void TMainFormModel::OpenFileName(const std::string& file_name, bool from_dialog, int filter_index) {
  ReplaceProblem(nullptr);
  const TFileLayout layout = from_dialog              ? LayoutFromIndex(filter_index)
                             : HasOlderExtension(file_name) ? TFileLayout::V30
                                                            : TFileLayout::Current;
  data_ = TProgramData::CreateFromFile(context_, file_name, layout);
  RefreshCaption();
  const std::string plot_file = WithExtension(file_name, ".kd4p");
  if (FileExists(plot_file)) LoadPlotFile(plot_file);
  UpdatePrevFile(data_->FileName);
  prompt_.Information("Data file: " + DisplayName(data_->FileName) + ", has been read by KELDOR 2013");
  ShowStageStatus();
  if (data_->StageCount > 1) {
    data_->StageFileName = StageFileNameOf(data_->FileName, data_->CurrentStage);
    if (Reported([&] { SplitStagedFile(data_->FileName, data_->StageCount); }) && HasOlderExtension(file_name)) {
      ConvertOlderStages();
    }
  }
}

void TMainFormModel::FileSaveClick() { Save(); }

void TMainFormModel::FileSaveAsClick() { SaveAs(); }

bool TMainFormModel::Save() {
  if (data_->StageCount > 1 && !Reported([&] { StoreCurrentStage(); })) return false;
  // Older files are never overwritten, and a new problem needs a name.
  if (data_->FileName == kNewFileName || HasOlderExtension(data_->FileName)) return SaveAs();
  return Reported([&] {
    if (data_->StageCount < 2) {
      data_->WriteDataFile();
    } else {
      AssembleStagedFile(data_->FileName, data_->FileName, data_->StageCount);
      modified_.SetModified(false);
    }
  });
}

bool TMainFormModel::SaveAs() {
  // The current stage's edits go into its file before the files are assembled.
  if (data_->StageCount > 1) {
    if (!Reported([&] { StoreCurrentStage(); })) return false;
    data_->PreviousFileName = data_->FileName;
  }
  const std::string proposed =
      HasOlderExtension(data_->FileName) ? WithExtension(data_->FileName, ".kd4d") : data_->FileName;
  TFileDialogRequest request{"Save " + DisplayName(proposed) + " As", proposed, DataFileFilters(), ".kdd"};
  const auto chosen = prompt_.ChooseFileToSave(request);
  if (!chosen) return false;
  // Whatever the filter, the file holds the current layout: an older
  // extension would make it read as an older layout later.
  std::string name = chosen->file_name;
  if (std::filesystem::path(name).extension().empty() || HasOlderExtension(name)) {
    name = WithExtension(name, ".kd4d");
  }
  data_->FileName = name;
  RefreshCaption();
  const bool saved = Reported([&] {
    if (data_->StageCount < 2) {
      data_->WriteDataFile();
    } else {
      AssembleStagedFile(data_->FileName, data_->PreviousFileName, data_->StageCount);
      data_->StageFileName = StageFileNameOf(data_->FileName, data_->CurrentStage);
      modified_.SetModified(false);
    }
  });
  UpdatePrevFile(data_->FileName);
  if (context_.close_all_children) context_.close_all_children();
  return saved;
}

}  // namespace keldor::gui
