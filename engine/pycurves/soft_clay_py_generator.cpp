#include "pycurves/soft_clay_py_generator.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "driver/run_stop.h"
#include "soil/single_precision.h"

namespace keldor::engine {
namespace {

constexpr double kSmallDeflection = sp(1.0e-14f);

}  // namespace

SoftClayValues soft_clay_values(const CurveSoil& soil, double z) {
  const double S = soil.S, b = soil.b;
  SoftClayValues v;
  v.NP = S > 0 ? 3 + soil.gamma * z / S + sp(0.5f) * z / b : 0;
  v.PU = v.NP > 9 ? 9 * S * b : v.NP * S * b;
  v.Y50 = sp(2.5f) * soil.E50 * b;
  // Secant of the curve at y = 1e-14.
  v.KI = sp(0.5f) * v.PU * std::pow(v.Y50 / kSmallDeflection, sp(0.6666667f)) / v.Y50;
  return v;
}

FaceCurve soft_clay_face_curve(const CurveSoil& soil, double z) {
  const SoftClayValues v = soft_clay_values(soil, z);
  FaceCurve curve;
  curve.PU = v.PU;
  curve.small_deflection_modulus = v.KI;
  for (int k = 0; k < kFacePoints; ++k) {
    const int point = k + 1;
    double y = 0;
    if (point == 2) y = sp(0.008f) * v.Y50;
    if (point >= 3 && point <= 14) y = (point - 2) * v.Y50 / 4;
    if (point == 15) y = 8 * v.Y50;
    if (point == 16) y = 15 * v.Y50;
    if (point == 17) y = 20 * v.Y50;
    double p = 0;
    if (y < kSmallDeflection) {
      p = v.KI * y;
    } else if (y > 8 * v.Y50) {
      p = v.PU;
    } else {
      // The single-precision cube-root exponent overshoots PU at 8 Y50 by a
      // few parts in 1e8; the curve is capped at PU there.
      p = std::min(sp(0.5f) * v.PU * std::pow(y / v.Y50, sp(0.33333334f)), v.PU);
    }
    curve.y[k] = y;
    curve.p[k] = p;
  }
  return curve;
}

double soft_clay_equivalent_depth(double FA, double S, double gamma, double b) {
  const double ZR = 6 * S * b / (sp(0.5f) * S + b * gamma);
  const double FR = S * ZR * ZR / 4 + 3 * S * b * ZR + b * gamma * ZR * ZR / 2;
  if (FA > FR) return ZR + (FA - FR) / (9 * S * b);
  // Positive root of (S/4 + gamma b/2) z^2 + 3 S b z - FA = 0, in the form
  // that stays exact when the quadratic term vanishes.
  const double a = S / 4 + gamma * b / 2;
  const double c = 3 * S * b;
  return 2 * FA / (c + std::sqrt(c * c + 4 * a * FA));
}

CurveSoil SoftClayPyGenerator::soil_values(const PySoilProfile& profile, int layer, double XC,
                                           Console& console) const {
  CurveSoil soil = strength_soil_values(profile, layer, XC, console);
  if (!(soil.E50 > 0)) {
    throw ReportedStop({"ERROR -- THE SOFT CLAY OF P-Y LAYER " + std::to_string(layer + 1) +
                            " HAS NO STRAIN AT 50 PER CENT OF STRENGTH (E50 <= 0);",
                        "ITS P-Y CURVES CANNOT BE GENERATED"});
  }
  return soil;
}

double SoftClayPyGenerator::equivalent_top_depth(double FA, const CurveSoil& soil, double layer_top) const {
  // Without strength the resistance does not grow with depth: any depth
  // gives the same curves, so the layer keeps its own.
  if (!(soil.S > 0)) return layer_top;
  return soft_clay_equivalent_depth(FA, soil.S, soil.gamma, soil.b);
}

double SoftClayPyGenerator::offset(const CurveSoil& soil, const OffsetInputs& in) const { return clay_offset(soil, in); }

double clay_offset(const CurveSoil& soil, const OffsetInputs& in) {
  const double T1 = soil.b * in.SIGVP_LEXC - 2 * soil.S * soil.b;
  const double T2 = in.PAEXC > sp(1.0e-4f) ? in.PAEXC / in.WRATIO - 2 * soil.S * soil.b : 0;
  const double POFF = std::max(T1, T2);
  if (POFF <= sp(1.0e-10f) || in.PAEXC <= sp(1.0e-5f)) return 0;
  return POFF;
}

FaceCurve SoftClayPyGenerator::face_curve(const CurveSoil& soil, const FaceDepths& depths, ReportWriter& report,
                                          const UnitLabels& units) const {
  const std::string length = units.L3();
  const std::string pressure = units.F3() + "/" + units.L2() + "**2";
  const std::string unit_weight = units.F3() + "/" + units.L2() + "**3";
  report.blank();
  report.line("         DEPTH BELOW GS      DIAM        C      GAMMA AVG      E50");
  report.line(std::string(15, ' ') + length + std::string(13, ' ') + length + std::string(5, ' ') + pressure + "  " +
              unit_weight);
  report.formatted("8X,F10.2,6X,F10.3,1X,D10.4,1X,D10.4,1X,D12.4", {depths.ZGS, soil.b, soil.S, soil.gamma, soil.E50});
  report.blank();
  report.line(std::string(37, ' ') + "Y," + length + std::string(13, ' ') + "P," + units.force_per_length());
  return soft_clay_face_curve(soil, depths.ZEQ);
}

}  // namespace keldor::engine
