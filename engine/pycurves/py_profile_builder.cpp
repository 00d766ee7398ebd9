#include "pycurves/py_profile_builder.h"

#include <cmath>
#include <string>

#include "driver/run_stop.h"
#include "output/fixed_format.h"
#include "soil/single_precision.h"

namespace keldor::engine {
namespace {

constexpr double kDepthTolerance = sp(1.0e-5f);
constexpr double kCurveInset = sp(0.1f);  // first and last curve from the layer faces

double radians(double degrees) { return degrees * sp(3.1416f) / 180; }

std::string length_text(double value) {
  const std::string text = format_fixed_point(value, 12, 4);
  return text.substr(text.find_first_not_of(' '));
}

StrengthPoint strength_point(double X, const std::array<double, 6>& values) {
  return {X, values[1], radians(values[2]), values[3], values[5]};
}

StrengthPoint interpolated(const StrengthPoint& top, const StrengthPoint& bottom, double X) {
  const double f = (X - top.X) / (bottom.X - top.X);
  auto at = [f](double a, double b) { return a + (b - a) * f; };
  return {X, at(top.S, bottom.S), at(top.PHI, bottom.PHI), at(top.E50, bottom.E50), at(top.sixth, bottom.sixth)};
}

class ProfileBuilder {
 public:
  explicit ProfileBuilder(const ProblemState& state)
      : state_(state),
        HFREE_(state.geometry.HFREE),
        Xmax_(state.geometry.NI * state.geometry.H + 2 * state.geometry.H - HFREE_),
        DWB_(state.wall.DWB),
        GAMW_(py_unit_weight_of_water(state.control.IUNITS)) {
    profile_.WP = state.wall.WP;
  }

  PySoilProfile build() {
    for (std::size_t l = 0; l < state_.layers.size(); ++l) {
      if (!add_layer(static_cast<int>(l) + 1, state_.layers[l])) break;
    }
    if (profile_.layers.empty()) {
      throw ReportedStop({"ERROR -- NO SOIL LAYER REACHES BELOW THE EXCAVATION LEVEL ABOVE STATION NI+2;",
                          "NO P-Y CURVE CAN BE GENERATED (EXCAVATION DEPTH " + length_text(HFREE_) + ")"});
    }
    append_submerged_tail();
    return std::move(profile_);
  }

 private:
  // Adds the part of input layer `number` that lies in the profile; false
  // when the profile ends with it (the depth limit is reached).
  bool add_layer(int number, const SoilLayer& layer) {
    double top = 0, bottom = 0;
    if (profile_.layers.empty()) {
      if (layer.ZBOT <= HFREE_) return true;  // wholly above the excavation level
      bottom = layer.ZBOT - HFREE_;
    } else {
      top = profile_.layers.back().bottom;
      bottom = top + layer.THICK;
    }
    if (top >= Xmax_) return false;

    StrengthPoint top_values = strength_point(top, layer.VTOP);
    StrengthPoint bottom_values = strength_point(bottom, layer.VBOT);
    const bool cut = bottom > Xmax_;
    if (cut) {
      // Values at the depth limit on the layer's own straight line.
      bottom_values = interpolated(top_values, bottom_values, Xmax_);
      bottom = Xmax_;
    }
    const int index = static_cast<int>(profile_.layers.size()) + 1;
    if (!(bottom - top >= 2 * kCurveInset)) {
      throw ReportedStop({"ERROR -- P-Y LAYER " + std::to_string(index) + " (SOIL LAYER " + std::to_string(number) +
                              ") IS " + length_text(bottom - top) + " THICK BELOW THE EXCAVATION LEVEL;",
                          "A P-Y LAYER MUST BE AT LEAST 0.2 LENGTH UNITS THICK FOR ITS CURVE DEPTHS TO BE IN ORDER"});
    }
    profile_.layers.push_back({top, bottom, layer.KSOIL, layer.VTOP[4]});
    profile_.strength.push_back(top_values);
    profile_.strength.push_back(bottom_values);
    add_weight_points(index, layer.VTOP[0], top, bottom);
    return !cut;
  }

  // Two points of the layer's effective unit weight: the layer-top total
  // weight, less the weight of water below the backfill water table.
  void add_weight_points(int index, double gamma, double top, double bottom) {
    const double top_depth = top + HFREE_;
    const double bottom_depth = bottom + HFREE_;
    // A top point at the water table carries the submerged weight: the soil
    // below it lies under water.
    const bool top_submerged = top_depth >= DWB_ - kDepthTolerance;
    const bool water_inside = top_depth < DWB_ - kDepthTolerance && DWB_ < bottom_depth - kDepthTolerance;
    WeightPoint top_point{top, top_submerged ? gamma - GAMW_ : gamma};
    WeightPoint bottom_point{bottom, bottom_depth > DWB_ + kDepthTolerance ? gamma - GAMW_ : gamma};
    if (water_inside) bottom_point = {DWB_ - HFREE_, gamma};
    if (!profile_.weight.empty() && top_point.X > profile_.weight.back().X) top_point.X = profile_.weight.back().X;
    for (const WeightPoint& point : {top_point, bottom_point}) {
      if (point.gamma < 0) {
        throw ReportedStop({"ERROR -- THE EFFECTIVE UNIT WEIGHT OF P-Y LAYER " + std::to_string(index) +
                                " BELOW THE WATER TABLE IS NEGATIVE:",
                            "ITS UNIT WEIGHT " + length_text(gamma) + " IS LESS THAN THAT OF WATER " +
                                length_text(GAMW_) + " (GIVE THE TOTAL UNIT WEIGHT)"});
      }
      profile_.weight.push_back(point);
    }
  }

  // When the water table lies inside the last layer, the weight
  // distribution ends there: extend it submerged to the profile's base.
  void append_submerged_tail() {
    const WeightPoint last = profile_.weight.back();
    const double base = profile_.strength.back().X;
    if (last.X >= base) return;
    profile_.weight.push_back({last.X, last.gamma - GAMW_});
    profile_.weight.push_back({base, last.gamma - GAMW_});
  }

  const ProblemState& state_;
  const double HFREE_, Xmax_, DWB_, GAMW_;
  PySoilProfile profile_;
};

}  // namespace

double py_unit_weight_of_water(int IUNITS) { return IUNITS == 2 ? 10.0 : sp(0.036f); }

PySoilProfile build_py_soil_profile(const ProblemState& state) { return ProfileBuilder(state).build(); }

std::vector<double> py_curve_depths(const PySoilProfile& profile) {
  std::vector<double> depths;
  depths.reserve(profile.layers.size() * 5);
  for (const PyLayer& layer : profile.layers) {
    const double t = layer.bottom - layer.top;
    for (double depth : {layer.top + kCurveInset, layer.top + sp(0.25f) * t, layer.top + sp(0.5f) * t,
                         layer.top + sp(0.75f) * t, layer.bottom - kCurveInset}) {
      depths.push_back(depth);
    }
  }
  return depths;
}

std::vector<LayerCurves> assign_curves_to_layers(const PySoilProfile& profile, const std::vector<double>& depths) {
  std::vector<LayerCurves> ranges;
  for (std::size_t c = 0; c < depths.size(); ++c) {
    int owner = -1;
    for (std::size_t l = 0; l < profile.layers.size(); ++l) {
      if (profile.layers[l].bottom >= depths[c]) {
        owner = static_cast<int>(l);
        break;
      }
    }
    if (owner < 0) continue;  // below the profile: no layer takes it
    const int index = static_cast<int>(c);
    if (!ranges.empty() && ranges.back().layer == owner && ranges.back().last == index) {
      ranges.back().last = index + 1;
    } else {
      ranges.push_back({owner, index, index + 1});
    }
  }
  return ranges;
}

}  // namespace keldor::engine
