#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak.h"
#include "support/Support.h"

using namespace Orv::Tess::Varnak;
using support::observe;
using Type = ITracerModel::DepthTableType;

namespace {

constexpr Type kFree = Type::FreePhaseConcentration;
constexpr Type kSolution = Type::SolutionPhaseConcentration;

std::string negativeRegion(int region) {
  return "'Error in Tracer vs. Depth table for tracer 'T1'.  Region number '" +
         std::to_string(region) + "' is invalid.'";
}

std::string missingPrevious(int region) {
  return "'Error in Tracer vs. Depth table for tracer 'T1'.  Region number '" +
         std::to_string(region) + "' is invalid as region '" + std::to_string(region - 1) +
         "' does not exist.'";
}

}  // namespace

TEST(TracerModel, RegionsOfOneTypeMustFormAnUnbrokenRunFromZero) {
  StdTracerModel tracer("T1");
  tracer.setComponentName("C1");  // messages name the tracer, not its carrier
  StdTracerModel const& view = tracer;
  EXPECT_EQ(tracer.getDepthTable(kFree, 0), nullptr);
  EXPECT_EQ(view.getDepthTable(kFree, 0), nullptr);
  std::vector<std::pair<std::function<void()>, std::string>> const cases = {
      {[&] { tracer.getDepthTable(kFree, 1); }, missingPrevious(1)},
      {[&] { view.getDepthTable(kFree, 1); }, missingPrevious(1)},
      {[&] { tracer.makeDepthTable(kFree, 2); }, missingPrevious(2)},
      {[&] { tracer.deleteDepthTable(kFree, 1); }, missingPrevious(1)},
      {[&] { tracer.getDepthTable(kFree, -1); }, negativeRegion(-1)},
      {[&] { view.getDepthTable(kFree, -1); }, negativeRegion(-1)},
      {[&] { tracer.makeDepthTable(kSolution, -3); }, negativeRegion(-3)},
      {[&] { tracer.deleteDepthTable(kFree, -1); }, negativeRegion(-1)},
  };
  for (auto const& [call, message] : cases) {
    EXPECT_THROW_EXACT(call(), std::range_error, message);
    EXPECT_EQ(tracer.getNumOfDepthTables(), 0);
  }

  support::fill(tracer.makeDepthTable(kFree, 0), 1.0);
  support::fill(tracer.makeDepthTable(kFree, 1), 2.0);
  std::string const region1 = observe(*tracer.getDepthTable(kFree, 1));
  EXPECT_EQ(tracer.getNumOfDepthTables(), 2);
  EXPECT_EQ(tracer.getNumOfDepthTablesOfType(kFree), 2);
  EXPECT_EQ(tracer.getNumOfDepthTablesOfType(kSolution), 0);
  EXPECT_TRUE(tracer.hasDepthTablesOfType(kFree));
  EXPECT_FALSE(tracer.hasDepthTablesOfType(kSolution));
  // The run of one type does not open the regions of another.
  EXPECT_THROW_EXACT(tracer.makeDepthTable(kSolution, 1), std::range_error, missingPrevious(1));
  EXPECT_EQ(tracer.getNumOfDepthTables(), 2);

  // Deleting region 0 hides region 1 (still stored) until region 0 is made again.
  tracer.deleteDepthTable(kFree, 0);
  EXPECT_EQ(tracer.getNumOfDepthTablesOfType(kFree), 1);
  EXPECT_TRUE(tracer.hasDepthTablesOfType(kFree));  // one table is enough
  EXPECT_THROW_EXACT(tracer.getDepthTable(kFree, 1), std::range_error, missingPrevious(1));
  EXPECT_THROW_EXACT(tracer.deleteDepthTable(kFree, 1), std::range_error, missingPrevious(1));
  EXPECT_EQ(tracer.getNumOfDepthTablesOfType(kFree), 1);
  ITracerDepthTable& again = tracer.makeDepthTable(kFree, 0);  // a new, empty table
  EXPECT_EQ(again.getNumDepths(), 0);
  EXPECT_EQ(tracer.getDepthTable(kFree, 0), &again);
  EXPECT_EQ(observe(*tracer.getDepthTable(kFree, 1)), region1);
  tracer.deleteDepthTable(kFree, 2);  // nothing there: nothing happens
  EXPECT_EQ(tracer.getNumOfDepthTables(), 2);

  // Integers outside the enumerators work as types.
  Type const odd = static_cast<Type>(42);
  tracer.makeDepthTable(odd, 0);
  tracer.makeDepthTable(odd, 1);
  EXPECT_EQ(tracer.getNumOfDepthTablesOfType(odd), 2);
  EXPECT_EQ(tracer.getNumOfDepthTablesOfType(static_cast<Type>(-42)), 0);
  EXPECT_EQ(tracer.getNumOfDepthTables(), 4);
}

TEST(TracerModel, CopiesShareTheirDepthTablesButNotTheirMaps) {
  StdTracerModel source("T");
  source.setComponentName("CO2");
  support::fill(source.makeDepthTable(kFree, 0), 1.0);
  support::fill(source.makeDepthTable(kFree, 1), 2.0);
  support::fill(source.makeDepthTable(kSolution, 0), 3.0);
  StdTracerModel copy(source);
  EXPECT_EQ(observe(copy), observe(source));
  ITracerDepthTable* const shared = source.getDepthTable(kFree, 0);
  ASSERT_EQ(copy.getDepthTable(kFree, 0), shared);  // a value set through one is seen by both

  // Making or deleting tables changes only the model it is called on.
  std::string const sourceState = observe(source);
  copy.makeDepthTable(kFree, 0);
  copy.deleteDepthTable(kSolution, 0);
  copy.setComponentName("N2");
  EXPECT_EQ(observe(source), sourceState);
  source.deleteDepthTable(kFree, 0);
  EXPECT_EQ(copy.getNumOfDepthTablesOfType(kFree), 2);

  // Assignment replaces name, carrier and map, and shares the tables again.
  StdTracerModel assigned("Other");
  assigned.makeDepthTable(kSolution, 0);
  assigned = copy;
  EXPECT_EQ(observe(assigned), observe(copy));
  EXPECT_EQ(assigned.getDepthTable(kFree, 0), copy.getDepthTable(kFree, 0));
  StdTracerModel& self = assigned;
  assigned = self;  // assignment to itself changes nothing
  EXPECT_EQ(observe(assigned), observe(copy));
  // A moved-from model's tables live on in the model that took them.
  ITracerDepthTable* const table = copy.getDepthTable(kFree, 0);
  StdTracerModel moved(std::move(copy));
  EXPECT_EQ(moved.getDepthTable(kFree, 0), table);
}

TEST(TracerDepthTable, ResizesBothColumnsTogetherAndChecksEveryIndex) {
  StdTracerDepthTable table;
  table.setNumDepths(3);
  for (int i = 0; i < 3; ++i) {
    table.setDepth(i, 1000.0 + 100 * i);
    table.setConcentration(i, 0.1 * (i + 1));
  }
  table.setNumDepths(2);
  table.setNumDepths(3);
  EXPECT_EQ((std::vector<double>{table.getDepth(1), table.getConcentration(1), table.getDepth(2),
                                 table.getConcentration(2)}),
            (std::vector<double>{1100.0, 0.2, 0.0, 0.0}));
  std::string const before = observe(table);
  std::string const bad = "Invalid depth index in StdTracerDepthTable";
  for (int i : {-1, 3}) {
    EXPECT_THROW_EXACT(table.getDepth(i), std::range_error, bad);
    EXPECT_THROW_EXACT(table.setDepth(i, 1.0), std::range_error, bad);
    EXPECT_THROW_EXACT(table.getConcentration(i), std::range_error, bad);
    EXPECT_THROW_EXACT(table.setConcentration(i, 1.0), std::range_error, bad);
  }
  EXPECT_THROW_EXACT(table.setNumDepths(-1), std::length_error, "vector<T> too long");
  EXPECT_EQ(observe(table), before);
  StdTracerDepthTable copy(table);  // copies of a table object are independent of it
  copy.setDepth(0, 5.0);
  EXPECT_EQ(observe(table), before);
}
