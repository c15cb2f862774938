// The black-oil model's tables: one gas table of either kind, one oil table of any kind
// per region, a solvent and a miscibility table; oil tables shared between copies, the
// others duplicated.
#include <gtest/gtest.h>

#include <typeinfo>
#include <utility>

#include "Orv/Tess/Varnak.h"
#include "support/Support.h"

namespace {

namespace ovt = Orv::Tess::Varnak;
using Model = ovt::StdBlackOilModel;

TEST(StdBlackOilModel, EachMakeReplacesItsTableWhateverItsKind) {
  Model model("North");
  Model const& view = model;
  EXPECT_EQ(model.getName(), "North");
  EXPECT_EQ(Model().getName(), "");
  EXPECT_EQ(model.gasDensity(), 0.0);
  EXPECT_EQ(model.oilDensity(), 0.0);
  model.gasDensity(-0.8);  // stored unchecked
  model.oilDensity(850.0);
  EXPECT_EQ(model.gasDensity(), -0.8);
  EXPECT_EQ(model.oilDensity(), 850.0);

  model.deleteGasTable();  // nothing to delete
  ovt::IGasTable& wet = model.makeGasTable();
  EXPECT_EQ(typeid(wet), typeid(ovt::StdGasTable));
  EXPECT_EQ(model.getGasTable(), &wet);
  ovt::IDryGasTable& dry = model.makeDryGasTable();
  EXPECT_EQ(typeid(dry), typeid(ovt::StdDryGasTable));
  EXPECT_EQ(view.getGasTable(), static_cast<ovt::IGasTable*>(&dry));
  EXPECT_EQ(typeid(*&model.makeGasTable()), typeid(ovt::StdGasTable));
  model.deleteGasTable();
  EXPECT_EQ(view.getGasTable(), nullptr);

  model.makeSolventTable().setSize(3);
  EXPECT_EQ(model.makeSolventTable().getSize(), 0);
  EXPECT_EQ(view.getSolventTable(), model.getSolventTable());
  model.makeMiscibilityTable().setSize(2);
  EXPECT_EQ(model.makeMiscibilityTable().getSize(), 0);
  EXPECT_EQ(view.getMiscibilityTable(), model.getMiscibilityTable());
  for (int twice = 0; twice < 2; ++twice) {
    model.deleteSolventTable();
    model.deleteMiscibilityTable();
  }
  EXPECT_EQ(view.getSolventTable(), nullptr);
  EXPECT_EQ(view.getMiscibilityTable(), nullptr);
}

TEST(StdBlackOilModel, KeepsOneOilTableOfAnyKindPerRegionKey) {
  Model model;
  Model const& view = model;
  EXPECT_EQ(model.getOilTable(1), nullptr);
  ovt::IOilTable& live = model.makeOilTable(3);
  EXPECT_EQ(typeid(live), typeid(ovt::StdOilTable));
  EXPECT_EQ(model.getOilTable(3), &live);
  ovt::IDeadOilTable& dead = model.makeDeadOilTable(3);
  EXPECT_EQ(typeid(dead), typeid(ovt::StdDeadOilTable));
  EXPECT_EQ(view.getOilTable(3), static_cast<ovt::IOilTable*>(&dead));
  EXPECT_EQ(model.getOilTable(3)->getSaturatedSize(), 1);
  ovt::ICompressibleOilTable& compressible = model.makeCompressibleOilTable(3);
  EXPECT_EQ(typeid(compressible), typeid(ovt::StdCompressibleOilTable));
  EXPECT_EQ(model.getOilTable(3), static_cast<ovt::IOilTable*>(&compressible));
  ovt::IDeadOilConstantCompressTable& constant = model.makeDeadOilConstantCompressTable(3);
  EXPECT_EQ(typeid(constant), typeid(ovt::StdDeadOilConstantCompressTable));
  EXPECT_EQ(model.getOilTable(3), static_cast<ovt::IOilTable*>(&constant));
  EXPECT_EQ(model.getNumOfOilTables(), 1);

  // The count is of region keys, not the largest region; any int is a key.
  for (int region : {1, -4, 0}) model.makeOilTable(region);
  EXPECT_EQ(model.getNumOfOilTables(), 4);
  EXPECT_NE(view.getOilTable(-4), nullptr);
  EXPECT_EQ(view.getOilTable(2), nullptr);
  model.deleteOilTable(2);  // absent: nothing happens
  model.deleteOilTable(3);
  EXPECT_EQ(model.getNumOfOilTables(), 3);
  EXPECT_EQ(model.getOilTable(3), nullptr);
}

// A model with live oil in regions 1 and 2, a dry-gas table and both small tables.
void build(Model& model) {
  model.gasDensity(0.85);
  model.oilDensity(840.0);
  support::fill(model.makeOilTable(1), 0.0);
  model.makeDeadOilTable(2).setDissolvedGas(40.0);
  support::fill(model.makeDryGasTable(), 10.0);
  model.makeSolventTable().setSize(2);
  model.getSolventTable()->setPressure(1, 200.0);
  model.makeMiscibilityTable().setSize(1);
}

TEST(StdBlackOilModel, CopiesShareTheOilTablesAndOwnEverythingElse) {
  Model source("Base");
  build(source);
  Model copy(source);
  Model assigned("Target");
  assigned.makeOilTable(7);
  assigned.makeGasTable();
  assigned = source;
  for (Model* m : {&copy, &assigned}) {
    EXPECT_EQ(m->getName(), "Base");
    EXPECT_EQ(m->gasDensity(), 0.85);
    EXPECT_EQ(m->oilDensity(), 840.0);
    EXPECT_EQ(m->getNumOfOilTables(), 2);
    EXPECT_EQ(m->getOilTable(1), source.getOilTable(1));  // the very same oil tables
    EXPECT_EQ(m->getOilTable(2), source.getOilTable(2));
    // A gas table of the same kind and content, and small tables, all the model's own.
    ovt::IGasTable* const gas = m->getGasTable();
    ASSERT_NE(gas, nullptr);
    EXPECT_NE(gas, source.getGasTable());
    EXPECT_EQ(typeid(*gas), typeid(ovt::StdDryGasTable));
    EXPECT_EQ(support::observe(*gas), support::observe(*source.getGasTable()));
    ASSERT_NE(m->getSolventTable(), nullptr);
    ASSERT_NE(m->getMiscibilityTable(), nullptr);
    EXPECT_NE(m->getSolventTable(), source.getSolventTable());
    EXPECT_NE(m->getMiscibilityTable(), source.getMiscibilityTable());
    EXPECT_EQ(m->getSolventTable()->getPressure(1), 200.0);
    EXPECT_EQ(m->getMiscibilityTable()->getSize(), 1);
    gas->setPressure(0, -1.0);
    m->getSolventTable()->setPressure(1, -1.0);
    m->getMiscibilityTable()->setSize(0);
  }
  EXPECT_NE(source.getGasTable()->getPressure(0), -1.0);
  EXPECT_EQ(source.getSolventTable()->getPressure(1), 200.0);
  EXPECT_EQ(source.getMiscibilityTable()->getSize(), 1);
  copy.getOilTable(1)->setViscosity(0, 0, 4.5);  // a change through a copy reaches the source
  EXPECT_EQ(source.getOilTable(1)->getViscosity(0, 0), 4.5);

  // A model has no move: moving from one copies it, and the source keeps every table.
  Model moved(std::move(source));
  EXPECT_NE(source.getGasTable(), nullptr);  // NOLINT(bugprone-use-after-move)
  EXPECT_NE(source.getSolventTable(), nullptr);
  EXPECT_EQ(moved.getOilTable(1), source.getOilTable(1));

  // Assigning a model to itself keeps every table in place.
  ovt::IGasTable* const gas = source.getGasTable();
  ovt::ISolventTable* const solvent = source.getSolventTable();
  Model const& self = source;
  source = self;
  EXPECT_EQ(source.getGasTable(), gas);
  EXPECT_EQ(source.getSolventTable(), solvent);
  EXPECT_EQ(source.getOilTable(1), moved.getOilTable(1));

  // A source without gas, solvent, miscibility or oil tables removes the target's.
  Model const bare("Bare");
  Model bareCopy(bare);
  assigned = bare;
  for (Model* m : {&bareCopy, &assigned}) {
    EXPECT_EQ(m->getGasTable(), nullptr);
    EXPECT_EQ(m->getSolventTable(), nullptr);
    EXPECT_EQ(m->getMiscibilityTable(), nullptr);
    EXPECT_EQ(m->getNumOfOilTables(), 0);
  }
  EXPECT_EQ(source.getOilTable(1)->getSaturatedSize(), 3);  // still alive in the source
}

}  // namespace
