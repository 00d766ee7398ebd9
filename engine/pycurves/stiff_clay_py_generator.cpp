#include "pycurves/stiff_clay_py_generator.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "driver/run_stop.h"
#include "pycurves/soft_clay_py_generator.h"
#include "soil/single_precision.h"

namespace keldor::engine {
namespace {

// The AS table runs from 0 to 5 widths and stays at 0.60 beyond 4; the
// ten-point lookup extends it with that value.
constexpr TenPointTable kRatios{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr TenPointTable kAS{sp(0.223f), sp(0.46f), sp(0.55f), sp(0.59f), sp(0.60f),
                            sp(0.60f),  sp(0.60f), sp(0.60f), sp(0.60f), sp(0.60f)};

// Deflections of the clay below the water table, in multiples of AS Y50.
constexpr std::array<double, kFacePoints> kBelowWaterDeflections{
    0, sp(0.5f), 1, sp(1.5f), 2, sp(2.5f), 3, sp(3.5f), 4, sp(4.5f), 5, sp(5.5f), 6, 10, 14, 18, 200};

// Deflections of the clay above the water table, in multiples of Y16 =
// 16 Y50 (the last two are 18 and 20 Y50).
constexpr std::array<double, kFacePoints - 2> kAboveWaterDeflections{
    0,          sp(1.0e-5f), sp(5.0e-5f), sp(1.0e-4f), sp(5.0e-4f), sp(0.001f), sp(0.005f), sp(0.01f),
    sp(0.025f), sp(0.05f),   sp(0.075f),  sp(0.1f),    sp(0.25f),   sp(0.5f),   1};

// Width, strength, mean unit weight, E50 and modulus at XC. Y50 divides the
// curves, so a clay without E50 ends the run.
CurveSoil clay_values(const PySoilProfile& profile, int layer, double XC, Console& console, const char* clay) {
  CurveSoil soil = strength_soil_values(profile, layer, XC, console);
  if (!(soil.E50 > 0)) {
    throw ReportedStop({"ERROR -- THE " + std::string(clay) + " OF P-Y LAYER " + std::to_string(layer + 1) +
                            " HAS NO STRAIN AT 50 PER CENT OF STRENGTH (E50 <= 0);",
                        "ITS P-Y CURVES CANNOT BE GENERATED"});
  }
  return soil;
}

std::string pressure_label(const UnitLabels& units) { return units.F3() + "/" + units.L2() + "**2"; }
std::string unit_weight_label(const UnitLabels& units) { return units.F3() + "/" + units.L2() + "**3"; }

}  // namespace

double stiff_clay_factor_AS(double ratio) { return interpolate_ten_point(kRatios, kAS, ratio); }

StiffClayBelowWaterValues stiff_clay_below_water_values(const CurveSoil& soil, double z) {
  const double b = soil.b, CA = soil.CA;
  StiffClayBelowWaterValues v;
  v.AS = stiff_clay_factor_AS(z / b);
  v.Y50 = soil.E50 * b;
  v.PCT = 2 * CA * b + soil.gamma * b * z + sp(2.83f) * CA * z;
  v.PCD = 11 * soil.S * b;
  v.PC = std::min(v.PCT, v.PCD);
  v.KZ = soil.k * z;
  v.RES = sp(1.225f) * std::sqrt(v.AS) - sp(0.75f) * v.AS - sp(0.411f);
  return v;
}

FaceCurve stiff_clay_below_water_curve(const CurveSoil& soil, double z) {
  const StiffClayBelowWaterValues v = stiff_clay_below_water_values(soil, z);
  const double PC = v.PC, Y50 = v.Y50, AS = v.AS;
  const double ASY = AS * Y50;
  // The level reached at 6 AS Y50, from which the curve falls linearly.
  const double softened = sp(0.5f) * PC * std::sqrt(6 * AS) - sp(0.411f) * PC;
  FaceCurve curve;
  curve.PU = PC;
  curve.integral_factor = v.RES;
  for (int k = 0; k < kFacePoints; ++k) {
    const double y = kBelowWaterDeflections[static_cast<std::size_t>(k)] * ASY;
    double p = 0;
    if (y <= ASY) {
      p = sp(0.5f) * PC * std::pow(y / Y50, sp(0.5f));
    } else if (y <= 6 * ASY) {
      p = sp(0.5f) * PC * std::pow(y / Y50, sp(0.5f)) - sp(0.055f) * PC * std::pow((y - ASY) / ASY, sp(1.25f));
    } else if (y <= 18 * ASY) {
      p = softened - (sp(0.0625f) / Y50) * PC * (y - 6 * ASY);
    } else {
      p = softened - sp(0.75f) * PC * AS;
    }
    curve.y[k] = y;
    curve.p[k] = k == 0 ? 0 : std::min(v.KZ * y, p);
  }
  return curve;
}

CurveSoil StiffClayBelowWaterPyGenerator::soil_values(const PySoilProfile& profile, int layer, double XC,
                                                      Console& console) const {
  CurveSoil soil = clay_values(profile, layer, XC, console, "STIFF CLAY");
  if (!(soil.k > 0)) {
    throw ReportedStop({"ERROR -- THE STIFF CLAY OF P-Y LAYER " + std::to_string(layer + 1) +
                            " HAS NO MODULUS OF SUBGRADE REACTION (K <= 0);",
                        "ITS P-Y CURVES CANNOT BE GENERATED"});
  }
  return soil;
}

void StiffClayBelowWaterPyGenerator::running_values(const PySoilProfile& profile, int layer,
                                                    const CurveSoil* previous, CurveSoil& soil, ReportWriter& report,
                                                    Console&) const {
  if (layer == 0) {
    soil.CA = profile.mean_strength(layer, soil.XC, report);
    return;
  }
  if (previous == nullptr) {
    soil.CA = soil.S;
    return;
  }
  soil.S_integral = previous->S_integral + (soil.XC - previous->XC) * (previous->S + soil.S) / 2;
  soil.S_span = previous->S_span + (soil.XC - previous->XC);
  soil.CA = soil.S_span != 0 ? soil.S_integral / soil.S_span : soil.S;
}

double StiffClayBelowWaterPyGenerator::offset(const CurveSoil& soil, const OffsetInputs& in) const {
  return clay_offset(soil, in);
}

FaceCurve StiffClayBelowWaterPyGenerator::face_curve(const CurveSoil& soil, const FaceDepths& depths,
                                                     ReportWriter& report, const UnitLabels& units) const {
  const std::string length = units.L3();
  const std::string pressure = pressure_label(units);
  report.blank(2);
  report.line("         DEPTH BELOW GS      DIAM        C         CAVG    GAMMA AVG      E50");
  report.line(std::string(15, ' ') + length + std::string(13, ' ') + length + std::string(3, ' ') + pressure + " " +
              pressure + "  " + unit_weight_label(units));
  report.formatted("9X,F10.2,5X,F10.3,1X,D10.2,1X,D10.2,1X,D10.2,D12.4",
                   {depths.ZGS, soil.b, soil.S, soil.CA, soil.gamma, soil.E50});
  return stiff_clay_below_water_curve(soil, depths.ZGS);
}

StiffClayAboveWaterValues stiff_clay_above_water_values(const CurveSoil& soil, double z) {
  const double b = soil.b, CA = soil.CA;
  StiffClayAboveWaterValues v;
  v.PU = std::min(9 * soil.S * b, 3 * CA * b + soil.gamma * b * z + sp(0.5f) * CA * z);
  v.Y50 = sp(2.5f) * soil.E50 * b;
  return v;
}

FaceCurve stiff_clay_above_water_curve(const CurveSoil& soil, double z) {
  const StiffClayAboveWaterValues v = stiff_clay_above_water_values(soil, z);
  const double Y16 = 16 * v.Y50;
  FaceCurve curve;
  curve.PU = v.PU;
  for (int k = 0; k < kFacePoints; ++k) {
    double y = 0;
    if (k < kFacePoints - 2) y = kAboveWaterDeflections[static_cast<std::size_t>(k)] * Y16;
    if (k == kFacePoints - 2) y = 18 * v.Y50;
    if (k == kFacePoints - 1) y = 20 * v.Y50;
    curve.y[k] = y;
    curve.p[k] = y > Y16 ? v.PU : sp(0.5f) * v.PU * std::pow(y / v.Y50, sp(0.25f));
  }
  return curve;
}

CurveSoil StiffClayAboveWaterPyGenerator::soil_values(const PySoilProfile& profile, int layer, double XC,
                                                      Console& console) const {
  return clay_values(profile, layer, XC, console, "STIFF CLAY");
}

void StiffClayAboveWaterPyGenerator::running_values(const PySoilProfile& profile, int layer, const CurveSoil*,
                                                    CurveSoil& soil, ReportWriter& report, Console&) const {
  soil.CA = profile.mean_strength(layer, soil.XC, report);
}

double StiffClayAboveWaterPyGenerator::equivalent_top_depth(double FA, const CurveSoil& soil,
                                                            double layer_top) const {
  // Without strength the resistance does not grow with depth: the layer
  // keeps its own depth.
  if (!(soil.S > 0)) return layer_top;
  return soft_clay_equivalent_depth(FA, soil.S, soil.gamma, soil.b);
}

double StiffClayAboveWaterPyGenerator::offset(const CurveSoil& soil, const OffsetInputs& in) const {
  return clay_offset(soil, in);
}

FaceCurve StiffClayAboveWaterPyGenerator::face_curve(const CurveSoil& soil, const FaceDepths& depths,
                                                     ReportWriter& report, const UnitLabels& units) const {
  const std::string length = units.L3();
  const std::string pressure = pressure_label(units);
  report.blank(2);
  report.line("          DEPTH BELOW GS     DIAM        C       CAVG    GAMMA AVG     E50");
  report.line(std::string(16, ' ') + length + std::string(13, ' ') + length + " " + pressure + " " + pressure + " " +
              unit_weight_label(units));
  report.formatted("10X,F10.2,5X,F10.3,3D10.2,D12.4", {depths.ZGS, soil.b, soil.S, soil.CA, soil.gamma, soil.E50});
  report.line(std::string(38, ' ') + "Y" + std::string(19, ' ') + "P");
  report.line(std::string(36, ' ') + length + std::string(13, ' ') + units.force_per_length());
  return stiff_clay_above_water_curve(soil, depths.ZEQ);
}

}  // namespace keldor::engine
