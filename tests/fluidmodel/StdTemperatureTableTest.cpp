#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/StdTemperatureTable.h"
#include "support/Expect.h"

using namespace Orv::Tess::Varnak;

namespace {

// Row counts first, then each row's temperature followed by its values.
std::vector<double> snapshot(ITemperatureTable const& t) {
  std::vector<double> s{static_cast<double>(t.getNumTemperatures()),
                        static_cast<double>(t.getNumComponents())};
  for (int r = 0; r < t.getNumTemperatures(); ++r) {
    s.push_back(t.getTemperature(r));
    for (int c = 0; c < t.getNumComponents(); ++c) s.push_back(t.getProperty(r, c));
  }
  return s;
}

// Two temperatures (60 and 120) by three components, values 1 … 6 in flat order.
StdTemperatureTable viscosities() {
  StdTemperatureTable t;
  t.setNumComponents(3);
  EXPECT_EQ(snapshot(t), (std::vector<double>{0, 3}));  // no rows: nothing held yet
  t.setNumTemperatures(2);
  EXPECT_EQ(snapshot(t), (std::vector<double>{2, 3, 0, 0, 0, 0, 0, 0, 0, 0}));
  t.setTemperature(0, 60.0);
  t.setTemperature(1, 120.0);
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 3; ++c) t.setProperty(r, c, 1.0 + 3 * r + c);
  return t;
}

}  // namespace

TEST(StdTemperatureTable, StoresRowsByTemperatureAndChecksTheTemperatureIndexFirst) {
  StdTemperatureTable table = viscosities();
  EXPECT_EQ(table.getProperty(1, 2), 6.0);  // flat position 5
  EXPECT_EQ(table.getTemperature(1), 120.0);

  auto const before = snapshot(table);
  char const* const tempText = "Invalid temp index in StdTemperatureTable";
  char const* const componentText = "Invalid component index in StdTemperatureTable";
  struct Case {
    int t, c;
    char const* text;
  };
  for (Case k : std::vector<Case>{
           {2, 0, tempText}, {-1, 7, tempText}, {0, 3, componentText}, {1, -1, componentText}}) {
    EXPECT_THROW_EXACT(table.getProperty(k.t, k.c), std::range_error, k.text);
    EXPECT_THROW_EXACT(table.setProperty(k.t, k.c, 0.5), std::range_error, k.text);
  }
  for (int t : {-1, 2}) {
    EXPECT_THROW_EXACT(table.getTemperature(t), std::range_error, tempText);
    EXPECT_THROW_EXACT(table.setTemperature(t, 0.5), std::range_error, tempText);
  }
  EXPECT_THROW_EXACT(table.setNumTemperatures(-1), std::length_error, "vector<T> too long");
  EXPECT_THROW_EXACT(table.setNumComponents(-3), std::length_error, "vector<T> too long");
  EXPECT_EQ(snapshot(table), before);
}

TEST(StdTemperatureTable, GrowsByWholeRowsAndReportsNegativeCounts) {
  StdTemperatureTable table = viscosities();
  table.setNumTemperatures(3);
  EXPECT_EQ(snapshot(table), (std::vector<double>{3, 3, 60, 1, 2, 3, 120, 4, 5, 6, 0, 0, 0, 0}));

  StdTemperatureTable odd;
  odd.setNumComponents(-1);  // stored: there are no rows to resize
  EXPECT_EQ(odd.getNumComponents(), -1);
  EXPECT_THROW_EXACT(odd.setNumTemperatures(2), std::length_error, "vector<T> too long");
  EXPECT_EQ(odd.getNumTemperatures(), 2);  // the temperatures were resized first
}

TEST(StdTemperatureTable, CopiesAreIndependentAndMovedFromTablesStayUsable) {
  StdTemperatureTable source = viscosities();
  auto const state = snapshot(source);
  StdTemperatureTable copy(source);
  copy.setProperty(0, 0, -1.0);
  EXPECT_EQ(snapshot(source), state);
  copy = source;
  EXPECT_EQ(snapshot(copy), state);

  StdTemperatureTable moved(std::move(copy));
  EXPECT_EQ(snapshot(moved), state);
  EXPECT_EQ(copy.getNumTemperatures(), 0);  // NOLINT(bugprone-use-after-move)
  StdTemperatureTable target;
  target = std::move(moved);
  EXPECT_EQ(snapshot(target), state);

  // Both moved-from tables keep a storage of their own: they can be refilled without
  // touching the tables their content went to.
  for (StdTemperatureTable* left : {&copy, &moved}) {
    EXPECT_EQ(left->getNumTemperatures(), 0);
    left->setNumComponents(3);
    left->setNumTemperatures(1);
    left->setProperty(0, 2, 7.0);
    EXPECT_EQ(snapshot(*left), (std::vector<double>{1, 3, 0, 0, 0, 7}));
  }
  EXPECT_EQ(snapshot(target), state);
}
