// Decimal constants of the engine's formulas are 32-bit float literals
// widened to double; sp() keeps that widening visible at every use.
#pragma once

namespace keldor::engine {

constexpr double sp(float f) { return f; }

}  // namespace keldor::engine
