// Copies of black-oil tables and models: the two-level transfer and its order, the kinds
// on both sides, the regions visited and the flag bits of the model copy.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "Orv/Tess/Varnak.h"
#include "copy/Recording.h"
#include "copy/State.h"

using namespace Orv::Tess::Varnak;
using namespace state;

TEST(CompressibleOilTableCopy, TransfersThePairsAndTheRowsAndKeepsTheThermalValues) {
  StdCompressibleOilTable source, target, expected;
  support::fill(source, 10.0, {2, 0});
  support::fill(target, 200.0, {1, 1, 1});
  // The target keeps its four thermal values and takes the source's pairs.
  support::fill(expected, 10.0, {2, 0});
  keepKindValues(expected, target);
  for (int i = 0; i < 2; ++i) {
    expected.setCompressibility(i, source.getCompressibility(i));
    expected.setViscosibility(i, source.getViscosibility(i));
  }
  copy(source, target, -1);
  EXPECT_EQ(support::observe(target), support::observe(expected));
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
  // The target keeps its kind and what the kind holds beside the rows.
  auto expectRowsOnly = [](auto const& makeSource, auto const& makeTarget) {
    auto source = makeSource(), target = makeTarget(), expected = makeTarget();
    support::fill(*source, 100.0, {2, 1});
    support::fill(*target, 200.0, {1, 3, 2});
    support::fill(*expected, 100.0, {2, 1});
    keepKindValues(*expected, *target);
    SCOPED_TRACE(support::observe(*source) + " into " + support::observe(*target));
    copy(*source, *target, 0);
    EXPECT_EQ(support::observe(*target), support::observe(*expected));
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
  StdBlackOilModel expected("T");
  source.gasDensity(0.9);
  source.oilDensity(850.0);
  support::furnish(source.makeWaterProperties(), 100.0);
  for (char const* name : {"A", "EQL"}) source.makeInitialCondition(name);
  support::fill(source.makeDryGasTable(), 300.0, {1, 2});
  support::fill(source.makeDeadOilTable(1), 100.0, {2});
  support::fill(source.makeCompressibleOilTable(2), 200.0, {2, 2});
  support::fill(source.makeOilTable(4), 400.0, {1});  // three tables: region 4 is not visited
  for (IBlackOilModel* model : std::initializer_list<IBlackOilModel*>{&target, &expected}) {
    for (char const* name : {"B", "EQL"}) model->makeInitialCondition(name);
    support::fill(model->makeOilTable(0), 1000.0, {1});
    support::fill(model->makeOilTable(4), 1400.0, {1});
    support::fill(model->makeDeadOilConstantCompressTable(6), 1600.0, {2});
  }
  support::fill(target.makeDeadOilTable(2), 1200.0, {1});
  support::fill(target.makeOilTable(3), 1300.0, {1});
  // Water made new holds the source's six numbers and its own defaults otherwise; made
  // tables are of the plain kinds unless the source's is compressible, which keeps its
  // new thermal values.
  expected.gasDensity(0.9);
  expected.oilDensity(850.0);
  takeSixNumbers(expected.makeWaterProperties(), *source.getWaterProperties());
  support::fill(expected.makeGasTable(), 300.0, {1, 2});
  support::fill(expected.makeOilTable(1), 100.0, {2});
  auto& made = expected.makeCompressibleOilTable(2);
  support::fill(made, 200.0, {2, 2});
  keepKindValues(made, StdCompressibleOilTable());
  auto const from = support::observe(source);
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
  EXPECT_EQ(support::observe(target), support::observe(expected));
  EXPECT_EQ(support::observe(source), from);

  // Tables the target holds are filled and keep their kind and their own values; a
  // compressible one keeps the pairs of the rows that remain.
  for (IBlackOilModel* model : std::initializer_list<IBlackOilModel*>{&target, &expected}) {
    support::fill(model->makeCompressibleOilTable(1), 1100.0, {1, 1, 1});
    support::fill(model->makeDryGasTable(), 500.0, {3});
  }
  support::fill(*expected.getOilTable(1), 100.0, {2});
  keepKindValues(*expected.getOilTable(1), *target.getOilTable(1));
  support::fill(*expected.getGasTable(), 300.0, {1, 2});
  keepKindValues(*expected.getGasTable(), *target.getGasTable());
  log.take();
  copy(source, target, 8 | 16);
  EXPECT_EQ(log.take(), densities +
                            "S.getGasTable() T.getGasTable() S.getNumOfOilTables() "
                            "S.getOilTable(1) T.getOilTable(1) S.getOilTable(2) T.getOilTable(2) "
                            "S.getOilTable(3) T.deleteOilTable(3)");
  EXPECT_EQ(support::observe(target), support::observe(expected));

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
