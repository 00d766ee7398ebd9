#include "pycurves/py_generator_registry.h"

#include "pycurves/rock_py_generator.h"
#include "pycurves/sand_py_generator.h"
#include "pycurves/silt_py_generator.h"
#include "pycurves/soft_clay_py_generator.h"
#include "pycurves/stiff_clay_py_generator.h"
#include "pycurves/weak_rock_py_generator.h"

namespace keldor::engine {

const PyCurveGenerator& py_generator_for(int KSOIL) {
  static const SoftClayPyGenerator soft_clay;
  static const StiffClayBelowWaterPyGenerator stiff_clay_below_water;
  static const StiffClayAboveWaterPyGenerator stiff_clay_above_water;
  static const SandPyGenerator sand;
  static const SiltPyGenerator silt;
  static const RockPyGenerator rock;
  static const WeakRockPyGenerator weak_rock;
  switch (KSOIL) {
    case 2:
      return stiff_clay_below_water;
    case 3:
      return stiff_clay_above_water;
    case 4:
      return sand;
    case 5:
      return silt;
    case 6:
      return rock;
    case 7:
      return weak_rock;
    default:
      return soft_clay;  // type 1, and every type outside 1 to 7
  }
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
