#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/ITracerDepthTable.h"
#include "Orv/Tess/Varnak/StdTracerDepthTable.h"
#include "Orv/Tess/Varnak/StdTracerModel.h"
#include "support/Expect.h"

using namespace Orv::Tess::Varnak;
using Type = ITracerModel::DepthTableType;
using Rows = std::vector<std::pair<double, double>>;  // (depth, concentration)

namespace {

constexpr Type kFree = Type::FreePhaseConcentration;
constexpr Type kSolution = Type::SolutionPhaseConcentration;

std::string negativeRegion(std::string const& tracer, int region) {
  return "'Error in Tracer vs. Depth table for tracer '" + tracer + "'.  Region number '" +
         std::to_string(region) + "' is invalid.'";
}

std::string missingPrevious(std::string const& tracer, int region) {
  return "'Error in Tracer vs. Depth table for tracer '" + tracer + "'.  Region number '" +
         std::to_string(region) + "' is invalid as region '" + std::to_string(region - 1) +
         "' does not exist.'";
}

void fill(ITracerDepthTable& table, Rows const& rows) {
  table.setNumDepths(static_cast<int>(rows.size()));
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    table.setDepth(i, rows[i].first);
    table.setConcentration(i, rows[i].second);
  }
}

Rows rowsOf(ITracerDepthTable const& table) {
  Rows rows;
  for (int i = 0; i < table.getNumDepths(); ++i)
    rows.emplace_back(table.getDepth(i), table.getConcentration(i));
  return rows;
}

}  // namespace

TEST(TracerModel, RegionsOfOneTypeMustFormAnUnbrokenRunFromZero) {
  StdTracerModel tracer("T1");
  tracer.setComponentName("C1");  // messages name the tracer, not its carrier
  StdTracerModel const& view = tracer;
  EXPECT_EQ(tracer.getDepthTable(kFree, 0), nullptr);
  EXPECT_EQ(view.getDepthTable(kFree, 0), nullptr);

  struct Case {
    std::function<void()> call;
    std::string message;
  };
  std::vector<Case> const cases = {
      {[&] { tracer.getDepthTable(kFree, 1); }, missingPrevious("T1", 1)},
      {[&] { view.getDepthTable(kFree, 1); }, missingPrevious("T1", 1)},
      {[&] { tracer.makeDepthTable(kFree, 2); }, missingPrevious("T1", 2)},
      {[&] { tracer.deleteDepthTable(kFree, 1); }, missingPrevious("T1", 1)},
      {[&] { tracer.getDepthTable(kFree, -1); }, negativeRegion("T1", -1)},
      {[&] { view.getDepthTable(kFree, -1); }, negativeRegion("T1", -1)},
      {[&] { tracer.makeDepthTable(kSolution, -3); }, negativeRegion("T1", -3)},
      {[&] { tracer.deleteDepthTable(kFree, -1); }, negativeRegion("T1", -1)},
  };
  for (Case const& c : cases) {
    EXPECT_THROW_EXACT(c.call(), std::range_error, c.message);
    EXPECT_EQ(tracer.getNumOfDepthTables(), 0);
  }

  fill(tracer.makeDepthTable(kFree, 0), {{1000.0, 0.5}});
  fill(tracer.makeDepthTable(kFree, 1), {{1200.0, 0.7}});
  EXPECT_EQ(tracer.getNumOfDepthTables(), 2);
  EXPECT_EQ(tracer.getNumOfDepthTablesOfType(kFree), 2);
  EXPECT_EQ(tracer.getNumOfDepthTablesOfType(kSolution), 0);
  EXPECT_TRUE(tracer.hasDepthTablesOfType(kFree));
  EXPECT_FALSE(tracer.hasDepthTablesOfType(kSolution));
  // The run of one type does not open the regions of another.
  EXPECT_THROW_EXACT(tracer.makeDepthTable(kSolution, 1), std::range_error,
                     missingPrevious("T1", 1));
  EXPECT_EQ(tracer.getNumOfDepthTables(), 2);

  // Deleting region 0 hides region 1 (still stored) until region 0 is made again.
  tracer.deleteDepthTable(kFree, 0);
  EXPECT_EQ(tracer.getNumOfDepthTablesOfType(kFree), 1);
  EXPECT_THROW_EXACT(tracer.getDepthTable(kFree, 1), std::range_error, missingPrevious("T1", 1));
  EXPECT_THROW_EXACT(tracer.deleteDepthTable(kFree, 1), std::range_error, missingPrevious("T1", 1));
  EXPECT_EQ(tracer.getNumOfDepthTablesOfType(kFree), 1);
  tracer.makeDepthTable(kFree, 0);
  ASSERT_NE(tracer.getDepthTable(kFree, 1), nullptr);
  EXPECT_EQ(rowsOf(*tracer.getDepthTable(kFree, 1)), (Rows{{1200.0, 0.7}}));

  tracer.deleteDepthTable(kFree, 2);  // nothing there: nothing happens
  EXPECT_EQ(tracer.getNumOfDepthTables(), 2);
}

TEST(TracerModel, MakingATableAgainReplacesItWithAnEmptyOne) {
  StdTracerModel tracer("T");
  fill(tracer.makeDepthTable(kSolution, 0), {{1.0, 2.0}, {3.0, 4.0}});
  ITracerDepthTable& again = tracer.makeDepthTable(kSolution, 0);
  EXPECT_EQ(tracer.getNumOfDepthTables(), 1);
  EXPECT_EQ(again.getNumDepths(), 0);
  EXPECT_EQ(tracer.getDepthTable(kSolution, 0), &again);
}

TEST(TracerModel, IntegersOutsideTheEnumeratorsWorkAsTypes) {
  StdTracerModel tracer("T");
  Type const odd = static_cast<Type>(42);
  tracer.makeDepthTable(odd, 0);
  tracer.makeDepthTable(odd, 1);
  tracer.makeDepthTable(kFree, 0);
  EXPECT_EQ(tracer.getNumOfDepthTablesOfType(odd), 2);
  EXPECT_EQ(tracer.getNumOfDepthTablesOfType(static_cast<Type>(-42)), 0);
  EXPECT_EQ(tracer.getNumOfDepthTables(), 3);
}

TEST(TracerModel, CopiesShareTheirDepthTablesButNotTheirMaps) {
  StdTracerModel source("T");
  source.setComponentName("CO2");
  fill(source.makeDepthTable(kFree, 0), {{1000.0, 0.1}, {2000.0, 0.2}});

  StdTracerModel copy(source);
  EXPECT_EQ(copy.getName(), "T");
  EXPECT_EQ(copy.getComponentName(), "CO2");
  ASSERT_EQ(copy.getDepthTable(kFree, 0), source.getDepthTable(kFree, 0));

  // A value set through either model is seen through both.
  source.getDepthTable(kFree, 0)->setConcentration(1, 0.25);
  EXPECT_EQ(copy.getDepthTable(kFree, 0)->getConcentration(1), 0.25);

  // Making or deleting tables changes only the model it is called on.
  copy.makeDepthTable(kFree, 1);
  copy.makeDepthTable(kFree, 0);
  copy.setComponentName("N2");
  EXPECT_EQ(source.getNumOfDepthTables(), 1);
  EXPECT_EQ(source.getComponentName(), "CO2");
  EXPECT_EQ(rowsOf(*source.getDepthTable(kFree, 0)), (Rows{{1000.0, 0.1}, {2000.0, 0.25}}));
  source.deleteDepthTable(kFree, 0);
  EXPECT_EQ(copy.getNumOfDepthTables(), 2);

  // Assignment replaces name, carrier and map, and shares the tables again.
  StdTracerModel assigned("Other");
  assigned.makeDepthTable(kSolution, 0);
  assigned = copy;
  EXPECT_EQ(assigned.getName(), "T");
  EXPECT_EQ(assigned.getComponentName(), "N2");
  EXPECT_FALSE(assigned.hasDepthTablesOfType(kSolution));
  EXPECT_EQ(assigned.getDepthTable(kFree, 1), copy.getDepthTable(kFree, 1));
  StdTracerModel& self = assigned;
  assigned = self;  // assignment to itself changes nothing
  EXPECT_EQ(assigned.getNumOfDepthTables(), 2);

  // A moved-from model's tables live on in the model that took them.
  ITracerDepthTable* const table = copy.getDepthTable(kFree, 1);
  StdTracerModel moved(std::move(copy));
  EXPECT_EQ(moved.getDepthTable(kFree, 1), table);
}

TEST(TracerDepthTable, ResizesBothColumnsTogetherAndChecksEveryIndex) {
  StdTracerDepthTable table;
  table.setNumDepths(3);
  EXPECT_EQ(rowsOf(table), (Rows(3, {0.0, 0.0})));
  fill(table, {{1000.0, 0.1}, {1100.0, 0.2}, {1200.0, 0.3}});

  table.setNumDepths(2);
  table.setNumDepths(4);
  Rows const expected = {{1000.0, 0.1}, {1100.0, 0.2}, {0.0, 0.0}, {0.0, 0.0}};
  EXPECT_EQ(rowsOf(table), expected);

  std::string const bad = "Invalid depth index in StdTracerDepthTable";
  for (int i : {-1, 4}) {
    EXPECT_THROW_EXACT(table.getDepth(i), std::range_error, bad);
    EXPECT_THROW_EXACT(table.setDepth(i, 1.0), std::range_error, bad);
    EXPECT_THROW_EXACT(table.getConcentration(i), std::range_error, bad);
    EXPECT_THROW_EXACT(table.setConcentration(i, 1.0), std::range_error, bad);
  }
  EXPECT_THROW_EXACT(table.setNumDepths(-1), std::length_error, "vector<T> too long");
  EXPECT_EQ(rowsOf(table), expected);

  // Copies of a table object are independent of it.
  StdTracerDepthTable copy(table);
  copy.setDepth(0, 5.0);
  EXPECT_EQ(table.getDepth(0), 1000.0);
}
