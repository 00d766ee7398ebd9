// What every p-y generator shares: each curve is generated twice, for the
// excavation side and then for the backfill side of the wall, at the depth
// below that face's ground surface (ZGS) or, in a deeper layer, at the
// equivalent depth (ZEQ) that carries the resistance of the layers above.
// The frame applies the multipliers and the offset by the earth pressure at
// the excavation level, prints each face and writes its points to SOILDATA.
// A soil family implements PyCurveGenerator in a file of its own.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "driver/run_analysis.h"
#include "output/report_writer.h"
#include "output/unit_labels.h"
#include "pycurves/py_multipliers.h"
#include "pycurves/py_soil_profile.h"
#include "pycurves/soil_data_file.h"

namespace keldor::engine {

inline constexpr int kFacePoints = 17;

enum class WallFace { excavation, backfill };

// Soil values of one curve, evaluated once at the curve depth XC (below the
// excavation level) and used on both faces.
struct CurveSoil {
  double XC = 0;
  double b = 0;      // width
  double S = 0;      // strength
  double gamma = 0;  // mean effective unit weight from the excavation level to XC
  double E50 = 0;
  double PHI = 0;  // friction angle, radians
  double k = 0;    // subgrade modulus of the layer
  double sixth = 0;  // sixth soil value (RQD of weak rock, per cent)
  // Average strength over the layer (stiff clays, weak rock), and for a
  // running mean the strength integrated over the layer's curves so far
  // with the depth the integral spans.
  double CA = 0, S_integral = 0, S_span = 0;
};

// The raw points of one face, before multipliers and offset.
struct FaceCurve {
  std::array<double, kFacePoints> y{}, p{};
  double PU = 0;  // ultimate resistance, for the layer integral
  // Scales the layer integral's step ending at this curve (the residual
  // factor of stiff clay below the water table).
  double integral_factor = 1;
  // Rock: p already carries the p-multiplier where it applies.
  bool p_multiplied = false;
  // Soft clay: the modulus used below a deflection of 1e-14, named in a
  // warning after any point from the second on that falls below it.
  std::optional<double> small_deflection_modulus;
};

// What the offsets are formed from.
struct OffsetInputs {
  double SIGVP_LEXC = 0;  // vertical stress at the excavation level, backfill side
  double PAEXC = 0;       // excavation-level pressure load per unit length of wall
  double WRATIO = 1;      // WA/WP, at least 1
};

// ZGS and ZEQ of one face of a curve; the frame adds the face and its
// p-multiplier for the generators that need them.
struct FaceDepths {
  double ZGS = 0, ZEQ = 0;
  WallFace face = WallFace::excavation;
  double p_multiplier = 1;
};
// layer_top: X of the layer's top; ZEQTOP: its equivalent depth (unused in
// the first layer, where ZEQ = ZGS).
FaceDepths face_depths(WallFace face, double XC, double HFREE, bool first_layer, double layer_top, double ZEQTOP);

struct RowFormat {
  char kind = 'F';
  int decimals = 3;
};

// The values that every generator with a strength reads at XC: width,
// strength, mean effective unit weight, E50 and the layer's subgrade modulus.
CurveSoil strength_soil_values(const PySoilProfile& profile, int layer, double XC, Console& console);

class PyCurveGenerator {
 public:
  virtual ~PyCurveGenerator() = default;

  // Soil values at XC in p-y layer `layer` (0-based).
  virtual CurveSoil soil_values(const PySoilProfile& profile, int layer, double XC, Console& console) const = 0;
  // Values that depend on the layer's curves so far (average strengths),
  // completed after soil_values; `previous` is the layer's previous curve,
  // null at its first.
  virtual void running_values(const PySoilProfile&, int /*layer*/, const CurveSoil* /*previous*/, CurveSoil&,
                              ReportWriter&, Console&) const {}
  // Equivalent depth of the layer top: where a uniform deposit of this soil
  // would have accumulated the resistance FA of the layers above.
  virtual double equivalent_top_depth(double FA, const CurveSoil& soil, double layer_top) const = 0;
  virtual double offset(const CurveSoil& soil, const OffsetInputs& inputs) const = 0;
  // Computes the raw points of one face and prints the face's heading,
  // value line and column heading.
  virtual FaceCurve face_curve(const CurveSoil& soil, const FaceDepths& depths, ReportWriter& report,
                               const UnitLabels& units) const = 0;
  // Addition to the layer integral at the layer's last curve, over the
  // distance from the curve to the layer bottom.
  virtual double layer_integral_tail(double distance_to_bottom, double PU) const = 0;
  // Fields of the report's 17 rows of y and p: 'F', 'E' or 'D', width 20.
  virtual RowFormat row_format() const { return {}; }
  // The "AT THE ... SIDE" line before the generator's heading, and the
  // multiplier line after the rows.
  virtual bool prints_face_line() const { return true; }
  virtual bool prints_multiplier_line() const { return true; }
  virtual PointRecordSpacing point_spacing() const { return PointRecordSpacing::single_blanks; }
};

// The generation of one problem block: the shared state of the generators
// (layer integrals and equivalent depths) and where their output goes.
class PyGenerationRun {
 public:
  PyGenerationRun(const PySoilProfile& profile, const PyMultipliers& multipliers, OffsetInputs offsets,
                  double HFREE, ReportWriter& report, Console& console, const UnitLabels& units,
                  SoilDataFile& file);

  // Generates the curves at depths XC (in order) of p-y layer `layer`.
  void generate_layer(const PyCurveGenerator& generator, int layer, const std::vector<double>& XC);

  double PUINT(int layer) const { return PUINT_[static_cast<std::size_t>(layer)]; }
  double ZEQTOP(int layer) const { return ZEQTOP_[static_cast<std::size_t>(layer)]; }

 private:
  FaceCurve generate_face(const PyCurveGenerator& generator, const CurveSoil& soil, WallFace face, int layer,
                          double POFF, int first_index);

  const PySoilProfile& profile_;
  const PyMultipliers& multipliers_;
  OffsetInputs offsets_;
  double HFREE_;
  ReportWriter& report_;
  Console& console_;
  const UnitLabels& units_;
  SoilDataFile& file_;
  std::vector<double> PUINT_, ZEQTOP_;
};

}  // namespace keldor::engine
