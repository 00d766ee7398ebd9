// Generation of a full p-y curve set: ten layers alternating soft clay and
// sand below the excavation, 50 curves, with the report and SOILDATA
// and SOILDATA written to files. It must stay far below the time of the
// solution.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "driver/problem_state.h"
#include "pycurves/py_curve_set_assembly.h"

namespace keldor::engine {
namespace {

class SilentConsole : public Console {
 public:
  void line(std::string_view) override {}
};

ProblemState ten_layer_block() {
  ProblemState state;
  state.control.IUNITS = 2;
  state.control.KPYOP = 2;
  state.geometry = {200, 0.1, 0.5, 1e-5, 5.0};
  state.wall.HWALL = 5.0;
  state.wall.WA = state.wall.WP = 1.0;
  state.wall.DWB = 6.0;
  state.PAEXC = 25;
  double bottom = 5.0;
  for (int n = 0; n < 10; ++n) {
    SoilLayer layer;
    layer.KSOIL = n % 2 == 0 ? 1 : 4;
    layer.THICK = 1.5;
    bottom += layer.THICK;
    layer.ZBOT = bottom;
    if (layer.KSOIL == 1) {
      layer.VTOP = {17, 20.0 + 5 * n, 0, 0.02, 0, 0};
    } else {
      layer.VTOP = {19, 0, 30.0 + n, 0, 20000, 0};
    }
    layer.VBOT = layer.VTOP;
    state.layers.push_back(layer);
  }
  return state;
}

void BM_GenerateFiftyCurves(benchmark::State& bench) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("keldor-py-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  SilentConsole console;
  for (auto _ : bench) {
    ProblemState state = ten_layer_block();
    std::ofstream text(dir / "report.kd4o", std::ios::trunc);
    ReportWriter report(text);
    benchmark::DoNotOptimize(generate_py_curves(state, 40.0, report, console, dir));
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_GenerateFiftyCurves)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace keldor::engine
