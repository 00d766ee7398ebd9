// The report file: fixed-column lines, heading boxes and labelled values.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "output/fixed_format.h"

namespace keldor::engine {

class ReportWriter {
 public:
  explicit ReportWriter(std::ostream& out) : out_(out) {}

  void line(std::string_view text) { out_ << text << '\n'; }
  // A layout of the fixed-column notation; "/" in it starts a new line.
  void formatted(std::string_view layout, std::initializer_list<FieldValue> values) {
    line(format_fixed(layout, values));
  }
  void blank(int count = 1) {
    for (int i = 0; i < count; ++i) out_ << '\n';
  }
  // A heading box: three lines, each after six blanks: 50 asterisks,
  // "*" + title padded to 48 + "*", 50 asterisks.
  void box(std::string_view title);
  // Six blanks, the label padded to 51 characters, "= ", then the value text.
  void labelled(std::string_view label, std::string_view value_text);
  // A message line: five blanks and the text.
  void message(std::string_view text) { line("     " + std::string(text)); }

  void flush() { out_.flush(); }

 private:
  std::ostream& out_;
};

}  // namespace keldor::engine
