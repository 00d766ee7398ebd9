#include "driver/data_file_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "driver/run_stop.h"

namespace keldor::engine {
namespace {

// The message lines of the data error that reading throws.
template <class Read>
std::string error_of(Read read) {
  try {
    read();
  } catch (const ReportedStop& stop) {
    std::string text;
    for (const std::string& line : stop.lines()) text += line + "\n";
    return text;
  }
  return "no error";
}

TEST(DataFileReader, SeparatorsContinuationAndSurplusItems) {
  std::istringstream in("TITLE LINE\r\n 1,2\t3 , 4 99\r\n\r\n  5\n6 7 8\n1.5D3 +2 -.5e-1 7\n");
  DataFileReader reader(in, "case.kd4d");
  EXPECT_EQ(reader.read_text_line("R1"), "TITLE LINE");
  reader.begin_record("R2");
  EXPECT_EQ(reader.read_int("A"), 1);
  EXPECT_EQ(reader.read_int("B"), 2);
  EXPECT_EQ(reader.read_int("C"), 3);
  EXPECT_EQ(reader.read_int("D"), 4);
  // The record continues over a blank line onto the next one; 99 is surplus.
  reader.begin_record("R3");
  EXPECT_EQ(reader.read_int("E"), 5);
  EXPECT_EQ(reader.read_int("F"), 6);
  reader.begin_record("R4");
  EXPECT_DOUBLE_EQ(reader.read_real("G"), 1500.0);
  EXPECT_DOUBLE_EQ(reader.read_real("H"), 2.0);  // an integer text reads as a real
  EXPECT_DOUBLE_EQ(reader.read_real("I"), -0.05);
  EXPECT_EQ(reader.line_number(), 6);
  EXPECT_TRUE(reader.at_end());
}

TEST(DataFileReader, ErrorsNameRecordItemLineAndText) {
  {
    std::istringstream in("T\n1 1.5\n");
    DataFileReader reader(in, "a.kd4d");
    reader.read_text_line("R1 (TITLE)");
    reader.begin_record("R2 (CONTROL)");
    reader.read_int("IUNITS");
    EXPECT_EQ(error_of([&] { reader.read_int("NBC"); }),
              "ERROR IN DATA FILE a.kd4d, LINE 2:\nRECORD R2 (CONTROL), ITEM NBC: EXPECTED AN INTEGER, FOUND '1.5'\n");
  }
  {
    std::istringstream in("T\n10 abc\n");
    DataFileReader reader(in, "a.kd4d");
    reader.read_text_line("R1 (TITLE)");
    reader.begin_record("R3 (GEOMETRY)");
    reader.read_int("NI");
    EXPECT_EQ(error_of([&] { reader.read_real("H"); }),
              "ERROR IN DATA FILE a.kd4d, LINE 2:\nRECORD R3 (GEOMETRY), ITEM H: EXPECTED A REAL NUMBER, FOUND 'abc'\n");
  }
  {
    std::istringstream in("1,,2\n");
    DataFileReader reader(in, "a.kd4d");
    reader.begin_record("R5");
    reader.read_int("IFROM");
    EXPECT_NE(error_of([&] { reader.read_int("ITO"); }).find("EXPECTED AN INTEGER, FOUND AN EMPTY ITEM"),
              std::string::npos);
  }
  {
    std::istringstream in("10 12.0\n");
    DataFileReader reader(in, "a.kd4d");
    reader.begin_record("R3 (GEOMETRY)");
    reader.read_int("NI");
    reader.read_real("H");
    EXPECT_EQ(error_of([&] { reader.read_real("YMAX"); }),
              "ERROR IN DATA FILE a.kd4d: THE FILE ENDS AFTER LINE 1\n"
              "RECORD R3 (GEOMETRY), ITEM YMAX: EXPECTED A REAL NUMBER\n");
  }
  for (const char* bad : {"nan", "inf", "1e999", "12x", "--1", "/"}) {
    std::istringstream in(bad);
    DataFileReader reader(in, "a.kd4d");
    reader.begin_record("R3");
    EXPECT_NE(error_of([&] { reader.read_real("H"); }), "no error") << bad;
  }
}

}  // namespace
}  // namespace keldor::engine
