// The depth-table operations must work on any depth table, so every case runs on the
// library's table and on a host's table derived from it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

#include "Orv/Tess/Varnak.h"
#include "support/Support.h"

using namespace Orv::Tess::Varnak;

namespace {

// A host's table: a class derived from the library's is read through its interface, row
// by row, where the library's own table is read directly.
struct HostTable : StdDepthTable {};

using Rows = std::vector<std::vector<double>>;

// Sets the table to the given rows, each written as {depth, value0, value1, …}.
void fill(IDepthTable& t, Rows const& rows) {
  int const width = rows.empty() ? 0 : static_cast<int>(rows.front().size()) - 1;
  t.setNumComponents(width);
  t.setNumDepths(static_cast<int>(rows.size()));
  for (int d = 0; d < t.getNumDepths(); ++d) {
    t.setDepth(d, rows[d][0]);
    for (int c = 0; c < width; ++c) t.setProperty(d, c, rows[d][c + 1]);
  }
}

// Rows as {depth, value0, value1, …}, for comparing a whole table.
Rows rows(IDepthTable const& t) {
  Rows out;
  for (int d = 0; d < t.getNumDepths(); ++d) {
    std::vector<double> row{t.getDepth(d)};
    for (int c = 0; c < t.getNumComponents(); ++c) row.push_back(t.getProperty(d, c));
    out.push_back(row);
  }
  return out;
}

}  // namespace

template <class Table>
class DepthTableOperations : public ::testing::Test {
 protected:
  // Depths 100, 200, 300 with values 1, 2, 4 and, in a second column, 10, 20, 40.
  void makeIncreasing() { fill(table_, {{100, 1, 10}, {200, 2, 20}, {300, 4, 40}}); }
  // The same data stored bottom row first.
  void makeDecreasing() { fill(table_, {{300, 4, 40}, {200, 2, 20}, {100, 1, 10}}); }

  Table table_;
};

using Tables = ::testing::Types<StdDepthTable, HostTable>;
TYPED_TEST_SUITE(DepthTableOperations, Tables);

TYPED_TEST(DepthTableOperations, InterpolatesInsideAndBeyondAnIncreasingTable) {
  this->makeIncreasing();
  struct Case {
    double depth;
    bool extrapolate;
    double expected;
  };
  for (Case k : std::vector<Case>{{150, false, 1.5},
                                  {250, false, 3},
                                  {100, false, 1},
                                  {200, true, 2},
                                  {300, false, 4},
                                  {50, false, 1},
                                  {350, false, 4},
                                  {200.5, false, 2.01},  // just below 200: the segment to 300
                                  {350, true, 5},        // on the line through 200 and 300
                                  {50, true, -1}}) {
    EXPECT_DOUBLE_EQ(interpolate(this->table_, k.depth, 0, k.extrapolate), k.expected)
        << k.depth << " " << k.extrapolate;
    EXPECT_DOUBLE_EQ(interpolate(this->table_, k.depth, 1, k.extrapolate), 10 * k.expected)
        << k.depth << " " << k.extrapolate;
  }
}

TYPED_TEST(DepthTableOperations, InterpolatesADecreasingTableOnItsLastSegmentBeyondBothEnds) {
  this->makeDecreasing();
  struct Case {
    double depth;
    bool extrapolate;
    double expected;
  };
  for (Case k : std::vector<Case>{{250, false, 3},
                                  {150, true, 1.5},
                                  {50, false, 1},
                                  {350, false, 4},
                                  {50, true, 0.5},  // on the line through 200 and 100
                                  {350, true, 3.5}}) {
    EXPECT_DOUBLE_EQ(interpolate(this->table_, k.depth, 0, k.extrapolate), k.expected)
        << k.depth << " " << k.extrapolate;
  }
}

TYPED_TEST(DepthTableOperations, HandlesOneRowEmptyAndDegenerateTables) {
  TypeParam& table = this->table_;
  EXPECT_THROW_EXACT(interpolate(table, 100, 0, true), std::runtime_error,
                     "Cannot interpolate empty table.");
  EXPECT_THROW_EXACT(truncate(table, 100, true, true), std::runtime_error,
                     "Cannot truncate empty table.");
  EXPECT_EQ(rows(table), Rows{});

  fill(table, {{150, 7, 70}});
  for (double depth : {-1e9, 150.0, 1e9}) {
    EXPECT_EQ(interpolate(table, depth, 1, false), 70);
    EXPECT_EQ(interpolate(table, depth, 1, true), 70);
  }
  truncate(table, 90, false, true);  // only the depth moves
  EXPECT_EQ(rows(table), (Rows{{90, 7, 70}}));

  // Two rows at one depth: the slope divides by zero, giving a non-number, not an error.
  fill(table, {{100, 1, 1}, {100, 2, 2}});
  EXPECT_TRUE(std::isnan(interpolate(table, 100, 0, true)));

  // A depth on a table's end row that an earlier segment encloses takes that segment, not
  // the end row's own value.
  fill(table, {{200, 3, 3}, {100, 2, 2}, {100, 1, 1}});
  EXPECT_EQ(interpolate(table, 100, 0, false), 2);
  fill(table, {{100, 1, 1}, {200, 2, 2}, {200, 3, 3}});
  EXPECT_EQ(interpolate(table, 200, 0, false), 2);
}

TYPED_TEST(DepthTableOperations, TruncatesAnIncreasingTable) {
  struct Case {
    double depth;
    bool keepAbove, extrapolate;
    Rows expected;
  };
  for (Case const& k : std::vector<Case>{
           {250, true, false, {{100, 1, 10}, {200, 2, 20}, {250, 3, 30}}},
           {250, false, true, {{250, 3, 30}, {300, 4, 40}}},
           {200, true, false, {{100, 1, 10}, {200, 2, 20}}},
           {200, false, false, {{200, 2, 20}, {300, 4, 40}}},
           {100, false, true, {{100, 1, 10}, {200, 2, 20}, {300, 4, 40}}},
           // Below the bottom, keeping the top: the bottom row moves down to the cut.
           {350, true, false, {{100, 1, 10}, {200, 2, 20}, {350, 4, 40}}},
           {350, true, true, {{100, 1, 10}, {200, 2, 20}, {350, 5, 50}}},
           {350, false, false, {{350, 4, 40}}},
           // The extrapolated row replaces the shallower row of the last segment.
           {350, false, true, {{350, 5, 50}, {300, 4, 40}}},
           // Above the top, keeping the top: one row at the cut with the top's values.
           {50, true, false, {{50, 1, 10}}},
           {50, true, true, {{100, 1, 10}, {200, 2, 20}, {50, -1, -10}}},
           {50, false, false, {{50, 1, 10}, {200, 2, 20}, {300, 4, 40}}},
       }) {
    this->makeIncreasing();
    truncate(this->table_, k.depth, k.keepAbove, k.extrapolate);
    EXPECT_EQ(rows(this->table_), k.expected)
        << k.depth << " keepAbove " << k.keepAbove << " extrapolate " << k.extrapolate;
  }
}

TYPED_TEST(DepthTableOperations, TruncatesADecreasingTable) {
  struct Case {
    double depth;
    bool keepAbove, extrapolate;
    Rows expected;
  };
  for (Case const& k : std::vector<Case>{
           {250, true, false, {{250, 3, 30}, {200, 2, 20}, {100, 1, 10}}},
           {250, false, false, {{300, 4, 40}, {250, 3, 30}}},
           {150, true, true, {{150, 1.5, 15}, {100, 1, 10}}},
           {200, false, true, {{300, 4, 40}, {200, 2, 20}}},
           {350, true, false, {{350, 4, 40}, {200, 2, 20}, {100, 1, 10}}},
           {50, true, false, {{50, 1, 10}}},
           {50, false, false, {{300, 4, 40}, {200, 2, 20}, {50, 1, 10}}},
           {50, false, true, {{300, 4, 40}, {200, 2, 20}, {50, 0.5, 5}}},
       }) {
    this->makeDecreasing();
    truncate(this->table_, k.depth, k.keepAbove, k.extrapolate);
    EXPECT_EQ(rows(this->table_), k.expected)
        << k.depth << " keepAbove " << k.keepAbove << " extrapolate " << k.extrapolate;
  }
}

TYPED_TEST(DepthTableOperations, NormalizesOneCompositionRow) {
  TypeParam& table = this->table_;
  fill(table, {{100, 1, 3, 0, 0}, {200, 0, 0, 0, 0}, {300, -1, 3, 0, 0}, {400, 1, -1, 0, 0}});
  for (int row = 0; row < 4; ++row) normalizeComposition(table, row);
  EXPECT_EQ(rows(table), (Rows{{100, 0.25, 0.75, 0, 0},
                               {200, 0.25, 0.25, 0.25, 0.25},
                               {300, -0.5, 1.5, 0, 0},
                               {400, 0.25, 0.25, 0.25, 0.25}}));

  // A sum that is not a number still scales the row.
  double const nan = std::numeric_limits<double>::quiet_NaN();
  table.setProperty(0, 0, nan);
  normalizeComposition(table, 0);
  EXPECT_TRUE(std::isnan(table.getProperty(0, 3)));
  EXPECT_EQ(rows(table)[1], (std::vector<double>{200, 0.25, 0.25, 0.25, 0.25}));

  // Without components nothing is read, not even the row.
  TypeParam bare;
  bare.setNumDepths(1);
  normalizeComposition(bare, 5);
  EXPECT_EQ(rows(bare), (Rows{{0}}));
}

// Bad indices are reported by the table itself, before anything is written.
TEST(DepthTableOperationsOnStdDepthTable, PassOnTheTablesIndexErrors) {
  StdDepthTable table;
  fill(table, {{100, 1, 10}, {200, 2, 20}});
  auto const before = support::observe(table);
  for (bool extrapolate : {false, true}) {
    for (double depth : {50.0, 150.0, 250.0}) {
      EXPECT_THROW_EXACT(interpolate(table, depth, 2, extrapolate), std::range_error,
                         "Invalid component index in StdDepthTable");
      EXPECT_THROW_EXACT(interpolate(table, depth, -1, extrapolate), std::range_error,
                         "Invalid component index in StdDepthTable");
    }
  }
  EXPECT_THROW_EXACT(normalizeComposition(table, 2), std::range_error,
                     "Invalid depth index in StdDepthTable");
  EXPECT_THROW_EXACT(normalizeComposition(table, -1), std::range_error,
                     "Invalid depth index in StdDepthTable");
  EXPECT_EQ(support::observe(table), before);

  StdDepthTable single;
  fill(single, {{100, 1}});
  EXPECT_THROW_EXACT(interpolate(single, 100, 1, false), std::range_error,
                     "Invalid component index in StdDepthTable");
}
