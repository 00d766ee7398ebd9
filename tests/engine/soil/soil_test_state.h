// Problem states and a recording console for the soil tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "driver/problem_state.h"
#include "driver/run_analysis.h"

namespace keldor::engine::testing {

inline SoilLayer soil_layer(int KSOIL, double THICK, double GAMMA, double COH, double PHI) {
  SoilLayer layer;
  layer.KSOIL = KSOIL;
  layer.THICK = THICK;
  layer.VTOP = {GAMMA, COH, PHI, 0, 0, 0};
  layer.VBOT = layer.VTOP;
  return layer;
}

inline SoilLayer sand(double THICK, double GAMMA, double PHI) { return soil_layer(4, THICK, GAMMA, 0, PHI); }
inline SoilLayer clay(double THICK, double GAMMA, double COH) { return soil_layer(1, THICK, GAMMA, COH, 0); }

// An SI block with generated triangular earth pressure; the excavation-side
// water table lies deep unless a test sets it.
inline ProblemState si_state(double HWALL, double DWB, std::vector<SoilLayer> layers) {
  ProblemState state;
  state.control.IUNITS = 2;
  state.control.KOUTPT = 2;
  state.wall.HWALL = HWALL;
  state.wall.WA = 1;
  state.wall.WP = 0.6;
  state.wall.DWB = DWB;
  state.wall.DWE = 100;
  state.wall.AMOD = 1;
  state.layers = std::move(layers);
  return state;
}

// Two sands, water table at 2 m, excavation at 6 m: sublayers 0-2, 2-4,
// 4-6 and 6-12 (see the hand computation in the distribution tests).
inline ProblemState two_sand_state() {
  return si_state(6, 2, {sand(4, 18, 30), sand(8, 20, 36)});
}

class RecordingConsole : public Console {
 public:
  void line(std::string_view text) override { lines.emplace_back(text); }
  std::vector<std::string> lines;
};

}  // namespace keldor::engine::testing
