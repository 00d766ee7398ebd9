// A prompt that answers from a script and records every message, so no
// test blocks on a dialog.
#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "prompt.h"

namespace keldor::gui::testing_support {

class ScriptedPrompt : public TPrompt {
 public:
  void Information(const std::string& text) override { messages.push_back(text); }
  bool YesNo(const std::string& text) override {
    questions.push_back(text);
    return Take(yes_no, "yes/no");
  }
  TAnswer YesNoCancel(const std::string& text) override {
    questions.push_back(text);
    return Take(yes_no_cancel, "yes/no/cancel");
  }
  std::optional<TChosenFile> ChooseFileToOpen(const TFileDialogRequest& request) override {
    open_requests.push_back(request);
    return Take(files_to_open, "open dialog");
  }
  std::optional<TChosenFile> ChooseFileToSave(const TFileDialogRequest& request) override {
    save_requests.push_back(request);
    return Take(files_to_save, "save dialog");
  }

  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::vector<TFileDialogRequest> open_requests;
  std::vector<TFileDialogRequest> save_requests;
  std::deque<bool> yes_no;
  std::deque<TAnswer> yes_no_cancel;
  std::deque<std::optional<TChosenFile>> files_to_open;
  std::deque<std::optional<TChosenFile>> files_to_save;

 private:
  template <typename T>
  static T Take(std::deque<T>& answers, const char* what) {
    if (answers.empty()) throw std::logic_error(std::string("unscripted ") + what);
    T answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace keldor::gui::testing_support
