// Copies of the common fluid-model part: water, initial conditions, depth and temperature
// tables, on black-oil models seen as bare fluid models.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <stdexcept>
#include <string>

#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/StdBlackOilModel.h"
#include "Orv/Tess/Varnak/StdInitialCondition.h"
#include "Orv/Tess/Varnak/StdTemperatureTable.h"
#include "Orv/Tess/Varnak/StdWaterProperties.h"
#include "copy/Recording.h"
#include "copy/State.h"
#include "support/Expect.h"

using namespace Orv::Tess::Varnak;
using namespace state;
using Salt = IBrineComponent::SaltMoleculeType;

namespace {

void copyFluid(IFluidModel const& source, IFluidModel& target, int flags) {
  copy(source, target, flags);
}

}  // namespace

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
  auto const before = waterstate::snapshot(target);
  log.take();
  copy(source, target, -1);  // every bit set: the water copy looks at none
  EXPECT_EQ(log.take(),
            "S.getSurfaceDensity() T.setSurfaceDensity(101) S.getPressure() T.setPressure(102) "
            "S.getFormationVolumeFactor() T.setFormationVolumeFactor(103) "
            "S.getCompressibility() T.setCompressibility(104) S.getViscosity() "
            "T.setViscosity(105) S.getViscosibility() T.setViscosibility(106)");
  EXPECT_EQ(waterstate::snapshot(target), withSixNumbersOf(before, waterstate::snapshot(source)));
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

TEST(FluidModelCopy, TransfersWhatEachFlagBitSelectsAndMatchesInitialConditionsByName) {
  // Bits 8, 16 and 32 belong to the model kinds, higher bits to nobody; bit 4 acts only
  // inside initial conditions, which bit 2 selects.
  struct Case {
    int flags;
    bool water, numbers, tables;
  };
  Case const cases[] = {
      {0, false, false, false},      {1, true, false, false},
      {2, false, true, false},       {4, false, false, false},
      {8, false, false, false},      {16, false, false, false},
      {32, false, false, false},     {1 | 2, true, true, false},
      {1 | 4, true, false, false},   {2 | 4, false, true, true},
      {1 | 2 | 4, true, true, true}, {64 | (1 << 30), false, false, false},
      {~7, false, false, false},     {-1, true, true, true},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.flags);
    // One initial condition name in common, and one on each side that the other lacks.
    StdBlackOilModel source("SOURCE"), target("TARGET");
    fillWater(source.makeWaterProperties(), 100.0, Salt::NACL);
    fillNumbers(source.makeInitialCondition("ONLY_SOURCE"), 10.0);
    IInitialCondition& shared = source.makeInitialCondition("SHARED");
    fillNumbers(shared, 30.0);
    fill(shared.getDepthTable(depthKey(1)), 2, 1, 1000.0);
    source.getTemperatureTable(IFluidModel::TemperatureTableProperty::OilViscosity)
        .setNumTemperatures(3);
    fillWater(target.makeWaterProperties(), 200.0, Salt::KCL);
    IInitialCondition& mine = target.makeInitialCondition("SHARED");
    fillNumbers(mine, 40.0);
    fill(mine.getDepthTable(depthKey(1)), 4, 2, 2000.0);
    fill(mine.getDepthTable(depthKey(9)), 1, 1, 3000.0);
    fillNumbers(target.makeInitialCondition("ONLY_TARGET"), 50.0);
    target.getTemperatureTable(IFluidModel::TemperatureTableProperty::GasViscosity)
        .setNumComponents(2);
    auto const from = fluid(source);
    auto expected = fluid(target);

    copyFluid(source, target, c.flags);

    EXPECT_EQ(fluid(source), from);
    if (c.water) expected.water = withSixNumbersOf(*expected.water, *from.water);
    auto& into = expected.initialConditions.at("SHARED");
    if (c.numbers) into.numbers = from.initialConditions.at("SHARED").numbers;
    if (c.tables) into.tables = from.initialConditions.at("SHARED").tables;
    EXPECT_EQ(fluid(target), expected);
  }
}
