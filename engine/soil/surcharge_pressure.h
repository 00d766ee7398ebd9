// Lateral pressure on the wall from point, line and strip loads on the
// backfill surface, scaled by the free height of wall.
#pragma once

#include <vector>

#include "driver/problem_state.h"

namespace keldor::engine {

// The single surcharge that the earth-pressure force table integrates: the
// surcharge line of the data file, overwritten by each row of the surcharge
// table in turn as the rows are echoed.
struct SingleSurcharge {
  double XSUR = 0, QPOINT = 0, QLINE = 0, QSTRIP = 0, WSTRIP = 0;

  static SingleSurcharge from_record(const SurchargeRecord& record);
  // Takes over one table row: its distance and magnitude (the other two
  // magnitudes become 0); the strip width changes only for a strip row.
  void take_row(const SurchargeRow& row);
};

// Horizontal surcharge pressure at depth D below the backfill surface,
// summed over the rows of the table, for a free height of wall H. Each row
// is evaluated on a grid of 50 depths down to H: the value at the deepest
// grid depth above D counts. 0 for an empty table. A table with rows and a
// height of 0 or less has no defined pressure: ReportedStop.
double surcharge_pressure(const std::vector<SurchargeRow>& rows, double H, double D);

// Surcharge force on a sublayer of the earth-pressure column (top ZTOP,
// thickness THICK) from the single surcharge, integrated over ten slices.
double sublayer_surcharge_force(const SingleSurcharge& surcharge, double HWALL, double ZTOP, double THICK);

}  // namespace keldor::engine
