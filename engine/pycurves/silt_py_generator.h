// p-y curves for silt (a soil with friction and cohesion) under static
// loading: the sand curve whose resistances PU and PM are both raised by the
// soft-clay cohesion resistance PUC, with the depth factors A and B looked
// up at the equivalent depth.
#pragma once

#include "pycurves/py_generator_frame.h"
#include "pycurves/sand_py_generator.h"

namespace keldor::engine {

// Soft-clay resistance of the cohesion at depth z: (3 + gamma' z / S +
// 0.5 z / b) S b, at most 9 S b; 0 without cohesion.
double silt_cohesion_resistance(double S, double gamma, double z, double b);

struct SiltFace {
  SandFace sand;  // PST, PSD, A, B, PU, PM and the curve, with PUC included
  double PS = 0, PUC = 0;
};
// One face at the equivalent depth z.
SiltFace silt_face(const CurveSoil& soil, double z);

// Depth of a uniform silt deposit that accumulates resistance FA; XC is the
// depth of the layer's first curve.
double silt_equivalent_depth(double FA, const CurveSoil& soil);

class SiltPyGenerator : public PyCurveGenerator {
 public:
  // A friction angle of practically zero ends the run with a warning on the
  // console; a layer without subgrade modulus ends it with a message.
  CurveSoil soil_values(const PySoilProfile& profile, int layer, double XC, Console& console) const override;
  double equivalent_top_depth(double FA, const CurveSoil& soil, double layer_top) const override;
  double offset(const CurveSoil& soil, const OffsetInputs& inputs) const override;
  FaceCurve face_curve(const CurveSoil& soil, const FaceDepths& depths, ReportWriter& report,
                       const UnitLabels& units) const override;
  double layer_integral_tail(double distance_to_bottom, double PU) const override { return distance_to_bottom * PU; }
  RowFormat row_format() const override { return {'E', 3}; }
  PointRecordSpacing point_spacing() const override { return PointRecordSpacing::double_blanks; }
};

}  // namespace keldor::engine
