#include "soil_parameter_slots.h"

namespace keldor::gui {

namespace {

constexpr TSoilSlot kUnused{};
constexpr TSoilSlot UnitWeight(int column) { return {column, TSoilQuantity::UnitWeight}; }
constexpr TSoilSlot Cohesion(int column) { return {column, TSoilQuantity::Cohesion}; }
constexpr TSoilSlot Other(int column) { return {column, TSoilQuantity::Other}; }

// Sub-table columns: TblClay1 (unit weight, cohesion, E50, k), TblSand1
// (unit weight, friction angle, k), TblSilt1 (unit weight, friction angle,
// cohesion, E50, k), TblRock1 (unit weight, qu), TblRock2 (unit weight, qu,
// krm, modulus, RQD).
constexpr TSoilSlots kClay{UnitWeight(0), Cohesion(1), kUnused, Other(2), Other(3), kUnused};
constexpr TSoilSlots kSand{UnitWeight(0), kUnused, Other(1), kUnused, Other(2), kUnused};
constexpr TSoilSlots kSilt{UnitWeight(0), Cohesion(2), Other(1), Other(3), Other(4), kUnused};
constexpr TSoilSlots kStrongRock{UnitWeight(0), Other(1), kUnused, kUnused, kUnused, kUnused};
constexpr TSoilSlots kWeakRock{UnitWeight(0), Other(1), kUnused, Other(2), Other(3), Other(4)};

}  // namespace

bool IsSoilType(int soil_type) { return soil_type >= 1 && soil_type <= 7; }

const TSoilSlots& SoilSlots(int soil_type) {
  switch (soil_type) {
    case 4: return kSand;
    case 5: return kSilt;
    case 6: return kStrongRock;
    case 7: return kWeakRock;
    default: return kClay;
  }
}

}  // namespace keldor::gui
