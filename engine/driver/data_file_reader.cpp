#include "driver/data_file_reader.h"

#include <charconv>
#include <cmath>
#include <utility>

#include "driver/run_stop.h"

namespace keldor::engine {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Splits a line into items. A comma separates like a blank, except that two
// commas with nothing between them (or a comma at the start of a line)
// stand for an empty item, which no number reads from.
std::vector<std::string> split_items(const std::string& line) {
  std::vector<std::string> items;
  bool expect_item = true;  // at the start, or right after a comma
  std::size_t i = 0;
  while (i < line.size()) {
    if (is_blank(line[i])) {
      ++i;
    } else if (line[i] == ',') {
      if (expect_item) items.emplace_back();
      expect_item = true;
      ++i;
    } else {
      const std::size_t start = i;
      while (i < line.size() && !is_blank(line[i]) && line[i] != ',') ++i;
      items.push_back(line.substr(start, i - start));
      expect_item = false;
    }
  }
  return items;
}

std::string shown_item(const std::string& text) {
  return text.empty() ? std::string("AN EMPTY ITEM") : "'" + text + "'";
}

}  // namespace

DataFileReader::DataFileReader(std::istream& in, std::string file_name) : in_(in), file_name_(std::move(file_name)) {}

void DataFileReader::begin_record(std::string record) {
  record_ = std::move(record);
  items_.clear();
  next_ = 0;
}

bool DataFileReader::fetch_line() {
  std::string line;
  if (!std::getline(in_, line)) return false;
  ++line_number_;
  items_ = split_items(line);
  next_ = 0;
  return true;
}

std::string DataFileReader::read_text_line(std::string record) {
  begin_record(std::move(record));
  std::string line;
  if (!std::getline(in_, line)) {
    throw ReportedStop({"ERROR IN DATA FILE " + file_name_ + ": THE FILE ENDS AFTER LINE " +
                            std::to_string(line_number_),
                        "RECORD " + record_ + " WAS EXPECTED"});
  }
  ++line_number_;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

bool DataFileReader::at_end() {
  for (;;) {
    const int c = in_.peek();
    if (c == std::char_traits<char>::eof()) return true;
    if (c == '\n') {
      in_.get();
      ++line_number_;
    } else if (is_blank(static_cast<char>(c))) {
      in_.get();
    } else {
      return false;
    }
  }
}

void DataFileReader::fail(std::string_view item, const std::string& problem) const {
  throw ReportedStop({"ERROR IN DATA FILE " + file_name_ + ", LINE " + std::to_string(line_number_) + ":",
                      "RECORD " + record_ + ", ITEM " + std::string(item) + ": " + problem});
}

std::string DataFileReader::next_item(std::string_view item, std::string_view expected) {
  while (next_ >= items_.size()) {
    if (!fetch_line()) {
      throw ReportedStop({"ERROR IN DATA FILE " + file_name_ + ": THE FILE ENDS AFTER LINE " +
                              std::to_string(line_number_),
                          "RECORD " + record_ + ", ITEM " + std::string(item) + ": EXPECTED " +
                              std::string(expected)});
    }
  }
  return items_[next_++];
}

int DataFileReader::read_int(std::string_view item) {
  const std::string text = next_item(item, "AN INTEGER");
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  int value = 0;
  const auto result = std::from_chars(first, last, value);
  if (first == last || result.ec != std::errc() || result.ptr != last) {
    fail(item, "EXPECTED AN INTEGER, FOUND " + shown_item(text));
  }
  return value;
}

double DataFileReader::read_real(std::string_view item) {
  std::string text = next_item(item, "A REAL NUMBER");
  std::string normalised = text;
  for (char& c : normalised) {
    if (c == 'D' || c == 'd') c = 'E';  // exponent letter D as in 1.5D3
  }
  const char* first = normalised.data();
  const char* last = normalised.data() + normalised.size();
  if (first != last && *first == '+') ++first;
  double value = 0;
  const auto result = std::from_chars(first, last, value, std::chars_format::general);
  if (first == last || result.ec != std::errc() || result.ptr != last || !std::isfinite(value)) {
    fail(item, "EXPECTED A REAL NUMBER, FOUND " + shown_item(text));
  }
  return value;
}

}  // namespace keldor::engine
