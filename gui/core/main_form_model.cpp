#include "main_form_model.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "atomic_file.h"
#include "in_out_error.h"
#include "prompt.h"
#include "settings_store.h"

namespace keldor::gui {

namespace {

std::string LowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::string DisplayName(const std::string& file_name) {
  const std::filesystem::path path(file_name);
  std::string name = path.filename().string();
  if (LowerCase(path.extension().string()) == ".kdd") name = name.substr(0, name.find('.'));
  if (name.size() > 1) name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
  return name;
}

TMainFormModel::TMainFormModel(TPrompt& prompt, TSettingsStore& settings)
    : prompt_(prompt),
      settings_(settings),
      context_{tables_, modified_, prompt_, [this] {
                 if (OnCloseAllChildren) OnCloseAllChildren();
               },
               {}} {
  data_ = std::make_unique<TProgramData>(context_);
  RefreshCaption();
}

bool TMainFormModel::Reported(const std::function<void()>& operation) {
  try {
    operation();
    return true;
  } catch (const EFileWriteError& error) {
    prompt_.Information(error.what());
  } catch (const EInOutError& error) {
    prompt_.Information(error.what());
  }
  return false;
}

void TMainFormModel::ReplaceProblem(std::unique_ptr<TProgramData> data) {
  data_.reset();
  data_ = std::move(data);
}

void TMainFormModel::RefreshCaption() { caption_ = "KELDOR 2013.4.11 - " + DisplayName(data_->FileName); }

void TMainFormModel::ShowStageStatus() {
  stage_menu_visible_ = data_->StageCount > 1;
  status_text_ = stage_menu_visible_ ? "Construction Stage Number: " + std::to_string(data_->CurrentStage) : "";
}

void TMainFormModel::ReadSettings(const std::string& default_word_processor) {
  try {
    const auto editor = settings_.Read(kSettingsKey, kWordProcessorValue);
    WordProcessor = editor && !editor->empty() ? *editor : default_word_processor;
    for (int i = 0; i < 10; ++i) {
      recent_[static_cast<std::size_t>(i)] =
          settings_.Read(kSettingsKey, kRecentFileValue + std::to_string(i + 1)).value_or("");
    }
  } catch (const std::exception&) {
    WordProcessor.clear();
    recent_.fill("");
  }
  recent_count_ = static_cast<int>(std::count_if(recent_.begin(), recent_.end(), [](auto& f) { return !f.empty(); }));
}

void TMainFormModel::UpdateRegistry() {
  try {
    settings_.Write(kSettingsKey, kWordProcessorValue, WordProcessor);
    for (int i = 0; i < 10; ++i) {
      settings_.Write(kSettingsKey, kRecentFileValue + std::to_string(i + 1), recent_[static_cast<std::size_t>(i)]);
    }
  } catch (const std::exception&) {
    // Settings that cannot be written are not worth interrupting the user.
  }
}

void TMainFormModel::UpdatePrevFile(const std::string& file_name) {
  if (recent_[0] == file_name) return;
  std::size_t from = recent_.size() - 1;
  for (std::size_t i = 1; i < recent_.size(); ++i) {
    if (recent_[i] == file_name) {
      from = i;
      break;
    }
  }
  for (std::size_t i = from; i > 0; --i) recent_[i] = recent_[i - 1];
  recent_[0] = file_name;
  UpdateRegistry();
  recent_count_ = static_cast<int>(std::count_if(recent_.begin(), recent_.end(), [](auto& f) { return !f.empty(); }));
}

bool TMainFormModel::LoadPlotFile(const std::string& file_name) {
  TPlotProblem problem;
  problem.units = data_->Units;
  problem.long_term = data_->LongTerm;
  problem.increments = data_->Increments;
  problem.increment_length = data_->IncrementLength;
  problem.free_height = data_->FreeHeight;
  problem.soil_layers = &tables_.Table("NewSoil");
  const TPlotLoadResult result = keldor::gui::LoadPlotFile(file_name, problem, graphs_, prompt_);
  data_->PressurePointCount = result.pressure_point_count;
  results_loaded_ = result.complete;
  return result.complete;
}

}  // namespace keldor::gui
