// The input-output error of the program's file readers: opening or reading
// a file failed, or a file's contents are not what the reader expected.
// Callers catch this one class for every reader error.
#pragma once

#include <stdexcept>
#include <string>

namespace keldor::gui {

class EInOutError : public std::runtime_error {
 public:
  explicit EInOutError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace keldor::gui
