// Where the values of a soil layer's parameter sub-table stand in the six
// values of a data-file soil line, per soil type (1 soft clay, 2 and 3 stiff
// clays, 4 sand, 5 silt, 6 strong rock, 7 weak rock).
#pragma once

#include <array>

namespace keldor::gui {

enum class TSoilQuantity { None, UnitWeight, Cohesion, Other };

struct TSoilSlot {
  int column = -1;  // column of the sub-table; -1: the slot is not used ("0.0  ")
  TSoilQuantity quantity = TSoilQuantity::None;
};

using TSoilSlots = std::array<TSoilSlot, 6>;

bool IsSoilType(int soil_type);
// The six slots of the current and 3.0 layouts.
const TSoilSlots& SoilSlots(int soil_type);
// The five values of the 2.0 layout: the first five slots of the current one.
inline constexpr int kOlderSoilValueCount = 5;

}  // namespace keldor::gui
