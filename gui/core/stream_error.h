// Errors of reading stored component definitions (table properties and the
// column definitions of a table's Col property).
#pragma once

#include <stdexcept>
#include <string>

namespace keldor::gui {

class EStreamError : public std::runtime_error {
 public:
  explicit EStreamError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace keldor::gui
