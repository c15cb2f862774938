// Copies of the common fluid-model part: water, initial conditions, depth and temperature
// tables, on black-oil models seen as bare fluid models.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

#include "Orv/Tess/Varnak.h"
#include "copy/State.h"
#include "support/Expect.h"

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
  StdWaterProperties water, waterTarget, expected;
  support::furnish(water, 100.0);
  support::furnish(waterTarget, 200.0);
  waterTarget.makeBrineComponent(Salt::KCL);
  support::furnish(expected, 200.0);
  expected.makeBrineComponent(Salt::KCL);
  takeSixNumbers(expected, water);
  copy(water, waterTarget, -1);
  EXPECT_EQ(support::observe(waterTarget), support::observe(expected));
}

TEST(InitialConditionCopy, TransfersTheSixNumbersAndTheDepthTablesUnderBitFourOnly) {
  // The source holds the even properties, the target the odd ones; both hold tables under
  // keys outside the twelve, which a copy neither reads nor touches.
  StdInitialCondition source("S"), target("T"), expected("T");
  support::fill(source, 10.0);
  support::fill(expected, 10.0);
  for (int k = 0; k <= 12; k += 2)
    support::fill(source.getDepthTable(depthKey(k)), k, 1 + k % 3, k % 4);
  for (int k = -1; k <= 11; k += 2) {
    support::fill(target.getDepthTable(depthKey(k)), 500.0 + k, 2, 1);
    support::fill(expected.getDepthTable(depthKey(k)), 500.0 + k, 2, 1);
  }
  for (int flags : {0, 1, 2, 8 | 16 | 32, ~4}) {
    SCOPED_TRACE(flags);
    support::fill(target, 20.0);
    copy(source, target, flags);
    EXPECT_EQ(support::observe(target), support::observe(expected));
  }

  // Each table the source holds goes into the target's; each other one of the twelve is
  // deleted from the target. The name stays the target's.
  copy(source, target, 4);
  StdInitialCondition tables("T");
  support::fill(tables, 10.0);
  support::fill(tables.getDepthTable(depthKey(-1)), 499.0, 2, 1);
  for (int k = 0; k < 12; k += 2)
    support::fill(tables.getDepthTable(depthKey(k)), k, 1 + k % 3, k % 4);
  EXPECT_EQ(support::observe(target), support::observe(tables));
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
    // temperature table each. The expected models start as the targets.
    StdBlackOilModel source("SOURCE"), target("TARGET"), expected("TARGET");
    StdCompositionalModel compSource("SOURCE"), compTarget("TARGET"), compExpected("TARGET");
    for (auto [from, to, result] :
         {std::tuple<IFluidModel*, IFluidModel*, IFluidModel*>{&source, &target, &expected},
          {&compSource, &compTarget, &compExpected}}) {
      support::furnish(from->makeWaterProperties(), 100.0);
      support::fill(from->makeInitialCondition("ONLY_SOURCE"), 10.0);
      support::fill(from->makeInitialCondition("SHARED"), 30.0);
      support::fill(from->getInitialCondition("SHARED").getDepthTable(depthKey(1)), 1000.0, 2, 1);
      from->getTemperatureTable(IFluidModel::TemperatureTableProperty::OilViscosity)
          .setNumTemperatures(3);
      for (IFluidModel* into : {to, result}) {
        support::furnish(into->makeWaterProperties(), 200.0);
        support::fill(into->makeInitialCondition("ONLY_TARGET"), 50.0);
        auto& shared = into->makeInitialCondition("SHARED");
        support::fill(shared, 40.0);
        support::fill(shared.getDepthTable(depthKey(1)), 2000.0, 4, 2);
        support::fill(shared.getDepthTable(depthKey(9)), 3000.0, 1, 1);
        into->getTemperatureTable(IFluidModel::TemperatureTableProperty::GasViscosity)
            .setNumComponents(2);
      }
      if (changed & Water)
        takeSixNumbers(*result->getWaterProperties(), *from->getWaterProperties());
      if (changed & Numbers) {
        copy(from->getInitialCondition("SHARED"), result->getInitialCondition("SHARED"),
             changed & Tables);
      }
    }
    // The black-oil source has no gas table, one oil region less than the target and a
    // solvent table the target lacks.
    source.gasDensity(0.9);
    source.oilDensity(850.0);
    support::fill(source.makeOilTable(1), 100.0, {1, 2, 1});
    source.makeSolventTable().setSize(2);
    source.makeMiscibilityTable().setSize(1);
    for (StdBlackOilModel* into : {&target, &expected}) {
      support::fill(into->makeDryGasTable(), 400.0, {1});
      support::fill(into->makeOilTable(1), 200.0, {3});
      support::fill(into->makeOilTable(2), 250.0, {2});
      into->makeMiscibilityTable().setSize(4);
    }
    expected.gasDensity(0.9);
    expected.oilDensity(850.0);
    if (changed & Gas) expected.deleteGasTable();
    if (changed & Oil) support::fill(*expected.getOilTable(1), 100.0, {1, 2, 1});
    compSource.setEquationOfState(ICompositionalModel::EquationOfState::SoaveRedlichKwong);
    compSource.makeComponent("A", IComponent::Type::Plain).setProperty(property(0), 16.0);
    for (StdCompositionalModel* into : {&compTarget, &compExpected}) {
      into->makeComponent("P", IComponent::Type::Plain);
      into->makeComponent("Q", IComponent::Type::Plain);
      into->getBICs().setBIC(1, 0, 0.25);
    }
    compExpected.setEquationOfState(ICompositionalModel::EquationOfState::SoaveRedlichKwong);
    if (changed & Components) {
      compExpected.deleteComponent(1);
      compExpected.getComponent(0).setProperty(property(0), 16.0);
    }
    auto const from = support::observe(source);

    copy(source, target, flags);
    copy(compSource, compTarget, flags);

    EXPECT_EQ(support::observe(source), from);
    EXPECT_EQ(support::observe(target), support::observe(expected));
    EXPECT_EQ(support::observe(compTarget), support::observe(compExpected));
  }
}
