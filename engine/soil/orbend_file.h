// The scratch files of the earth-pressure generation: "ORBEND.001", the
// distribution read back by the run driver, and the empty "debug.dat".
#pragma once

#include <filesystem>
#include <vector>

#include "driver/problem_state.h"

namespace keldor::engine {

inline constexpr const char* kOrbendFileName = "ORBEND.001";
inline constexpr const char* kDebugFileName = "debug.dat";

// The point count as a free record, then one record per point:
// 5X,E10.3,4X,E10.3,4X,E10.3,4X,E10.3 (depth, total, active, surcharge).
// A file that cannot be written: ReportedStop naming it.
void write_orbend_file(const std::filesystem::path& file, const std::vector<PressurePoint>& points);

// Creates (or empties) a file and closes it again.
void create_empty_file(const std::filesystem::path& file);

}  // namespace keldor::engine
