// Allocation failures in the black-oil model and its solvent and miscibility tables.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <utility>

#include "Orv/Tess/Varnak/ICompressibleOilTable.h"
#include "Orv/Tess/Varnak/IDeadOilTable.h"
#include "Orv/Tess/Varnak/IDryGasTable.h"
#include "Orv/Tess/Varnak/IGasTable.h"
#include "Orv/Tess/Varnak/IInitialCondition.h"
#include "Orv/Tess/Varnak/IOilTable.h"
#include "Orv/Tess/Varnak/IWaterProperties.h"
#include "Orv/Tess/Varnak/StdBlackOilModel.h"
#include "Orv/Tess/Varnak/StdMisciblityTable.h"
#include "Orv/Tess/Varnak/StdSolventTable.h"
#include "alloc/AllocationFailure.h"

namespace {

using namespace Orv::Tess::Varnak;
using alloc::check;
using alloc::Pair;

void fillSolvent(ISolventTable& t, int rows) {
  t.setSurfaceDensity(1.2);
  t.setSize(rows);
  for (int i = 0; i < rows; ++i) {
    t.setPressure(i, 50.0 * (i + 1));
    t.setFormationVolumeFactor(i, 0.02 / (i + 1));
    t.setViscosity(i, 0.02 + 0.001 * i);
  }
}

void fillMiscibility(IMiscibilityTable& t, int rows) {
  t.setViscosityMixingParameter(0.7);
  t.setSize(rows);
  for (int i = 0; i < rows; ++i) {
    t.setOilPressure(i, 100.0 + 50.0 * i);
    t.setMiscibility(i, i == 0 ? 0.0 : 1.0);
  }
}

TEST(AllocationFailure, SolventAndMiscibilityTables) {
  auto solvents = [] {
    Pair<StdSolventTable> p{std::make_unique<StdSolventTable>(),
                            std::make_unique<StdSolventTable>()};
    fillSolvent(*p.object, 3);
    fillSolvent(*p.other, 5);
    return p;
  };
  check("StdSolventTable setSize grow", solvents, [](auto& p) { p.object->setSize(6); });
  check("StdSolventTable setSize negative", solvents, [](auto& p) {
    try {
      p.object->setSize(-1);
    } catch (std::length_error const&) {
    }
  });
  check("StdSolventTable setViscosity bad index", solvents, [](auto& p) {
    try {
      p.object->setViscosity(3, 1.0);
    } catch (std::range_error const&) {
    }
  });
  alloc::checkValueSemantics<StdSolventTable>("StdSolventTable", solvents);

  auto miscibilities = [] {
    Pair<StdMisciblityTable> p{std::make_unique<StdMisciblityTable>(),
                               std::make_unique<StdMisciblityTable>()};
    fillMiscibility(*p.object, 2);
    fillMiscibility(*p.other, 4);
    return p;
  };
  check("StdMisciblityTable setSize grow", miscibilities, [](auto& p) { p.object->setSize(5); });
  check("StdMisciblityTable setMiscibility bad index", miscibilities, [](auto& p) {
    try {
      p.object->setMiscibility(-1, 1.0);
    } catch (std::range_error const&) {
    }
  });
  alloc::checkValueSemantics<StdMisciblityTable>("StdMisciblityTable", miscibilities);
}

// A two-region black-oil description with gas, solvent, water and an equilibration.
void fillModel(IBlackOilModel& m) {
  m.gasDensity(0.85);
  m.oilDensity(840.0);
  IOilTable& live = m.makeOilTable(1);
  live.setSaturatedSize(2);
  live.setUndersaturatedSize(1, 3);
  m.makeDeadOilTable(2).setDissolvedGas(12.0);
  m.makeGasTable().setSaturatedSize(3);
  fillSolvent(m.makeSolventTable(), 2);
  fillMiscibility(m.makeMiscibilityTable(), 2);
  m.makeWaterProperties().setViscosity(0.5);
  m.makeInitialCondition("Main equilibration region").setDatumDepth(2100.0);
}

Pair<StdBlackOilModel> models() {
  Pair<StdBlackOilModel> p{std::make_unique<StdBlackOilModel>("North field black oil"),
                           std::make_unique<StdBlackOilModel>("South")};
  fillModel(*p.object);
  p.other->makeDryGasTable().setSaturatedSize(1);
  p.other->makeCompressibleOilTable(1).setSaturatedSize(4);
  return p;
}

TEST(AllocationFailure, BlackOilModel) {
  check("makeOilTable new region", models, [](auto& p) { p.object->makeOilTable(3); });
  check("makeOilTable replacing", models, [](auto& p) { p.object->makeOilTable(1); });
  check("makeCompressibleOilTable", models,
        [](auto& p) { p.object->makeCompressibleOilTable(-4); });
  check("makeDeadOilTable", models, [](auto& p) { p.object->makeDeadOilTable(2); });
  check("makeDeadOilConstantCompressTable", models,
        [](auto& p) { p.object->makeDeadOilConstantCompressTable(7); });
  check("deleteOilTable", models, [](auto& p) { p.object->deleteOilTable(1); });
  check("makeGasTable replacing", models, [](auto& p) { p.object->makeGasTable(); });
  check("makeDryGasTable", models, [](auto& p) { p.object->makeDryGasTable(); });
  check("deleteGasTable", models, [](auto& p) { p.object->deleteGasTable(); });
  check("makeSolventTable replacing", models, [](auto& p) { p.object->makeSolventTable(); });
  check("makeMiscibilityTable first", models, [](auto& p) { p.other->makeMiscibilityTable(); });
  check("deleteSolventTable", models, [](auto& p) { p.object->deleteSolventTable(); });
  check("deleteMiscibilityTable", models, [](auto& p) { p.object->deleteMiscibilityTable(); });
  check("makeInitialCondition", models,
        [](auto& p) { p.object->makeInitialCondition("Main equilibration region"); });
  check("StdBlackOilModel copy construction", models,
        [](auto& p) { p.other = std::make_unique<StdBlackOilModel>(std::as_const(*p.object)); });
  check("StdBlackOilModel copy assignment", models,
        [](auto& p) { *p.object = std::as_const(*p.other); });
  check("StdBlackOilModel copy assignment back", models,
        [](auto& p) { *p.other = std::as_const(*p.object); });
}

}  // namespace
