// The console channel of a console process: standard error.
#pragma once

#include <iostream>

#include "driver/run_analysis.h"

namespace keldor::engine {

class StderrConsole : public Console {
 public:
  void line(std::string_view text) override { std::cerr << text << '\n'; }
};

}  // namespace keldor::engine
