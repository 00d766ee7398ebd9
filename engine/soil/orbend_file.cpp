#include "soil/orbend_file.h"

#include <fstream>

#include "driver/run_stop.h"
#include "output/fixed_format.h"
#include "output/free_format.h"

namespace keldor::engine {
namespace {

ReportedStop cannot_write(const std::filesystem::path& file) {
  return ReportedStop({"CANNOT WRITE THE SCRATCH FILE " + file.string()}, 0, /*input_error=*/false);
}

std::ofstream open_for_writing(const std::filesystem::path& file) {
  std::ofstream out(file, std::ios::out | std::ios::trunc);
  if (!out) throw cannot_write(file);
  return out;
}

}  // namespace

void write_orbend_file(const std::filesystem::path& file, const std::vector<PressurePoint>& points) {
  std::ofstream out = open_for_writing(file);
  out << format_free_record({static_cast<std::int64_t>(points.size())}) << '\n';
  for (const PressurePoint& p : points) {
    out << format_fixed("5X,E10.3,4X,E10.3,4X,E10.3,4X,E10.3", {p.EPDEPTH, p.EPTOTAL, p.EPACT, p.EPSUR}) << '\n';
  }
  out.close();
  if (!out) throw cannot_write(file);
}

void create_empty_file(const std::filesystem::path& file) {
  std::ofstream out = open_for_writing(file);
  out.close();
  if (!out) throw cannot_write(file);
}

}  // namespace keldor::engine
