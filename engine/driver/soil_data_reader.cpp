#include "driver/soil_data_reader.h"

#include <array>
#include <cmath>
#include <fstream>
#include <string>

#include "driver/data_file_reader.h"
#include "driver/problem_state.h"
#include "driver/run_stop.h"

namespace keldor::engine {

namespace {

constexpr int kBranchPoints = 17;
constexpr int kRawPoints = 2 * kBranchPoints;  // two branches, each from zero deflection
constexpr int kMergedPoints = kRawPoints - 1;

// Points 1-17 resist positive deflection (excavation side), 18-34 negative
// deflection (backfill side). The backfill branch is mirrored to negative
// deflections in reverse order; its origin (point 18) and the excavation
// branch's origin (point 1) meet at zero, and point 1 is dropped.
void merge_branches(const std::array<double, kRawPoints + 1>& y, const std::array<double, kRawPoints + 1>& p,
                    SoilDataCurve& curve) {
  curve.y.resize(kMergedPoints);
  curve.p.resize(kMergedPoints);
  for (int i = 1; i <= kBranchPoints; ++i) {
    curve.y[i - 1] = -y[35 - i];
    curve.p[i - 1] = p[35 - i];
  }
  for (int i = kBranchPoints + 1; i <= kMergedPoints; ++i) {
    curve.y[i - 1] = y[i - 16];
    curve.p[i - 1] = -p[i - 16];
  }
}

}  // namespace

std::vector<SoilDataCurve> read_soil_data(const std::filesystem::path& file, int user_sets, double H,
                                          Console& console) {
  std::ifstream in(file);
  if (!in) throw ReportedStop({"ERROR -- THE P-Y CURVE FILE " + file.string() + " CANNOT BE OPENED"});
  DataFileReader reader(in, file.string());
  reader.begin_record("(NUMBER OF CURVES)");
  const int count = reader.read_int("NCURVE");
  console.line(" " + std::to_string(count));
  if (count > kMaxCurves) {
    throw storage_stop(std::to_string(count) + " P-Y CURVES; THE LIMIT IS " + std::to_string(kMaxCurves));
  }
  if (count < 0) reader.fail("NCURVE", "A NEGATIVE NUMBER OF CURVES (" + std::to_string(count) + ")");

  std::vector<SoilDataCurve> curves(static_cast<std::size_t>(count));
  for (int c = 0; c < count; ++c) {
    SoilDataCurve& curve = curves[static_cast<std::size_t>(c)];
    curve.generated = c >= user_sets;
    const std::string name = "(CURVE " + std::to_string(c + 1) + ")";
    reader.begin_record(name);
    if (curve.generated) {
      curve.depth = reader.read_real("DEPTH");
      curve.station = static_cast<int>(std::lround(curve.depth / H));
    } else {
      curve.station = reader.read_int("STATION");
    }
    const int points = reader.read_int("POINTS");
    if (points < 0 || points > kMaxCurvePoints || (curve.generated && points != kRawPoints)) {
      reader.fail("POINTS", "UNEXPECTED NUMBER OF POINTS " + std::to_string(points));
    }
    std::array<double, kRawPoints + 1> y{};
    std::array<double, kRawPoints + 1> p{};
    for (int i = 1; i <= points; ++i) {
      reader.begin_record(name);
      reader.read_int("INDEX");
      p[static_cast<std::size_t>(i)] = reader.read_real("P");
      y[static_cast<std::size_t>(i)] = reader.read_real("Y");
    }
    if (curve.generated) {
      merge_branches(y, p, curve);
    } else {
      curve.y.assign(y.begin() + 1, y.begin() + 1 + points);
      curve.p.assign(p.begin() + 1, p.begin() + 1 + points);
    }
  }
  return curves;
}

}  // namespace keldor::engine
