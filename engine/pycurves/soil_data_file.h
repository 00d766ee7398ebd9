// The p-y scratch file "SOILDATA": the number of curves, the user curve
// sets with their multipliers applied, then the generated curves (a record
// with the depth below the top of the wall and 34, then 34 point records:
// the excavation-side branch, then the backfill-side branch).
#pragma once

#include <filesystem>
#include <fstream>

#include "driver/problem_state.h"

namespace keldor::engine {

inline constexpr const char* kSoilDataFileName = "SOILDATA";
inline constexpr int kGeneratedCurvePoints = 34;

// How a point record spaces its three fields (I5, then p and y as E10.3):
// one blank before each real, two blanks before each, or one blank before
// the pair only.
enum class PointRecordSpacing { single_blanks, double_blanks, packed };

class SoilDataFile {
 public:
  // Creates (or replaces) the file; a file that cannot be written ends the
  // run with a message naming it.
  explicit SoilDataFile(const std::filesystem::path& path);

  void write_count(int curves);
  // Station, number of points, then index, PMULT*P and YMULT*Y per point.
  void write_user_set(const PyCurveSet& set);
  // Depth below the top of the wall and the 34 points that follow.
  void write_curve_heading(double depth);
  // Point number, p and y: I5, 1X, E10.3, 1X, E10.3 unless spaced otherwise.
  void write_point(int index, double p, double y, PointRecordSpacing spacing = PointRecordSpacing::single_blanks);
  void close();

 private:
  std::filesystem::path path_;
  std::ofstream out_;
};

}  // namespace keldor::engine
