// The p-y generator of each soil type, and the report's line naming the soil.
#pragma once

#include <string>

#include "pycurves/py_generator_frame.h"

namespace keldor::engine {

// Soft clay serves type 1 and every type outside 1 to 7.
const PyCurveGenerator& py_generator_for(int KSOIL);

// "THE SOIL IS A SOFT CLAY" and so on; types outside 1 to 7 read as soft clay.
std::string soil_type_line(int KSOIL);

}  // namespace keldor::engine
