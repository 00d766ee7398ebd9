#include "pycurves/sand_py_generator.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "driver/run_stop.h"
#include "soil/single_precision.h"

namespace keldor::engine {
namespace {

constexpr double kPi = sp(3.1416f);

constexpr TenPointTable kRatios{0, sp(0.5f), 1, sp(1.5f), 2, sp(2.5f), 3, 4, 5, 6};
constexpr TenPointTable kAS{sp(2.83f), sp(2.48f), sp(2.11f), sp(1.76f), sp(1.48f),
                            sp(1.23f), sp(1.06f), sp(0.90f), sp(0.88f), sp(0.88f)};
constexpr TenPointTable kBS{sp(2.14f), sp(1.83f), sp(1.54f), sp(1.27f), sp(1.05f),
                            sp(0.86f), sp(0.71f), sp(0.53f), sp(0.50f), sp(0.50f)};

double square(double x) { return x * x; }

}  // namespace

SandCoefficients sand_coefficients(double PHI, double pi) {
  SandCoefficients c;
  c.alpha = PHI / 2;
  c.beta = pi / 4 + PHI / 2;
  c.K0 = sp(0.4f);
  c.KA = square(std::tan(pi / 4 - PHI / 2));
  c.KPS = square(std::tan(pi / 4 + PHI / 2));
  const double tan_phi = std::tan(PHI), tan_alpha = std::tan(c.alpha), tan_beta = std::tan(c.beta);
  c.C1 = tan_beta * (c.K0 * tan_phi * std::sin(c.beta) * (1 / std::cos(c.alpha) + 1) - c.K0 * tan_alpha +
                     c.KPS * tan_alpha);
  c.C2 = c.KPS - c.KA;
  c.C3 = square(c.KPS) * (c.KPS + c.K0 * tan_phi) - c.KA;
  return c;
}

double sand_factor_A(double ratio) { return interpolate_ten_point(kRatios, kAS, ratio); }
double sand_factor_B(double ratio) { return interpolate_ten_point(kRatios, kBS, ratio); }

void set_sand_resistances(SandFace& f, const SandCoefficients& c, const CurveSoil& soil, double z) {
  const double b = soil.b, g = soil.gamma, phi = soil.PHI;
  const double tan_phi = std::tan(phi), tan_alpha = std::tan(c.alpha), tan_beta = std::tan(c.beta);
  const double sin_beta = std::sin(c.beta), tan_beta_phi = std::tan(c.beta - phi);
  // Wedge near the surface, flow around the wall at depth.
  f.PST = g * z *
          (c.K0 * z * tan_phi * sin_beta / (tan_beta_phi * std::cos(c.alpha)) +
           tan_beta / tan_beta_phi * (b + z * tan_beta * tan_alpha) +
           c.K0 * z * tan_beta * (tan_phi * sin_beta - tan_alpha) - c.KA * b);
  const double tan4 = std::pow(tan_beta, 4);
  f.PSD = c.KA * b * g * z * (std::pow(tan_beta, 8) - 1) + c.K0 * b * g * z * tan_phi * tan4;
}

SandFace sand_face(const CurveSoil& soil, double ZGS, double ZEQ) {
  SandFace f;
  f.KZ = soil.k * ZEQ;
  set_sand_resistances(f, sand_coefficients(soil.PHI), soil, ZEQ);
  const double PS = std::min(f.PST, f.PSD);
  f.A = sand_factor_A(ZGS / soil.b);
  f.B = sand_factor_B(ZGS / soil.b);
  f.PU = f.A * PS;
  f.PM = f.B * PS;
  shape_sand_curve(f, soil.b, ZEQ);
  return f;
}

void shape_sand_curve(SandFace& f, double b, double z) {
  f.YU = 3 * b / 80;
  f.YM = b / 60;
  f.curve.PU = f.PU;
  // Without a positive resistance (no friction, no weight) the curve is nil.
  if (!(f.PU > 0)) return;

  // The depth factors keep A/B between 1.32 and 1.76, so N lies between
  // 1.6 and 3.9 and N/(N-1) is always defined (a resistance added to both
  // PU and PM only raises N). With PU = PM the parabola flattens to PM.
  const bool flat = !(f.PU > f.PM);
  if (!flat) {
    f.SM = (f.PU - f.PM) / (f.YU - f.YM);
    f.N = f.PM / (f.SM * f.YM);
    f.CP = f.PM / std::pow(f.YM, 1 / f.N);
    f.YK = z <= 0 ? 2 * b : std::pow(f.CP / f.KZ, f.N / (f.N - 1));
  }
  for (int k = 0; k < kFacePoints; ++k) {
    const int point = k + 1;
    double y = 0;
    if (point >= 2 && point <= 13) y = (point - 1) * f.YM / 12;
    if (point == 14) y = f.YU;
    if (point >= 15) y = f.YU + (point - 14) * b;
    double p = f.PU;  // beyond YU, and all along a flat curve
    if (!flat) {
      if (y <= f.YK) {
        p = f.KZ * y;
      } else if (y <= f.YM) {
        p = f.CP * std::pow(y, 1 / f.N);
      } else if (y <= f.YU) {
        p = f.PM + f.SM * (y - f.YM);
      }
    }
    f.curve.y[k] = y;
    f.curve.p[k] = std::min(f.KZ * y, p);
  }
}

double sand_equivalent_depth(double FA, const CurveSoil& soil) {
  const SandCoefficients c = sand_coefficients(soil.PHI);
  const double b = soil.b, g = soil.gamma;
  const double ZR = (c.C3 - c.C2) * b / c.C1;
  const double DZ = ZR / 100;
  double F = 0;
  for (int step = 1; step <= 100; ++step) {
    const double z = step * DZ;
    const double previous = F;
    F += (square(z / b) * c.C1 + z * c.C2 / b) * b * b * g * sand_factor_A(z / b) * DZ;
    if (F > FA) return z - (F - FA) * DZ / (F - previous);
  }
  return ZR + (FA - F) / (sp(0.88f) * c.C3 * b * g * soil.XC);
}

CurveSoil SandPyGenerator::soil_values(const PySoilProfile& profile, int layer, double XC, Console& console) const {
  CurveSoil soil;
  soil.XC = XC;
  soil.b = profile.width();
  soil.gamma = profile.mean_unit_weight(XC);
  soil.PHI = profile.friction_angle_at(XC, console);
  soil.k = profile.layers[static_cast<std::size_t>(layer)].subgrade_modulus;
  if (!(soil.k > 0)) {
    throw ReportedStop({"ERROR -- THE SAND OF P-Y LAYER " + std::to_string(layer + 1) +
                            " HAS NO MODULUS OF SUBGRADE REACTION (K <= 0);",
                        "ITS P-Y CURVES CANNOT BE GENERATED"});
  }
  return soil;
}

double SandPyGenerator::equivalent_top_depth(double FA, const CurveSoil& soil, double layer_top) const {
  // Sand without friction or weight has no resistance at any depth: the
  // layer keeps its own depth.
  if (!(soil.PHI > 0) || !(soil.gamma > 0)) return layer_top;
  return sand_equivalent_depth(FA, soil);
}

double SandPyGenerator::offset(const CurveSoil& soil, const OffsetInputs& in) const {
  const double T1 = in.SIGVP_LEXC * sand_coefficients(soil.PHI).KA * soil.b;
  const double T2 = in.PAEXC > sp(1.0e-4f) ? in.PAEXC / in.WRATIO : 0;
  const double POFF = std::max(T1, T2);
  if (POFF < sp(1.0e-5f) || in.PAEXC <= sp(1.0e-5f)) return 0;
  return POFF;
}

FaceCurve SandPyGenerator::face_curve(const CurveSoil& soil, const FaceDepths& depths, ReportWriter& report,
                                      const UnitLabels& units) const {
  const SandFace f = sand_face(soil, depths.ZGS, depths.ZEQ);
  const std::string length = units.L3();
  report.blank(2);
  report.line("           DEPTH BELOW GS  DIAM   PHI  GAMMA AVG    A    B     PCT       PCD");
  report.line(std::string(17, ' ') + length + std::string(9, ' ') + length + std::string(9, ' ') + units.F3() + "/" +
              units.L2() + "**3");
  report.formatted("10X,F10.2,4X,2F7.2,E9.2,2X,2F5.2,2E9.2",
                   {depths.ZGS, soil.b, soil.PHI * 180 / kPi, soil.gamma, f.A, f.B, f.PST, f.PSD});
  report.blank();
  report.line(std::string(38, ' ') + "Y" + std::string(19, ' ') + "P");
  report.line(std::string(36, ' ') + length + std::string(13, ' ') + units.force_per_length());
  return f.curve;
}

}  // namespace keldor::engine
