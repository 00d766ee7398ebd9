// The result graphs of the main window and the loading of a plot-data file
// (.kd4p) into them.
#pragma once

#include <string>
#include <vector>

#include "graph_plot.h"

namespace keldor::gui {

class TGridTable;
class TPrompt;

struct TResultGraphs {
  TGraphPlot pltLD;       // earth pressure distribution
  TGraphPlot PltCombine;  // combined earth pressure
  TGraphPlot pltPY;       // p-y curves
  TGraphPlot pltDef, pltMom, pltShear, pltSoil;
  TGraphPlot pltDMS;      // deflection, moment and shear side by side, with the soil layers
  TGraphPlot pltInter, pltMomEi, pltMomCurv, pltLM;

  std::vector<TGraphPlot*> All();
};

// What the loader takes from the problem.
struct TPlotProblem {
  int units = 1;
  bool long_term = false;
  int increments = 0;
  double increment_length = 0;
  double free_height = 0;
  const TGridTable* soil_layers = nullptr;  // soil type in column 0, bottom depth in column 1
};

struct TPlotLoadResult {
  bool complete = false;
  int pressure_point_count = 0;  // largest earth-pressure point count of a case
};

// Reads the file into the graphs. A read error shows "An error occured in
// running the main program." and leaves what was read (complete cases) in
// the graphs, with every curve of a graph padded to the same length.
TPlotLoadResult LoadPlotFile(const std::string& file_name, const TPlotProblem& problem, TResultGraphs& graphs,
                             TPrompt& prompt);

}  // namespace keldor::gui
