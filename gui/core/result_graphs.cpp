#include "result_graphs.h"

#include <algorithm>
#include <cstdint>

#include "grid_table.h"
#include "in_out_error.h"
#include "prompt.h"
#include "word_reader.h"

namespace keldor::gui {

std::vector<TGraphPlot*> TResultGraphs::All() {
  return {&pltLD, &PltCombine, &pltPY, &pltDef, &pltMom, &pltShear, &pltSoil,
          &pltDMS, &pltInter, &pltMomEi, &pltMomCurv, &pltLM};
}

namespace {

constexpr TLineList kPanels[] = {TLineList::Curves, TLineList::Curves2, TLineList::Curves3};

class TPlotFileLoader {
 public:
  TPlotFileLoader(TWordReader& reader, const TPlotProblem& problem, TResultGraphs& graphs)
      : reader_(reader), problem_(problem), g_(graphs) {}

  void Load() {
    for (TGraphPlot* plot : g_.All()) plot->SetPointCount(TLineList::Curves, 0);
    g_.pltInter.SetCurveCount(TLineList::Curves, 1);
    int case_count = 1;

    g_.pltLD.SetCurveCount(TLineList::Curves, 1);
    g_.PltCombine.SetCurveCount(TLineList::Curves, 3);
    PressureSection(0, true);
    PYSection();
    case_count = std::max(case_count, CaseCount());
    for (TGraphPlot* plot : DepthPlots()) plot->SetCurveCount(TLineList::Curves, case_count);
    for (TLineList panel : kPanels) g_.pltDMS.SetCurveCount(panel, case_count);
    NodeSection(0);
    for (TGraphPlot* plot : DepthPlots()) plot->SetCurveCount(TLineList::Curves, case_count);
    for (TLineList panel : kPanels) g_.pltDMS.SetCurveCount(panel, case_count);
    SoilLayersAndWall();

    const int cases_after_first = case_count;
    for (int k = 1; k < cases_after_first; ++k) {
      g_.pltLD.SetCurveCount(TLineList::Curves, case_count);
      PressureSection(k, false);
      PYSection();
      const int cases = CaseCount();
      g_.pltDef.SetCurveCount(TLineList::Curves, cases);
      case_count = std::max(case_count, cases);
      g_.pltDef.SetCurveCount(TLineList::Curves, case_count);
      for (TGraphPlot* plot : {&g_.pltMom, &g_.pltShear, &g_.pltSoil}) {
        plot->SetCurveCount(TLineList::Curves, case_count);
      }
      for (TLineList panel : kPanels) g_.pltDMS.SetCurveCount(panel, case_count);
      NameCases(k);
      NodeSection(k);
      for (TGraphPlot* plot : DepthPlots()) plot->SetCurveCount(TLineList::Curves, case_count);
      g_.pltLD.SetCurveCount(TLineList::Curves, case_count);
    }
  }

  // Every graph's curves end up equally long.
  void Pad() {
    for (TGraphPlot* plot : {&g_.pltLD, &g_.PltCombine, &g_.pltPY, &g_.pltDef, &g_.pltMom, &g_.pltShear, &g_.pltSoil}) {
      plot->PadToLongest(TLineList::Curves);
    }
    for (TLineList panel : kPanels) g_.pltDMS.PadToLongest(panel);
  }

  void Captions() {
    const bool english = units_flag_ == 1;
    const char* moment = english ? "Moment (in-kips)" : "Moment (m-kN)";
    const char* bending = english ? "Bending Moment (in-kips)" : "Bending Moment (m-kN)";
    const char* depth = english ? "Depth (ft)" : "Depth (m)";
    g_.pltMomEi.XCaption = moment;
    g_.pltMomEi.YCaption = english ? "EI (kips-in^2)" : "EI (kN-m^2)";
    g_.pltMomCurv.YCaption = moment;
    g_.pltInter.XCaption = bending;
    g_.pltInter.YCaption = english ? "Axial Load (kips)" : "Axial Load (kN)";
    for (TGraphPlot* plot : {&g_.pltDef, &g_.pltSoil, &g_.pltLD, &g_.pltMom, &g_.pltShear}) plot->YCaption = depth;
    g_.pltMom.XCaption = bending;
    g_.pltShear.XCaption = english ? "Shear (kips)" : "Shear (kN)";
    g_.pltLM.XCaption = english ? "Maximum Moment (in-kips)" : "Maximum Moment (m-kN)";
    g_.pltLM.YCaption = english ? "Lateral Load (kips)" : "Lateral Load (kN)";
    TGraphPlot& dms = g_.pltDMS;
    dms.XCaption = g_.pltDef.XCaption, dms.YCaption = g_.pltDef.YCaption, dms.XUnits = g_.pltDef.XUnits;
    dms.XCaption2 = g_.pltMom.XCaption, dms.YCaption2 = g_.pltMom.YCaption, dms.XUnits2 = g_.pltMom.XUnits;
    dms.XCaption3 = g_.pltShear.XCaption, dms.YCaption3 = g_.pltShear.YCaption, dms.XUnits3 = g_.pltShear.XUnits;
    for (TGraphPlot* plot : g_.All()) plot->SetUnits(units_flag_);
  }

  int PressurePointCount() const { return max_pressure_points_; }

 private:
  std::vector<TGraphPlot*> DepthPlots() { return {&g_.pltDef, &g_.pltMom, &g_.pltShear, &g_.pltSoil}; }

  // A count read from the file, checked against the words left before
  // anything is sized with it.
  int Count(int words_per_item) {
    const int count = reader_.ReadInteger();
    if (count <= 0) return 0;
    if (static_cast<std::uint64_t>(count) * static_cast<std::uint64_t>(words_per_item) > reader_.RemainingWords()) {
      reader_.FailOnLastWord("The count " + std::to_string(count) + " is more than the rest of the file holds.");
    }
    return count;
  }

  // A case count: each case needs at least a few words in the file.
  int CaseCount() { return std::max(Count(1), 1); }

  void PressureSection(int k, bool first) {
    const int points = Count(4);
    max_pressure_points_ = std::max(max_pressure_points_, points);
    TLine& total = g_.pltLD.Lines(TLineList::Curves)[static_cast<std::size_t>(k)];
    total.Points.assign(static_cast<std::size_t>(points), {});
    if (first) g_.PltCombine.SetPointCount(TLineList::Curves, points);
    std::vector<TLine>& parts = g_.PltCombine.Lines(TLineList::Curves);
    const double combined_depth_divisor = problem_.units == 1 ? 12 : 1;
    for (std::size_t j = 0; j < static_cast<std::size_t>(points); ++j) {
      const double depth = reader_.ReadFloat();
      const double values[3] = {reader_.ReadFloat(), reader_.ReadFloat(), reader_.ReadFloat()};
      total.Points[j] = {values[0], depth};
      if (!first) continue;
      for (std::size_t c = 0; c < 3; ++c) parts[c].Points[j] = {values[c], depth / combined_depth_divisor};
    }
    if (first) {
      parts[0].LineName = "Total Earth Pressure";
      parts[1].LineName = "from Soils ";
      parts[2].LineName = "from Surcharge Loads";
    }
    units_flag_ = reader_.ReadInteger();
    if (units_flag_ == 1) {
      for (TFloatPoint& point : total.Points) point.Y /= 12;
    }
  }

  void PYSection() {
    const int curves = Count(2);
    g_.pltPY.SetCurveCount(TLineList::Curves, curves);
    for (TLine& curve : g_.pltPY.Lines(TLineList::Curves)) {
      curve.LineValue = reader_.ReadFloat();
      const int points = Count(2);
      curve.Points.assign(static_cast<std::size_t>(points), {});
      for (TFloatPoint& point : curve.Points) point = {reader_.ReadFloat(), reader_.ReadFloat()};
    }
    g_.pltPY.CurveName = "Depth";
  }

  void NodeSection(int k) {
    const int nodes = Count(5);
    g_.pltDMS.ShowThree = true;
    reader_.ReadInteger();  // not used
    std::vector<TFloatPoint> deflection(static_cast<std::size_t>(nodes)), moment = deflection, shear = deflection,
                                                                       soil = deflection;
    for (std::size_t j = 0; j < static_cast<std::size_t>(nodes); ++j) {
      double z = reader_.ReadFloat();
      const double y = reader_.ReadFloat();
      double m = reader_.ReadFloat();
      double v = reader_.ReadFloat();
      const double p = reader_.ReadFloat();
      if (units_flag_ == 1) z /= 12, m /= 1000, v /= 1000;
      deflection[j] = {y, z}, moment[j] = {m, z}, shear[j] = {v, z}, soil[j] = {p, z};
    }
    // The case goes into the graphs only once all its nodes are read.
    const std::size_t at = static_cast<std::size_t>(k);
    g_.pltDef.Lines(TLineList::Curves)[at].Points = deflection;
    g_.pltMom.Lines(TLineList::Curves)[at].Points = moment;
    g_.pltShear.Lines(TLineList::Curves)[at].Points = shear;
    g_.pltSoil.Lines(TLineList::Curves)[at].Points = soil;
    g_.pltDMS.Lines(TLineList::Curves)[at].Points = deflection;
    g_.pltDMS.Lines(TLineList::Curves2)[at].Points = moment;
    g_.pltDMS.Lines(TLineList::Curves3)[at].Points = shear;
  }

  void NameCases(int k) {
    for (TGraphPlot* plot : {&g_.pltDef, &g_.pltMom, &g_.pltShear, &g_.pltSoil, &g_.pltDMS}) {
      std::vector<TLine>& curves = plot->Lines(TLineList::Curves);
      curves[0].LineName = "Stage: 1";
      curves[static_cast<std::size_t>(k)].LineName = "Stage: " + std::to_string(k + 1);
      if (problem_.long_term && curves.size() >= 2) {
        curves[0].LineName = "Short-Term";
        curves[1].LineName = "Long-Term";
      }
    }
  }

  void SoilLayersAndWall() {
    TGraphPlot& dms = g_.pltDMS;
    if (dms.PointCount(TLineList::Curves) == 0) return;
    const TGridTable* layers = problem_.soil_layers;
    const int count = layers ? layers->RowCount() : 0;
    dms.SetCurveCount(TLineList::LayerLines, 0);
    dms.SetCurveCount(TLineList::LayerLines, count + 2);
    std::vector<TLine>& lines = dms.Lines(TLineList::LayerLines);
    for (int i = 0; i < count; ++i) {
      const int soil_type = layers->Cell(0, i).AsInteger();
      std::string kind = " CLAY ";
      double pattern = 1;
      if (soil_type == 4) kind = " SAND ", pattern = 7;
      if (soil_type == 5) kind = " SILT ", pattern = 8;
      if (soil_type == 6) kind = "STRONG ROCK", pattern = 9;
      if (soil_type == 7) kind = "WEAK ROCK", pattern = 10;
      TLine& line = lines[static_cast<std::size_t>(i)];
      line.LineName = "LAYER " + std::to_string(i + 1) + kind;
      line.Points = {{pattern, layers->Cell(1, i).AsFloat()}};
    }
    dms.WallLineCount = count;
    lines[static_cast<std::size_t>(count)].LineName = "PILE";
    lines[static_cast<std::size_t>(count)].Points = {{0, problem_.increments * problem_.increment_length}};
    lines[static_cast<std::size_t>(count) + 1].LineName = "PILE";
    lines[static_cast<std::size_t>(count) + 1].Points = {{0, problem_.free_height}};
  }

  TWordReader& reader_;
  const TPlotProblem& problem_;
  TResultGraphs& g_;
  int units_flag_ = 0;
  int max_pressure_points_ = 0;
};

}  // namespace

TPlotLoadResult LoadPlotFile(const std::string& file_name, const TPlotProblem& problem, TResultGraphs& graphs,
                             TPrompt& prompt) {
  TPlotLoadResult result;
  try {
    TWordReader reader(file_name);
    TPlotFileLoader loader(reader, problem, graphs);
    try {
      loader.Load();
    } catch (const EInOutError&) {
      loader.Pad();
      result.pressure_point_count = loader.PressurePointCount();
      throw;
    }
    loader.Pad();
    loader.Captions();
    result.pressure_point_count = loader.PressurePointCount();
    result.complete = true;
  } catch (const EInOutError&) {
    prompt.Information("An error occured in running the main program.");
  }
  return result;
}

}  // namespace keldor::gui
