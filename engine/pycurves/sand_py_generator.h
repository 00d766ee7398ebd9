// p-y curves for sand under static loading: the ultimate resistance is the
// smaller of the wedge and flow-around resistances, scaled by depth factors
// A and B; the curve is an initial straight line, a parabola, a straight
// line and a constant.
#pragma once

#include "pycurves/py_generator_frame.h"
#include "soil/single_precision.h"

namespace keldor::engine {

// Angles and earth-pressure coefficients at a friction angle (radians).
struct SandCoefficients {
  double alpha = 0, beta = 0, K0 = 0, KA = 0, KPS = 0;
  double C1 = 0, C2 = 0, C3 = 0;  // wedge and flow-around coefficients, expanded form
};
// Sand takes pi as the single-precision 3.1416; silt passes the full value.
SandCoefficients sand_coefficients(double PHI, double pi = sp(3.1416f));

// Static depth factors by ZGS/b.
double sand_factor_A(double ratio);
double sand_factor_B(double ratio);

struct SandFace {
  double KZ = 0, PST = 0, PSD = 0, A = 0, B = 0, PU = 0, PM = 0;
  double YU = 0, YM = 0, SM = 0, N = 0, CP = 0, YK = 0;
  FaceCurve curve;
};
// One face at depth below its ground surface ZGS (for the factors) and
// depth ZEQ (for the resistances).
SandFace sand_face(const CurveSoil& soil, double ZGS, double ZEQ);
// The wedge (PST) and flow-around (PSD) resistances at depth z.
void set_sand_resistances(SandFace& f, const SandCoefficients& c, const CurveSoil& soil, double z);
// The curve through f.PU, f.PM and the initial line f.KZ: sets YU, YM, SM,
// N, CP, YK and the points. Without resistance the curve is nil; with
// PU = PM (no straight part) it is the initial line capped at PU.
void shape_sand_curve(SandFace& f, double b, double z);

// Depth of a uniform sand deposit that accumulates resistance FA; XC is the
// depth of the layer's first curve.
double sand_equivalent_depth(double FA, const CurveSoil& soil);

class SandPyGenerator : public PyCurveGenerator {
 public:
  CurveSoil soil_values(const PySoilProfile& profile, int layer, double XC, Console& console) const override;
  double equivalent_top_depth(double FA, const CurveSoil& soil, double layer_top) const override;
  double offset(const CurveSoil& soil, const OffsetInputs& inputs) const override;
  FaceCurve face_curve(const CurveSoil& soil, const FaceDepths& depths, ReportWriter& report,
                       const UnitLabels& units) const override;
  double layer_integral_tail(double distance_to_bottom, double PU) const override { return distance_to_bottom * PU; }
};

}  // namespace keldor::engine
