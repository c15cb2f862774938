#include <gtest/gtest.h>

#include "frame/FlatTable.h"
#include "support/Expect.h"

namespace flat = Orv::Tess::Varnak::detail;

// The three members every flat table holds, resized by the shared rules.
struct Table {
  std::vector<double> keys, values;
  int numComponents = 0;
  void setNumRows(int n) { flat::setNumRows(keys, values, numComponents, n); }
  void setNumComponents(int n) { flat::setNumComponents(keys, values, numComponents, n); }
  double& value(int r, int c) { return values[flat::flatPosition(r, numComponents, c)]; }
};

TEST(FlatTable, GrowingRowsKeepsRowsInPlaceWhileChangingWidthKeepsFlatPositions) {
  Table t;
  t.setNumComponents(3);  // no rows yet: the values stay empty
  EXPECT_TRUE(t.values.empty());
  t.setNumRows(2);
  ASSERT_EQ(t.values.size(), 6u);
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 3; ++c) t.value(r, c) = 10.0 * r + c;
  EXPECT_EQ(t.value(1, 2), 12.0);  // flat position 5

  t.setNumRows(3);  // a new zero row at the end
  EXPECT_EQ(t.value(1, 2), 12.0);
  EXPECT_EQ(t.value(2, 0), 0.0);

  t.setNumComponents(2);  // 3 rows × 2: the first six flat values, re-read under width 2
  EXPECT_EQ(t.values, (std::vector<double>{0.0, 1.0, 2.0, 10.0, 11.0, 12.0}));
  EXPECT_EQ(t.value(1, 0), 2.0);
}

TEST(FlatTable, NegativeCountsRaiseTheLengthErrorWithTheDocumentedPartialEffects) {
  Table t;
  t.setNumComponents(-2);  // no rows: stored as it is
  EXPECT_EQ(t.numComponents, -2);

  // The keys are resized before the values fail on the negative width.
  EXPECT_THROW_EXACT(t.setNumRows(4), std::length_error, "vector<T> too long");
  EXPECT_EQ(t.keys.size(), 4u);
  EXPECT_TRUE(t.values.empty());

  Table u;
  u.setNumRows(2);
  u.setNumComponents(1);
  EXPECT_THROW_EXACT(u.setNumRows(-1), std::length_error, "vector<T> too long");
  EXPECT_THROW_EXACT(u.setNumComponents(-1), std::length_error, "vector<T> too long");
  EXPECT_EQ(u.keys.size(), 2u);
  EXPECT_EQ(u.numComponents, 1);
  EXPECT_EQ(u.values.size(), 2u);
}
