// Rounded axis ranges and tick steps of the plots.
#pragma once

#include <vector>

#include "graph_plot.h"

namespace keldor::gui {

struct TAxisRange {
  double min = 0;
  double max = 0;
  double step = 0;  // rounding step of the range; 0 when the range is unusable
};

// The range of the values, always including 0, widened to whole steps:
// step = 10^floor(log10(range)), a tenth of that when the leading digits
// are below 3; equal ends are first moved apart by 0.01 each.
TAxisRange RoundedAxisRange(double data_min, double data_max);

// The ranges of the X and of the Y values of every curve of a list.
TAxisRange AxisRangeX(const std::vector<TLine>& lines);
TAxisRange AxisRangeY(const std::vector<TLine>& lines);

// Major tick step for a range divided into `count` parts: 1, 2 or 5 times
// a power of ten (10 times for leading digits 9 and 10); minor step = major / 5.
double MajorTickStep(double range, int count);

}  // namespace keldor::gui
