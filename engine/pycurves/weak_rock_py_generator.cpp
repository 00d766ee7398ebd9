#include "pycurves/weak_rock_py_generator.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "driver/run_stop.h"
#include "output/fixed_format.h"
#include "soil/single_precision.h"

namespace keldor::engine {
namespace {

// Deflections in multiples of yrm = krm b.
constexpr std::array<double, kFacePoints> kDeflections{
    sp(0.0005f), sp(0.001f), sp(0.003f), sp(0.006f), sp(0.009f), sp(0.02f), sp(0.04f), sp(0.06f), sp(0.08f),
    sp(0.1f),    sp(0.25f),  sp(0.5f),   sp(0.75f),  1,          4,         8,         12};

std::string value_text(double value) {
  const std::string text = format_fixed_point(value, 16, 4);
  return text.substr(text.find_first_not_of(' '));
}

ReportedStop weak_rock_stop(int layer, const std::string& what) {
  return ReportedStop({"ERROR -- THE WEAK ROCK OF P-Y LAYER " + std::to_string(layer + 1) + " " + what,
                       "ITS P-Y CURVES CANNOT BE GENERATED"});
}

}  // namespace

WeakRockFace weak_rock_face(const CurveSoil& soil, double XR) {
  const double b = soil.b, QUR = soil.CA, ER = soil.k;
  WeakRockFace w;
  w.AR = 1 - soil.sixth * sp(0.006666667f);
  if (XR <= 3 * b) {
    w.PUR = w.AR * QUR * (b + sp(1.4f) * XR);
    w.KIR = (100 + 400 * XR / (3 * b)) * ER;
  } else {
    w.PUR = sp(5.2f) * w.AR * QUR * b;
    w.KIR = 500 * ER;
  }
  w.YRM = soil.E50 * b;
  w.YA = std::pow(sp(0.5f) * w.PUR / (std::pow(w.YRM, sp(0.25f)) * w.KIR), 1 / (1 - sp(0.25f)));
  for (int k = 0; k < kFacePoints; ++k) {
    const double y = kDeflections[static_cast<std::size_t>(k)] * w.YRM;
    w.curve.y[k] = y;
    w.curve.p[k] = y < w.YA ? w.KIR * y : std::min(w.PUR, sp(0.5f) * w.PUR * std::pow(y / w.YRM, sp(0.25f)));
  }
  return w;  // curve.PU stays 0: rock adds nothing to the layer integral
}

CurveSoil WeakRockPyGenerator::soil_values(const PySoilProfile& profile, int layer, double XC,
                                           Console& console) const {
  CurveSoil soil = strength_soil_values(profile, layer, XC, console);
  soil.sixth = profile.sixth_at(XC);
  // The rock quality reduces the strength by up to two thirds; outside 0 to
  // 100 per cent it would raise it or turn it negative.
  if (!(soil.sixth >= 0 && soil.sixth <= 100)) {
    throw weak_rock_stop(layer, "HAS AN RQD OF " + value_text(soil.sixth) + " PER CENT;");
  }
  if (!(soil.k > 0)) throw weak_rock_stop(layer, "HAS NO INITIAL MODULUS OF THE ROCK (Eu <= 0);");
  if (!(soil.E50 > 0)) throw weak_rock_stop(layer, "HAS NO STRAIN FACTOR krm (E50 <= 0);");
  return soil;
}

void WeakRockPyGenerator::running_values(const PySoilProfile& profile, int layer, const CurveSoil* previous,
                                         CurveSoil& soil, ReportWriter& report, Console& console) const {
  if (previous != nullptr && soil.S < sp(1.0e-10f)) {
    console.line("       --------------------WARNING----------------------");
    console.line("       THE COHESIVE STRENGTH IS 0 FOR ROCK ACCORING TO THE INPUT");
    console.line("       DATA. PLEASE ENTER THE CORRECT VALUE AND RUN IT AGAIN.");
    throw SoilStop("", "THE WEAK ROCK OF P-Y LAYER " + std::to_string(layer + 1) +
                           " HAS NO COMPRESSIVE STRENGTH; ENTER ITS STRENGTH AND RUN AGAIN");
  }
  soil.CA = profile.mean_strength(layer, soil.XC, report);
  // A negative strength would make the start of the curve undefined.
  if (soil.S < 0 || soil.CA < 0) throw weak_rock_stop(layer, "HAS A NEGATIVE COMPRESSIVE STRENGTH;");
}

FaceCurve WeakRockPyGenerator::face_curve(const CurveSoil& soil, const FaceDepths& depths, ReportWriter& report,
                                          const UnitLabels& units) const {
  const WeakRockFace w = weak_rock_face(soil, depths.ZEQ + sp(1.0e-8f));
  const std::string length = units.L3();
  const std::string pressure = units.F3() + "/" + units.L2() + "**2";
  report.blank(2);
  report.line("              DEPTH     DIAM       Qu        Eu    GAMMA AVG      E50");
  report.line(std::string(16, ' ') + length + std::string(6, ' ') + length + std::string(3, ' ') + pressure + " " +
              pressure + " " + units.F3() + "/" + units.L2() + "**3");
  report.formatted("10X,F10.2,F10.3,3E10.2,E12.3", {depths.ZGS, soil.b, soil.S, soil.k, soil.gamma, soil.E50});
  report.line(std::string(38, ' ') + "Y" + std::string(19, ' ') + "P");
  report.line(std::string(36, ' ') + length + std::string(13, ' ') + units.force_per_length());
  return w.curve;
}

}  // namespace keldor::engine
