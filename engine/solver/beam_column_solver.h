// One linear solution of the wall as a beam-column: the five-term
// finite-difference equation of every station, reduced from the top down to
// Y(j) = AC(j)·Y(j+2) + BC(j)·Y(j+1) + CC(j), then solved from the tip up.
// Specified deflections and slopes replace the equations of their stations
// through the equation codes of the KODE table.
#pragma once

#include "driver/problem_state.h"

namespace keldor::engine {

// Counts over stations 0 to NI of the solution just made.
struct SolutionCounts {
  int NEXC = 0;  // stations whose deflection exceeds YMAX
  int NNC = 0;   // stations whose deflection changed by more than TOL
};

// Solves once with the stiffness, axial-load, couple and rotational-spring
// tables of `tables`, the transverse loads Qwork and springs Swork (the
// tables' Q and S plus the soil lines), and the codes KODE with the values of
// the restraint row KROW names at each station. Y holds the previous
// solution on entry (for the closure count) and the new deflections of
// stations -1 to NI+1 on return; Y(NI+2) and Y(NI+3) are set to 0.
SolutionCounts solve_beam_column(const Geometry& geometry, const StationTables& tables,
                                 const StationTable<double>& Qwork, const StationTable<double>& Swork,
                                 StationTable<double>& Y);

}  // namespace keldor::engine
