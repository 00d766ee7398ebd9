// Staged construction: switching between stages kept in their stage files,
// copying the previous stage, and changing the number of stages.
#include <algorithm>

#include "main_form_model.h"
#include "prompt.h"
#include "staged_files.h"

namespace keldor::gui {

void TMainFormModel::StoreCurrentStage() {
  data_->StageFileName = StageFileNameOf(data_->FileName, data_->CurrentStage);
  data_->WriteStageFile();
}

void TMainFormModel::LoadCurrentStage() {
  data_->StageFileName = StageFileNameOf(data_->FileName, data_->CurrentStage);
  if (FileExists(data_->StageFileName)) data_->ReadStageFile(data_->StageFileName);
}

void TMainFormModel::SelectStage(int stage) {
  if (stage == data_->CurrentStage || stage < 1 || stage > data_->StageCount) return;
  const bool modified = modified_.IsModified();
  if (!Reported([&] { StoreCurrentStage(); })) return;
  data_->CurrentStage = stage;
  LoadCurrentStage();
  modified_.SetModified(modified);
  ShowStageStatus();
}

void TMainFormModel::CopyPreviousStageClick() {
  const int stage = data_->CurrentStage;
  if (data_->StageCount < 2 || stage < 2) return;
  if (!prompt_.YesNo("Do you want to copy all information from Stage " + std::to_string(stage - 1) + " to Stage " +
                     std::to_string(stage))) {
    return;
  }
  data_->CurrentStage = stage - 1;
  LoadCurrentStage();
  data_->CurrentStage = stage;
  Reported([&] { StoreCurrentStage(); });
  modified_.SetModified(false);
}

void TMainFormModel::ApplyStageCount(int new_count) {
  new_count = std::clamp(new_count, 1, kMaxStages);
  const int old_count = data_->StageCount;
  data_->StageCount = new_count;
  if (new_count == 1 || old_count == 1 || new_count < old_count) data_->CurrentStage = 1;
  ShowStageStatus();
  if (new_count == 1) {
    DeleteStageFiles(data_->FileName);
    return;
  }
  if (new_count != old_count) {
    const int remembered = data_->CurrentStage;
    // A stage without a file starts as a copy of the tables as they are.
    for (int stage = 1; stage <= new_count; ++stage) {
      data_->CurrentStage = stage;
      if (FileExists(StageFileNameOf(data_->FileName, stage))) LoadCurrentStage();
      data_->StageCount = new_count;
      if (!Reported([&] { StoreCurrentStage(); })) break;
    }
    data_->CurrentStage = remembered;
    LoadCurrentStage();
    data_->StageCount = new_count;
    modified_.SetModified(true);
  }
  DeleteStageFiles(data_->FileName, new_count);
}

void TMainFormModel::ConvertOlderStages() {
  for (int stage = 1; stage <= data_->StageCount; ++stage) {
    data_->CurrentStage = stage;
    data_->CurrentLayout = false;
    LoadCurrentStage();
    if (!Reported([&] { StoreCurrentStage(); })) break;
    status_text_ = "Construction Stage Number: " + std::to_string(stage);
  }
  data_->CurrentLayout = true;
  data_->CurrentStage = 1;
  LoadCurrentStage();
  ShowStageStatus();
}

void TMainFormModel::OptionsLongClick() {
  if (!LongTermEnabled()) return;
  data_->LongTerm = !data_->LongTerm;
  modified_.SetModified(true);
}

TStageMenuState TMainFormModel::StageMenu() const {
  TStageMenuState state;
  const int count = data_->StageCount;
  for (int k = 1; k <= kMaxStages; ++k) {
    state.stage_enabled[k - 1] = k == 1 ? count > 1 : count >= k;
    state.stage_checked[k - 1] = count > 1 && data_->CurrentStage == k;
  }
  state.copy_previous_enabled = count > 1 && data_->CurrentStage > 1;
  return state;
}

TStageButtonsState TMainFormModel::StageButtons() const {
  TStageButtonsState state;
  const int count = data_->StageCount;
  state.visible = count > 1;
  for (int k = 1; k <= kMaxStages; ++k) {
    state.enabled[k - 1] = k == 1 ? count > 1 : count >= k;
    state.down[k - 1] = data_->CurrentStage == k;
  }
  return state;
}

}  // namespace keldor::gui
