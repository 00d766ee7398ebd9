#include "pycurves/soil_data_file.h"

#include "driver/run_stop.h"
#include "output/fixed_format.h"
#include "output/free_format.h"

namespace keldor::engine {
namespace {

ReportedStop write_failure(const std::filesystem::path& path) {
  return ReportedStop({"ERROR -- THE P-Y SCRATCH FILE " + path.string() + " CANNOT BE WRITTEN"});
}

}  // namespace

SoilDataFile::SoilDataFile(const std::filesystem::path& path) : path_(path), out_(path, std::ios::trunc) {
  if (!out_) throw write_failure(path_);
}

void SoilDataFile::write_count(int curves) { out_ << format_free_record({std::int64_t{curves}}) << '\n'; }

void SoilDataFile::write_user_set(const PyCurveSet& set) {
  const auto points = static_cast<std::int64_t>(set.Y.size());
  out_ << format_free_record({std::int64_t{set.CSTA}, points}) << '\n';
  for (std::size_t i = 0; i < set.Y.size(); ++i) {
    out_ << format_free_record({static_cast<std::int64_t>(i + 1), set.PMULT * set.P[i], set.YMULT * set.Y[i]}) << '\n';
  }
}

void SoilDataFile::write_curve_heading(double depth) {
  out_ << format_free_record({depth, std::int64_t{kGeneratedCurvePoints}}) << '\n';
}

void SoilDataFile::write_point(int index, double p, double y, PointRecordSpacing spacing) {
  const bool wide = spacing == PointRecordSpacing::double_blanks;
  const char* before_p = wide ? "  " : " ";
  const char* before_y = wide ? "  " : spacing == PointRecordSpacing::packed ? "" : " ";
  std::string record;
  append_integer(record, index, 5);
  record += before_p;
  append_exponent(record, p, 10, 3);
  record += before_y;
  append_exponent(record, y, 10, 3);
  record += '\n';
  out_.write(record.data(), static_cast<std::streamsize>(record.size()));
}

void SoilDataFile::close() {
  out_.close();
  if (!out_) throw write_failure(path_);
}

}  // namespace keldor::engine
