// p-y curves for strong rock: a steep straight line to 0.0004 b, a flatter
// one up to the rock strength C b, then a small residual resistance of the
// overburden. The p-multiplier applies to the two lines only; there is no
// offset and no layer integral.
#pragma once

#include "pycurves/py_generator_frame.h"

namespace keldor::engine {

struct RockFace {
  double C = 0, KIR = 0, Y1 = 0, P1 = 0, PUR = 0, Y2 = 0;
  FaceCurve curve;
};
// One face at depth ZR6 below its ground surface; p_multiplier scales the
// curve below the rock strength.
RockFace rock_face(const CurveSoil& soil, double ZR6, double p_multiplier);

class RockPyGenerator : public PyCurveGenerator {
 public:
  // A rock without strength ends the run with a message.
  CurveSoil soil_values(const PySoilProfile& profile, int layer, double XC, Console& console) const override;
  double equivalent_top_depth(double, const CurveSoil&, double layer_top) const override { return layer_top; }
  double offset(const CurveSoil&, const OffsetInputs&) const override { return 0; }
  FaceCurve face_curve(const CurveSoil& soil, const FaceDepths& depths, ReportWriter& report,
                       const UnitLabels& units) const override;
  double layer_integral_tail(double, double) const override { return 0; }
  RowFormat row_format() const override { return {'D', 3}; }
  bool prints_face_line() const override { return false; }
  bool prints_multiplier_line() const override { return false; }
  PointRecordSpacing point_spacing() const override { return PointRecordSpacing::packed; }
};

}  // namespace keldor::engine
