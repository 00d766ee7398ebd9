// The library's one exported function, under the two names IKELDOR and
// _IKELDOR (the version script hides everything else).
#include "driver/names_file.h"
#include "driver/run_analysis.h"
#include "driver/stderr_console.h"

namespace {

constexpr int kConsistencyCode = 11;

int run_keldor(int consistency_code) {
  if (consistency_code != kConsistencyCode) return 1;
  keldor::engine::StderrConsole console;
  try {
    const auto paths = keldor::engine::read_names_file("NAMES.dat");
    if (!paths) {
      console.line(" PLEASE CREATE AN INPUT DATA FILE AND SAVE IT");
      console.line(" BEFORE COMPUTATION.  TRY IT AGAIN!");
      return 0;
    }
    keldor::engine::run_analysis(*paths, console);
  } catch (...) {
    // Nothing may cross the C boundary; run_analysis reports its own failures.
  }
  return 0;
}

}  // namespace

extern "C" {
__attribute__((visibility("default"))) int IKELDOR(int consistency_code) { return run_keldor(consistency_code); }
__attribute__((visibility("default"))) int _IKELDOR(int consistency_code) { return run_keldor(consistency_code); }
}
