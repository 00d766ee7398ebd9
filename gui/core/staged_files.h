// Stage files of a staged problem: name.st1 ... name.st5 beside the data
// file, each one problem block. The data file of a staged problem is the
// concatenation of its stage files in stage order.
#pragma once

#include <string>
#include <vector>

namespace keldor::gui {

inline constexpr int kMaxStages = 5;

// The data file's name with its extension replaced by ".st" and the stage number.
std::string StageFileNameOf(const std::string& data_file, int stage);

// Splits the text of a staged data file into the texts of its first
// `stage_count` stages: a line containing " Stage No :" starts a new stage
// (the first line, a title the user typed, never does; the last line never
// does). Stages that the file does not hold come back empty.
std::vector<std::string> SplitStageTexts(const std::string& text, int stage_count);

// Writes the stage files of a staged data file (removing old ones first).
void SplitStagedFile(const std::string& data_file, int stage_count);

// Writes `target` from the stage files of `source` and, when the names
// differ, moves those stage files to target's name (a failed move is left
// as it is). A missing stage file is an EInOutError; target is then untouched.
void AssembleStagedFile(const std::string& target, const std::string& source, int stage_count);

// Removes the stage files above `keep` that exist.
void DeleteStageFiles(const std::string& data_file, int keep = 0);

bool FileExists(const std::string& file_name);

}  // namespace keldor::gui
