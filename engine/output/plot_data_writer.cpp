#include "output/plot_data_writer.h"

#include <cstdint>

#include "output/fixed_format.h"
#include "output/free_format.h"

namespace keldor::engine {

namespace {
constexpr double kZeroSoilPressure = 1.0e-7;
}

void PlotDataWriter::no_pressure_section() { out_ << format_free_record({std::int64_t{0}}) << '\n'; }

void PlotDataWriter::pressure_section(std::vector<PressurePoint>& points, int print_step) {
  const std::size_t step = static_cast<std::size_t>(print_step < 1 ? 1 : print_step);
  const std::size_t printed = (points.size() + step - 1) / step;
  out_ << format_free_record({static_cast<std::int64_t>(printed)}) << '\n';
  for (std::size_t i = 0; i < points.size(); i += step) {
    PressurePoint& p = points[i];
    if (p.EPACT == 0.0) p.EPACT = kZeroSoilPressure;
    out_ << format_fixed("4(2X,E10.3)", {p.EPDEPTH, p.EPTOTAL, p.EPACT, p.EPSUR}) << '\n';
  }
}

void PlotDataWriter::empty_curve_section(int iunits) {
  out_ << format_free_record({std::int64_t{iunits}, std::int64_t{0}}) << '\n';
}

void PlotDataWriter::user_curve_section(int iunits, const std::vector<PyCurveSet>& sets) {
  out_ << format_free_record({std::int64_t{iunits}, static_cast<std::int64_t>(sets.size())}) << '\n';
  for (const PyCurveSet& set : sets) {
    out_ << format_free_record({std::int64_t{set.CSTA}, static_cast<std::int64_t>(set.Y.size())}) << '\n';
    for (std::size_t i = 0; i < set.Y.size(); ++i) {
      out_ << format_free_record({set.YMULT * set.Y[i], set.PMULT * set.P[i]}) << '\n';
    }
  }
}

void PlotDataWriter::results_section(int KPLOT, int iunits, const std::vector<ResultRow>& rows) {
  std::int64_t plotted = 0;
  for (const ResultRow& row : rows) plotted += row.station >= 0 ? 1 : 0;
  out_ << format_free_record({std::int64_t{KPLOT}, plotted, std::int64_t{iunits}}) << '\n';
  for (const ResultRow& row : rows) {
    if (row.station < 0) continue;
    out_ << format_fixed("5(1X,E13.4)", {row.depth, row.deflection, row.moment, row.shear, row.net_reaction})
         << '\n';
  }
}

}  // namespace keldor::engine
