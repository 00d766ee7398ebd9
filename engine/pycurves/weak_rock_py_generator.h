// p-y curves for weak rock under static loading (Reese 1997): a straight
// start of modulus KIR, then a fourth-root curve that reaches the ultimate
// resistance PUR at 16 yrm; the strength is reduced by the rock quality
// (RQD). Depths run from the top of the rock layer; there is no offset and
// no layer integral.
#pragma once

#include "pycurves/py_generator_frame.h"

namespace keldor::engine {

struct WeakRockFace {
  double AR = 0, PUR = 0, KIR = 0, YRM = 0, YA = 0;
  FaceCurve curve;
};
// One face at depth XR below the top of the rock. The curve soil carries
// QU (S), the mean strength QUR (CA), ER (k), krm (E50) and RQD (sixth).
WeakRockFace weak_rock_face(const CurveSoil& soil, double XR);

class WeakRockPyGenerator : public PyCurveGenerator {
 public:
  // An RQD outside 0 to 100, or a rock without modulus or krm, ends the run
  // with a message.
  CurveSoil soil_values(const PySoilProfile& profile, int layer, double XC, Console& console) const override;
  // QUR, the mean strength from the layer top; a curve after the layer's
  // first without strength ends the run with a warning on the console.
  void running_values(const PySoilProfile& profile, int layer, const CurveSoil* previous, CurveSoil& soil,
                      ReportWriter& report, Console& console) const override;
  // Depths below the top of the rock: an equivalent top depth of 0 makes
  // ZEQ that depth on both faces.
  double equivalent_top_depth(double, const CurveSoil&, double) const override { return 0; }
  double offset(const CurveSoil&, const OffsetInputs&) const override { return 0; }
  FaceCurve face_curve(const CurveSoil& soil, const FaceDepths& depths, ReportWriter& report,
                       const UnitLabels& units) const override;
  double layer_integral_tail(double, double) const override { return 0; }
  RowFormat row_format() const override { return {'E', 3}; }
  bool prints_multiplier_line() const override { return false; }
  PointRecordSpacing point_spacing() const override { return PointRecordSpacing::double_blanks; }
};

}  // namespace keldor::engine
