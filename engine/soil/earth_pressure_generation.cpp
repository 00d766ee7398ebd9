#include "soil/earth_pressure_generation.h"

#include <string>
#include <utility>

#include "driver/run_stop.h"
#include "output/unit_labels.h"
#include "soil/earth_pressure_column.h"
#include "soil/earth_pressure_distribution.h"
#include "soil/earth_pressure_forces.h"
#include "soil/earth_pressure_report.h"
#include "soil/orbend_file.h"
#include "soil/pressure_coefficients.h"

namespace keldor::engine {
namespace {

void require_room_for_points(const EarthPressureColumn& column) {
  const double count = distribution_point_count(column);
  if (count > kMaxPressurePoints) {
    throw storage_stop("EARTH-PRESSURE DISTRIBUTION NEEDS " + std::to_string(static_cast<long long>(count)) +
                       " POINTS, AT MOST " + std::to_string(kMaxPressurePoints));
  }
}

}  // namespace

GeneratedEarthPressure generate_earth_pressure(const ProblemState& state, ReportWriter& report,
                                               std::ostream& run_notes, Console& console,
                                               const std::filesystem::path& scratch_dir) {
  create_empty_file(scratch_dir / kDebugFileName);
  const WallRecord& wall = state.wall;
  const UnitLabels labels(state.control.label_code());

  write_wall_information(report, wall, unit_weight_of_water(state.control.IUNITS), labels);
  const SingleSurcharge surcharge = write_surcharge_information(report, state.surcharge, state.surcharges, labels);

  EarthPressureColumn column = build_earth_pressure_column(state);
  write_soil_information(report, console, column, state.control.IUNITS);
  if (column.overflow) throw SoilStop("2");
  if (column.LEXC == 0) throw SoilStop("1");

  compute_overburden(column, wall.DWB, state.surcharge.QU);
  write_overburden_stress(report, column, labels);

  ReportWriter notes(run_notes);
  for ([[maybe_unused]] int I : compute_pressure_coefficients(column, wall.BETA, wall.HWALL)) {
    write_slope_warning(notes);
    write_slope_warning(report);
  }
  write_pressure_coefficients(report, column);

  const EarthPressureForces forces = compute_earth_pressure_forces(column, surcharge, wall);
  write_active_pressures(report, column, forces, labels);
  if (forces.water_box) write_water_pressures(report, column, forces);
  if (forces.net_force_negative()) {
    console.line(kNetActivePressureNegative);
    report.message(kNetActivePressureNegative);
  }

  require_room_for_points(column);
  EarthPressureDistribution distribution = triangular_distribution(column, forces, wall, state.surcharges);
  if (state.control.KOUTPT == 3) {
    redistribute_as_trapezoid(distribution, state.NSPR, state.XANCH1, state.XANCH2);
  }
  write_orbend_file(scratch_dir / kOrbendFileName, distribution.points);
  return {std::move(distribution.points), column.sublayer(column.LEXC).SIGVP};
}

}  // namespace keldor::engine
