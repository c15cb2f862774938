// Copies of the common fluid-model part: water, initial conditions, depth and temperature
// tables, on black-oil models seen as bare fluid models.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>

#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/StdBlackOilModel.h"
#include "Orv/Tess/Varnak/StdCompositionalModel.h"
#include "Orv/Tess/Varnak/StdDepthTable.h"
#include "Orv/Tess/Varnak/StdInitialCondition.h"
#include "Orv/Tess/Varnak/StdTemperatureTable.h"
#include "Orv/Tess/Varnak/StdWaterProperties.h"
#include "copy/State.h"
#include "support/Expect.h"
#include "support/Fill.h"
#include "support/Observe.h"

using namespace Orv::Tess::Varnak;
using namespace state;
using Salt = IBrineComponent::SaltMoleculeType;

TEST(FluidPartCopy, LeavesTheTargetWithTheSourceValuesAndPassesErrorsOutUnchanged) {
  // Depth and temperature tables take the source's sizes and values whole.
  StdDepthTable depths, depthTarget;
  support::fill(depths, 100.0, 2, 2);
  support::fill(depthTarget, 900.0, 5, 4);
  copy(depths, depthTarget, 0);
  EXPECT_EQ(support::observe(depthTarget), support::observe(depths));
  StdTemperatureTable temperatures, temperatureTarget;
  support::fill(temperatures, 100.0, 2, 3);
  support::fill(temperatureTarget, 900.0, 4, 1);
  copy(temperatures, temperatureTarget, 0);
  EXPECT_EQ(support::observe(temperatureTarget), support::observe(temperatures));

  // An error passes out unchanged, and what was written before it stays written.
  struct Refusing : StdDepthTable {
    void setProperty(int d, int c, double v) override {
      if (d == 1 && c == 0) throw std::domain_error("refused");
      StdDepthTable::setProperty(d, c, v);
    }
  } fresh;
  EXPECT_THROW_EXACT(copy(depths, fresh, 0), std::domain_error, "refused");
  StdDepthTable partial;
  partial.setNumDepths(2);
  partial.setNumComponents(2);
  for (auto [d, c] : {std::pair{0, 0}, {0, 1}}) partial.setProperty(d, c, depths.getProperty(d, c));
  for (int d : {0, 1}) partial.setDepth(d, depths.getDepth(d));
  EXPECT_EQ(support::observe(fresh), support::observe(partial));

  // Water: exactly the six basic numbers; every flag bit set, the water copy looks at none.
  StdWaterProperties water, waterTarget;
  fillWater(water, 100.0, Salt::NACL);
  water.makeBrinePropertyTable().setTableSize(2);
  fillWater(waterTarget, 200.0, Salt::KCL);
  waterTarget.makeBrineComponent(Salt::CACL2);
  waterTarget.makeBrinePropertyTable().setReferencePressure(55.0);
  auto const before = snapshot(waterTarget);
  copy(water, waterTarget, -1);
  EXPECT_EQ(snapshot(waterTarget), withSixNumbersOf(before, snapshot(water)));
}

TEST(InitialConditionCopy, TransfersTheSixNumbersAndTheDepthTablesUnderBitFourOnly) {
  // The source holds the even properties, the target the odd ones; both hold tables under
  // keys outside the twelve, which a copy neither reads nor touches.
  StdInitialCondition source("S"), target("T");
  fillNumbers(source, 10.0);
  for (int k = 0; k <= 14; k += 2)
    support::fill(source.getDepthTable(depthKey(k)), k, 1 + k % 3, k % 4);
  for (int k = -1; k <= 13; k += 2)
    support::fill(target.getDepthTable(depthKey(k)), 500.0 + k, 2, 1);
  auto const from = snapshot(source).tables;
  auto const own = snapshot(target).tables;
  for (int flags : {0, 1, 2, 8 | 16 | 32, ~4}) {
    SCOPED_TRACE(flags);
    fillNumbers(target, 20.0);
    copy(source, target, flags);
    EXPECT_EQ(snapshot(target).numbers, (std::array<double, 6>{11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(snapshot(target).tables, own);
  }

  // Each table the source holds goes into the target's; each other one of the twelve is
  // deleted from the target. The name stays the target's.
  copy(source, target, 4);
  auto tables = own;
  for (int p = 0; p < 12; ++p) {
    if (p % 2 == 0) tables[p] = from.at(p);
    if (p % 2 == 1) tables.erase(p);
  }
  EXPECT_EQ(snapshot(target).tables, tables);
  EXPECT_EQ(target.getName(), "T");
}

TEST(ModelCopy, TransfersWhatEachFlagBitSelectsAndNothingElse) {
  // Bits 1, 2 and 4 are the fluid-model part's (4 acts only inside the initial conditions
  // that 2 selects), 8 and 16 the black-oil model's, 32 the compositional model's; higher
  // bits belong to nobody. The expected changes, bit by bit:
  enum { None = 0, Water = 1, Numbers = 2, Tables = 4, Gas = 8, Oil = 16, Components = 32 };
  int const all = Water | Numbers | Tables | Gas | Oil | Components;
  std::pair<int, int> const cases[] = {{0, None},
                                       {1, Water},
                                       {2, Numbers},
                                       {4, None},
                                       {8, Gas},
                                       {16, Oil},
                                       {32, Components},
                                       {2 | 4, Numbers | Tables},
                                       {1 | 4, Water},
                                       {8 | 16, Gas | Oil},
                                       {64 | (1 << 30), None},
                                       {~all, None},
                                       {all, all},
                                       {-1, all}};
  for (auto const& [flags, changed] : cases) {
    SCOPED_TRACE(flags);
    // Both model kinds get the same fluid-model part: water on both sides, an initial
    // condition in common with depth tables, one on each side the other lacks, and a
    // temperature table each.
    StdBlackOilModel source("SOURCE"), target("TARGET");
    StdCompositionalModel compSource("SOURCE"), compTarget("TARGET");
    for (auto [from, to] :
         {std::pair<IFluidModel*, IFluidModel*>{&source, &target}, {&compSource, &compTarget}}) {
      fillWater(from->makeWaterProperties(), 100.0, Salt::NACL);
      fillNumbers(from->makeInitialCondition("ONLY_SOURCE"), 10.0);
      fillNumbers(from->makeInitialCondition("SHARED"), 30.0);
      support::fill(from->getInitialCondition("SHARED").getDepthTable(depthKey(1)), 1000.0, 2, 1);
      from->getTemperatureTable(IFluidModel::TemperatureTableProperty::OilViscosity)
          .setNumTemperatures(3);
      fillWater(to->makeWaterProperties(), 200.0, Salt::KCL);
      fillNumbers(to->makeInitialCondition("ONLY_TARGET"), 50.0);
      fillNumbers(to->makeInitialCondition("SHARED"), 40.0);
      support::fill(to->getInitialCondition("SHARED").getDepthTable(depthKey(1)), 2000.0, 4, 2);
      support::fill(to->getInitialCondition("SHARED").getDepthTable(depthKey(9)), 3000.0, 1, 1);
      to->getTemperatureTable(IFluidModel::TemperatureTableProperty::GasViscosity)
          .setNumComponents(2);
    }
    // The black-oil source has no gas table, one oil region less than the target and a
    // solvent table the target lacks.
    source.gasDensity(0.9);
    source.oilDensity(850.0);
    fill(source.makeOilTable(1), {1, 2, 1}, 100.0);
    source.makeSolventTable().setSize(2);
    source.makeMiscibilityTable().setSize(1);
    fill(target.makeDryGasTable(), {1}, 400.0);
    fill(target.makeOilTable(1), {3}, 200.0);
    fill(target.makeOilTable(2), {2}, 250.0);
    target.makeMiscibilityTable().setSize(4);
    compSource.setEquationOfState(ICompositionalModel::EquationOfState::SoaveRedlichKwong);
    compSource.makeComponent("A", IComponent::Type::Plain).setProperty(property(0), 16.0);
    compTarget.makeComponent("P", IComponent::Type::Plain);
    compTarget.makeComponent("Q", IComponent::Type::Plain);
    compTarget.getBICs().setBIC(1, 0, 0.25);
    auto const from = snapshot(source);
    auto const composition = fluid(compSource);
    auto expected = snapshot(target);
    auto expectedFluid = fluid(compTarget);
    auto const own = components(compTarget);

    copy(source, target, flags);
    copy(compSource, compTarget, flags);

    EXPECT_EQ(snapshot(source), from);
    for (auto [fluidPart, origin] :
         {std::pair{&expected.fluid, &from.fluid}, std::pair{&expectedFluid, &composition}}) {
      auto& shared = fluidPart->initialConditions.at("SHARED");
      auto const& sharedFrom = origin->initialConditions.at("SHARED");
      if (changed & Water) fluidPart->water = withSixNumbersOf(*fluidPart->water, *origin->water);
      if (changed & Numbers) shared.numbers = sharedFrom.numbers;
      if (changed & Tables) shared.tables = sharedFrom.tables;
    }
    expected.gasDensity = 0.9;
    expected.oilDensity = 850.0;
    if (changed & Gas) expected.gas.reset();
    if (changed & Oil) expected.oil.at(1).rows = from.oil.at(1).rows;
    EXPECT_EQ(snapshot(target), expected);
    EXPECT_EQ(fluid(compTarget), expectedFluid);
    EXPECT_EQ(compTarget.getEquationOfState(),
              ICompositionalModel::EquationOfState::SoaveRedlichKwong);
    EXPECT_EQ(components(compTarget) == own, !(changed & Components));
    EXPECT_EQ(compTarget.getBICs().getBIC(1, 0), changed & Components ? 0.0 : 0.25);
  }
}
