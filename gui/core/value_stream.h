// Text notation of stored component definitions: the typed values a table
// writes for its properties and its column definitions, e.g.
//   2 ('Depth') True False False 'FLOATCOLUMN2' 'L2' 0.0
// Integers; reals with a point or an exponent; strings in single quotes
// (a doubled quote stands for one, #13 style character codes may be joined
// to them); True and False; lists in parentheses; names and the symbols
// "=", ":", "{", "}" of the surrounding object notation. Blanks and line
// breaks separate values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace keldor::gui {

class TValueReader {
 public:
  explicit TValueReader(std::string_view text) : text_(text) {}

  std::int32_t ReadInteger();
  double ReadFloat();  // an integer is accepted as a real
  std::string ReadString();
  bool ReadBoolean();
  void ReadListBegin();
  bool EndOfList();  // true when the next value closes the list
  void ReadListEnd();
  std::string ReadName();
  void ReadSymbol(char symbol);
  bool NextIsSymbol(char symbol);
  bool AtEnd();
  int Line() const;  // 1-based line of the reading position

 private:
  void SkipBlanks();
  std::string_view PeekToken();
  std::string_view TakeToken();
  [[noreturn]] void Fail(const std::string& expected, std::string_view found) const;

  std::string_view text_;
  std::size_t pos_ = 0;
};

class TValueWriter {
 public:
  void WriteInteger(std::int32_t value);
  void WriteFloat(double value);
  void WriteString(std::string_view value);
  void WriteBoolean(bool value);
  void WriteListBegin();
  void WriteListEnd();
  void NewLine();
  const std::string& Text() const { return text_; }

 private:
  void Separate();
  std::string text_;
};

}  // namespace keldor::gui
