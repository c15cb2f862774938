#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "DepthTableState.h"
#include "Orv/Tess/Varnak/StdDepthTable.h"
#include "support/Expect.h"

using namespace Orv::Tess::Varnak;
using depthstate::fill;
using depthstate::snapshot;

TEST(StdDepthTable, StoresRowsByDepthAndComponentsAcross) {
  StdDepthTable table;
  EXPECT_EQ(snapshot(table), (std::vector<double>{0, 0}));
  fill(table, {{1000.0, 0.1, 0.2}, {1100.0, 0.3, 0.4}, {1200.0, 0.5, 0.6}});
  EXPECT_EQ(table.getNumDepths(), 3);
  EXPECT_EQ(table.getNumComponents(), 2);
  EXPECT_EQ(table.getDepth(2), 1200.0);
  EXPECT_EQ(table.getProperty(2, 1), 0.6);  // flat position 5
  EXPECT_EQ(table.getProperty(1, 0), 0.3);
}

TEST(StdDepthTable, ChecksTheDepthIndexBeforeTheComponentIndex) {
  StdDepthTable table;
  fill(table, {{1000.0, 0.1, 0.2}, {1100.0, 0.3, 0.4}, {1200.0, 0.5, 0.6}});
  auto const before = snapshot(table);
  char const* const depthText = "Invalid depth index in StdDepthTable";
  char const* const componentText = "Invalid component index in StdDepthTable";
  struct Case {
    int d, c;
    char const* text;
  };
  for (Case k : std::vector<Case>{{3, 0, depthText},
                                  {-1, 5, depthText},
                                  {-1, 0, depthText},
                                  {0, 2, componentText},
                                  {2, -1, componentText}}) {
    EXPECT_THROW_EXACT(table.getProperty(k.d, k.c), std::range_error, k.text);
    EXPECT_THROW_EXACT(table.setProperty(k.d, k.c, 9.0), std::range_error, k.text);
  }
  for (int d : {-1, 3}) {
    EXPECT_THROW_EXACT(table.getDepth(d), std::range_error, depthText);
    EXPECT_THROW_EXACT(table.setDepth(d, 9.0), std::range_error, depthText);
  }
  EXPECT_EQ(snapshot(table), before);
}

TEST(StdDepthTable, ResizingTheDepthsKeepsWholeRows) {
  StdDepthTable table;
  table.setNumComponents(3);  // no rows yet: nothing to hold
  table.setNumDepths(2);
  EXPECT_EQ(snapshot(table), (std::vector<double>{2, 3, 0, 0, 0, 0, 0, 0, 0, 0}));
  for (int c = 0; c < 3; ++c) {
    table.setProperty(0, c, 1.0 + c);
    table.setProperty(1, c, 4.0 + c);
  }
  table.setDepth(0, 50.0);
  table.setNumDepths(1);  // keeps the first row
  EXPECT_EQ(snapshot(table), (std::vector<double>{1, 3, 50, 1, 2, 3}));
}

TEST(StdDepthTable, NegativeCountsRaiseTheLengthErrorWithTheirPartialEffects) {
  StdDepthTable table;
  fill(table, {{10.0, 1.0}, {20.0, 2.0}});
  auto const before = snapshot(table);
  EXPECT_THROW_EXACT(table.setNumDepths(-1), std::length_error, "vector<T> too long");
  EXPECT_THROW_EXACT(table.setNumComponents(-1), std::length_error, "vector<T> too long");
  EXPECT_EQ(snapshot(table), before);

  // Without depths a negative width is stored; growing the depths then resizes the
  // depths before the values fail.
  StdDepthTable odd;
  odd.setNumComponents(-2);
  EXPECT_EQ(odd.getNumComponents(), -2);
  EXPECT_THROW_EXACT(odd.setNumDepths(3), std::length_error, "vector<T> too long");
  EXPECT_EQ(odd.getNumDepths(), 3);
  EXPECT_EQ(odd.getDepth(2), 0.0);
  EXPECT_THROW_EXACT(odd.getProperty(0, 0), std::range_error,
                     "Invalid component index in StdDepthTable");
}

TEST(StdDepthTable, CopiesAreIndependentAndMovedFromTablesStayUsable) {
  StdDepthTable source;
  fill(source, {{10.0, 1.0, 2.0}, {20.0, 3.0, 4.0}});
  auto const state = snapshot(source);

  StdDepthTable copy(source);
  copy.setProperty(0, 0, -1.0);
  copy.setNumDepths(5);
  EXPECT_EQ(snapshot(source), state);

  copy = source;
  EXPECT_EQ(snapshot(copy), state);
  StdDepthTable const& alias = copy;
  copy = alias;
  EXPECT_EQ(snapshot(copy), state);

  StdDepthTable moved(std::move(copy));
  EXPECT_EQ(snapshot(moved), state);
  EXPECT_EQ(copy.getNumDepths(), 0);  // NOLINT(bugprone-use-after-move): documented state
  copy.setNumDepths(1);
  EXPECT_EQ(copy.getNumDepths(), 1);

  StdDepthTable target;
  target = std::move(moved);
  EXPECT_EQ(snapshot(target), state);
  EXPECT_EQ(moved.getNumDepths(), 0);  // NOLINT(bugprone-use-after-move): documented state
  fill(moved, {{30.0, 5.0, 6.0}});
  EXPECT_EQ(snapshot(moved), (std::vector<double>{1, 2, 30.0, 5.0, 6.0}));
  EXPECT_EQ(snapshot(target), state);
}
