#include "pycurves/py_generator_frame.h"

#include <cmath>
#include <numeric>
#include <string>

#include "driver/run_stop.h"
#include "output/fixed_format.h"
#include "soil/single_precision.h"

namespace keldor::engine {
namespace {

std::string depth_text(double depth) {
  const std::string text = format_fixed_point(depth, 14, 3);
  return text.substr(text.find_first_not_of(' '));
}

bool all_finite(const std::array<double, kFacePoints>& values) {
  for (double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

// One report row: 21 blanks and y and p in fields of width 20.
std::string point_row(const RowFormat& format, double y, double p) {
  std::string row(21, ' ');
  for (double value : {y, p}) {
    if (format.kind == 'F') {
      append_fixed_point(row, value, 20, format.decimals);
    } else {
      append_exponent(row, value, 20, format.decimals, format.kind);
    }
  }
  return row;
}

}  // namespace

CurveSoil strength_soil_values(const PySoilProfile& profile, int layer, double XC, Console& console) {
  CurveSoil soil;
  soil.XC = XC;
  soil.b = profile.width();
  soil.S = profile.strength_at(XC, console);
  soil.gamma = profile.mean_unit_weight(XC);
  soil.E50 = profile.e50_at(XC);
  soil.k = profile.layers[static_cast<std::size_t>(layer)].subgrade_modulus;
  return soil;
}

FaceDepths face_depths(WallFace face, double XC, double HFREE, bool first_layer, double layer_top, double ZEQTOP) {
  const double ZGS = face == WallFace::excavation ? XC : HFREE + XC;
  const double ZEQ = first_layer ? ZGS : ZGS - layer_top + ZEQTOP;
  return {ZGS, ZEQ};
}

PyGenerationRun::PyGenerationRun(const PySoilProfile& profile, const PyMultipliers& multipliers,
                                 OffsetInputs offsets, double HFREE, ReportWriter& report, Console& console,
                                 const UnitLabels& units, SoilDataFile& file)
    : profile_(profile),
      multipliers_(multipliers),
      offsets_(offsets),
      HFREE_(HFREE),
      report_(report),
      console_(console),
      units_(units),
      file_(file),
      PUINT_(profile.layers.size(), 0.0),
      ZEQTOP_(profile.layers.size(), 0.0) {}

void PyGenerationRun::generate_layer(const PyCurveGenerator& generator, int layer, const std::vector<double>& XC) {
  const auto L = static_cast<std::size_t>(layer);
  double previous_XC = 0, previous_PU = 0;
  CurveSoil previous_soil;
  for (std::size_t i = 0; i < XC.size(); ++i) {
    CurveSoil soil = generator.soil_values(profile_, layer, XC[i], console_);
    generator.running_values(profile_, layer, i == 0 ? nullptr : &previous_soil, soil, report_, console_);
    if (i == 0) {
      PUINT_[L] = 0;
      if (layer > 0) {
        const double FA = std::accumulate(PUINT_.begin(), PUINT_.begin() + layer, 0.0);
        ZEQTOP_[L] = generator.equivalent_top_depth(FA, soil, profile_.layers[L].top);
      }
    }
    const double POFF = generator.offset(soil, offsets_);
    file_.write_curve_heading(HFREE_ + XC[i]);
    const FaceCurve excavation = generate_face(generator, soil, WallFace::excavation, layer, POFF, 1);
    if (i > 0) PUINT_[L] += (XC[i] - previous_XC) * (previous_PU + excavation.PU) / 2 * excavation.integral_factor;
    if (i + 1 == XC.size()) PUINT_[L] += generator.layer_integral_tail(profile_.layers[L].bottom - XC[i], excavation.PU);
    generate_face(generator, soil, WallFace::backfill, layer, POFF, kFacePoints + 1);
    previous_XC = XC[i];
    previous_PU = excavation.PU;
    previous_soil = soil;
  }
}

FaceCurve PyGenerationRun::generate_face(const PyCurveGenerator& generator, const CurveSoil& soil, WallFace face,
                                         int layer, double POFF, int first_index) {
  const auto L = static_cast<std::size_t>(layer);
  const double D = HFREE_ + soil.XC;
  const double pm = multipliers_.p_multiplier(D);
  const double ym = multipliers_.y_multiplier(D);
  FaceDepths depths = face_depths(face, soil.XC, HFREE_, layer == 0, profile_.layers[L].top, ZEQTOP_[L]);
  depths.face = face;
  depths.p_multiplier = pm;
  if (generator.prints_face_line()) {
    report_.blank(2);
    report_.line(std::string(9, ' ') +
                 (face == WallFace::excavation ? "AT THE EXCAVATION SIDE" : "AT THE BACKFILL SIDE"));
  }
  const FaceCurve raw = generator.face_curve(soil, depths, report_, units_);

  // Output: multiplied points, shifted by the offset (down on the
  // excavation side, up on the backfill side).
  const double shift = face == WallFace::excavation ? -POFF : POFF;
  FaceCurve out = raw;
  for (int k = 0; k < kFacePoints; ++k) {
    out.y[k] = ym * raw.y[k];
    out.p[k] = (raw.p_multiplied ? raw.p[k] : pm * raw.p[k]) + shift;
  }
  if (!all_finite(out.y) || !all_finite(out.p)) {
    throw ReportedStop({"ERROR -- THE P-Y CURVE AT DEPTH " + depth_text(D) + " (P-Y LAYER " + std::to_string(layer + 1) +
                            ") CANNOT BE COMPUTED:",
                        "THE SOIL DATA OF THE LAYER GIVE NO FINITE RESISTANCE (CHECK ITS STRENGTH, UNIT WEIGHT, E50 "
                        "AND MODULUS)"});
  }

  constexpr double kSmallDeflection = sp(1.0e-14f);
  const RowFormat row_format = generator.row_format();
  for (int k = 0; k < kFacePoints; ++k) {
    report_.line(point_row(row_format, out.y[k], out.p[k]));
    file_.write_point(first_index + k, out.p[k], out.y[k], generator.point_spacing());
    if (k > 0 && raw.small_deflection_modulus && out.y[k] < kSmallDeflection) {
      report_.message("**** WARNING ****" + std::string(29, ' '));
      report_.message("DEFLECTION IS LESS THAN 1.0E-14.  THE PROGRAM");
      report_.message("USED A SOIL MODULUS OF " + format_exponent(*raw.small_deflection_modulus, 12, 4));
    }
  }
  if (generator.prints_multiplier_line()) {
    report_.blank();
    report_.line(std::string(21, ' ') + " P-Multiplier = " + format_exponent(pm, 10, 3) + " Y-Multiplier = " +
                 format_exponent(ym, 10, 3));
  }
  return raw;
}

}  // namespace keldor::engine
