#include "value_stream.h"

#include <algorithm>
#include <cctype>

#include "general_format.h"
#include "parse_real.h"
#include "stream_error.h"

namespace keldor::gui {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool IsSymbol(char c) { return std::string_view("()={}:").find(c) != std::string_view::npos; }

}  // namespace

void TValueReader::SkipBlanks() {
  while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
}

int TValueReader::Line() const {
  return 1 + static_cast<int>(std::count(text_.begin(), text_.begin() + static_cast<std::ptrdiff_t>(pos_), '\n'));
}

// A token is a symbol, a quoted string with joined character codes, or a
// run of other characters up to a blank or symbol.
std::string_view TValueReader::PeekToken() {
  SkipBlanks();
  if (pos_ >= text_.size()) return {};
  std::size_t end = pos_;
  if (IsSymbol(text_[end])) return text_.substr(pos_, 1);
  if (text_[end] == '\'' || text_[end] == '#') {
    while (end < text_.size() && (text_[end] == '\'' || text_[end] == '#')) {
      if (text_[end] == '#') {
        ++end;
        while (end < text_.size() && std::isdigit(static_cast<unsigned char>(text_[end]))) ++end;
        continue;
      }
      ++end;  // opening quote
      for (;;) {
        if (end >= text_.size()) return text_.substr(pos_);  // unterminated: reported by ReadString
        if (text_[end] == '\'') {
          if (end + 1 < text_.size() && text_[end + 1] == '\'') {
            end += 2;
            continue;
          }
          ++end;
          break;
        }
        ++end;
      }
    }
    return text_.substr(pos_, end - pos_);
  }
  while (end < text_.size() && !IsBlank(text_[end]) && !IsSymbol(text_[end])) ++end;
  return text_.substr(pos_, end - pos_);
}

std::string_view TValueReader::TakeToken() {
  const std::string_view token = PeekToken();
  pos_ += token.size();
  return token;
}

void TValueReader::Fail(const std::string& expected, std::string_view found) const {
  const std::string what = found.empty() ? "the end of the definitions" : "'" + std::string(found.substr(0, 40)) + "'";
  throw EStreamError(expected + " expected but " + what + " found on line " + std::to_string(Line()));
}

std::int32_t TValueReader::ReadInteger() {
  const std::string_view token = TakeToken();
  const auto value = ParseReal(token);
  const bool plain_digits = !token.empty() && token.find_first_not_of("+-0123456789") == std::string_view::npos;
  if (!value || !plain_digits || *value < -2147483648.0 || *value > 2147483647.0) Fail("Integer", token);
  return static_cast<std::int32_t>(*value);
}

double TValueReader::ReadFloat() {
  const std::string_view token = TakeToken();
  const auto value = ParseReal(token);
  if (!value) Fail("Real number", token);
  return *value;
}

std::string TValueReader::ReadString() {
  const std::string_view token = TakeToken();
  if (token.empty() || (token.front() != '\'' && token.front() != '#')) Fail("String", token);
  std::string value;
  for (std::size_t i = 0; i < token.size();) {
    if (token[i] == '#') {
      std::size_t end = i + 1;
      int code = 0;
      while (end < token.size() && std::isdigit(static_cast<unsigned char>(token[end])) && code < 256) {
        code = code * 10 + (token[end++] - '0');
      }
      if (end == i + 1 || code > 255) Fail("Character code", token);
      value += static_cast<char>(code);
      i = end;
      continue;
    }
    std::size_t j = i + 1;
    for (;; ++j) {
      if (j >= token.size()) Fail("Closing quote", token);
      if (token[j] != '\'') {
        value += token[j];
      } else if (j + 1 < token.size() && token[j + 1] == '\'') {
        value += '\'';
        ++j;
      } else {
        break;
      }
    }
    i = j + 1;
  }
  return value;
}

bool TValueReader::ReadBoolean() {
  const std::string_view token = TakeToken();
  if (token == "True") return true;
  if (token == "False") return false;
  Fail("True or False", token);
}

void TValueReader::ReadListBegin() { ReadSymbol('('); }
bool TValueReader::EndOfList() {
  const std::string_view token = PeekToken();
  if (token.empty()) Fail("Value or ')'", token);
  return token == ")";
}
void TValueReader::ReadListEnd() { ReadSymbol(')'); }

std::string TValueReader::ReadName() {
  const std::string_view token = TakeToken();
  const bool is_name = !token.empty() && (std::isalpha(static_cast<unsigned char>(token.front())) || token.front() == '_') &&
                       std::all_of(token.begin(), token.end(), [](char c) {
                         return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
                       });
  if (!is_name) Fail("Name", token);
  return std::string(token);
}

void TValueReader::ReadSymbol(char symbol) {
  const std::string_view token = TakeToken();
  if (token != std::string_view(&symbol, 1)) Fail(std::string("'") + symbol + "'", token);
}

bool TValueReader::NextIsSymbol(char symbol) { return PeekToken() == std::string_view(&symbol, 1); }

bool TValueReader::AtEnd() { return PeekToken().empty(); }

void TValueWriter::Separate() {
  if (!text_.empty() && text_.back() != '\n' && text_.back() != '(') text_ += ' ';
}

void TValueWriter::WriteInteger(std::int32_t value) {
  Separate();
  text_ += std::to_string(value);
}

void TValueWriter::WriteFloat(double value) {
  Separate();
  std::string text = FormatGeneral(value, 18);
  if (text.find_first_of(".E") == std::string::npos) text += ".0";  // keeps it a real
  text_ += text;
}

void TValueWriter::WriteString(std::string_view value) {
  Separate();
  text_ += '\'';
  for (char c : value) {
    if (c == '\'') {
      text_ += "''";
    } else if (static_cast<unsigned char>(c) < ' ') {
      text_ += "'#" + std::to_string(static_cast<unsigned char>(c)) + "'";
    } else {
      text_ += c;
    }
  }
  text_ += '\'';
}

void TValueWriter::WriteBoolean(bool value) {
  Separate();
  text_ += value ? "True" : "False";
}

void TValueWriter::WriteListBegin() {
  Separate();
  text_ += '(';
}

void TValueWriter::WriteListEnd() { text_ += ')'; }

void TValueWriter::NewLine() { text_ += '\n'; }

}  // namespace keldor::gui
