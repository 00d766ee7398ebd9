// The data of one graph: four line lists of points, captions and units
// codes of up to three panels, and display options. TPlotForm (Qt layer)
// draws it; the result loader fills it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace keldor::gui {

struct TFloatPoint {
  double X = 0;
  double Y = 0;
};

struct TLine {
  std::string LineName;
  double LineValue = 0;
  bool Shown = true;
  bool Active = true;
  std::vector<TFloatPoint> Points;
};

// Panel 1, the soil layers with the wall, panels 2 and 3.
enum class TLineList { Curves, LayerLines, Curves2, Curves3 };

class TGraphPlot {
 public:
  std::vector<TLine>& Lines(TLineList list) { return lists_[static_cast<int>(list)]; }
  const std::vector<TLine>& Lines(TLineList list) const { return lists_[static_cast<int>(list)]; }
  // Adds lines at the end (LineValue = their 1-based position) or frees them from the end.
  void SetCurveCount(TLineList list, int count);
  // Every line of the list gets exactly `count` points; new points are (0, 0).
  void SetPointCount(TLineList list, int count);
  // Points of line 0; 0 without lines.
  int PointCount(TLineList list) const;
  // Extends every shorter line of the list to the longest by repeating its last point.
  void PadToLongest(TLineList list);

  // Legend text of curve `index` of panel 1.
  std::string LegendText(int index) const;

  int Units() const { return units_; }
  void SetUnits(int units) { units_ = units <= 0 ? 1 : units > 3 ? 3 : units; }

  std::string CurveName = "Curve #";
  std::string Caption;
  bool ShowLegend = true;
  bool ShowLayers = false;
  bool ShowWall = false;
  bool ShowThree = false;
  bool ShowFontWidth = true;
  int WallLineCount = 0;
  int Markers = 1;
  int SizeFont = 10;
  int LegendFont = 11;
  int WidthLine = 1;
  bool XOnTop = true;
  std::string XCaption, XUnits, YCaption, YUnits;
  std::string XCaption2, XUnits2, YCaption2, YUnits2;
  std::string XCaption3, XUnits3, YCaption3, YUnits3;
  std::function<void(int index, std::string& value)> onGetCaption;

  std::string GraphTitle;
  bool TitleAtTop = true;
  std::vector<std::string> PresetCaptions;
  bool LimitActiveCurves = false;

 private:
  std::vector<TLine> lists_[4];
  int units_ = 1;
};

// Colour of the k-th active curve as 0x00BBGGRR.
std::uint32_t CurveColour(int ordinal);

// A units code rendered for a plot: one force kind and one length kind are
// replaced (the highest slot present), every occurrence; system 3 unchanged.
std::string RenderPlotUnits(std::string_view code, int units);

// Shortest decimal text that reads back as the value ("1", "2.5").
std::string ShortestDecimal(double value);

}  // namespace keldor::gui
