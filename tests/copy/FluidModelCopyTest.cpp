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
#include "Orv/Tess/Varnak/StdInitialCondition.h"
#include "Orv/Tess/Varnak/StdTemperatureTable.h"
#include "Orv/Tess/Varnak/StdWaterProperties.h"
#include "copy/Recording.h"
#include "copy/State.h"
#include "support/Expect.h"

using namespace Orv::Tess::Varnak;
using namespace state;
using Salt = IBrineComponent::SaltMoleculeType;

TEST(DepthTableCopy, ReadsTheCountsOnceThenEachValueBeforeWritingIt) {
  recording::CallLog log;
  recording::RecordingDepthTable source(log, "S"), target(log, "T"), fresh(log, "T");
  fill(source, 2, 2, 100.0);
  fill(target, 5, 4, 900.0);
  log.take();
  copy(source, target, 0);
  EXPECT_EQ(log.take(),
            "S.getNumDepths() S.getNumComponents() T.setNumDepths(2) T.setNumComponents(2) "
            "S.getDepth(0) T.setDepth(0,100) S.getProperty(0,0) T.setProperty(0,0,101) "
            "S.getProperty(0,1) T.setProperty(0,1,102) S.getDepth(1) T.setDepth(1,110) "
            "S.getProperty(1,0) T.setProperty(1,0,111) S.getProperty(1,1) T.setProperty(1,1,112)");
  EXPECT_EQ(snapshot(target), snapshot(source));

  // An error passes out unchanged, and what was written before it stays written.
  log.failAt = "T.setProperty(1,0,111)";
  EXPECT_THROW_EXACT(copy(source, fresh, 0), std::domain_error, "T.setProperty(1,0,111) refused");
  log.failAt.clear();
  EXPECT_EQ(snapshot(fresh), (Values{2, 2, 100, 101, 102, 110, 0, 0}));
}

TEST(TemperatureTableCopy, LeavesTheTargetWithTheSourceSizesAndValues) {
  StdTemperatureTable source, target;
  source.setNumComponents(3);
  source.setNumTemperatures(2);
  for (int t = 0; t < 2; ++t) {
    source.setTemperature(t, 300.0 + 50 * t);
    for (int c = 0; c < 3; ++c) source.setProperty(t, c, 0.1 * (t * 3 + c + 1));
  }
  target.setNumComponents(1);
  target.setNumTemperatures(4);
  target.setTemperature(3, 999.0);
  target.setProperty(3, 0, 9.0);
  copy(source, target, 0);
  EXPECT_EQ(snapshot(target), snapshot(source));
}

TEST(WaterPropertiesCopy, TransfersExactlyTheSixBasicNumbersInOrder) {
  recording::CallLog log;
  recording::RecordingWater source(log, "S"), target(log, "T");
  fillWater(source, 100.0, Salt::NACL);
  source.makeBrinePropertyTable().setTableSize(2);
  fillWater(target, 200.0, Salt::KCL);
  target.makeBrineComponent(Salt::CACL2);
  target.makeBrinePropertyTable().setReferencePressure(55.0);
  auto const before = snapshot(target);
  log.take();
  copy(source, target, -1);  // every bit set: the water copy looks at none
  EXPECT_EQ(log.take(),
            "S.getSurfaceDensity() T.setSurfaceDensity(101) S.getPressure() T.setPressure(102) "
            "S.getFormationVolumeFactor() T.setFormationVolumeFactor(103) "
            "S.getCompressibility() T.setCompressibility(104) S.getViscosity() "
            "T.setViscosity(105) S.getViscosibility() T.setViscosibility(106)");
  EXPECT_EQ(snapshot(target), withSixNumbersOf(before, snapshot(source)));
}

TEST(InitialConditionCopy, TransfersTheSixNumbersInOrderAndTheDepthTablesUnderBitFourOnly) {
  // The source holds the even properties, the target the odd ones; both hold tables under
  // keys outside the twelve, which a copy neither reads nor touches.
  recording::CallLog log;
  recording::RecordingInitialCondition source(log, "S"), target(log, "T");
  fillNumbers(source, 10.0);
  for (int k = 0; k <= 14; k += 2) fill(source.getDepthTable(depthKey(k)), 1 + k % 3, k % 4, k);
  for (int k = -1; k <= 13; k += 2) fill(target.getDepthTable(depthKey(k)), 2, 1, 500.0 + k);
  auto const from = snapshot(source).tables;
  auto const own = snapshot(target).tables;
  std::string const numbers =
      "S.getDatumDepth() T.setDatumDepth(11) S.getDatumPressure() T.setDatumPressure(12) "
      "S.getGasOilContactDepth() T.setGasOilContactDepth(13) "
      "S.getGasOilContactCapillaryPressure() T.setGasOilContactCapillaryPressure(14) "
      "S.getWaterContactDepth() T.setWaterContactDepth(15) "
      "S.getWaterContactCapillaryPressure() T.setWaterContactCapillaryPressure(16)";
  for (int flags : {0, 1, 2, 8 | 16 | 32, ~4}) {
    SCOPED_TRACE(flags);
    fillNumbers(target, 20.0);
    log.take();
    copy(source, target, flags);
    EXPECT_EQ(log.take(), numbers);
    EXPECT_EQ(snapshot(target).numbers, (std::array<double, 6>{11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(snapshot(target).tables, own);
  }

  // Each table the source holds goes into the target's, fetched (and so made) first; each
  // other one of the twelve is deleted from the target. The name stays the target's.
  log.take();
  copy(source, target, 4);
  std::string expected = numbers;
  auto tables = own;
  for (int p = 0; p < 12; ++p) {
    std::string const k = "(" + std::to_string(p) + ")";
    expected +=
        " S.hasDepthTable" + k +
        (p % 2 == 0 ? " T.getDepthTable" + k + " S.getDepthTable" + k : " T.deleteDepthTable" + k);
    if (p % 2 == 0) tables[p] = from.at(p);
    if (p % 2 == 1) tables.erase(p);
  }
  EXPECT_EQ(log.take(), expected);
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
      fill(from->getInitialCondition("SHARED").getDepthTable(depthKey(1)), 2, 1, 1000.0);
      from->getTemperatureTable(IFluidModel::TemperatureTableProperty::OilViscosity)
          .setNumTemperatures(3);
      fillWater(to->makeWaterProperties(), 200.0, Salt::KCL);
      fillNumbers(to->makeInitialCondition("ONLY_TARGET"), 50.0);
      fillNumbers(to->makeInitialCondition("SHARED"), 40.0);
      fill(to->getInitialCondition("SHARED").getDepthTable(depthKey(1)), 4, 2, 2000.0);
      fill(to->getInitialCondition("SHARED").getDepthTable(depthKey(9)), 1, 1, 3000.0);
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
