// The error raised when a typed entry is rejected (by the evaluator, a
// column or a numeric field). Its message is the text shown to the user;
// editing windows catch this class and no other.
#pragma once

#include <stdexcept>
#include <string>

namespace keldor::gui {

class EValidationError : public std::runtime_error {
 public:
  explicit EValidationError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace keldor::gui
