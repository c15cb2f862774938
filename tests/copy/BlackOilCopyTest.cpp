// Copies of black-oil tables and models: the two-level transfer and its order, the kinds
// on both sides, the regions visited and the flag bits of the model copy.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/StdBlackOilModel.h"
#include "Orv/Tess/Varnak/StdCompressibleOilTable.h"
#include "Orv/Tess/Varnak/StdDeadOilConstantCompressTable.h"
#include "Orv/Tess/Varnak/StdDeadOilTable.h"
#include "Orv/Tess/Varnak/StdDryGasTable.h"
#include "Orv/Tess/Varnak/StdGasTable.h"
#include "Orv/Tess/Varnak/StdMisciblityTable.h"
#include "Orv/Tess/Varnak/StdOilTable.h"
#include "Orv/Tess/Varnak/StdSolventTable.h"
#include "Orv/Tess/Varnak/StdWaterProperties.h"
#include "copy/Recording.h"
#include "copy/State.h"
#include "support/Fill.h"
#include "support/Observe.h"

using namespace Orv::Tess::Varnak;
using namespace state;
using Salt = IBrineComponent::SaltMoleculeType;

TEST(CompressibleOilTableCopy, TransfersThePairsAndTheRowsAndKeepsTheThermalValues) {
  StdCompressibleOilTable source, target;
  fill(source, {2, 0}, 10.0);
  fill(target, {1, 1, 1}, 200.0);
  auto const before = snapshot(target);
  copy(source, target, -1);
  // The target keeps its four thermal values and takes the source's pairs.
  Values extras(before.extras.begin(), before.extras.begin() + 4);
  extras.insert(extras.end(), {20, 30, 21, 31});
  EXPECT_EQ(snapshot(target), (Table{before.kind, rows(source), extras}));
}

TEST(TwoLevelTableCopy, TransfersRowsBetweenAnyKindsAndLeavesTheTargetKindAlone) {
  std::vector<std::function<std::unique_ptr<IOilTable>()>> const oilKinds{
      [] { return std::make_unique<StdOilTable>(); },
      [] { return std::make_unique<StdCompressibleOilTable>(); },
      [] { return std::make_unique<StdDeadOilTable>(); },
      [] { return std::make_unique<StdDeadOilConstantCompressTable>(); }};
  std::vector<std::function<std::unique_ptr<IGasTable>()>> const gasKinds{
      [] { return std::make_unique<StdGasTable>(); },
      [] { return std::make_unique<StdDryGasTable>(); }};
  auto expectRowsOnly = [](auto const& makeSource, auto const& makeTarget) {
    auto source = makeSource(), target = makeTarget();
    fill(*source, {2, 1}, 100.0);
    fill(*target, {1, 3, 2}, 200.0);
    auto const before = snapshot(*target);
    SCOPED_TRACE(snapshot(*source).kind + " into " + before.kind);
    copy(*source, *target, 0);
    // A compressible table keeps its thermal values and the pairs of the two rows left.
    Values extras = before.extras;
    if (dynamic_cast<ICompressibleOilTable const*>(&*target)) extras.resize(4 + 2 * 2);
    EXPECT_EQ(snapshot(*target), (Table{before.kind, rows(*source), extras}));
  };
  for (auto const& source : oilKinds) {
    for (auto const& target : oilKinds) expectRowsOnly(source, target);
  }
  for (auto const& source : gasKinds) {
    for (auto const& target : gasKinds) expectRowsOnly(source, target);
  }
}

TEST(SolventAndMiscibilityTableCopy, LeaveTheTargetWithTheSourceRowsAndValues) {
  StdSolventTable solvent, solventTarget;
  support::fill(solvent, 10.0, 2);
  support::fill(solventTarget, 20.0, 4);
  copy(solvent, solventTarget, -1);
  EXPECT_EQ(support::observe(solventTarget), support::observe(solvent));
  StdMisciblityTable miscibility, miscibilityTarget;
  support::fill(miscibility, 10.0, 2);
  support::fill(miscibilityTarget, 20.0, 4);
  copy(miscibility, miscibilityTarget, -1);
  EXPECT_EQ(support::observe(miscibilityTarget), support::observe(miscibility));
}

TEST(BlackOilModelCopy, VisitsRegionsOneToTheCountAndMakesFillsOrDeletesTablesInOrder) {
  recording::CallLog log;
  recording::RecordingBlackOilModel source(log, "S"), target(log, "T");
  source.gasDensity(0.9);
  source.oilDensity(850.0);
  fillWater(source.makeWaterProperties(), 100.0, Salt::NACL);
  for (char const* name : {"A", "EQL"}) source.makeInitialCondition(name);
  fill(source.makeDryGasTable(), {1, 2}, 300.0);
  fill(source.makeDeadOilTable(1), {2}, 100.0);
  fill(source.makeCompressibleOilTable(2), {2, 2}, 200.0);
  fill(source.makeOilTable(4), {1}, 400.0);  // three tables: region 4 is not visited
  for (char const* name : {"B", "EQL"}) target.makeInitialCondition(name);
  fill(target.makeOilTable(0), {1}, 1000.0);
  fill(target.makeDeadOilTable(2), {1}, 1200.0);
  fill(target.makeOilTable(3), {1}, 1300.0);
  fill(target.makeOilTable(4), {1}, 1400.0);
  fill(target.makeDeadOilConstantCompressTable(6), {2}, 1600.0);
  auto const from = snapshot(source);
  auto const before = snapshot(target);
  std::string const densities =
      "S.gasDensity() T.gasDensity(0.9) S.oilDensity() T.oilDensity(850) ";
  log.take();

  // The target lacks water, a gas table and region 1, and holds a dead-oil table under 2.
  copy(source, target, 1 | 2 | 4 | 8 | 16);
  EXPECT_EQ(log.take(), densities +
                            "S.getWaterProperties() T.getWaterProperties() T.makeWaterProperties() "
                            "S.getInitialConditionNames() T.getInitialConditionNames() "
                            "S.getInitialCondition(EQL) T.getInitialCondition(EQL) "
                            "S.getGasTable() T.getGasTable() T.makeGasTable() "
                            "S.getNumOfOilTables() S.getOilTable(1) T.getOilTable(1) "
                            "T.makeOilTable(1) S.getOilTable(2) T.getOilTable(2) "
                            "T.makeCompressibleOilTable(2) S.getOilTable(3) T.deleteOilTable(3)");
  auto after = snapshot(target);
  // Water made new holds the source's six numbers and its own defaults otherwise; made
  // tables are of the plain kinds unless the source's is compressible.
  EXPECT_EQ(after.fluid.water, withSixNumbersOf(snapshot(StdWaterProperties()), *from.fluid.water));
  EXPECT_EQ(after.gas, (Table{kind<StdGasTable>(), from.gas->rows, {}}));
  Values made{0, 0, 0, 0};  // new thermal values, then the source's pairs
  made.insert(made.end(), from.oil.at(2).extras.begin() + 4, from.oil.at(2).extras.end());
  std::map<int, Table> const expected{
      {0, before.oil.at(0)},
      {1, {kind<StdOilTable>(), from.oil.at(1).rows, {}}},
      {2, {kind<StdCompressibleOilTable>(), from.oil.at(2).rows, made}},
      {4, before.oil.at(4)},
      {6, before.oil.at(6)}};
  EXPECT_EQ(after.oil, expected);

  // Tables the target holds are filled and keep their kind and their own values; a
  // compressible one keeps the pairs of the rows that remain.
  fill(target.makeCompressibleOilTable(1), {1, 1, 1}, 1100.0);
  fill(target.makeDryGasTable(), {3}, 500.0);
  auto const held = snapshot(*target.getOilTable(1));
  log.take();
  copy(source, target, 8 | 16);
  EXPECT_EQ(log.take(), densities +
                            "S.getGasTable() T.getGasTable() S.getNumOfOilTables() "
                            "S.getOilTable(1) T.getOilTable(1) S.getOilTable(2) T.getOilTable(2) "
                            "S.getOilTable(3) T.deleteOilTable(3)");
  after = snapshot(target);
  EXPECT_EQ(after.gas, (Table{kind<StdDryGasTable>(), from.gas->rows, {501, 502}}));
  EXPECT_EQ(after.oil.at(1), (Table{held.kind, from.oil.at(1).rows,
                                    Values(held.extras.begin(), held.extras.begin() + 4 + 2)}));

  // A source without water or a gas table removes the target's.
  recording::RecordingBlackOilModel bare(log, "S");
  bare.makeOilTable(1);
  log.take();
  copy(bare, target, -1);
  EXPECT_EQ(log.take(),
            "S.gasDensity() T.gasDensity(0) S.oilDensity() T.oilDensity(0) "
            "S.getWaterProperties() T.deleteWaterProperties() S.getInitialConditionNames() "
            "T.getInitialConditionNames() S.getGasTable() T.deleteGasTable() "
            "S.getNumOfOilTables() S.getOilTable(1) T.getOilTable(1)");

  // Without bits 8 and 16 the table count is still read, and nothing else of the tables.
  log.take();
  copy(source, target, 0);
  EXPECT_EQ(log.take(), densities + "S.getNumOfOilTables()");
}
