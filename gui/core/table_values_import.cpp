#include "table_values_import.h"

#include <fstream>
#include <sstream>

#include "grid_table.h"
#include "in_out_error.h"
#include "parse_real.h"

namespace keldor::gui {

namespace {

constexpr std::size_t kMaxNumbersPerLine = 15;

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
  return lines;
}

int FillFromLines(TGridTable& table, std::string_view text) {
  const int columns = table.VisibleColumnCount();
  int used = 0;
  for (std::string_view line : SplitLines(text)) {
    if (table.MaxRows() > 0 && used >= table.MaxRows()) break;
    const std::vector<double> numbers = NumbersOfLine(line);
    if (columns == 0 || static_cast<int>(numbers.size()) != columns) continue;
    if (used >= table.RowCount()) table.AddGroup();
    for (int col = 0; col < columns; ++col) {
      table.VisibleColumn(col).SetFloat(used, numbers[static_cast<std::size_t>(col)]);
    }
    ++used;
  }
  if (used > 0) table.SetRowCount(used);
  return used;
}

}  // namespace

std::vector<double> NumbersOfLine(std::string_view line) {
  std::vector<double> numbers;
  std::size_t i = 0;
  while (numbers.size() < kMaxNumbersPerLine) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    std::size_t end = line.find_first_of(" \t,\r", i);
    if (end == std::string_view::npos) end = line.size();
    const auto number = ParseReal(line.substr(i, end - i));
    if (!number) break;
    numbers.push_back(*number);
    i = end < line.size() ? end + 1 : end;
  }
  return numbers;
}

int ReadValuesFromFile(TGridTable& table, const std::string& file_name) {
  std::ifstream file(file_name, std::ios::binary);
  if (!file) throw EInOutError("Cannot open file \"" + file_name + "\".");
  std::ostringstream content;
  content << file.rdbuf();
  return FillFromLines(table, content.str());
}

int PasteValuesFromText(TGridTable& table, std::string_view text) { return FillFromLines(table, text); }

}  // namespace keldor::gui
