// Grid table whose editing window adds a live chart of two of its columns
// and can fill the table from a text file or from clipboard text. It keeps
// its own table and column-kind registries, so its sub-table columns refer
// to chart tables only, and its units codes know six slots.
#pragma once

#include <string>

#include "grid_table.h"

namespace keldor::gui {

// Chart settings stored after the column definitions in the Col stream.
struct TGraphicParameters {
  bool ShowChart = false;
  bool OwnDrawing = false;
  int XColumn = 0;
  int YColumn = 0;
  int Reserved1 = 0;  // stored and copied, not used by the window
  int Reserved2 = 0;
};

class TGridTableChart : public TGridTable {
 public:
  TGridTableChart();

  bool GetDataFromFile() const { return get_data_from_file_; }
  void SetGetDataFromFile(bool on) { get_data_from_file_ = on; }
  bool OKCancelButtons() const { return ok_cancel_buttons_; }
  void SetOKCancelButtons(bool on) { ok_cancel_buttons_ = on; }
  bool InvertedXAxis() const { return inverted_x_axis_; }
  void SetInvertedXAxis(bool on) { inverted_x_axis_ = on; }
  bool InvertedYAxis() const { return inverted_y_axis_; }
  void SetInvertedYAxis(bool on) { inverted_y_axis_ = on; }
  const TGraphicParameters& GraphicParameters() const { return graphic_; }
  void SetGraphicParameters(const TGraphicParameters& parameters) { graphic_ = parameters; }

  TUnitScheme UnitScheme() const override { return TUnitScheme::SixSlots; }
  void ReadCol(TValueReader& reader) override;
  void WriteCol(TValueWriter& writer) const override;
  std::unique_ptr<TGridTable> CreateSubTable(TGridTable& parent, int row) const override;
  // A re-created row table keeps the row count and the real values of the
  // columns both layouts share.
  void KeepRowsOf(const TGridTable& replaced) override;

 private:
  TGridTableChart(TGridTable* parent);

  bool get_data_from_file_ = false;
  bool ok_cancel_buttons_ = false;
  bool inverted_x_axis_ = false;
  bool inverted_y_axis_ = false;
  TGraphicParameters graphic_;
};

// Number format of a chart axis (toolkit format pattern): exponent form for
// large or tiny ranges.
std::string AxisLabelFormat(double axis_minimum, double axis_maximum);

}  // namespace keldor::gui
