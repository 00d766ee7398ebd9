#include "output/fixed_format.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace keldor::engine {
namespace {

// Appends sign and body right-aligned in the width; when they do not fit,
// the optional leading zero of a body "0.xxx" goes first, then the field is starred.
void append_fitted(std::string& out, std::string_view sign, std::string_view body, int width) {
  const auto w = static_cast<std::size_t>(width);
  if (sign.size() + body.size() > w && body.substr(0, 2) == "0.") body.remove_prefix(1);
  if (sign.size() + body.size() > w) {
    out.append(w, '*');
    return;
  }
  out.append(w - sign.size() - body.size(), ' ').append(sign).append(body);
}

// NaN and infinities print as words, right-aligned, when they fit.
void append_non_finite(std::string& out, double value, int width) {
  append_fitted(out, "", std::isnan(value) ? "NaN" : value < 0 ? "-Infinity" : "Infinity", width);
}

template <class Append>
std::string formatted(Append append) {
  std::string out;
  append(out);
  return out;
}

}  // namespace

void append_integer(std::string& out, std::int64_t value, int width) {
  char buffer[24];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  append_fitted(out, "", std::string_view(buffer, static_cast<std::size_t>(end - buffer)), width);
}

std::string format_integer(std::int64_t value, int width) {
  return formatted([&](std::string& out) { append_integer(out, value, width); });
}

std::string format_fixed_point(double value, int width, int decimals) {
  return formatted([&](std::string& out) { append_fixed_point(out, value, width, decimals); });
}

std::string format_exponent(double value, int width, int decimals, char letter) {
  return formatted([&](std::string& out) { append_exponent(out, value, width, decimals, letter); });
}

void append_fixed_point(std::string& out, double value, int width, int decimals) {
  if (!std::isfinite(value)) return append_non_finite(out, value, width);
  // to_chars rounds the exact binary value correctly, as printf does.
  char buffer[400];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed, decimals).ptr;
  const std::string_view body(buffer, static_cast<std::size_t>(end - buffer));
  // A value that rounds to zero prints without a sign (no "-0.000").
  const bool all_zero = body.find_first_not_of("0.") == std::string_view::npos;
  append_fitted(out, (value < 0 && !all_zero) ? "-" : "", body, width);
}

void append_exponent(std::string& out, double value, int width, int decimals, char letter) {
  if (decimals < 1 || decimals > 30) throw std::logic_error("exponent field needs 1 to 30 decimals");
  if (!std::isfinite(value)) return append_non_finite(out, value, width);
  // The body 0.ddd followed by the exponent, built in place.
  char body[48] = {'0', '.'};
  char* digits = body + 2;
  int exponent = 0;
  if (value == 0.0) {
    std::fill(digits, digits + decimals, '0');
  } else {
    // Scientific to_chars rounds correctly, carrying into the exponent
    // (9.9995 -> 1.000e+01): "d.ddde+XX" gives the digits and the exponent.
    char text[64];
    const auto end =
        std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific, decimals - 1).ptr;
    const char* e = std::find(text, end, 'e');
    digits[0] = text[0];
    if (decimals > 1) std::copy(static_cast<const char*>(text) + 2, e, digits + 1);
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
    exponent += 1;
  }
  const int magnitude = std::abs(exponent);
  if (magnitude > 999) {
    out.append(static_cast<std::size_t>(width), '*');
    return;
  }
  char* tail = digits + decimals;
  // Three exponent digits take the place of the letter.
  if (magnitude <= 99) *tail++ = letter;
  *tail++ = exponent < 0 ? '-' : '+';
  if (magnitude > 99) *tail++ = static_cast<char>('0' + magnitude / 100);
  *tail++ = static_cast<char>('0' + magnitude / 10 % 10);
  *tail++ = static_cast<char>('0' + magnitude % 10);
  append_fitted(out, value < 0 ? "-" : "", std::string_view(body, static_cast<std::size_t>(tail - body)), width);
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
        append_integer(out_, integer_of(value), width);
        return;
      case 'F':
        if (width < 1 || decimals < 0) fail("F field needs w.d");
        append_fixed_point(out_, real_of(value), width, decimals);
        return;
      case 'E':
      case 'D':
        if (width < 1 || decimals < 1) fail("E/D field needs w.d");
        append_exponent(out_, real_of(value), width, decimals, code);
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
