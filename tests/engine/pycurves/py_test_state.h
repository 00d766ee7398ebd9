// Test support: problem states with a wall and soil layers for the p-y
// curve generation, and a console that records its lines.
#pragma once

#include <string>
#include <vector>

#include "driver/problem_state.h"
#include "driver/run_analysis.h"

namespace keldor::engine::testing_support {

class LineConsole : public Console {
 public:
  void line(std::string_view text) override { lines.emplace_back(text); }
  std::string all() const {
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    return text;
  }
  std::vector<std::string> lines;
};

// A layer with the same values at top and bottom: unit weight, cohesion,
// friction angle (degrees), E50, subgrade modulus.
inline SoilLayer layer(int KSOIL, double ZBOT, double gamma, double c, double phi, double E50, double k) {
  SoilLayer l;
  l.KSOIL = KSOIL;
  l.ZBOT = ZBOT;
  l.VTOP = {gamma, c, phi, E50, k, 0};
  l.VBOT = l.VTOP;
  return l;
}

// A block generating p-y curves: NI increments of H, excavation at HFREE,
// backfill water table at DWB, WA = WP = width.
inline ProblemState py_state(int IUNITS, int NI, double H, double HFREE, double DWB, std::vector<SoilLayer> layers,
                             double width = 1.0) {
  ProblemState state;
  state.control.IUNITS = IUNITS;
  state.control.KPYOP = 2;
  state.geometry.NI = NI;
  state.geometry.H = H;
  state.geometry.HFREE = HFREE;
  state.wall.HWALL = HFREE;
  state.wall.WA = width;
  state.wall.WP = width;
  state.wall.DWB = DWB;
  state.wall.DWE = DWB;
  state.wall.AMOD = 1;
  double previous = 0;
  for (SoilLayer& l : layers) {
    l.THICK = l.ZBOT - previous;
    previous = l.ZBOT;
  }
  state.layers = std::move(layers);
  return state;
}

}  // namespace keldor::engine::testing_support
