// Writing problem blocks: data files (one block, or a short-term and a
// long-term block) and stage files (one block and the stage number). Items
// are separated by tabs and blanks as the program has always written them;
// reals in the general format with 8 significant digits; lines end CR LF.
#include <string>

#include "atomic_file.h"
#include "general_format.h"
#include "grid_table.h"
#include "main_window_tables.h"
#include "modified_state.h"
#include "program_data.h"
#include "soil_parameter_slots.h"

namespace keldor::gui {

namespace {

std::string R(double value) { return FormatGeneral(value, 8); }
std::string I(int value) { return std::to_string(value); }

class TBlockWriter {
 public:
  TBlockWriter(TProgramData& data, std::string& text) : data_(data), text_(text) {}

  void Line(const std::string& line) { text_ += line + "\r\n"; }

  void Block(TBlockKind kind, const std::string& title) {
    data_.DeriveFileCodes(kind);
    const bool long_term = kind == TBlockKind::LongTerm;
    TGridTable& restraints = data_.Table("Soillayer");
    TGridTable& sections = data_.Table("PileSect");
    TGridTable& modifiers = data_.Table("PYMod");
    TGridTable& curve_sets = data_.Table("PYCurves2");

    Line(title);
    Line(I(data_.Units) + " " + I(restraints.RowCount()) + "\t" + I(sections.RowCount()) + "\t" +
         I(modifiers.RowCount()) + "\t" + I(data_.KOUTPT) + "\t" + I(data_.KPYOP) + " " + I(curve_sets.RowCount()) +
         " " + I(data_.StageCount) + " " + I(data_.NMEI));
    Line(I(data_.Increments) + " " + R(data_.IncrementLength) + "\t" + R(data_.MaxDeflection) + "\t" +
         R(data_.ClosureTolerance) + "\t" + R(data_.FreeHeight));
    if (data_.Restraints) {
      for (int row = 0; row < restraints.RowCount(); ++row) {
        Line(Int(restraints, 0, row) + "\t" + Int(restraints, 1, row) + "\t" + Real(restraints, 2, row) + "\t" +
             Real(restraints, 3, row));
      }
    }
    for (int row = 0; row < sections.RowCount(); ++row) {
      Line(Int(sections, 0, row) + "\t" + Int(sections, 1, row) + "\t" + Int(sections, 2, row) + "\t" +
           Real(sections, 3, row));
    }
    ConcentratedLoads();
    Springs();
    if (data_.PYModification) {
      const double depth_factor = modifiers.Units() == 1 ? 12 : 1;
      for (int row = 0; row < modifiers.RowCount(); ++row) {
        Line(R(modifiers.Cell(0, row).AsFloat() * depth_factor) + "\t" + Real(modifiers, 1, row) + "\t" +
             Real(modifiers, 2, row));
      }
    }
    if (data_.KOUTPT == 1) DistributedLoads(data_.Table(long_term ? "LongDist" : "DistLoad"));
    if (data_.KOUTPT >= 2 || data_.KPYOP == 2) {
      Line(R(data_.FreeHeight) + "\t" + R(data_.WidthActive) + "\t" + R(data_.WidthPY) + "\t" +
           R(data_.WaterDepthBackfill) + "\t" + R(data_.WaterDepthExcavation) + "\t" + R(data_.PressureFactor) +
           "\t" + I(data_.NWall) + "\t" + R(data_.BackfillSlope));
      Line(R(data_.SurfacePressure) + "\t" + R(data_.SurchargeDistance) + "\t" + R(data_.PointLoad) + "\t" +
           R(data_.LineLoad) + "\t" + R(data_.StripLoad) + "\t" + R(data_.StripWidth));
      Surcharges();
      SoilLayers(data_.Table(long_term ? "LongSoil" : "NewSoil"));
    }
    if (data_.ExternalPYCurves && curve_sets.RowCount() > 0) CurveSets(curve_sets);
    TGridTable& moment_ei = data_.Table("MEICurves2");
    if (data_.MomentEICurves && moment_ei.RowCount() > 0) MomentEICurves(moment_ei);
  }

 private:
  static std::string Int(const TGridTable& table, int col, int row) { return I(table.Cell(col, row).AsInteger()); }
  static std::string Real(const TGridTable& table, int col, int row) { return R(table.Cell(col, row).AsFloat()); }

  void ConcentratedLoads() {
    TGridTable& loads = data_.Table("BoundCond");
    Line(I(loads.RowCount()));
    for (int row = 0; row < loads.RowCount(); ++row) {
      Line(Int(loads, 0, row) + "\t" + Int(loads, 1, row) + "\t" + Int(loads, 2, row) + "\t" + Real(loads, 3, row) +
           "\t" + Real(loads, 4, row) + "\t" + Real(loads, 5, row));
    }
  }

  void Springs() {
    TGridTable& springs = data_.Table("SoilStrength");
    Line(I(springs.RowCount()));
    for (int row = 0; row < springs.RowCount(); ++row) {
      Line(Int(springs, 1, row) + "\t" + Int(springs, 2, row) + "\t" + Int(springs, 0, row) + "\t" +
           Real(springs, 3, row) + "\t" + Real(springs, 4, row));
    }
  }

  // Depths in ft and loads in lb/ft are held by English tables; the file has in and lb/in.
  void DistributedLoads(const TGridTable& loads) {
    const bool english = loads.Units() == 1;
    Line(I(loads.RowCount()));
    for (int row = 0; row < loads.RowCount(); ++row) {
      Line(R(loads.Cell(0, row).AsFloat() * (english ? 12 : 1)) + "\t" +
           R(loads.Cell(1, row).AsFloat() / (english ? 12 : 1)));
    }
  }

  // SI distances and strip widths are held in mm; the file has m.
  void Surcharges() {
    TGridTable& surcharges = data_.Table("SurchargeTable");
    const double divisor = data_.Units == 2 ? 1000 : 1;
    Line(I(surcharges.RowCount()));
    for (int row = 0; row < surcharges.RowCount(); ++row) {
      Line(Int(surcharges, 0, row) + "\t" + Real(surcharges, 1, row) + "\t" +
           R(surcharges.Cell(2, row).AsFloat() / divisor) + "\t" + R(surcharges.Cell(3, row).AsFloat() / divisor));
    }
  }

  // English tables hold depths in ft, unit weights in lb/ft3 and cohesions
  // in lb/ft2; the file has in, lb/in3 and lb/in2.
  void SoilLayers(const TGridTable& layers) {
    const bool english = data_.Units == 1;
    Line(I(layers.RowCount()));
    for (int row = 0; row < layers.RowCount(); ++row) {
      const int soil_type = layers.Cell(0, row).AsInteger();
      Line(I(soil_type) + " " + R(layers.Cell(1, row).AsFloat() * (english ? 12 : 1)) + " ");
      const TGridTable* parameters = layers.Cell(2, row).AsTable();
      for (int level = 0; level < 2; ++level) {
        std::string line;
        for (const TSoilSlot& slot : SoilSlots(soil_type)) {
          const bool present = parameters && slot.column >= 0 && slot.column < parameters->ColumnCount() &&
                               level < parameters->RowCount();
          if (!present) {
            line += "0.0  ";
            continue;
          }
          double value = parameters->Cell(slot.column, level).AsFloat();
          if (english && slot.quantity == TSoilQuantity::UnitWeight) value /= 1728;
          if (english && slot.quantity == TSoilQuantity::Cohesion) value /= 144;
          line += R(value) + " ";
        }
        Line(line);
      }
    }
  }

  void CurveSets(const TGridTable& sets) {
    for (int row = 0; row < sets.RowCount(); ++row) {
      const TGridTable* points = sets.Cell(1, row).AsTable();
      const int count = points ? points->RowCount() : 0;
      Line(Int(sets, 0, row) + "\t" + I(count) + "\t" + Real(sets, 2, row) + "\t" + Real(sets, 3, row));
      for (int point = 0; point < count; ++point) Line(Real(*points, 0, point) + "\t" + Real(*points, 1, point));
    }
  }

  void MomentEICurves(const TGridTable& curves) {
    for (int row = 0; row < curves.RowCount(); ++row) {
      const TGridTable* points = curves.Cell(2, row).AsTable();
      const int count = points ? points->RowCount() : 0;
      Line(Int(curves, 0, row) + "\t" + Int(curves, 1, row) + "\t" + I(count));
      for (int point = 0; point < count; ++point) Line(Real(*points, 0, point) + "\t" + Real(*points, 1, point));
    }
  }

  TProgramData& data_;
  std::string& text_;
};

}  // namespace

std::string TProgramData::DataFileText() {
  std::string text;
  TBlockWriter writer(*this, text);
  writer.Block(TBlockKind::ShortTerm, Title);
  NextCode = LongTerm ? 9 : 0;
  writer.Line(std::to_string(NextCode));
  if (NextCode == 9) {
    writer.Block(TBlockKind::LongTerm, Title);
    writer.Line("0");
  }
  return text;
}

std::string TProgramData::StageFileText() {
  std::string text;
  TBlockWriter writer(*this, text);
  writer.Block(TBlockKind::Stage, CurrentStage == 1 ? Title : " Stage No : " + std::to_string(CurrentStage));
  writer.Line(std::to_string(CurrentStage));
  return text;
}

void TProgramData::WriteDataFile() {
  WriteFileAtomically(FileName, DataFileText());
  context_.modified.SetModified(false);
  CurrentLayout = true;
}

void TProgramData::WriteStageFile() {
  WriteFileAtomically(StageFileName, StageFileText());
  context_.modified.SetModified(false);
  CurrentLayout = true;
}

}  // namespace keldor::gui
