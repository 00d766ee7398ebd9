#include "word_reader.h"

#include <cmath>
#include <fstream>
#include <sstream>

#include "in_out_error.h"
#include "parse_real.h"

namespace keldor::gui {

namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view TrimLeft(std::string_view text) {
  while (!text.empty() && IsBlankOrControl(text.front())) text.remove_prefix(1);
  return text;
}

std::string_view Trim(std::string_view text) {
  text = TrimLeft(text);
  while (!text.empty() && IsBlankOrControl(text.back())) text.remove_suffix(1);
  return text;
}

std::vector<std::string> SplitWords(std::string_view raw) {
  std::vector<std::string> words;
  for (std::string_view rest = Trim(raw); !rest.empty();) {
    const std::size_t end = std::min(rest.find(' '), rest.find('\t'));
    words.emplace_back(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : TrimLeft(rest.substr(end));
  }
  return words;
}

}  // namespace

TWordReader::TWordReader(const std::string& file_name) {
  std::ifstream file(file_name, std::ios::binary);
  if (!file) throw EInOutError("Cannot open file \"" + file_name + "\".");
  std::ostringstream content;
  content << file.rdbuf();
  if (file.bad()) throw EInOutError("Error reading file \"" + file_name + "\".");
  Load(content.str());
}

TWordReader TWordReader::FromText(const std::string& text) {
  TWordReader reader;
  reader.Load(text);
  return reader;
}

// Lines end at LF or CR LF; a final line break does not open another line,
// but an empty text still yields one empty line.
void TWordReader::Load(const std::string& text) {
  std::size_t start = 0;
  do {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string_view raw = std::string_view(text).substr(start, end - start);
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    lines_.push_back({SplitWords(raw), std::string(raw)});
    start = end + 1;
  } while (start < text.size());
}

std::string TWordReader::ReadWord() {
  if (line_ < lines_.size() && item_ == lines_[line_].words.size()) {
    item_ = 0;
    ++line_;  // one line only: an empty line that follows is not skipped
  }
  if (AtEnd()) throw EInOutError("This file either invalid or incomplete.");
  const TWordContainer& line = lines_[line_];
  if (item_ >= line.words.size()) {
    throw EInOutError("Error on Line " + std::to_string(line_ + 1) + " Item 1\r"
                      "A word was expected but the line is empty.");
  }
  return line.words[item_++];
}

void TWordReader::FailOnCurrentWord(const std::string& expected) const {
  throw EInOutError("Error on Line " + std::to_string(line_ + 1) + " Item " + std::to_string(item_) +
                    "\r" + expected);
}

double TWordReader::ReadFloat() {
  const auto value = ParseReal(ReadWord());
  if (!value) FailOnCurrentWord("A floating point number was expected but not found.");
  return *value;
}

std::int32_t TWordReader::ReadInteger() {
  const auto value = ParseReal(ReadWord());
  if (!value || *value != std::trunc(*value) || *value < -2147483648.0 || *value > 2147483647.0) {
    FailOnCurrentWord("An integer was expected but not found.");
  }
  return static_cast<std::int32_t>(*value);
}

std::string TWordReader::ReadLine() {
  if (AtEnd()) throw EInOutError("This file either invalid or incomplete.");
  std::string raw = lines_[line_].raw;
  ++line_;
  item_ = 0;
  return raw;
}

}  // namespace keldor::gui
