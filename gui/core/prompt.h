// Every modal question and message of the desktop program goes through this
// interface: the Qt layer shows message boxes and file dialogs, tests
// install a scripted implementation, and the model never blocks on a window.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace keldor::gui {

enum class TAnswer { Yes, No, Cancel };

// One filter of a file dialog: "Keldor 2013 (*.kd4d)" with pattern "*.kd4d".
struct TFileFilter {
  std::string name;
  std::string pattern;
};

// What the user chose in a file dialog: the file and the 1-based index of
// the filter selected when it was chosen.
struct TChosenFile {
  std::string file_name;
  int filter_index = 1;
};

struct TFileDialogRequest {
  std::string title;
  std::string proposed_name;
  std::vector<TFileFilter> filters;
  std::string default_extension;  // ".kdd": given to a typed name without extension
};

class TPrompt {
 public:
  virtual ~TPrompt() = default;
  virtual void Information(const std::string& text) = 0;                  // OK
  virtual bool YesNo(const std::string& text) = 0;                        // true for Yes
  virtual TAnswer YesNoCancel(const std::string& text) = 0;
  virtual std::optional<TChosenFile> ChooseFileToOpen(const TFileDialogRequest& request) = 0;
  virtual std::optional<TChosenFile> ChooseFileToSave(const TFileDialogRequest& request) = 0;
};

}  // namespace keldor::gui
