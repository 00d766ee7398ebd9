// Reads the data file record by record. The title record is a line of
// text; every other record is free format: items separated by blanks, tabs
// or a comma, continuing over following lines when a line holds too few,
// with items left at the end of a record's last line ignored.
//
// Every failure (the file ends, an item is not a number of the kind
// expected) throws a ReportedStop that names the record, the item, the line
// of the data file and what was found.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace keldor::engine {

class DataFileReader {
 public:
  // The stream must be open; file_name is used in messages.
  DataFileReader(std::istream& in, std::string file_name);

  // Starts a new record on the next line; record names the record in
  // messages, e.g. "R3 (GEOMETRY)".
  void begin_record(std::string record);

  // The next line as text (the title record). Throws at end of file.
  std::string read_text_line(std::string record);
  // True when nothing but blank lines remains.
  bool at_end();

  int read_int(std::string_view item);
  double read_real(std::string_view item);

  int line_number() const { return line_number_; }

  // Throws a data error about an item of the current record on the current line.
  [[noreturn]] void fail(std::string_view item, const std::string& problem) const;

 private:
  std::string next_item(std::string_view item, std::string_view expected);
  bool fetch_line();

  std::istream& in_;
  std::string file_name_;
  std::string record_;
  std::vector<std::string> items_;  // items of the current line
  std::size_t next_ = 0;
  int line_number_ = 0;
  bool line_taken_ = false;  // the current record has read from the current line
};

}  // namespace keldor::engine
