// The report sections of the earth-pressure generation: the echo of the
// wall, surcharge and soil data and the tables of the earth-pressure column.
#pragma once

#include <vector>

#include "driver/problem_state.h"
#include "driver/run_analysis.h"
#include "output/report_writer.h"
#include "output/unit_labels.h"
#include "soil/earth_pressure_column.h"
#include "soil/earth_pressure_forces.h"
#include "soil/surcharge_pressure.h"

namespace keldor::engine {

void write_wall_information(ReportWriter& report, const WallRecord& wall, double GAMW, const UnitLabels& labels);

// Echoes the uniform pressure and the surcharge rows; each row is taken
// into the single surcharge before it is shown. Returns the single
// surcharge as the echo leaves it.
SingleSurcharge write_surcharge_information(ReportWriter& report, const SurchargeRecord& record,
                                            const std::vector<SurchargeRow>& rows, const UnitLabels& labels);

// The sublayer table; its heading goes to the console as well, there with
// the unit line of the unit system.
void write_soil_information(ReportWriter& report, Console& console, const EarthPressureColumn& column, int IUNITS);

void write_overburden_stress(ReportWriter& report, const EarthPressureColumn& column, const UnitLabels& labels);

// The warning for a backfill slope not below a sublayer's friction angle.
void write_slope_warning(ReportWriter& out);

void write_pressure_coefficients(ReportWriter& report, const EarthPressureColumn& column);

void write_active_pressures(ReportWriter& report, const EarthPressureColumn& column,
                            const EarthPressureForces& forces, const UnitLabels& labels);

void write_water_pressures(ReportWriter& report, const EarthPressureColumn& column, const EarthPressureForces& forces);

inline constexpr const char* kNetActivePressureNegative = "Net active pressure is negative.";

}  // namespace keldor::engine
