// Tokenising reader of the program's text inputs (project data, stage and
// plot-data files): the whole file is loaded as lines of words separated by
// blanks and tabs, handed out one at a time as reals, integers or whole
// lines. Every failure is an EInOutError whose text names line and item.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace keldor::gui {

// One line of the file: its words and its raw text.
struct TWordContainer {
  std::vector<std::string> words;
  std::string raw;
};

class TWordReader {
 public:
  explicit TWordReader(const std::string& file_name);

  // Reads text already in memory, split into lines exactly as a file is.
  static TWordReader FromText(const std::string& text);

  bool AtEnd() const { return line_ == lines_.size(); }
  std::string ReadWord();
  double ReadFloat();
  std::int32_t ReadInteger();
  // The raw text of the current line; the reader moves to the next line.
  std::string ReadLine();

 private:
  TWordReader() = default;
  void Load(const std::string& text);
  [[noreturn]] void FailOnCurrentWord(const std::string& expected) const;

  std::vector<TWordContainer> lines_;
  std::size_t line_ = 0;  // current line index
  std::size_t item_ = 0;  // words already taken from the current line
};

}  // namespace keldor::gui
