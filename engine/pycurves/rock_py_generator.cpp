#include "pycurves/rock_py_generator.h"

#include <string>

#include "driver/run_stop.h"
#include "soil/single_precision.h"

namespace keldor::engine {

RockFace rock_face(const CurveSoil& soil, double ZR6, double p_multiplier) {
  const double b = soil.b;
  RockFace r;
  r.C = sp(0.5f) * soil.S;
  r.KIR = 2000 * r.C;
  r.Y1 = sp(0.0004f) * b;
  r.P1 = r.KIR * r.Y1;
  r.PUR = r.C * b;
  r.Y2 = (r.PUR - r.P1) / (100 * r.C) + r.Y1;
  r.curve.p_multiplied = true;  // rock contributes nothing to the layer integral (PU = 0)
  for (int k = 0; k < kFacePoints; ++k) {
    // k/15 of Y2, so that point 16 lies exactly at Y2.
    const double y = k / 15.0 * r.Y2;
    double p = 0;
    if (y < r.Y1) {
      p = p_multiplier * r.KIR * y;
    } else if (y < r.Y2) {
      p = p_multiplier * (r.P1 + 100 * r.C * (y - r.Y1));
    } else {
      p = sp(0.5f) * soil.gamma * b * ZR6;
    }
    r.curve.y[k] = y;
    r.curve.p[k] = p;
  }
  return r;
}

CurveSoil RockPyGenerator::soil_values(const PySoilProfile& profile, int layer, double XC, Console& console) const {
  CurveSoil soil = strength_soil_values(profile, layer, XC, console);
  // The second slope is measured from the strength: without one the curve
  // has no defined shape.
  if (!(soil.S > 0)) {
    throw ReportedStop({"ERROR -- THE ROCK OF P-Y LAYER " + std::to_string(layer + 1) +
                            " HAS NO COMPRESSIVE STRENGTH (S <= 0);",
                        "ITS P-Y CURVES CANNOT BE GENERATED"});
  }
  return soil;
}

FaceCurve RockPyGenerator::face_curve(const CurveSoil& soil, const FaceDepths& depths, ReportWriter& report,
                                      const UnitLabels& units) const {
  const RockFace r = rock_face(soil, depths.ZGS, depths.p_multiplier);
  const std::string length = units.L3();
  report.blank(2);
  report.line(std::string(17, ' ') +
              (depths.face == WallFace::excavation ? "DEPTH-EXCAVATION SIDE" : "DEPTH-BACKFILL SIDE  ") +
              std::string(5, ' ') + "DIAM" + std::string(8, ' ') + "C");
  report.line(std::string(30, ' ') + length + std::string(12, ' ') + length + std::string(5, ' ') + units.F3() + "/" +
              units.L2() + "**2");
  report.formatted("24X,F10.2,5X,F10.3,E10.1", {depths.ZGS, soil.b, r.C});
  report.line(std::string(38, ' ') + "Y" + std::string(19, ' ') + "P");
  report.line(std::string(38, ' ') + length + std::string(15, ' ') + units.force_per_length());
  return r.curve;
}

}  // namespace keldor::engine
