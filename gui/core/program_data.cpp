#include "program_data.h"

#include <algorithm>

#include "grid_table.h"
#include "main_window_tables.h"
#include "modified_state.h"

namespace keldor::gui {

TFileLayout LayoutFromIndex(int index) {
  if (index == 1) return TFileLayout::Current;
  if (index == 2) return TFileLayout::V30;
  return TFileLayout::V20;
}

TProgramData::TProgramData(TProgramContext& context) : context_(context) {
  if (context_.close_all_children) context_.close_all_children();
  SetUnitsSystem(1);
  for (const TNamedTable& named : Tables().Tables()) {
    named.table->SetRowCount(0);
    named.table->SetRowCount(named.table->MinRows());
  }
  context_.modified.SetModified(false);
}

TMainWindowTables& TProgramData::Tables() const { return context_.tables; }

TGridTable& TProgramData::Table(const char* name) const { return context_.tables.Table(name); }

// English and SI lengths convert with 0.0254 and 39.3701, which are not
// exact reciprocals: a round trip moves lengths in the sixth digit.
void TProgramData::SetUnitsSystem(int units) {
  units = std::clamp(units, 1, 3);
  double a = 0;
  double b = 0;
  if (Units == 1 && units == 2) {
    a = 0.0254;
    b = 0.00444822246806065062;
  } else if (Units == 2 && units == 1) {
    a = 39.3701;
    b = 224.8089;
  }
  if (a != 0) {
    for (double* length : {&IncrementLength, &MaxDeflection, &ClosureTolerance, &FreeHeight, &WaterDepthBackfill,
                           &WaterDepthExcavation, &WidthActive, &WidthPY, &SurchargeDistance, &StripWidth}) {
      *length *= a;
    }
    PointLoad *= b;
    LineLoad *= b / a;
    SurfacePressure *= b / (a * a);
    StripLoad *= b / (a * a);
  }
  Units = units;
  Tables().SetUnits(units);
  if (context_.units_changed) context_.units_changed();
}

void TProgramData::DeriveFileCodes(TBlockKind kind) {
  const int generated_option = kind == TBlockKind::ShortTerm ? EarthPressureOption : 2;
  if (!UserEarthPressure) KOUTPT = generated_option;
  if (!UserEarthPressure && GeneratePY == 0) KOUTPT = 0;
  if (UserEarthPressure) {
    KOUTPT = 1;
    GenerateEarthPressure = 0;
  }
  if (!UserEarthPressure && GenerateEarthPressure == 1) KOUTPT = generated_option;
  KPYOP = GeneratePY == 1 ? 2 : ExternalPYCurves ? 1 : 0;
  NMEI = MomentEICurves ? Table("MEICurves2").RowCount() : 0;

  const std::pair<const char*, bool> switched_tables[] = {
      {"BoundCond", ConcentratedLoads}, {"Soillayer", Restraints},    {"PYCurves2", ExternalPYCurves},
      {"PYMod", PYModification},        {"SoilStrength", LateralSprings}, {"SurchargeTable", SurchargeLoads}};
  for (const auto& [name, on] : switched_tables) {
    if (!on) Table(name).SetRowCount(0);
  }
  // No row follows the last wall section to interpolate to.
  TGridTable& sections = Table("PileSect");
  if (sections.RowCount() > 0) sections.Cell(2, sections.RowCount() - 1).SetInteger(1);
}

}  // namespace keldor::gui
