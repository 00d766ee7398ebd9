// Replacing a file as a whole: the text goes to a temporary file in the
// same folder, which is then renamed over the target, so a failure or a
// killed program never leaves a half-written file behind.
#pragma once

#include <stdexcept>
#include <string>

namespace keldor::gui {

// A file could not be written; the message names the file and the reason.
class EFileWriteError : public std::runtime_error {
 public:
  explicit EFileWriteError(const std::string& message) : std::runtime_error(message) {}
};

void WriteFileAtomically(const std::string& file_name, const std::string& text);

}  // namespace keldor::gui
