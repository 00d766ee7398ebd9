// Reads the records of one problem block into the problem state, building
// the station tables and echoing the input to the report as each record
// arrives.
#pragma once

#include "driver/data_file_reader.h"
#include "driver/problem_state.h"
#include "output/report_writer.h"

namespace keldor::engine {

class BlockReader {
 public:
  BlockReader(DataFileReader& reader, ProblemState& state, ReportWriter& report)
      : reader_(reader), state_(state), report_(report) {}

  void read_title();                    // R1
  void read_control();                  // R2
  void read_geometry();                 // R3, echoed with the control parameters
  void read_restraints();               // R4, echoed
  void read_stiffness_and_loads();      // R5 to R7, echoed
  void read_py_modifications();         // R8
  void read_user_pressure_table();      // R9
  void read_wall_and_soil();            // R10 to R13
  void read_py_sets();                  // R14
  void read_moment_ei_curves();         // R15
  void read_continuation();             // R16

 private:
  int read_count(const char* item, int limit, const std::string& what);
  int read_station(const char* item, int lowest, int highest);
  int read_kcont();

  DataFileReader& reader_;
  ProblemState& state_;
  ReportWriter& report_;
};

}  // namespace keldor::engine
