// Reading data files (current, 3.0 and 2.0 layouts) and stage files into
// the problem and the main window's tables. A read error is shown to the
// user; what was read before it stays, and the tables are still raised to
// their minimum rows.
#include <algorithm>
#include <cstdint>
#include <string>

#include "grid_table.h"
#include "grid_table_chart.h"
#include "in_out_error.h"
#include "main_window_tables.h"
#include "modified_state.h"
#include "program_data.h"
#include "prompt.h"
#include "soil_parameter_slots.h"
#include "word_reader.h"

namespace keldor::gui {

namespace {

bool IsChartTable(const TGridTable& table) { return dynamic_cast<const TGridTableChart*>(&table) != nullptr; }

class TBlockReader {
 public:
  TBlockReader(TProgramData& data, TWordReader& reader, TFileLayout layout, TBlockKind kind)
      : data_(data), reader_(reader), layout_(layout), kind_(kind) {}

  void Read() {
    data_.Title = reader_.ReadLine();
    ControlRecord();
    data_.Increments = reader_.ReadInteger();
    data_.IncrementLength = reader_.ReadFloat();
    data_.MaxDeflection = reader_.ReadFloat();
    data_.ClosureTolerance = reader_.ReadFloat();
    data_.FreeHeight = reader_.ReadFloat();
    if (data_.Restraints) Restraints();
    WallSections();
    ConcentratedLoads();
    Springs();
    Modifiers();
    if (koutpt_ == 1) DistributedLoads();
    if (koutpt_ > 1 || kpyop_ == 2) {
      WallRecord();
      if (layout_ == TFileLayout::Current) {
        Surcharges();
      } else {
        SingleSurchargeAsTable();
      }
      SoilLayers();
    }
    CurveSets();
    if (data_.MomentEICurves) MomentEICurves();
  }

 private:
  // A row count read from the file, checked against the words the rest of
  // the file holds before any table is sized with it.
  int Count(int words_per_row) {
    const int count = reader_.ReadInteger();
    if (count <= 0) return 0;
    if (static_cast<std::uint64_t>(count) * static_cast<std::uint64_t>(words_per_row) > reader_.RemainingWords()) {
      reader_.FailOnLastWord("The count " + std::to_string(count) + " is more than the rest of the file holds.");
    }
    return count;
  }

  TGridTable& Table(const char* name) { return data_.Table(name); }

  void ControlRecord() {
    data_.SetUnitsSystem(reader_.ReadInteger());
    const int restraints = Count(4);
    Table("Soillayer").SetRowCount(restraints);
    data_.Restraints = restraints > 0;
    Table("PileSect").SetRowCount(Count(4));
    const int modifiers = Count(3);
    Table("PYMod").SetRowCount(modifiers);
    koutpt_ = reader_.ReadInteger();
    if (kind_ != TBlockKind::LongTerm) data_.EarthPressureOption = koutpt_;
    kpyop_ = reader_.ReadInteger();
    Switches();
    const int curve_sets = Count(2);
    Table("PYCurves2").SetRowCount(curve_sets);
    if (curve_sets > 0) data_.ExternalPYCurves = true;
    if (modifiers > 0) data_.PYModification = true;
    if (layout_ != TFileLayout::V20) data_.StageCount = std::clamp(reader_.ReadInteger(), 1, 5);
    if (layout_ == TFileLayout::Current) {
      const int curves = Count(3);
      if (kind_ != TBlockKind::LongTerm) {
        Table("MEICurves2").SetRowCount(curves);
        if (curves > 0) data_.MomentEICurves = true;
      }
    }
  }

  // The switches follow from the codes; the long-term block and stage
  // files keep some of those the short-term block set.
  void Switches() {
    const bool short_term = kind_ == TBlockKind::ShortTerm;
    if (short_term ? koutpt_ > 1 : koutpt_ == 2) data_.GenerateEarthPressure = 1;
    if (kind_ == TBlockKind::LongTerm && koutpt_ == 0) data_.GenerateEarthPressure = 0;
    // p-y generation stays on when no earth-pressure option is chosen:
    // clearing it would drop the soil layers at the next save.
    if (kpyop_ == 2) data_.GeneratePY = 1;
    if (short_term) {
      data_.NextCode = 0;
      data_.LongTerm = false;
    }
    if (kpyop_ < 2) data_.GeneratePY = 0;
    if (koutpt_ == 1) data_.GenerateEarthPressure = 0;
    if (kind_ != TBlockKind::LongTerm || koutpt_ != 0) data_.UserEarthPressure = koutpt_ == 1;
    if (kpyop_ == 1) data_.ExternalPYCurves = true;
    if (kpyop_ == 0) data_.ExternalPYCurves = false;
  }

  void Restraints() {
    TGridTable& table = Table("Soillayer");
    for (int row = 0; row < table.RowCount(); ++row) {
      table.Cell(0, row).SetInteger(reader_.ReadInteger());
      table.Cell(1, row).SetInteger(reader_.ReadInteger());
      table.Cell(2, row).SetFloat(reader_.ReadFloat());
      table.Cell(3, row).SetFloat(reader_.ReadFloat());
    }
  }

  void WallSections() {
    TGridTable& table = Table("PileSect");
    for (int row = 0; row < table.RowCount(); ++row) {
      table.Cell(0, row).SetInteger(reader_.ReadInteger());
      table.Cell(1, row).SetInteger(reader_.ReadInteger());
      table.Cell(2, row).SetInteger(reader_.ReadInteger());
      table.Cell(3, row).SetFloat(reader_.ReadFloat());
    }
  }

  void ConcentratedLoads() {
    TGridTable& table = Table("BoundCond");
    table.SetRowCount(Count(6));
    data_.ConcentratedLoads = table.RowCount() > 0;
    for (int row = 0; row < table.RowCount(); ++row) {
      for (int col = 0; col < 3; ++col) table.Cell(col, row).SetInteger(reader_.ReadInteger());
      for (int col = 3; col < 6; ++col) table.Cell(col, row).SetFloat(reader_.ReadFloat());
    }
  }

  void Springs() {
    TGridTable& table = Table("SoilStrength");
    table.SetRowCount(Count(5));
    data_.LateralSprings = table.RowCount() > 0;
    for (int row = 0; row < table.RowCount(); ++row) {
      table.Cell(1, row).SetInteger(reader_.ReadInteger());
      table.Cell(2, row).SetInteger(reader_.ReadInteger());
      table.Cell(0, row).SetInteger(reader_.ReadInteger());
      table.Cell(3, row).SetFloat(reader_.ReadFloat());
      table.Cell(4, row).SetFloat(reader_.ReadFloat());
    }
  }

  // English tables hold depths in ft; the file has in.
  void Modifiers() {
    TGridTable& table = Table("PYMod");
    const double depth_divisor = table.Units() == 1 ? 12 : 1;
    for (int row = 0; row < table.RowCount(); ++row) {
      table.Cell(0, row).SetFloat(reader_.ReadFloat() / depth_divisor);
      table.Cell(1, row).SetFloat(reader_.ReadFloat());
      table.Cell(2, row).SetFloat(reader_.ReadFloat());
    }
    data_.PYModification = table.RowCount() > 0;
  }

  void DistributedLoads() {
    TGridTable& table = Table(kind_ == TBlockKind::LongTerm ? "LongDist" : "DistLoad");
    const double factor = table.Units() == 1 ? 12 : 1;
    const int count = Count(2);
    table.SetRowCount(count);
    for (int row = 0; row < count; ++row) {
      table.Cell(0, row).SetFloat(reader_.ReadFloat() / factor);
      table.Cell(1, row).SetFloat(reader_.ReadFloat() * factor);
    }
    data_.UserEarthPressure = count > 0;
  }

  void WallRecord() {
    data_.FreeHeight = reader_.ReadFloat();
    data_.WidthActive = reader_.ReadFloat();
    data_.WidthPY = reader_.ReadFloat();
    data_.WaterDepthBackfill = reader_.ReadFloat();
    data_.WaterDepthExcavation = reader_.ReadFloat();
    data_.PressureFactor = reader_.ReadFloat();
    // Some old files hold 0.036 in the place of the factor.
    if (data_.PressureFactor == 0.036) data_.PressureFactor = 1.0;
    data_.NWall = reader_.ReadInteger();
    data_.BackfillSlope = reader_.ReadFloat();
    data_.SurfacePressure = reader_.ReadFloat();
    data_.SurchargeDistance = reader_.ReadFloat();
    data_.PointLoad = reader_.ReadFloat();
    data_.LineLoad = reader_.ReadFloat();
    data_.StripLoad = reader_.ReadFloat();
    data_.StripWidth = reader_.ReadFloat();
  }

  // SI tables hold surcharge distances and widths in mm; the file has m.
  double DistanceFactor() const { return data_.Units == 2 ? 1000 : 1; }

  void Surcharges() {
    TGridTable& table = Table("SurchargeTable");
    table.SetRowCount(Count(4));
    data_.SurchargeLoads = table.RowCount() > 0;
    for (int row = 0; row < table.RowCount(); ++row) {
      table.Cell(0, row).SetInteger(reader_.ReadInteger());
      table.Cell(1, row).SetFloat(reader_.ReadFloat());
      table.Cell(2, row).SetFloat(reader_.ReadFloat() * DistanceFactor());
      table.Cell(3, row).SetFloat(reader_.ReadFloat() * DistanceFactor());
    }
  }

  // Older files have one point, line and strip load at one distance.
  void SingleSurchargeAsTable() {
    if (data_.SurchargeDistance <= 0) return;
    TGridTable& table = Table("SurchargeTable");
    table.SetRowCount(3);
    const double magnitudes[] = {data_.PointLoad, data_.LineLoad, data_.StripLoad};
    for (int row = 0; row < 3; ++row) {
      table.Cell(0, row).SetInteger(row + 1);
      table.Cell(1, row).SetFloat(magnitudes[row]);
      table.Cell(2, row).SetFloat(data_.SurchargeDistance * DistanceFactor());
      table.Cell(3, row).SetFloat(data_.StripWidth * DistanceFactor());
    }
    data_.SurchargeLoads = true;
  }

  int SoilType() {
    const int soil_type = reader_.ReadInteger();
    if (!IsSoilType(soil_type)) reader_.FailOnLastWord("A soil type from 1 to 7 was expected but not found.");
    return soil_type;
  }

  void SoilLayers() {
    TGridTable& layers = Table(kind_ == TBlockKind::LongTerm ? "LongSoil" : "NewSoil");
    const bool older = layout_ == TFileLayout::V20;
    layers.SetRowCount(Count(older ? 2 + kOlderSoilValueCount : 14));
    const bool english = data_.Units == 1 && !older;
    double bottom = 0;
    for (int row = 0; row < layers.RowCount(); ++row) {
      const int soil_type = SoilType();
      layers.Cell(0, row).SetInteger(soil_type);
      // The 2.0 layout gives layer thicknesses; the table holds bottoms.
      bottom = older ? bottom + reader_.ReadFloat() : reader_.ReadFloat() / (english ? 12 : 1);
      layers.Cell(1, row).SetFloat(bottom);
      TGridTable* parameters = layers.Cell(2, row).AsTable();
      if (!parameters) reader_.FailOnLastWord("The soil layer has no parameter table.");
      if (parameters->RowCount() < parameters->MinRows()) parameters->SetRowCount(parameters->MinRows());
      if (older) {
        double values[kOlderSoilValueCount];
        for (double& value : values) value = reader_.ReadFloat();
        for (int level = 0; level < 2; ++level) {
          StoreSoilValues(*parameters, level, soil_type, values, kOlderSoilValueCount, false);
        }
      } else {
        for (int level = 0; level < 2; ++level) {
          double values[6];
          for (double& value : values) value = reader_.ReadFloat();
          StoreSoilValues(*parameters, level, soil_type, values, 6, english);
        }
      }
    }
  }

  static void StoreSoilValues(TGridTable& parameters, int level, int soil_type, const double* values, int count,
                              bool english) {
    const TSoilSlots& slots = SoilSlots(soil_type);
    for (std::size_t i = 0; i < static_cast<std::size_t>(count) && i < slots.size(); ++i) {
      const TSoilSlot& slot = slots[i];
      if (slot.column < 0 || slot.column >= parameters.ColumnCount() || level >= parameters.RowCount()) continue;
      double value = values[i];
      if (english && slot.quantity == TSoilQuantity::UnitWeight) value *= 1728;
      if (english && slot.quantity == TSoilQuantity::Cohesion) value *= 144;
      parameters.Cell(slot.column, level).SetFloat(value);
    }
  }

  void CurveSets() {
    TGridTable& sets = Table("PYCurves2");
    for (int row = 0; row < sets.RowCount(); ++row) {
      sets.Cell(0, row).SetInteger(reader_.ReadInteger());
      const int count = Count(2);
      TGridTable* points = sets.Cell(1, row).AsTable();
      if (!points) reader_.FailOnLastWord("The p-y curve set has no point table.");
      points->SetRowCount(count);
      const bool multipliers = layout_ == TFileLayout::Current;
      sets.Cell(2, row).SetFloat(multipliers ? reader_.ReadFloat() : 1.0);
      sets.Cell(3, row).SetFloat(multipliers ? reader_.ReadFloat() : 1.0);
      ReadPoints(*points);
    }
    data_.ExternalPYCurves = sets.RowCount() > 0;
  }

  void MomentEICurves() {
    TGridTable& curves = Table("MEICurves2");
    for (int row = 0; row < curves.RowCount(); ++row) {
      curves.Cell(0, row).SetInteger(reader_.ReadInteger());
      curves.Cell(1, row).SetInteger(reader_.ReadInteger());
      const int count = Count(2);
      TGridTable* points = curves.Cell(2, row).AsTable();
      if (!points) reader_.FailOnLastWord("The moment-EI curve has no point table.");
      points->SetRowCount(count);
      ReadPoints(*points);
    }
  }

  void ReadPoints(TGridTable& points) {
    for (int point = 0; point < points.RowCount(); ++point) {
      points.Cell(0, point).SetFloat(reader_.ReadFloat());
      points.Cell(1, point).SetFloat(reader_.ReadFloat());
    }
  }

  TProgramData& data_;
  TWordReader& reader_;
  TFileLayout layout_;
  TBlockKind kind_;
  int koutpt_ = 0;
  int kpyop_ = 0;
};

}  // namespace

std::unique_ptr<TProgramData> TProgramData::CreateFromFile(TProgramContext& context, const std::string& file_name,
                                                           TFileLayout layout) {
  auto data = std::make_unique<TProgramData>(context);
  data->ReadDataFile(file_name, layout);
  return data;
}

// Raises every plain table below its minimum to that minimum (chart
// tables keep the counts read) and clears the modified state.
static void FinishReading(TProgramData& data, TModifiedState& modified) {
  for (const TNamedTable& named : data.Tables().Tables()) {
    TGridTable& table = *named.table;
    if (!IsChartTable(table) && table.RowCount() < table.MinRows()) table.SetRowCount(table.MinRows());
  }
  modified.SetModified(false);
}

bool TProgramData::ReadDataFile(const std::string& file_name, TFileLayout layout) {
  FileName = file_name;
  for (const TNamedTable& named : Tables().Tables()) {
    if (!IsChartTable(*named.table)) named.table->SetRowCount(0);
  }
  bool complete = true;
  try {
    TWordReader reader(file_name);
    TBlockReader(*this, reader, layout, TBlockKind::ShortTerm).Read();
    if (layout != TFileLayout::V20) {
      NextCode = reader.ReadInteger();
      if (NextCode == 9) {
        LongTerm = true;
        reader.ReadLine();  // the rest of the line of the code
        TBlockReader(*this, reader, layout, TBlockKind::LongTerm).Read();
        reader.ReadInteger();
      }
    }
  } catch (const EInOutError& error) {
    context_.prompt.Information(error.what());
    complete = false;
  }
  FinishReading(*this, context_.modified);
  CurrentLayout = true;
  return complete;
}

bool TProgramData::ReadStageFile(const std::string& file_name) {
  return ReadStage([&] { return TWordReader(file_name); });
}

bool TProgramData::ReadStageText(const std::string& text) {
  return ReadStage([&] { return TWordReader::FromText(text); });
}

bool TProgramData::ReadStage(const std::function<TWordReader()>& open) {
  bool complete = true;
  try {
    TWordReader reader = open();
    TBlockReader(*this, reader, CurrentLayout ? TFileLayout::Current : TFileLayout::V30, TBlockKind::Stage).Read();
    NextCode = reader.ReadInteger();
    LongTerm = NextCode == 9;
  } catch (const EInOutError& error) {
    context_.prompt.Information(error.what());
    complete = false;
  }
  FinishReading(*this, context_.modified);
  return complete;
}

}  // namespace keldor::gui
