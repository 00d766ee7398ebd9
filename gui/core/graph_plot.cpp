#include "graph_plot.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace keldor::gui {

void TGraphPlot::SetCurveCount(TLineList list, int count) {
  std::vector<TLine>& lines = Lines(list);
  count = std::max(count, 0);
  while (static_cast<int>(lines.size()) > count) lines.pop_back();
  while (static_cast<int>(lines.size()) < count) {
    TLine line;
    line.LineValue = static_cast<double>(lines.size() + 1);
    lines.push_back(std::move(line));
  }
}

void TGraphPlot::SetPointCount(TLineList list, int count) {
  for (TLine& line : Lines(list)) line.Points.resize(static_cast<std::size_t>(std::max(count, 0)));
}

int TGraphPlot::PointCount(TLineList list) const {
  const std::vector<TLine>& lines = Lines(list);
  return lines.empty() ? 0 : static_cast<int>(lines.front().Points.size());
}

void TGraphPlot::PadToLongest(TLineList list) {
  std::size_t longest = 0;
  for (const TLine& line : Lines(list)) longest = std::max(longest, line.Points.size());
  for (TLine& line : Lines(list)) {
    const TFloatPoint last = line.Points.empty() ? TFloatPoint{} : line.Points.back();
    line.Points.resize(longest, last);
  }
}

std::string ShortestDecimal(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string TGraphPlot::LegendText(int index) const {
  const std::vector<TLine>& curves = Lines(TLineList::Curves);
  std::string text;
  if (index >= 0 && index < static_cast<int>(curves.size()) && !curves[static_cast<std::size_t>(index)].LineName.empty()) {
    text = curves[static_cast<std::size_t>(index)].LineName;
  } else if (index >= 0 && index < static_cast<int>(PresetCaptions.size())) {
    text = PresetCaptions[static_cast<std::size_t>(index)];
  } else {
    const double value = index >= 0 && index < static_cast<int>(curves.size())
                             ? curves[static_cast<std::size_t>(index)].LineValue
                             : index + 1;
    text = CurveName + ShortestDecimal(value);
  }
  if (onGetCaption) onGetCaption(index, text);
  return text;
}

std::uint32_t CurveColour(int ordinal) {
  static constexpr std::array<std::uint32_t, 17> kColours{
      0x000000, 0xFF0000, 0x0000FF, 0x008000, 0x800080, 0x000080, 0x800000, 0xFF00FF, 0x008080,
      0x808000, 0x808080, 0x00FF00, 0x808080, 0xC0C0C0, 0xC0C0C0, 0x00FFFF, 0xFFFF00};
  const int slot = ((ordinal % 17) + 17) % 17;
  return kColours[static_cast<std::size_t>(slot)];
}

namespace {

struct TPlotToken {
  const char* token;
  const char* english;
  const char* si;
};

void ReplaceFirstKind(std::string& text, const std::array<TPlotToken, 3>& kinds, int units) {
  for (const TPlotToken& kind : kinds) {
    if (text.find(kind.token) == std::string::npos) continue;
    const std::string name = units == 1 ? kind.english : kind.si;
    const std::string token = kind.token;
    for (std::size_t at = text.find(token); at != std::string::npos; at = text.find(token, at + name.size())) {
      text.replace(at, token.size(), name);
    }
    return;
  }
}

}  // namespace

std::string RenderPlotUnits(std::string_view code, int units) {
  std::string text(code);
  if (units != 1 && units != 2) return text;
  ReplaceFirstKind(text, {{{"F2", "tons", "kN"}, {"F1", "kips", "kN"}, {"F", "lbs", "kN"}}}, units);
  ReplaceFirstKind(text, {{{"L2", "ft", "m"}, {"L1", "in", "mm"}, {"L", "in", "m"}}}, units);
  return text;
}

}  // namespace keldor::gui
