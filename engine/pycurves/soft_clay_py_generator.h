// p-y curves for soft clay under static loading: the ultimate resistance
// grows from 3 to 9 times the strength with depth, and the curve rises as
// the cube root of y/Y50 to the ultimate resistance at 8 Y50.
#pragma once

#include "pycurves/py_generator_frame.h"

namespace keldor::engine {

struct SoftClayValues {
  double NP = 0, PU = 0, Y50 = 0, KI = 0;
};

// The curve's constants at the depth z (ZEQ) for one face.
SoftClayValues soft_clay_values(const CurveSoil& soil, double z);
// The 17 raw points of one face.
FaceCurve soft_clay_face_curve(const CurveSoil& soil, double z);
// Depth of a uniform soft-clay deposit that accumulates resistance FA.
double soft_clay_equivalent_depth(double FA, double S, double gamma, double b);
// Offset of the clays (soft and stiff): the excavation-level pressure less
// twice the clay's strength over the width.
double clay_offset(const CurveSoil& soil, const OffsetInputs& inputs);

class SoftClayPyGenerator : public PyCurveGenerator {
 public:
  CurveSoil soil_values(const PySoilProfile& profile, int layer, double XC, Console& console) const override;
  double equivalent_top_depth(double FA, const CurveSoil& soil, double layer_top) const override;
  double offset(const CurveSoil& soil, const OffsetInputs& inputs) const override;
  FaceCurve face_curve(const CurveSoil& soil, const FaceDepths& depths, ReportWriter& report,
                       const UnitLabels& units) const override;
  double layer_integral_tail(double, double) const override { return 0; }
};

}  // namespace keldor::engine
