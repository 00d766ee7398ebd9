#include "output/fixed_format.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace keldor::engine {
namespace {

std::string stars(int width) { return std::string(static_cast<std::size_t>(width), '*'); }

std::string right_align(const std::string& text, int width) {
  if (static_cast<int>(text.size()) > width) return stars(width);
  return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

// NaN and infinities print as words, right-aligned, when they fit.
std::string non_finite(double value, int width) {
  if (std::isnan(value)) return right_align("NaN", width);
  return right_align(value < 0 ? "-Infinity" : "Infinity", width);
}

// Fits "sign 0.digits..." into the width, dropping the optional leading
// zero before the point when that is what it takes.
std::string fit_with_optional_zero(const std::string& sign, const std::string& body, int width) {
  std::string text = sign + body;
  if (static_cast<int>(text.size()) > width && body.rfind("0.", 0) == 0) text = sign + body.substr(1);
  return right_align(text, width);
}

}  // namespace

std::string format_integer(std::int64_t value, int width) { return right_align(std::to_string(value), width); }

std::string format_fixed_point(double value, int width, int decimals) {
  if (!std::isfinite(value)) return non_finite(value, width);
  // to_chars rounds exactly as printf does, at a fraction of its cost.
  char buffer[400];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed, decimals).ptr;
  std::string body(buffer, end);
  // A value that rounds to zero prints without a sign (no "-0.000").
  const bool all_zero = body.find_first_not_of("0.") == std::string::npos;
  const std::string sign = (value < 0 && !all_zero) ? "-" : "";
  return fit_with_optional_zero(sign, body, width);
}

std::string format_exponent(double value, int width, int decimals, char letter) {
  if (decimals < 1) throw std::logic_error("exponent field needs at least one decimal");
  if (!std::isfinite(value)) return non_finite(value, width);
  std::string digits(static_cast<std::size_t>(decimals), '0');
  int exponent = 0;
  if (value != 0.0) {
    // Scientific to_chars rounds correctly, carrying into the exponent
    // (9.9995 -> 1.000e+01), exactly as printf's "%.*e" does.
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, decimals - 1).ptr;
    const std::string text(buffer, end);
    const std::size_t e_pos = text.find('e');
    digits = text.substr(0, 1) + (decimals > 1 ? text.substr(2, e_pos - 2) : "");
    exponent = std::atoi(text.c_str() + e_pos + 1) + 1;
  }
  const char exponent_sign = exponent < 0 ? '-' : '+';
  const int magnitude = std::abs(exponent);
  if (magnitude > 999) return stars(width);
  const char hundreds = static_cast<char>('0' + magnitude / 100);
  const char tens = static_cast<char>('0' + magnitude / 10 % 10);
  const char units = static_cast<char>('0' + magnitude % 10);
  // Three exponent digits take the place of the letter.
  const std::string exponent_text = magnitude <= 99 ? std::string{letter, exponent_sign, tens, units}
                                                    : std::string{exponent_sign, hundreds, tens, units};
  const std::string sign = (value < 0) ? "-" : "";
  return fit_with_optional_zero(sign, "0." + digits + exponent_text, width);
}

std::string format_text(std::string_view text, int width) {
  const auto w = static_cast<std::size_t>(width);
  if (text.size() >= w) return std::string(text.substr(0, w));
  return std::string(w - text.size(), ' ') + std::string(text);
}

namespace {

// Walks a layout, consuming values as its fields are met.
class LayoutWriter {
 public:
  LayoutWriter(std::string_view layout, std::initializer_list<FieldValue> values)
      : layout_(layout), next_(values.begin()), end_(values.end()) {}

  std::string run() {
    write_list(/*in_group=*/false);
    if (next_ != end_) fail("more values than fields");
    return out_;
  }

 private:
  [[noreturn]] void fail(const std::string& what) const {
    throw std::logic_error("layout \"" + std::string(layout_) + "\": " + what);
  }

  bool at_end() const { return pos_ >= layout_.size(); }
  char peek() const { return at_end() ? '\0' : layout_[pos_]; }
  void skip_blanks() {
    while (!at_end() && (layout_[pos_] == ' ' || layout_[pos_] == ',')) ++pos_;
  }

  int read_number() {
    int n = 0;
    bool any = false;
    while (!at_end() && std::isdigit(static_cast<unsigned char>(layout_[pos_]))) {
      n = n * 10 + (layout_[pos_++] - '0');
      any = true;
    }
    return any ? n : -1;
  }

  // Writes items until the end of the layout or the closing parenthesis of a group.
  void write_list(bool in_group) {
    for (;;) {
      skip_blanks();
      if (at_end()) {
        if (in_group) fail("unclosed group");
        return;
      }
      if (peek() == ')') {
        if (!in_group) fail("unbalanced ')'");
        ++pos_;
        return;
      }
      write_item();
      if (stopped_) return;
    }
  }

  void write_item() {
    if (peek() == '/') {
      ++pos_;
      out_ += '\n';
      return;
    }
    if (peek() == '\'') {
      write_literal();
      return;
    }
    const int count = read_number();
    if (peek() == '(') {
      ++pos_;
      const std::size_t group_start = pos_;
      const int repeats = count < 0 ? 1 : count;
      for (int k = 0; k < repeats && !stopped_; ++k) {
        pos_ = group_start;
        write_list(/*in_group=*/true);
      }
      if (repeats == 0) skip_group();
      return;
    }
    const char code = static_cast<char>(std::toupper(static_cast<unsigned char>(peek())));
    ++pos_;
    if (code == 'X') {
      out_ += std::string(static_cast<std::size_t>(count < 0 ? 1 : count), ' ');
      return;
    }
    const int width = read_number();
    int decimals = -1;
    if (peek() == '.') {
      ++pos_;
      decimals = read_number();
    }
    const int repeats = count < 0 ? 1 : count;
    for (int k = 0; k < repeats && !stopped_; ++k) write_field(code, width, decimals);
  }

  void skip_group() {
    int depth = 1;
    while (!at_end() && depth > 0) {
      if (layout_[pos_] == '(') ++depth;
      if (layout_[pos_] == ')') --depth;
      ++pos_;
    }
  }

  void write_literal() {
    ++pos_;
    for (;;) {
      if (at_end()) fail("unclosed text");
      const char c = layout_[pos_++];
      if (c == '\'') {
        if (peek() != '\'') return;
        ++pos_;
      }
      out_ += c;
    }
  }

  void write_field(char code, int width, int decimals) {
    if (next_ == end_) {
      stopped_ = true;
      return;
    }
    const FieldValue& value = *next_++;
    switch (code) {
      case 'I':
        if (width < 1) fail("I field without width");
        out_ += format_integer(integer_of(value), width);
        return;
      case 'F':
        if (width < 1 || decimals < 0) fail("F field needs w.d");
        out_ += format_fixed_point(real_of(value), width, decimals);
        return;
      case 'E':
      case 'D':
        if (width < 1 || decimals < 1) fail("E/D field needs w.d");
        out_ += format_exponent(real_of(value), width, decimals, code);
        return;
      case 'A': {
        const auto* text = std::get_if<std::string_view>(&value);
        if (text == nullptr) fail("A field needs text");
        out_ += width < 0 ? std::string(*text) : format_text(*text, width);
        return;
      }
      default:
        fail(std::string("unknown field code '") + code + "'");
    }
  }

  std::int64_t integer_of(const FieldValue& value) const {
    const auto* n = std::get_if<std::int64_t>(&value);
    if (n == nullptr) fail("I field needs an integer");
    return *n;
  }

  double real_of(const FieldValue& value) const {
    if (const auto* x = std::get_if<double>(&value)) return *x;
    fail("real field needs a real");
  }

  std::string_view layout_;
  std::size_t pos_ = 0;
  const FieldValue* next_;
  const FieldValue* end_;
  bool stopped_ = false;
  std::string out_;
};

}  // namespace

std::string format_fixed(std::string_view layout, std::initializer_list<FieldValue> values) {
  return LayoutWriter(layout, values).run();
}

}  // namespace keldor::engine
