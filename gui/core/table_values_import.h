// Filling a table from lines of numbers: a text file chosen by the user or
// text pasted from the clipboard. A line is used only when it holds exactly
// one number per visible column; the n-th used line fills row n (a row is
// added when needed), at most MaxRows lines are used, and the rows after
// the last used line are deleted.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace keldor::gui {

class TGridTable;

inline constexpr const char* kNoClipboardText = "There is no text on the Clipboard";

// The numbers at the start of a line (at most 15): each ends at a blank,
// tab, comma or carriage return; the first text that is no number ends it.
std::vector<double> NumbersOfLine(std::string_view line);

// Returns the number of lines used. Raises EInOutError when the file
// cannot be read.
int ReadValuesFromFile(TGridTable& table, const std::string& file_name);
// Lines end at CR LF, CR or LF; the last line counts with or without a
// line break after it.
int PasteValuesFromText(TGridTable& table, std::string_view text);

}  // namespace keldor::gui
