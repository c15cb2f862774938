#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "DepthTableState.h"
#include "Orv/Tess/Varnak/StdInitialCondition.h"
#include "support/Expect.h"

using namespace Orv::Tess::Varnak;
using depthstate::fill;
using depthstate::snapshot;
using Property = IInitialCondition::Property;

namespace {

Property property(int value) { return static_cast<Property>(value); }

std::vector<double> numbers(IInitialCondition const& ic) {
  return {ic.getDatumDepth(),         ic.getDatumPressure(),
          ic.getGasOilContactDepth(), ic.getGasOilContactCapillaryPressure(),
          ic.getWaterContactDepth(),  ic.getWaterContactCapillaryPressure()};
}

// Which of the keys -5 … 12 hold a depth table.
std::vector<int> tableKeys(IInitialCondition const& ic) {
  std::vector<int> keys;
  for (int p = -5; p <= 12; ++p)
    if (ic.hasDepthTable(property(p))) keys.push_back(p);
  return keys;
}

}  // namespace

TEST(StdInitialCondition, StartsAtZeroWithoutDepthTablesAndKeepsEachNumber) {
  StdInitialCondition ic("North");
  EXPECT_EQ(ic.getName(), "North");
  EXPECT_EQ(StdInitialCondition().getName(), "");
  EXPECT_EQ(numbers(ic), std::vector<double>(6, 0.0));
  EXPECT_TRUE(tableKeys(ic).empty());

  ic.setDatumDepth(2500.0);
  ic.setDatumPressure(310.0);
  ic.setGasOilContactDepth(2400.0);
  ic.setGasOilContactCapillaryPressure(0.2);
  ic.setWaterContactDepth(2700.0);
  ic.setWaterContactCapillaryPressure(0.5);
  EXPECT_EQ(numbers(ic), (std::vector<double>{2500.0, 310.0, 2400.0, 0.2, 2700.0, 0.5}));
}

TEST(StdInitialCondition, MakesDepthTablesOnDemandAndReportsMissingOnes) {
  StdInitialCondition ic("North");
  StdInitialCondition const& view = ic;
  for (int p : {3, 0, 11, -4, 12}) {
    EXPECT_THROW_EXACT(view.getDepthTable(property(p)), std::range_error,
                       "Initial condition does not have depth table " + std::to_string(p));
  }
  EXPECT_TRUE(tableKeys(ic).empty());  // failed lookups made nothing

  IDepthTable& rs = ic.getDepthTable(Property::DewPointPressure);
  EXPECT_EQ(snapshot(rs), (std::vector<double>{0, 0}));
  EXPECT_TRUE(ic.hasDepthTable(property(3)));
  EXPECT_EQ(&view.getDepthTable(Property::DewPointPressure), &rs);
  EXPECT_EQ(&ic.getDepthTable(Property::DewPointPressure), &rs);  // no second table

  // Tables stay in place while others come and go.
  fill(rs, {{100.0, 1.0}});
  for (int p = 0; p < 12; ++p) ic.getDepthTable(property(p));
  ic.getDepthTable(property(-4));
  ic.deleteDepthTable(Property::Temperature);
  ic.deleteDepthTable(Property::Temperature);  // already gone: nothing happens
  EXPECT_EQ(snapshot(rs), (std::vector<double>{1, 1, 100.0, 1.0}));
  EXPECT_EQ(tableKeys(ic), (std::vector<int>{-4, 0, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11}));
}

TEST(StdInitialCondition, CopiesCarryNameNumbersAndTheirOwnDepthTables) {
  StdInitialCondition source("South");
  source.setDatumDepth(1800.0);
  source.setWaterContactDepth(1950.0);
  fill(source.getDepthTable(Property::SolutionGasOilRatio), {{1700.0, 80.0}, {1900.0, 95.0}});
  fill(source.getDepthTable(Property::Temperature), {{1700.0, 70.0}});
  auto const rsState = snapshot(source.getDepthTable(Property::SolutionGasOilRatio));

  StdInitialCondition copy(source);
  EXPECT_EQ(copy.getName(), "South");
  EXPECT_EQ(numbers(copy), numbers(source));
  EXPECT_EQ(tableKeys(copy), tableKeys(source));
  IDepthTable& copiedRs = copy.getDepthTable(Property::SolutionGasOilRatio);
  EXPECT_NE(&copiedRs, &source.getDepthTable(Property::SolutionGasOilRatio));
  copiedRs.setProperty(0, 0, 1.0);
  copy.deleteDepthTable(Property::Temperature);
  EXPECT_EQ(snapshot(source.getDepthTable(Property::SolutionGasOilRatio)), rsState);
  EXPECT_TRUE(source.hasDepthTable(Property::Temperature));

  StdInitialCondition assigned("Other");
  assigned.getDepthTable(Property::Pressure);
  assigned = source;  // replaces everything, the depth tables included
  EXPECT_EQ(assigned.getName(), "South");
  EXPECT_EQ(numbers(assigned), numbers(source));
  EXPECT_EQ(tableKeys(assigned), tableKeys(source));

  StdInitialCondition moved(std::move(assigned));
  EXPECT_EQ(snapshot(moved.getDepthTable(Property::SolutionGasOilRatio)), rsState);
  StdInitialCondition moveAssigned;
  moveAssigned = std::move(moved);
  EXPECT_EQ(moveAssigned.getName(), "South");
  EXPECT_EQ(tableKeys(moveAssigned), (std::vector<int>{0, 4}));
}
