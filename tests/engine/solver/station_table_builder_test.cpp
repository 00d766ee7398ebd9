#include "solver/station_table_builder.h"

#include <gtest/gtest.h>

#include "driver/run_stop.h"

namespace keldor::engine {
namespace {

TEST(FromToRows, UniformWallHasHalfValuesAtTopAndTip) {
  StationTable<double> ei;
  FromToDistributor rows({&ei});
  EXPECT_EQ(rows.add_row(0, 10, 1, {2.0}), FromToCase::Constant);
  EXPECT_DOUBLE_EQ(ei[0], 1.0);
  EXPECT_DOUBLE_EQ(ei[5], 2.0);
  EXPECT_DOUBLE_EQ(ei[10], 1.0);
  EXPECT_DOUBLE_EQ(ei[11], 0.0);
  EXPECT_DOUBLE_EQ(ei[-1], 0.0);
}

TEST(FromToRows, ChainInterpolatesFromFirstRowStartToClosingRowEnd) {
  // Rows 1..10 code 2 with a = 100 and 20..30 code 1 with b = 300: a straight
  // line from 100 at station 1 to 300 at station 30 (n = 29); the first
  // row's TO and the closing row's FROM are not used.
  StationTable<double> ei;
  FromToDistributor rows({&ei});
  EXPECT_EQ(rows.add_row(1, 10, 2, {100.0}), FromToCase::ChainStarts);
  EXPECT_DOUBLE_EQ(ei[1], 0.0);  // nothing added until the chain closes
  EXPECT_EQ(rows.add_row(20, 30, 1, {300.0}), FromToCase::ChainEnds);
  EXPECT_DOUBLE_EQ(ei[1], 50.0);                               // half of 100
  EXPECT_DOUBLE_EQ(ei[2], 100.0 + 200.0 * 1 / 29);            // full
  EXPECT_DOUBLE_EQ(ei[15], 100.0 + 200.0 * 14 / 29);
  EXPECT_DOUBLE_EQ(ei[29], 100.0 + 200.0 * 28 / 29);
  EXPECT_DOUBLE_EQ(ei[30], 150.0);                             // half of 300
  EXPECT_DOUBLE_EQ(ei[31], 0.0);
  EXPECT_FALSE(rows.ends_with_unclosed_chain());
}

TEST(FromToRows, InnerChainRowsJoinSegmentsToFullValues) {
  // 0..(code 2, 10) -> ..4 (code 2, 20) -> ..8 (code 1, 20): station 4 is the
  // end of one segment and the start of the next, so its halves sum to 20.
  StationTable<double> q;
  StationTable<double> t;
  FromToDistributor rows({&q, &t});
  rows.add_row(0, 0, 2, {10.0, 1.0});
  EXPECT_EQ(rows.add_row(3, 4, 2, {20.0, 1.0}), FromToCase::ChainGoesOn);
  rows.add_row(5, 8, 1, {20.0, 1.0});
  EXPECT_DOUBLE_EQ(q[0], 5.0);
  EXPECT_DOUBLE_EQ(q[2], 15.0);
  EXPECT_DOUBLE_EQ(q[4], 20.0);
  EXPECT_DOUBLE_EQ(q[6], 20.0);
  EXPECT_DOUBLE_EQ(q[8], 10.0);
  EXPECT_DOUBLE_EQ(t[4], 1.0);  // the second table follows the same rule
}

TEST(FromToRows, SingleStationRowAddsItsFullValue) {
  StationTable<double> s;
  FromToDistributor rows({&s});
  rows.add_row(6, 6, 1, {1500.0});
  rows.add_row(6, 6, 1, {500.0});  // overlapping rows sum
  EXPECT_DOUBLE_EQ(s[6], 2000.0);
  EXPECT_DOUBLE_EQ(s[5], 0.0);
}

TEST(FromToRows, UnclosedChainAndReversedSegment) {
  StationTable<double> ei;
  FromToDistributor last_starts_chain({&ei});
  last_starts_chain.add_row(0, 10, 1, {1.0});
  last_starts_chain.add_row(10, 20, 2, {5.0});
  EXPECT_TRUE(last_starts_chain.ends_with_unclosed_chain());
  EXPECT_DOUBLE_EQ(ei[15], 0.0);

  FromToDistributor reversed({&ei});
  EXPECT_THROW(reversed.add_row(10, 5, 1, {1.0}), ReportedStop);
  FromToDistributor chain_ends_early({&ei});
  chain_ends_early.add_row(10, 12, 2, {1.0});
  EXPECT_THROW(chain_ends_early.add_row(2, 8, 1, {1.0}), ReportedStop);
}

TEST(RestraintCodes, CodesPerCase) {
  StationTables tables;
  tables.clear_codes(20);
  std::vector<RestraintRow> rows{{1, 0, 0.0, 0.0}, {3, 5, 0.1, 0.0}, {2, 12, 0.0, 0.01}};
  apply_restraint_codes(tables, rows, 20);
  EXPECT_EQ(tables.KODE[0], 2);
  EXPECT_EQ(tables.KODE[4], 3);
  EXPECT_EQ(tables.KODE[5], 4);
  EXPECT_EQ(tables.KODE[6], 5);
  EXPECT_EQ(tables.KODE[11], 3);
  EXPECT_EQ(tables.KODE[12], 1);
  EXPECT_EQ(tables.KODE[13], 5);
  EXPECT_EQ(tables.KROW[13], 2);
  EXPECT_EQ(tables.KODE[1], 1);
}

TEST(RestraintCodes, RejectsRowsThatBreakASlopeConditionOrLeaveTheWall) {
  StationTables tables;
  tables.clear_codes(20);
  // A deflection row one station above a slope row's centre replaces its code 3.
  EXPECT_THROW(apply_restraint_codes(tables, {{2, 5, 0, 0}, {1, 4, 0, 0}}, 20), ReportedStop);
  tables.clear_codes(20);
  EXPECT_THROW(apply_restraint_codes(tables, {{2, 21, 0, 0}}, 20), ReportedStop);
  tables.clear_codes(20);
  // A deflection row at the slope row's own station is fine.
  EXPECT_NO_THROW(apply_restraint_codes(tables, {{2, 5, 0, 0.01}, {1, 5, 0.2, 0}}, 20));
}

TEST(BeyondTip, AnyNonZeroSumBelowTheTipStops) {
  StationTables tables;
  tables.clear_loads(10);
  EXPECT_NO_THROW(check_data_beyond_tip(tables, 10));
  tables.S[12] = 5.0;  // S is checked at NI+1 only
  EXPECT_NO_THROW(check_data_beyond_tip(tables, 10));
  tables.P[12] = 1.0;
  EXPECT_THROW(check_data_beyond_tip(tables, 10), ReportedStop);
}

TEST(PressureTable, InterpolatedAtStationDepthsTimesH) {
  // H = 2; table (0, 0), (5, 10), (9, 10). Stations 1..N with N = round(9/2)
  // = 5 (4.5 rounds away from zero).
  //   z=2: 0 + 10*2/5 = 4    -> Q = 8
  //   z=4: 10*4/5 = 8        -> Q = 16
  //   z=6: between (5,10) and (9,10) = 10 -> Q = 20
  //   z=8: 10 -> 20;  z=10: below the table, keeps 10 -> 20
  StationTables tables;
  tables.clear_loads(10);
  Geometry g;
  g.NI = 10;
  g.H = 2.0;
  apply_pressure_table(tables, g, {{0, 0}, {5, 10}, {9, 10}});
  EXPECT_DOUBLE_EQ(tables.Q[0], 0.0);
  EXPECT_DOUBLE_EQ(tables.Q[1], 8.0);
  EXPECT_DOUBLE_EQ(tables.Q[2], 16.0);
  EXPECT_DOUBLE_EQ(tables.Q[3], 20.0);
  EXPECT_DOUBLE_EQ(tables.Q[5], 20.0);
  EXPECT_DOUBLE_EQ(tables.Q[6], 0.0);
}

TEST(PressureTable, NoPressureAboveTheFirstTabulatedDepth) {
  StationTables tables;
  tables.clear_loads(10);
  Geometry g;
  g.NI = 10;
  g.H = 1.0;
  apply_pressure_table(tables, g, {{2.5, 4}, {4, 10}});
  EXPECT_DOUBLE_EQ(tables.Q[2], 0.0);
  EXPECT_DOUBLE_EQ(tables.Q[3], 4.0 + 6.0 * 0.5 / 1.5);
  EXPECT_DOUBLE_EQ(tables.Q[4], 10.0);
}

}  // namespace
}  // namespace keldor::engine
