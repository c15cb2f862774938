#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak.h"
#include "support/Support.h"

using namespace Orv::Tess::Varnak;
using support::fill;
using support::observe;
using Property = IInitialCondition::Property;

namespace {

Property property(int value) { return static_cast<Property>(value); }

// The name, the six numbers, and the keys -5 … 12 that hold a depth table.
std::pair<std::vector<double>, std::vector<int>> numbersAndKeys(IInitialCondition& ic) {
  std::pair<std::vector<double>, std::vector<int>> s{
      {ic.getDatumDepth(), ic.getDatumPressure(), ic.getGasOilContactDepth(),
       ic.getGasOilContactCapillaryPressure(), ic.getWaterContactDepth(),
       ic.getWaterContactCapillaryPressure()},
      {}};
  for (int p = -5; p <= 12; ++p)
    if (ic.hasDepthTable(property(p))) s.second.push_back(p);
  return s;
}

}  // namespace

TEST(StdInitialCondition, StartsAtZeroAndKeepsEachNumberInItsOwnPlace) {
  StdInitialCondition ic("North");
  EXPECT_EQ(ic.getName(), "North");
  EXPECT_EQ(StdInitialCondition().getName(), "");
  EXPECT_EQ(numbersAndKeys(ic), (std::pair{std::vector<double>(6, 0.0), std::vector<int>{}}));
  ic.setDatumDepth(2500.0);
  ic.setDatumPressure(310.0);
  ic.setGasOilContactDepth(2400.0);
  ic.setGasOilContactCapillaryPressure(0.2);
  ic.setWaterContactDepth(2700.0);
  ic.setWaterContactCapillaryPressure(0.5);
  EXPECT_EQ(numbersAndKeys(ic).first,
            (std::vector<double>{2500.0, 310.0, 2400.0, 0.2, 2700.0, 0.5}));
}

TEST(StdInitialCondition, MakesDepthTablesOnDemandAndReportsMissingOnes) {
  StdInitialCondition ic("North");
  StdInitialCondition const& view = ic;
  for (int p : {3, 0, 11, -4, 12}) {
    EXPECT_THROW_EXACT(view.getDepthTable(property(p)), std::range_error,
                       "Initial condition does not have depth table " + std::to_string(p));
  }
  EXPECT_TRUE(numbersAndKeys(ic).second.empty());  // failed lookups made nothing

  IDepthTable& rs = ic.getDepthTable(Property::DewPointPressure);
  EXPECT_EQ(observe(rs), observe(StdDepthTable()));
  EXPECT_EQ(&view.getDepthTable(Property::DewPointPressure), &rs);
  EXPECT_EQ(&ic.getDepthTable(Property::DewPointPressure), &rs);  // no second table
  // Tables stay in place while others come and go.
  fill(rs, 1.0);
  std::string const filled = observe(rs);
  for (int p = -4; p < 12; ++p) ic.getDepthTable(property(p));
  for (int p : {-3, -2, -1, 4, 4}) ic.deleteDepthTable(property(p));  // again: nothing happens
  EXPECT_EQ(observe(rs), filled);
  EXPECT_EQ(numbersAndKeys(ic).second, (std::vector<int>{-4, 0, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11}));
}

TEST(StdInitialCondition, CopiesCarryNameNumbersAndTheirOwnDepthTables) {
  StdInitialCondition source("South");
  source.setDatumDepth(1800.0);
  source.setWaterContactDepth(1950.0);
  fill(source.getDepthTable(Property::SolutionGasOilRatio), 1.0);
  source.getDepthTable(Property::Temperature);
  auto const state = numbersAndKeys(source);
  auto const rsState = observe(source.getDepthTable(Property::SolutionGasOilRatio));

  StdInitialCondition copy(source);
  StdInitialCondition assigned("Other");
  assigned.getDepthTable(Property::Pressure);
  assigned = source;  // replaces everything, the depth tables included
  for (StdInitialCondition* c : {&copy, &assigned}) {
    EXPECT_EQ(c->getName(), "South");
    EXPECT_EQ(numbersAndKeys(*c), state);
    IDepthTable& rs = c->getDepthTable(Property::SolutionGasOilRatio);
    EXPECT_EQ(observe(rs), rsState);
    rs.setProperty(0, 0, 1.0);
    c->deleteDepthTable(Property::Temperature);
  }
  EXPECT_EQ(observe(source.getDepthTable(Property::SolutionGasOilRatio)), rsState);
  EXPECT_EQ(numbersAndKeys(source), state);
  StdInitialCondition const& alias = source;
  source = alias;
  EXPECT_EQ(numbersAndKeys(source), state);

  StdInitialCondition moved(std::move(source));
  StdInitialCondition moveAssigned;
  moveAssigned = std::move(moved);
  EXPECT_EQ(moveAssigned.getName(), "South");
  EXPECT_EQ(numbersAndKeys(moveAssigned), state);
  EXPECT_EQ(observe(moveAssigned.getDepthTable(Property::SolutionGasOilRatio)), rsState);
}
