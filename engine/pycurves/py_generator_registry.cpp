#include "pycurves/py_generator_registry.h"

#include "driver/run_stop.h"
#include "pycurves/rock_py_generator.h"
#include "pycurves/sand_py_generator.h"
#include "pycurves/silt_py_generator.h"
#include "pycurves/soft_clay_py_generator.h"
#include "pycurves/stiff_clay_py_generator.h"
#include "pycurves/weak_rock_py_generator.h"

namespace keldor::engine {
namespace {

bool known_type(int KSOIL) { return KSOIL >= 1 && KSOIL <= 7; }

}  // namespace

const PyCurveGenerator& py_generator_for(int KSOIL, int py_layer_number) {
  static const SoftClayPyGenerator soft_clay;
  static const SandPyGenerator sand;
  if (KSOIL == 4) return sand;
  static const StiffClayBelowWaterPyGenerator stiff_clay_below_water;
  static const StiffClayAboveWaterPyGenerator stiff_clay_above_water;
  if (KSOIL == 2) return stiff_clay_below_water;
  if (KSOIL == 3) return stiff_clay_above_water;
  static const SiltPyGenerator silt;
  if (KSOIL == 5) return silt;
  static const RockPyGenerator rock;
  static const WeakRockPyGenerator weak_rock;
  if (KSOIL == 6) return rock;
  if (KSOIL == 7) return weak_rock;
  if (KSOIL == 1 || !known_type(KSOIL)) return soft_clay;
  throw ReportedStop({"ERROR -- P-Y LAYER " + std::to_string(py_layer_number) + ": " + soil_type_line(KSOIL) +
                          " (SOIL TYPE " + std::to_string(KSOIL) + ")",
                      "P-Y CURVES FOR THIS SOIL TYPE ARE NOT YET AVAILABLE IN THIS ENGINE"});
}

std::string soil_type_line(int KSOIL) {
  switch (KSOIL) {
    case 2:
      return "THE SOIL IS A STIFF CLAY BELOW THE WATER TABLE";
    case 3:
      return "THE SOIL IS A STIFF CLAY ABOVE THE WATER TABLE";
    case 4:
      return "THE SOIL IS A SAND";
    case 5:
      return "THE SOIL IS A SILT";
    case 6:
      return "THE LAYER IS ROCK";
    case 7:
      return "THE LAYER IS WEAK ROCK";
    default:
      return "THE SOIL IS A SOFT CLAY";
  }
}

}  // namespace keldor::engine
