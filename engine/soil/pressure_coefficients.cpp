#include "soil/pressure_coefficients.h"

#include <cmath>

#include "driver/run_stop.h"
#include "output/fixed_format.h"
#include "soil/single_precision.h"

namespace keldor::engine {
namespace {

bool slope_too_steep(double PHI, double BETA) { return BETA != 0 && std::fabs(BETA) >= PHI; }

}  // namespace

double radians(double degrees) { return degrees / sp(57.2958f); }

ActiveCoefficient active_coefficient(double PHI, double BETA) {
  const double SQKA = std::tan(radians(45 - PHI / 2));
  if (std::fabs(BETA) > 0 && std::fabs(BETA) < PHI) {
    const double CB = std::cos(radians(BETA));
    const double CP = std::cos(radians(PHI));
    // cos PHI < cos BETA here for friction angles below 90 degrees.
    const double RT = std::sqrt(std::fmax(0.0, CB * CB - CP * CP));
    const double KA = CB * (CB - RT) / (CB + RT);
    return {KA, std::sqrt(KA)};
  }
  return {SQKA * SQKA, SQKA};
}

std::vector<int> compute_pressure_coefficients(EarthPressureColumn& column, double BETA, double HWALL) {
  if (!(std::fabs(BETA) < 90)) {
    throw ReportedStop({"THE SLOPE OF THE BACKFILL MUST LIE BETWEEN -90 AND 90 DEGREES",
                        "(SLOPE =" + format_exponent(BETA, 10, 3) + ")"});
  }
  std::vector<int> warned;
  for (int I = 1; I <= column.NL(); ++I) {
    Sublayer& sub = column.sublayer(I);
    const ActiveCoefficient active = active_coefficient(sub.PHI, BETA);
    sub.KA = active.KA;
    sub.SQKA = active.SQKA;
    sub.SQKP = std::tan(radians(45 + sub.PHI / 2));
    sub.KP = sub.SQKP * sub.SQKP;
    if (slope_too_steep(sub.PHI, BETA) && sub.ZTOP < HWALL) warned.push_back(I);
  }
  return warned;
}

}  // namespace keldor::engine
