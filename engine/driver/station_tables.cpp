#include "driver/problem_state.h"

namespace keldor::engine {

// The tables are cleared through station NI+3, the last the solution uses.
void StationTables::clear_codes(int NI) {
  KODE.fill_through(NI + 3, 1);
  KROW.fill_through(NI + 3, -1);
}

void StationTables::clear_loads(int NI) {
  for (StationTable<double>* table : {&EI, &Q, &S, &T, &R, &P}) table->fill_through(NI + 3, 0.0);
}

}  // namespace keldor::engine
