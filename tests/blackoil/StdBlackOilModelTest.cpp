// The black-oil model's tables: one per slot or region, replaced by make…, and copied
// with the oil tables shared, the gas table cloned and the solvent and miscibility
// tables duplicated.
#include <gtest/gtest.h>

#include <typeinfo>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/IDeadOilTable.h"
#include "Orv/Tess/Varnak/IDryGasTable.h"
#include "Orv/Tess/Varnak/IMiscibilityTable.h"
#include "Orv/Tess/Varnak/ISolventTable.h"
#include "Orv/Tess/Varnak/StdBlackOilModel.h"
#include "Orv/Tess/Varnak/StdCompressibleOilTable.h"
#include "Orv/Tess/Varnak/StdDeadOilConstantCompressTable.h"
#include "Orv/Tess/Varnak/StdDeadOilTable.h"
#include "Orv/Tess/Varnak/StdDryGasTable.h"
#include "Orv/Tess/Varnak/StdGasTable.h"
#include "Orv/Tess/Varnak/StdOilTable.h"
#include "blackoil/TableProbe.h"

namespace {

namespace ovt = Orv::Tess::Varnak;

TEST(StdBlackOilModel, ANewModelHoldsNoTables) {
  ovt::StdBlackOilModel made("North");
  ovt::IBlackOilModel& model = made;
  EXPECT_EQ(model.getName(), "North");
  EXPECT_EQ(model.getGasTable(), nullptr);
  EXPECT_EQ(model.getSolventTable(), nullptr);
  EXPECT_EQ(model.getMiscibilityTable(), nullptr);
  EXPECT_EQ(model.getNumOfOilTables(), 0);
  EXPECT_EQ(model.getOilTable(1), nullptr);
  EXPECT_EQ(model.gasDensity(), 0.0);
  EXPECT_EQ(model.oilDensity(), 0.0);
  model.gasDensity(-0.8);  // stored unchecked
  model.oilDensity(850.0);
  EXPECT_EQ(model.gasDensity(), -0.8);
  EXPECT_EQ(model.oilDensity(), 850.0);
  EXPECT_EQ(ovt::StdBlackOilModel().getName(), "");
}

TEST(StdBlackOilModel, EachMakeReplacesTheGasTableWhateverItsKind) {
  ovt::StdBlackOilModel model;
  ovt::IGasTable& wet = model.makeGasTable();
  EXPECT_EQ(typeid(wet), typeid(ovt::StdGasTable));
  EXPECT_EQ(model.getGasTable(), &wet);

  ovt::IDryGasTable& dry = model.makeDryGasTable();
  EXPECT_EQ(typeid(dry), typeid(ovt::StdDryGasTable));
  EXPECT_EQ(model.getGasTable(), static_cast<ovt::IGasTable*>(&dry));
  EXPECT_EQ(dry.getSaturatedSize(), 0);

  ovt::IGasTable& wetAgain = model.makeGasTable();
  EXPECT_EQ(typeid(wetAgain), typeid(ovt::StdGasTable));
  EXPECT_EQ(model.getGasTable(), &wetAgain);
  model.deleteGasTable();
  EXPECT_EQ(model.getGasTable(), nullptr);
  model.deleteGasTable();  // nothing to delete
  EXPECT_EQ(static_cast<ovt::StdBlackOilModel const&>(model).getGasTable(), nullptr);
}

TEST(StdBlackOilModel, EachMakeReplacesTheOilTableOfItsRegion) {
  ovt::StdBlackOilModel model;
  ovt::IOilTable& live = model.makeOilTable(3);
  EXPECT_EQ(typeid(live), typeid(ovt::StdOilTable));
  EXPECT_EQ(model.getOilTable(3), &live);

  ovt::IDeadOilTable& dead = model.makeDeadOilTable(3);
  EXPECT_EQ(typeid(dead), typeid(ovt::StdDeadOilTable));
  EXPECT_EQ(model.getOilTable(3), static_cast<ovt::IOilTable*>(&dead));
  EXPECT_EQ(dead.getDissolvedGas(), 0.0);
  EXPECT_EQ(model.getOilTable(3)->getSaturatedSize(), 1);
  EXPECT_EQ(model.getNumOfOilTables(), 1);

  ovt::ICompressibleOilTable& compressible = model.makeCompressibleOilTable(3);
  EXPECT_EQ(typeid(compressible), typeid(ovt::StdCompressibleOilTable));
  EXPECT_EQ(model.getOilTable(3), static_cast<ovt::IOilTable*>(&compressible));

  ovt::IDeadOilConstantCompressTable& constant = model.makeDeadOilConstantCompressTable(3);
  EXPECT_EQ(typeid(constant), typeid(ovt::StdDeadOilConstantCompressTable));
  EXPECT_EQ(model.getOilTable(3), static_cast<ovt::IOilTable*>(&constant));
  EXPECT_EQ(model.getNumOfOilTables(), 1);
}

TEST(StdBlackOilModel, CountsRegionKeysNotTheLargestRegion) {
  ovt::StdBlackOilModel model;
  model.makeOilTable(1);
  model.makeDeadOilTable(5);
  EXPECT_EQ(model.getNumOfOilTables(), 2);
  model.makeOilTable(-4);  // any int is a region key
  model.makeOilTable(0);
  EXPECT_EQ(model.getNumOfOilTables(), 4);
  EXPECT_NE(model.getOilTable(-4), nullptr);
  EXPECT_EQ(model.getOilTable(2), nullptr);
  model.deleteOilTable(2);  // absent: nothing happens
  EXPECT_EQ(model.getNumOfOilTables(), 4);
  model.deleteOilTable(5);
  EXPECT_EQ(model.getNumOfOilTables(), 3);
  EXPECT_EQ(static_cast<ovt::StdBlackOilModel const&>(model).getOilTable(5), nullptr);
  EXPECT_NE(static_cast<ovt::StdBlackOilModel const&>(model).getOilTable(1), nullptr);
}

TEST(StdBlackOilModel, MakingSolventAndMiscibilityTablesReplacesThem) {
  ovt::StdBlackOilModel model;
  ovt::ISolventTable& solvent = model.makeSolventTable();
  solvent.setSize(3);
  EXPECT_EQ(model.getSolventTable(), &solvent);
  EXPECT_EQ(model.makeSolventTable().getSize(), 0);

  ovt::IMiscibilityTable& miscibility = model.makeMiscibilityTable();
  miscibility.setSize(2);
  EXPECT_EQ(model.getMiscibilityTable(), &miscibility);
  EXPECT_EQ(model.makeMiscibilityTable().getSize(), 0);

  model.deleteSolventTable();
  model.deleteMiscibilityTable();
  model.deleteSolventTable();
  model.deleteMiscibilityTable();
  ovt::StdBlackOilModel const& constModel = model;
  EXPECT_EQ(constModel.getSolventTable(), nullptr);
  EXPECT_EQ(constModel.getMiscibilityTable(), nullptr);
}

// A model with live oil in regions 1 and 2, a dry-gas table and both small tables.
void build(ovt::StdBlackOilModel& model) {
  model.gasDensity(0.85);
  model.oilDensity(840.0);
  probe::fill(model.makeOilTable(1), 0.0);
  model.makeDeadOilTable(2).setDissolvedGas(40.0);
  ovt::IDryGasTable& gas = model.makeDryGasTable();
  probe::fill(gas, 10.0);
  gas.setVaporizedOil(1.0e-5);
  model.makeSolventTable().setSize(2);
  model.getSolventTable()->setPressure(1, 200.0);
  model.makeMiscibilityTable().setSize(1);
  model.getMiscibilityTable()->setMiscibility(0, 0.9);
}

TEST(StdBlackOilModel, ACopySharesTheOilTablesAndOwnsEverythingElse) {
  ovt::StdBlackOilModel source("Base");
  build(source);
  ovt::StdBlackOilModel copy(source);

  EXPECT_EQ(copy.getName(), "Base");
  EXPECT_EQ(copy.gasDensity(), 0.85);
  EXPECT_EQ(copy.oilDensity(), 840.0);
  EXPECT_EQ(copy.getNumOfOilTables(), 2);

  // The very same oil tables: a change through the copy is seen by the source.
  EXPECT_EQ(copy.getOilTable(1), source.getOilTable(1));
  EXPECT_EQ(copy.getOilTable(2), source.getOilTable(2));
  copy.getOilTable(1)->setViscosity(0, 0, 4.5);
  EXPECT_EQ(source.getOilTable(1)->getViscosity(0, 0), 4.5);

  // A gas table of the same kind and content, but the copy's own.
  ovt::IGasTable* const copiedGas = copy.getGasTable();
  ASSERT_NE(copiedGas, nullptr);
  EXPECT_NE(copiedGas, source.getGasTable());
  EXPECT_EQ(typeid(*copiedGas), typeid(ovt::StdDryGasTable));
  EXPECT_EQ(probe::snapshot(dynamic_cast<ovt::StdDryGasTable&>(*copy.getGasTable())),
            probe::snapshot(dynamic_cast<ovt::StdDryGasTable&>(*source.getGasTable())));
  copy.getGasTable()->setPressure(0, -1.0);
  EXPECT_NE(source.getGasTable()->getPressure(0), -1.0);

  // Own duplicates of the solvent and miscibility tables.
  ASSERT_NE(copy.getSolventTable(), nullptr);
  ASSERT_NE(copy.getMiscibilityTable(), nullptr);
  EXPECT_NE(copy.getSolventTable(), source.getSolventTable());
  EXPECT_NE(copy.getMiscibilityTable(), source.getMiscibilityTable());
  EXPECT_EQ(copy.getSolventTable()->getPressure(1), 200.0);
  EXPECT_EQ(copy.getMiscibilityTable()->getMiscibility(0), 0.9);
  copy.getSolventTable()->setPressure(1, -1.0);
  copy.getMiscibilityTable()->setSize(0);
  EXPECT_EQ(source.getSolventTable()->getPressure(1), 200.0);
  EXPECT_EQ(source.getMiscibilityTable()->getSize(), 1);

  // A model has no move: moving from one copies it, and the source keeps every table.
  ovt::StdBlackOilModel moved(std::move(source));
  EXPECT_NE(source.getGasTable(), nullptr);  // NOLINT(bugprone-use-after-move)
  EXPECT_NE(source.getSolventTable(), nullptr);
  EXPECT_EQ(moved.getOilTable(1), source.getOilTable(1));

  // No gas, solvent or miscibility table where the source has none.
  ovt::StdBlackOilModel bare;
  ovt::StdBlackOilModel bareCopy(bare);
  EXPECT_EQ(bareCopy.getGasTable(), nullptr);
  EXPECT_EQ(bareCopy.getSolventTable(), nullptr);
  EXPECT_EQ(bareCopy.getMiscibilityTable(), nullptr);
}

TEST(StdBlackOilModel, CopyAssignmentReplacesEveryTableOfTheTarget) {
  ovt::StdBlackOilModel source("Base");
  build(source);
  ovt::StdBlackOilModel target("Target");
  ovt::IOilTable& ownRegion7 = target.makeOilTable(7);
  ownRegion7.setSaturatedSize(2);
  target.makeGasTable();

  target = source;
  EXPECT_EQ(target.getName(), "Base");
  EXPECT_EQ(target.oilDensity(), 840.0);
  EXPECT_EQ(target.getNumOfOilTables(), 2);
  EXPECT_EQ(target.getOilTable(7), nullptr);
  EXPECT_EQ(target.getOilTable(1), source.getOilTable(1));  // shared handles
  EXPECT_EQ(target.getOilTable(2), source.getOilTable(2));
  ovt::IGasTable* const assignedGas = target.getGasTable();
  ASSERT_NE(assignedGas, nullptr);
  EXPECT_NE(assignedGas, source.getGasTable());
  EXPECT_EQ(typeid(*assignedGas), typeid(ovt::StdDryGasTable));
  ASSERT_NE(target.getSolventTable(), nullptr);
  EXPECT_NE(target.getSolventTable(), source.getSolventTable());
  EXPECT_EQ(target.getSolventTable()->getPressure(1), 200.0);
  ASSERT_NE(target.getMiscibilityTable(), nullptr);
  EXPECT_NE(target.getMiscibilityTable(), source.getMiscibilityTable());

  // A source without gas, solvent or miscibility tables removes the target's.
  ovt::StdBlackOilModel bare("Bare");
  target = bare;
  EXPECT_EQ(target.getGasTable(), nullptr);
  EXPECT_EQ(target.getSolventTable(), nullptr);
  EXPECT_EQ(target.getMiscibilityTable(), nullptr);
  EXPECT_EQ(target.getNumOfOilTables(), 0);
  EXPECT_EQ(source.getOilTable(1)->getSaturatedSize(), 3);  // still alive in the source

  // Assigning a model to itself keeps every table in place.
  ovt::IOilTable* const region1 = source.getOilTable(1);
  ovt::IGasTable* const gas = source.getGasTable();
  ovt::ISolventTable* const solvent = source.getSolventTable();
  ovt::StdBlackOilModel& self = source;
  source = self;
  EXPECT_EQ(source.getOilTable(1), region1);
  EXPECT_EQ(source.getGasTable(), gas);
  EXPECT_EQ(source.getSolventTable(), solvent);
  EXPECT_EQ(source.getName(), "Base");
}

}  // namespace
