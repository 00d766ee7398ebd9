// The ways an analysis ends early. Each is thrown where the condition is
// met and caught by the run driver, which closes the files in order.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace keldor::engine {

// An error stop: its lines go into the report (two empty lines before,
// each line indented by five blanks), then the report's closing line.
class ReportedStop : public std::runtime_error {
 public:
  ReportedStop(std::vector<std::string> lines, int blank_lines_after = 0, bool input_error = true)
      : std::runtime_error(lines.empty() ? std::string() : lines.front()),
        lines_(std::move(lines)),
        blank_lines_after_(blank_lines_after),
        input_error_(input_error) {}
  const std::vector<std::string>& lines() const { return lines_; }
  int blank_lines_after() const { return blank_lines_after_; }
  // True when the data file could not be read or holds data the engine
  // rejects; the command line reports such a run as failed.
  bool input_error() const { return input_error_; }

 private:
  std::vector<std::string> lines_;
  int blank_lines_after_;
  bool input_error_;
};

// The program's storage message, with a line naming what overflowed.
inline ReportedStop storage_stop(const std::string& detail) {
  return ReportedStop({"TOO MUCH DATA FOR AVAILABLE STORAGE", "(" + detail + ")"}, 2);
}

inline ReportedStop stations_not_in_order_stop(const std::string& detail) {
  return ReportedStop({"ERROR STOP -- STATIONS NOT IN ORDER", "(" + detail + ")"});
}

// A stop inside the soil and p-y routines: the stop code, when there is
// one, goes to the console channel. The report also says why the run
// stopped (reason) and closes, like any error stop, so that a report never
// ends without an explanation.
class SoilStop : public std::runtime_error {
 public:
  SoilStop(std::string code, std::string reason)
      : std::runtime_error(reason), code_(std::move(code)), reason_(std::move(reason)) {}
  const std::string& code() const { return code_; }
  const std::string& reason() const { return reason_; }

 private:
  std::string code_;
  std::string reason_;
};

}  // namespace keldor::engine
