// Errors of using a table or column the wrong way: a typed access the
// column kind does not support, an index outside the table, a bad limit.
#pragma once

#include <stdexcept>
#include <string>

namespace keldor::gui {

class ETableError : public std::runtime_error {
 public:
  explicit ETableError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace keldor::gui
