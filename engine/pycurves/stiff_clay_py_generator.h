// p-y curves for stiff clay under static loading.
//
// Below the water table (with free water): a square-root curve to AS Y50,
// a softening branch to 6 AS Y50, a falling straight line to 18 AS Y50 and
// a residual resistance, all under the initial line k z y; the ultimate
// resistance is the smaller of the wedge value PCT and the flow value PCD.
//
// Above the water table (without free water): a fourth-root curve that
// reaches the ultimate resistance at 16 Y50.
#pragma once

#include "pycurves/py_generator_frame.h"

namespace keldor::engine {

// Depth factor AS of the clay below the water table, by ZGS/b.
double stiff_clay_factor_AS(double ratio);

struct StiffClayBelowWaterValues {
  double AS = 0, Y50 = 0, PCT = 0, PCD = 0, PC = 0, KZ = 0;
  double RES = 0;  // residual resistance over PC
};
// The curve's constants at depth z (ZGS) for one face.
StiffClayBelowWaterValues stiff_clay_below_water_values(const CurveSoil& soil, double z);
// The 17 raw points of one face.
FaceCurve stiff_clay_below_water_curve(const CurveSoil& soil, double z);

class StiffClayBelowWaterPyGenerator : public PyCurveGenerator {
 public:
  CurveSoil soil_values(const PySoilProfile& profile, int layer, double XC, Console& console) const override;
  // CA: the mean-strength query in the first layer, the running mean of
  // the strength over the layer's curves in deeper ones.
  void running_values(const PySoilProfile& profile, int layer, const CurveSoil* previous, CurveSoil& soil,
                      ReportWriter& report, Console& console) const override;
  // This clay takes its depths below the ground surface of each face: a
  // deeper layer keeps its own top depth.
  double equivalent_top_depth(double, const CurveSoil&, double layer_top) const override { return layer_top; }
  double offset(const CurveSoil& soil, const OffsetInputs& inputs) const override;
  FaceCurve face_curve(const CurveSoil& soil, const FaceDepths& depths, ReportWriter& report,
                       const UnitLabels& units) const override;
  double layer_integral_tail(double, double) const override { return 0; }
  bool prints_multiplier_line() const override { return false; }
};

struct StiffClayAboveWaterValues {
  double PU = 0, Y50 = 0;
};
StiffClayAboveWaterValues stiff_clay_above_water_values(const CurveSoil& soil, double z);
FaceCurve stiff_clay_above_water_curve(const CurveSoil& soil, double z);

class StiffClayAboveWaterPyGenerator : public PyCurveGenerator {
 public:
  CurveSoil soil_values(const PySoilProfile& profile, int layer, double XC, Console& console) const override;
  // CA: the mean strength from the layer top to the curve.
  void running_values(const PySoilProfile& profile, int layer, const CurveSoil* previous, CurveSoil& soil,
                      ReportWriter& report, Console& console) const override;
  double equivalent_top_depth(double FA, const CurveSoil& soil, double layer_top) const override;
  double offset(const CurveSoil& soil, const OffsetInputs& inputs) const override;
  FaceCurve face_curve(const CurveSoil& soil, const FaceDepths& depths, ReportWriter& report,
                       const UnitLabels& units) const override;
  double layer_integral_tail(double, double) const override { return 0; }
  RowFormat row_format() const override { return {'F', 5}; }
};

}  // namespace keldor::engine
