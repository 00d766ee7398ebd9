#include "pycurves/silt_py_generator.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "driver/run_stop.h"
#include "soil/single_precision.h"

namespace keldor::engine {
namespace {

// Silt takes pi at full precision.
constexpr double kPi = std::numbers::pi;

SandCoefficients silt_coefficients(double PHI) { return sand_coefficients(PHI, kPi); }

void warn_no_friction(Console& console) {
  console.line("       WARNING-------The Angle of the slope can not");
  console.line("                     be greater than the internal  ");
  console.line("                     friction angle of the sand.   ");
}

}  // namespace

double silt_cohesion_resistance(double S, double gamma, double z, double b) {
  // Without cohesion NP grows without bound (or is 0/0 at the surface of a
  // weightless silt); the 9 S b cap makes the resistance 0 either way.
  if (!(S > 0)) return 0;
  const double NP = 3 + z * gamma / S + sp(0.5f) * z / b;
  return NP >= 9 ? 9 * S * b : S * NP * b;
}

SiltFace silt_face(const CurveSoil& soil, double z) {
  SiltFace silt;
  SandFace& f = silt.sand;
  f.KZ = soil.k * z;
  set_sand_resistances(f, silt_coefficients(soil.PHI), soil, z);
  silt.PS = std::min(f.PST, f.PSD);
  silt.PUC = silt_cohesion_resistance(soil.S, soil.gamma, z, soil.b);
  f.A = sand_factor_A(z / soil.b);
  f.B = sand_factor_B(z / soil.b);
  f.PU = silt.PS * f.A + silt.PUC;
  f.PM = silt.PS * f.B + silt.PUC;
  shape_sand_curve(f, soil.b, z);
  return silt;
}

double silt_equivalent_depth(double FA, const CurveSoil& soil) {
  const SandCoefficients c = silt_coefficients(soil.PHI);
  const double b = soil.b, g = soil.gamma, S = soil.S;
  const double ZR = (c.C3 - c.C2) * b / c.C1;
  const double DZ = ZR / 50;
  double F = 0;
  for (int step = 1; step <= 50; ++step) {
    const double z = step * DZ;
    const double previous = F;
    F += ((z / b) * (z / b) * c.C1 + z * c.C2 / b) * b * b * g * sand_factor_A(z / b) * DZ +
         (sp(0.5f) * z * S + 3 * S * b + z * g * b) * DZ;
    if (F > FA) return z - (F - FA) * DZ / (F - previous);
  }
  return ZR + (FA - F) / (9 * S * b + sp(0.88f) * c.C3 * b * g * soil.XC);
}

CurveSoil SiltPyGenerator::soil_values(const PySoilProfile& profile, int layer, double XC, Console& console) const {
  CurveSoil soil = strength_soil_values(profile, layer, XC, console);
  soil.PHI = profile.friction_angle_at(XC, console);
  const double cos_phi = std::cos(soil.PHI);
  if (1 - cos_phi * cos_phi < sp(1.0e-10f)) {
    warn_no_friction(console);
    throw SoilStop("", "THE SILT OF P-Y LAYER " + std::to_string(layer + 1) +
                           " HAS NO FRICTION ANGLE; GIVE SUCH A LAYER AS A CLAY");
  }
  if (!(soil.k > 0)) {
    throw ReportedStop({"ERROR -- THE SILT OF P-Y LAYER " + std::to_string(layer + 1) +
                            " HAS NO MODULUS OF SUBGRADE REACTION (K <= 0);",
                        "ITS P-Y CURVES CANNOT BE GENERATED"});
  }
  return soil;
}

double SiltPyGenerator::equivalent_top_depth(double FA, const CurveSoil& soil, double layer_top) const {
  // Silt without cohesion and weight has no resistance at any depth: the
  // layer keeps its own depth.
  if (!(soil.S > 0) && !(soil.gamma > 0)) return layer_top;
  return silt_equivalent_depth(FA, soil);
}

double SiltPyGenerator::offset(const CurveSoil& soil, const OffsetInputs& in) const {
  const double KA = silt_coefficients(soil.PHI).KA;
  const double cohesion = 2 * soil.S * std::sqrt(KA) * soil.b;
  const double T1 = in.SIGVP_LEXC * KA * soil.b - cohesion;
  const double T2 = in.PAEXC > sp(1.0e-4f) ? in.PAEXC / in.WRATIO - cohesion : 0;
  const double POFF = std::max(T1, T2);
  if (POFF < sp(1.0e-5f) || in.PAEXC < sp(1.0e-10f)) return 0;
  return POFF;
}

FaceCurve SiltPyGenerator::face_curve(const CurveSoil& soil, const FaceDepths& depths, ReportWriter& report,
                                      const UnitLabels& units) const {
  const SiltFace silt = silt_face(soil, depths.ZEQ);
  const SandFace& f = silt.sand;
  const std::string length = units.L3();
  const std::string force_per_length = units.force_per_length();
  report.blank(2);
  // The last label ends in the byte 0xED of the report's code page.
  report.line("     DEPTH      DIAM      PHI  GAMMA AVG        A         B     Puc       Pu\xED");
  report.line(std::string(7, ' ') + length + std::string(7, ' ') + length + "       DEG " + units.F3() + "/" +
              units.L2() + "**3" + std::string(23, ' ') + force_per_length + std::string(3, ' ') + force_per_length);
  report.formatted("2F10.2,F10.1,E10.3,2F10.2,2E10.3",
                   {depths.ZGS, soil.b, soil.PHI * 180 / kPi, soil.gamma, f.A, f.B, silt.PUC, silt.PS});
  report.blank();
  report.line(std::string(37, ' ') + "Y" + std::string(19, ' ') + "P");
  report.line(std::string(37, ' ') + length + std::string(16, ' ') + force_per_length);
  return f.curve;
}

}  // namespace keldor::engine
