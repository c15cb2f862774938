// Copies of black-oil tables and models: the two-level transfer and its order, the kinds
// on both sides, the regions visited and the flag bits of the model copy.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/StdBlackOilModel.h"
#include "Orv/Tess/Varnak/StdMisciblityTable.h"
#include "Orv/Tess/Varnak/StdSolventTable.h"
#include "copy/BlackOilState.h"
#include "copy/LoggingModels.h"
#include "copy/LoggingTables.h"
#include "copy/Recorders.h"

using namespace Orv::Tess::Varnak;
using blackoilstate::fill;
using blackoilstate::fillExtras;
using blackoilstate::rows;
using blackoilstate::snapshot;
using blackoilstate::TableState;

TEST(OilTableCopy, ReadsTheSourceAndWritesTheTargetThroughTheInterfaceInOrder) {
  recorders::CallLog log;
  recorders::RecordingOilTable source(log, "S");
  recorders::RecordingOilTable target(log, "T");
  fill(source, {2, 0}, 50.0);
  fill(target, {1, 1, 3}, 70.0);
  log.calls.clear();

  copy(source, target, 0);

  std::vector<std::string> const expected{
      "S.getSaturatedSize()",
      "T.setSaturatedSize(2)",
      "S.getUndersaturatedSize(0)",
      "T.setUndersaturatedSize(0,2)",
      "S.getGasOilRatio(0)",
      "T.setGasOilRatio(0,50)",
      "S.getPressure(0,0)",
      "T.setPressure(0,0,51)",
      "S.getFormationVolumeFactor(0,0)",
      "T.setFormationVolumeFactor(0,0,1.5)",
      "S.getViscosity(0,0)",
      "T.setViscosity(0,0,5)",
      "S.getPressure(0,1)",
      "T.setPressure(0,1,52)",
      "S.getFormationVolumeFactor(0,1)",
      "T.setFormationVolumeFactor(0,1,1.51)",
      "S.getViscosity(0,1)",
      "T.setViscosity(0,1,5.1)",
      "S.getUndersaturatedSize(1)",
      "T.setUndersaturatedSize(1,0)",
      "S.getGasOilRatio(1)",
      "T.setGasOilRatio(1,60)",
      "S.getSurfaceDensity()",
      "T.setSurfaceDensity(50.5)",
  };
  EXPECT_EQ(log.calls, expected);
  EXPECT_EQ(rows(target), rows(source));
}

TEST(CompressibleOilTableCopy, LeavesTheTargetWithTheSourceRowsAndPairsAndItsOwnThermalValues) {
  StdCompressibleOilTable source;
  fill(source, {2, 1}, 100.0);
  fillExtras(source, 500.0);
  StdCompressibleOilTable target;
  fill(target, {1, 1, 1, 1}, 200.0);
  fillExtras(target, 600.0);
  auto const before = snapshot(target);

  copy(source, target, 0);
  EXPECT_EQ(snapshot(target),
            (TableState{before.kind, rows(source), before.extras, blackoilstate::pairs(source)}));
}

TEST(TwoLevelTableCopy, KeepsOnlyTheSourceRowsAndEntries) {
  StdOilTable oilSource;
  fill(oilSource, {2, 0, 3}, 100.0);
  StdOilTable oilTarget;
  fill(oilTarget, {1, 1, 1, 4, 2}, 200.0);
  copy(oilSource, oilTarget, 0);
  EXPECT_EQ(rows(oilTarget), rows(oilSource));

  StdGasTable gasSource;
  fill(gasSource, {2, 0, 3}, 300.0);
  StdGasTable gasTarget;
  fill(gasTarget, {1, 1, 1, 4, 2}, 400.0);
  copy(gasSource, gasTarget, 0);
  EXPECT_EQ(rows(gasTarget), rows(gasSource));

  StdGasTable emptyGas;
  copy(emptyGas, gasTarget, 0);
  EXPECT_EQ(rows(gasTarget), (std::vector<double>{0, 0}));
}

namespace {

std::vector<std::function<std::unique_ptr<IOilTable>()>> const oilKinds{
    [] { return std::make_unique<StdOilTable>(); },
    [] { return std::make_unique<StdCompressibleOilTable>(); },
    [] { return std::make_unique<StdDeadOilTable>(); },
    [] { return std::make_unique<StdDeadOilConstantCompressTable>(); },
};

std::vector<std::function<std::unique_ptr<IGasTable>()>> const gasKinds{
    [] { return std::make_unique<StdGasTable>(); },
    [] { return std::make_unique<StdDryGasTable>(); },
};

// A compressible table keeps one pair per row: resized with the rows, the pairs of the
// rows that remain keep their values and new rows get 0.0.
std::vector<double> resizedPairs(std::vector<double> pairs, int numRows) {
  if (!pairs.empty()) pairs.resize(static_cast<std::size_t>(2 * numRows), 0.0);
  return pairs;
}

}  // namespace

TEST(TwoLevelTableCopy, TransfersRowsBetweenAnyKindsAndLeavesTheTargetKindAlone) {
  for (auto const& makeSource : oilKinds) {
    for (auto const& makeTarget : oilKinds) {
      auto source = makeSource();
      fill(*source, {2, 1}, 100.0);
      fillExtras(*source, 500.0);
      auto target = makeTarget();
      fill(*target, {1, 3, 2}, 200.0);
      fillExtras(*target, 600.0);
      auto const before = snapshot(*target);
      SCOPED_TRACE(blackoilstate::kind(*source) + " into " + before.kind);

      copy(static_cast<IOilTable const&>(*source), *target, 0);
      EXPECT_EQ(snapshot(*target), (TableState{before.kind, rows(*source), before.extras,
                                               resizedPairs(before.pairs, 2)}));
    }
  }
  for (auto const& makeSource : gasKinds) {
    for (auto const& makeTarget : gasKinds) {
      auto source = makeSource();
      fill(*source, {2, 1}, 100.0);
      fillExtras(*source, 500.0);
      auto target = makeTarget();
      fill(*target, {1, 3, 2}, 200.0);
      fillExtras(*target, 600.0);
      auto const before = snapshot(*target);
      SCOPED_TRACE(blackoilstate::kind(*source) + " into " + before.kind);

      copy(*source, *target, 0);
      EXPECT_EQ(snapshot(*target), (TableState{before.kind, rows(*source), before.extras, {}}));
    }
  }
}

TEST(SolventAndMiscibilityTableCopy, KeepOnlyTheSourceRowsAndScalars) {
  StdSolventTable solvent;
  solvent.setSize(3);
  for (int i = 0; i < 3; ++i) {
    solvent.setPressure(i, 100.0 * (i + 1));
    solvent.setFormationVolumeFactor(i, 1.0 - 0.1 * i);
    solvent.setViscosity(i, 0.02 + 0.01 * i);
  }
  solvent.setSurfaceDensity(0.8);
  StdSolventTable solventTarget;
  solventTarget.setSize(5);
  solventTarget.setPressure(4, 9.0);
  copy(solvent, solventTarget, 0);
  EXPECT_EQ(snapshot(solventTarget), snapshot(solvent));

  StdMisciblityTable miscibility;
  miscibility.setSize(3);
  for (int i = 0; i < 3; ++i) {
    miscibility.setOilPressure(i, 50.0 * (i + 1));
    miscibility.setMiscibility(i, 0.5 * i);
  }
  miscibility.setViscosityMixingParameter(0.6);
  miscibility.setDensityMixingParameter(0.7);
  StdMisciblityTable miscibilityTarget;
  miscibilityTarget.setSize(5);
  miscibilityTarget.setMiscibility(4, 9.0);
  copy(miscibility, miscibilityTarget, 0);
  EXPECT_EQ(snapshot(miscibilityTarget), snapshot(miscibility));
}

namespace {

// Two models with a bit of everything. The target's gas table is of the dry kind, it
// holds one oil region more than the source, and only the source has a solvent table.
struct Models {
  StdBlackOilModel source{"SOURCE"};
  StdBlackOilModel target{"TARGET"};

  Models() {
    source.gasDensity(0.9);
    source.oilDensity(850.0);
    fluidstate::fillWater(source.makeWaterProperties(), 100.0,
                          IBrineComponent::SaltMoleculeType::NACL);
    fluidstate::fillNumbers(source.makeInitialCondition("EQL"), 10.0);
    fill(source.makeGasTable(), {2, 1}, 300.0);
    fill(source.makeOilTable(1), {1, 2, 1}, 100.0);
    source.makeSolventTable().setSize(2);
    source.makeMiscibilityTable().setSize(1);

    target.gasDensity(0.7);
    target.oilDensity(800.0);
    fluidstate::fillWater(target.makeWaterProperties(), 200.0,
                          IBrineComponent::SaltMoleculeType::KCL);
    fluidstate::fillNumbers(target.makeInitialCondition("EQL"), 20.0);
    IDryGasTable& gas = target.makeDryGasTable();
    fill(gas, {1}, 400.0);
    fillExtras(gas, 400.0);
    fill(target.makeOilTable(1), {3}, 200.0);
    fill(target.makeOilTable(2), {2}, 250.0);
    target.makeMiscibilityTable().setSize(4);
  }
};

}  // namespace

TEST(BlackOilModelCopy, TransfersWhatEachFlagBitSelectsAndNothingElse) {
  struct Case {
    int flags;
    bool water, initialConditions, gas, oil;
  };
  Case const cases[] = {
      {0, false, false, false, false},
      {1, true, false, false, false},
      {2, false, true, false, false},
      {8, false, false, true, false},
      {16, false, false, false, true},
      {8 | 16, false, false, true, true},
      {1 | 2 | 4 | 8 | 16, true, true, true, true},
      {32 | 64 | (1 << 30), false, false, false, false},
      {~(1 | 2 | 4 | 8 | 16), false, false, false, false},
      {-1, true, true, true, true},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.flags);
    Models m;
    auto const source = snapshot(m.source);
    auto const before = snapshot(m.target);

    copy(m.source, m.target, c.flags);

    EXPECT_EQ(snapshot(m.source), source);
    auto expected = before;
    expected.gasDensity = source.gasDensity;
    expected.oilDensity = source.oilDensity;
    if (c.water) {
      expected.fluid.water = fluidstate::withSixNumbersOf(*before.fluid.water, *source.fluid.water);
    }
    if (c.initialConditions) {
      expected.fluid.initialConditions.at("EQL").numbers =
          source.fluid.initialConditions.at("EQL").numbers;
    }
    if (c.gas) expected.gas->rows = source.gas->rows;
    if (c.oil) expected.oil.at(1).rows = source.oil.at(1).rows;
    EXPECT_EQ(snapshot(m.target), expected);
  }
}

TEST(BlackOilModelCopy, VisitsRegionsOneToTheTableCountAndKeepsExistingKinds) {
  StdBlackOilModel source("SOURCE");
  fill(source.makeOilTable(1), {1, 1, 1}, 100.0);
  ICompressibleOilTable& compressible = source.makeCompressibleOilTable(2);
  fill(compressible, {2, 2}, 200.0);
  fillExtras(compressible, 200.0);
  fill(source.makeDeadOilTable(4), {1}, 400.0);  // three tables: region 4 is not visited

  StdBlackOilModel target("TARGET");
  fill(target.makeOilTable(0), {1}, 1000.0);
  ICompressibleOilTable& keeps = target.makeCompressibleOilTable(1);
  fill(keeps, {1, 1}, 1100.0);
  fillExtras(keeps, 1100.0);
  fill(target.makeDeadOilTable(2), {1}, 1200.0);
  fill(target.makeOilTable(3), {1}, 1300.0);
  fill(target.makeOilTable(4), {1}, 1400.0);
  fill(target.makeDeadOilConstantCompressTable(6), {2}, 1600.0);
  auto const sourceState = snapshot(source);
  auto const before = snapshot(target);

  copy(source, target, 16);

  auto const after = snapshot(target);
  std::map<int, TableState> const expected{
      {0, before.oil.at(0)},
      // A plain source into a compressible table: the kind and its values stay, the
      // pairs follow the new row count.
      {1,
       {"StdCompressibleOilTable", sourceState.oil.at(1).rows, before.oil.at(1).extras,
        resizedPairs(before.oil.at(1).pairs, 3)}},
      // A compressible source replaces a table of another kind by a new compressible one.
      {2,
       {"StdCompressibleOilTable",
        sourceState.oil.at(2).rows,
        {0, 0, 0, 0},
        sourceState.oil.at(2).pairs}},
      // Region 3 is within the count and the source has no table there.
      {4, before.oil.at(4)},
      {6, before.oil.at(6)},
  };
  EXPECT_EQ(after.oil, expected);
}

TEST(BlackOilModelCopy, MakesPlainOrCompressibleTablesWhereTheTargetHasNone) {
  StdBlackOilModel source("SOURCE");
  IDeadOilTable& dead = source.makeDeadOilTable(1);
  fill(dead, {2}, 100.0);
  fillExtras(dead, 100.0);
  ICompressibleOilTable& compressible = source.makeCompressibleOilTable(2);
  fill(compressible, {1, 2}, 200.0);
  fillExtras(compressible, 200.0);
  fill(source.makeDeadOilConstantCompressTable(3), {1}, 300.0);
  auto const sourceState = snapshot(source);

  StdBlackOilModel target("TARGET");
  copy(source, target, 16);

  std::map<int, TableState> const expected{
      {1, {"StdOilTable", sourceState.oil.at(1).rows, {}, {}}},
      {2,
       {"StdCompressibleOilTable",
        sourceState.oil.at(2).rows,
        {0, 0, 0, 0},
        sourceState.oil.at(2).pairs}},
      {3, {"StdOilTable", sourceState.oil.at(3).rows, {}, {}}},
  };
  EXPECT_EQ(snapshot(target).oil, expected);
}

TEST(BlackOilModelCopy, MakesFillsOrDeletesTheGasTableUnderBitEight) {
  StdBlackOilModel dry("DRY");
  IDryGasTable& dryGas = dry.makeDryGasTable();
  fill(dryGas, {1, 2}, 100.0);
  fillExtras(dryGas, 100.0);
  StdBlackOilModel none("NONE");

  // Onto a model without a gas table: a plain gas table with the source's rows.
  StdBlackOilModel target("TARGET");
  copy(dry, target, 16);
  EXPECT_EQ(target.getGasTable(), nullptr);
  copy(dry, target, 8);
  ASSERT_NE(target.getGasTable(), nullptr);
  EXPECT_EQ(snapshot(*target.getGasTable()), (TableState{"StdGasTable", rows(dryGas), {}, {}}));

  // Onto a dry-gas table: its rows are replaced, its dew point and vaporised oil stay.
  StdBlackOilModel other("OTHER");
  IDryGasTable& otherGas = other.makeDryGasTable();
  fill(otherGas, {3}, 200.0);
  fillExtras(otherGas, 200.0);
  copy(target, other, 8);
  EXPECT_EQ(snapshot(*other.getGasTable()),
            (TableState{"StdDryGasTable", rows(dryGas), {201, 202}, {}}));

  // A source without a gas table removes the target's, under bit 8 only.
  copy(none, other, 1 | 2 | 4 | 16 | 32);
  EXPECT_NE(other.getGasTable(), nullptr);
  copy(none, other, 8);
  EXPECT_EQ(other.getGasTable(), nullptr);
}

TEST(BlackOilModelCopy, FetchesMakesAndDeletesTablesInTheOrderOfItsSteps) {
  using recorders::LoggingBlackOilModel;
  recorders::CallLog log;

  // A source with a gas table and three oil tables (plain, compressible, dead oil) under
  // regions 1, 2 and 4, into a target that lacks water, a gas table and region 1, holds
  // a dead-oil table under 2 and a table under 3.
  LoggingBlackOilModel source(log, "S");
  source.gasDensity(0.9);
  source.oilDensity(850.0);
  source.makeWaterProperties();
  for (char const* name : {"A", "EQL"}) source.makeInitialCondition(name);
  source.makeGasTable();
  source.makeOilTable(1);
  source.makeCompressibleOilTable(2);
  source.makeDeadOilTable(4);
  source.makeSolventTable();
  LoggingBlackOilModel target(log, "T");
  for (char const* name : {"B", "EQL"}) target.makeInitialCondition(name);
  target.makeDeadOilTable(2);
  target.makeOilTable(3);
  log.calls.clear();

  copy(source, target, 1 | 2 | 4 | 8 | 16);
  std::vector<std::string> const filling{
      "S.gasDensity()",
      "T.gasDensity(0.9)",
      "S.oilDensity()",
      "T.oilDensity(850)",
      "S.getWaterProperties()",
      "T.getWaterProperties()",
      "T.makeWaterProperties()",
      "S.getInitialConditionNames()",
      "T.getInitialConditionNames()",
      "S.getInitialCondition(EQL)",
      "T.getInitialCondition(EQL)",
      "S.getGasTable()",
      "T.getGasTable()",
      "T.makeGasTable()",
      "S.getNumOfOilTables()",
      "S.getOilTable(1)",
      "T.getOilTable(1)",
      "T.makeOilTable(1)",
      "S.getOilTable(2)",
      "T.getOilTable(2)",
      "T.makeCompressibleOilTable(2)",
      "S.getOilTable(3)",
      "T.deleteOilTable(3)",
  };
  EXPECT_EQ(log.calls, filling);

  // Again: now the target holds every table, of the right kinds, and makes nothing.
  log.calls.clear();
  copy(source, target, 8 | 16);
  std::vector<std::string> const refilling{
      "S.gasDensity()",     "T.gasDensity(0.9)", "S.oilDensity()",        "T.oilDensity(850)",
      "S.getGasTable()",    "T.getGasTable()",   "S.getNumOfOilTables()", "S.getOilTable(1)",
      "T.getOilTable(1)",   "S.getOilTable(2)",  "T.getOilTable(2)",      "S.getOilTable(3)",
      "T.deleteOilTable(3)"};
  EXPECT_EQ(log.calls, refilling);

  // A plain source table fills a compressible target table; a source without water or a
  // gas table deletes the target's.
  LoggingBlackOilModel bare(log, "S");
  bare.makeOilTable(1);
  log.calls.clear();
  copy(bare, target, -1);
  std::vector<std::string> const emptying{"S.gasDensity()",
                                          "T.gasDensity(0)",
                                          "S.oilDensity()",
                                          "T.oilDensity(0)",
                                          "S.getWaterProperties()",
                                          "T.deleteWaterProperties()",
                                          "S.getInitialConditionNames()",
                                          "T.getInitialConditionNames()",
                                          "S.getGasTable()",
                                          "T.deleteGasTable()",
                                          "S.getNumOfOilTables()",
                                          "S.getOilTable(1)",
                                          "T.getOilTable(1)"};
  target.makeCompressibleOilTable(1);
  log.calls.clear();
  copy(bare, target, -1);
  EXPECT_EQ(log.calls, emptying);

  // Without bits 8 and 16 the table count is still read, and nothing else of the tables.
  log.calls.clear();
  copy(source, target, 0);
  EXPECT_EQ(log.calls,
            (std::vector<std::string>{"S.gasDensity()", "T.gasDensity(0.9)", "S.oilDensity()",
                                      "T.oilDensity(850)", "S.getNumOfOilTables()"}));
}

TEST(CompressibleOilTableCopy, SizesAndFillsThePairsBeforeTheTwoLevelTransfer) {
  recorders::CallLog log;
  recorders::LoggingCompressibleOilTable source(log, "S");
  source.setSaturatedSize(2);
  source.setGasOilRatio(0, 10.0);
  source.setGasOilRatio(1, 20.0);
  source.setCompressibility(0, 0.5);
  source.setCompressibility(1, 0.25);
  source.setViscosibility(0, 0.125);
  source.setViscosibility(1, 0.0625);
  source.setSurfaceDensity(800.0);
  recorders::LoggingCompressibleOilTable target(log, "T");
  target.setSaturatedSize(3);
  log.calls.clear();

  copy(source, target, -1);
  std::vector<std::string> const expected{
      "S.getSaturatedSize()", "T.setSaturatedSize(2)", "S.getCompressibility(0)",
      "T.setCompressibility(0,0.5)", "S.getViscosibility(0)", "T.setViscosibility(0,0.125)",
      "S.getCompressibility(1)", "T.setCompressibility(1,0.25)", "S.getViscosibility(1)",
      "T.setViscosibility(1,0.0625)",
      // The two-level transfer reads the count again and sizes the rows once more.
      "S.getSaturatedSize()", "T.setSaturatedSize(2)", "S.getUndersaturatedSize(0)",
      "T.setUndersaturatedSize(0,0)", "S.getGasOilRatio(0)", "T.setGasOilRatio(0,10)",
      "S.getUndersaturatedSize(1)", "T.setUndersaturatedSize(1,0)", "S.getGasOilRatio(1)",
      "T.setGasOilRatio(1,20)", "S.getSurfaceDensity()", "T.setSurfaceDensity(800)"};
  EXPECT_EQ(log.calls, expected);
}

TEST(SolventAndMiscibilityTableCopy, ReadTheSourceSizeBeforeEveryRow) {
  recorders::CallLog log;
  recorders::LoggingSolventTable solvent(log, "S");
  solvent.setSize(2);
  solvent.setPressure(0, 100.0);
  solvent.setPressure(1, 200.0);
  solvent.setFormationVolumeFactor(0, 1.5);
  solvent.setFormationVolumeFactor(1, 1.25);
  solvent.setViscosity(0, 0.5);
  solvent.setViscosity(1, 0.25);
  solvent.setSurfaceDensity(0.75);
  recorders::LoggingSolventTable solventTarget(log, "T");
  solventTarget.setSize(4);
  log.calls.clear();
  copy(solvent, solventTarget, -1);
  EXPECT_EQ(
      log.calls,
      (std::vector<std::string>{
          "S.getSize()", "T.setSize(2)", "S.getSize()", "S.getPressure(0)", "T.setPressure(0,100)",
          "S.getFormationVolumeFactor(0)", "T.setFormationVolumeFactor(0,1.5)", "S.getViscosity(0)",
          "T.setViscosity(0,0.5)", "S.getSize()", "S.getPressure(1)", "T.setPressure(1,200)",
          "S.getFormationVolumeFactor(1)", "T.setFormationVolumeFactor(1,1.25)",
          "S.getViscosity(1)", "T.setViscosity(1,0.25)", "S.getSize()", "S.getSurfaceDensity()",
          "T.setSurfaceDensity(0.75)"}));

  recorders::LoggingMiscibilityTable miscibility(log, "S");
  miscibility.setSize(2);
  miscibility.setOilPressure(0, 50.0);
  miscibility.setOilPressure(1, 60.0);
  miscibility.setMiscibility(0, 0.5);
  miscibility.setMiscibility(1, 1.0);
  miscibility.setViscosityMixingParameter(0.625);
  miscibility.setDensityMixingParameter(0.375);
  recorders::LoggingMiscibilityTable miscibilityTarget(log, "T");
  log.calls.clear();
  copy(miscibility, miscibilityTarget, -1);
  EXPECT_EQ(log.calls,
            (std::vector<std::string>{
                "S.getSize()", "T.setSize(2)", "S.getSize()", "S.getOilPressure(0)",
                "T.setOilPressure(0,50)", "S.getMiscibility(0)", "T.setMiscibility(0,0.5)",
                "S.getSize()", "S.getOilPressure(1)", "T.setOilPressure(1,60)",
                "S.getMiscibility(1)", "T.setMiscibility(1,1)", "S.getSize()",
                "S.getViscosityMixingParameter()", "T.setViscosityMixingParameter(0.625)",
                "S.getDensityMixingParameter()", "T.setDensityMixingParameter(0.375)"}));
}
