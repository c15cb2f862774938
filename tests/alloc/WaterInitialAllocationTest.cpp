// Allocation failures in water properties, brine tables, initial conditions, depth tables
// and the depth-table operations.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "Orv/Tess/Varnak/DepthTableOperations.h"
#include "Orv/Tess/Varnak/IBrinePropertyTable.h"
#include "Orv/Tess/Varnak/StdBrinePropertyTable.h"
#include "Orv/Tess/Varnak/StdDepthTable.h"
#include "Orv/Tess/Varnak/StdInitialCondition.h"
#include "Orv/Tess/Varnak/StdWaterProperties.h"
#include "alloc/AllocationFailure.h"

namespace {

using namespace Orv::Tess::Varnak;
using alloc::check;
using alloc::OnFailure;
using alloc::Pair;
using Property = IInitialCondition::Property;
using Salt = IBrineComponent::SaltMoleculeType;

// A composition against depth: rows at 1000, 1100, 1200 m, three mole fractions each.
void fillComposition(IDepthTable& t, double shift) {
  t.setNumComponents(3);
  t.setNumDepths(3);
  for (int d = 0; d < 3; ++d) {
    t.setDepth(d, 1000.0 + 100.0 * d + shift);
    for (int c = 0; c < 3; ++c) t.setProperty(d, c, 0.1 * (c + 1) + 0.01 * d);
  }
}

Pair<StdDepthTable> depthTables() {
  Pair<StdDepthTable> p{std::make_unique<StdDepthTable>(), std::make_unique<StdDepthTable>()};
  fillComposition(*p.object, 0.0);
  fillComposition(*p.other, 50.0);
  p.other->setNumDepths(2);
  return p;
}

TEST(AllocationFailure, DepthTable) {
  check("setNumDepths grow", depthTables, [](auto& p) { p.object->setNumDepths(7); });
  check("setNumDepths shrink", depthTables, [](auto& p) { p.object->setNumDepths(1); });
  check("setNumComponents grow", depthTables, [](auto& p) { p.object->setNumComponents(5); });
  check("setNumComponents shrink", depthTables, [](auto& p) { p.object->setNumComponents(1); });
  check("setNumDepths negative", depthTables, [](auto& p) {
    try {
      p.object->setNumDepths(-1);
    } catch (std::length_error const&) {
    }
  });
  check("setProperty bad index", depthTables, [](auto& p) {
    try {
      p.object->setProperty(0, 3, 1.0);
    } catch (std::range_error const&) {
    }
  });
  // With a negative width stored, growing the rows resizes the depths and then fails on
  // the values: the depths are documented to stay resized, also when memory runs out
  // while that error is raised. Memory failure must add no other change.
  auto negativeWidth = [] {
    Pair<StdDepthTable> p{std::make_unique<StdDepthTable>(), nullptr};
    p.object->setNumComponents(-2);
    return p;
  };
  check(
      "setNumDepths over a negative width", negativeWidth,
      [](auto& p) {
        try {
          p.object->setNumDepths(4);
        } catch (std::length_error const&) {
        }
      },
      OnFailure::BeforeOrAfter);
  alloc::checkValueSemantics<StdDepthTable>("StdDepthTable", depthTables);
}

TEST(AllocationFailure, DepthTableOperations) {
  auto table = [] {
    Pair<StdDepthTable> p{std::make_unique<StdDepthTable>(), nullptr};
    fillComposition(*p.object, 0.0);
    return p;
  };
  check("truncate keeping above", table, [](auto& p) { truncate(*p.object, 1150.0, true, false); });
  check("truncate keeping below", table, [](auto& p) { truncate(*p.object, 1150.0, false, true); });
  check("normalizeComposition", table, [](auto& p) { normalizeComposition(*p.object, 1); });
  check(
      "truncate empty table",
      [] {
        return Pair<StdDepthTable>{std::make_unique<StdDepthTable>(), nullptr};
      },
      [](auto& p) {
        try {
          truncate(*p.object, 1.0, true, true);
        } catch (std::runtime_error const&) {
        }
      });
}

Pair<StdInitialCondition> initialConditions() {
  Pair<StdInitialCondition> p{std::make_unique<StdInitialCondition>("North"),
                              std::make_unique<StdInitialCondition>("Southern fault block")};
  p.object->setDatumDepth(1500.0);
  p.object->setDatumPressure(250.0);
  fillComposition(p.object->getDepthTable(Property::OverallComposition), 0.0);
  fillComposition(p.object->getDepthTable(Property::Temperature), 10.0);
  p.other->setWaterContactDepth(1800.0);
  fillComposition(p.other->getDepthTable(Property::Pressure), 20.0);
  return p;
}

TEST(AllocationFailure, InitialCondition) {
  check("getDepthTable making a table", initialConditions,
        [](auto& p) { p.object->getDepthTable(Property::GasComposition); });
  check("getDepthTable making a table under a key beyond the enumerators", initialConditions,
        [](auto& p) { p.object->getDepthTable(static_cast<Property>(12)); });
  check("deleteDepthTable", initialConditions,
        [](auto& p) { p.object->deleteDepthTable(Property::Temperature); });
  check("const getDepthTable missing", initialConditions, [](auto& p) {
    try {
      std::as_const(*p.object).getDepthTable(Property::DewPointPressure);
    } catch (std::range_error const&) {
    }
  });
  alloc::checkValueSemantics<StdInitialCondition>("StdInitialCondition", initialConditions);
}

void fillBrine(IBrinePropertyTable& t, int rows) {
  t.setReferencePressure(200.0);
  t.setTableSize(rows);
  for (int i = 0; i < rows; ++i) {
    t.setSaltConcentration(i, 0.5 * i);
    t.setViscosity(i, 0.3 + 0.01 * i);
  }
}

Pair<StdBrinePropertyTable> brineTables() {
  Pair<StdBrinePropertyTable> p{std::make_unique<StdBrinePropertyTable>(),
                                std::make_unique<StdBrinePropertyTable>()};
  fillBrine(*p.object, 3);
  fillBrine(*p.other, 5);
  return p;
}

TEST(AllocationFailure, BrinePropertyTable) {
  check("setTableSize grow", brineTables, [](auto& p) { p.object->setTableSize(6); });
  check("setTableSize shrink", brineTables, [](auto& p) { p.object->setTableSize(1); });
  check("setViscosity bad index", brineTables, [](auto& p) {
    try {
      p.object->setViscosity(3, 1.0);
    } catch (std::range_error const&) {
    }
  });
  alloc::checkValueSemantics<StdBrinePropertyTable>("StdBrinePropertyTable", brineTables);
}

Pair<StdWaterProperties> waters() {
  Pair<StdWaterProperties> p{std::make_unique<StdWaterProperties>(),
                             std::make_unique<StdWaterProperties>()};
  p.object->setSurfaceDensity(1020.0);
  p.object->makeBrineComponent(Salt::NACL);
  p.object->makeBrineComponent(Salt::CACL2);
  fillBrine(p.object->makeBrinePropertyTable(), 3);
  p.other->makeBrineComponent(Salt::KCL);
  return p;
}

TEST(AllocationFailure, WaterProperties) {
  check("makeBrineComponent", waters, [](auto& p) { p.object->makeBrineComponent(Salt::MGSO4); });
  check("makeBrineComponent of a kind beyond the salts", waters,
        [](auto& p) { p.object->makeBrineComponent(static_cast<Salt>(40)); });
  check("makeBrineComponent duplicate", waters, [](auto& p) {
    try {
      p.object->makeBrineComponent(Salt::NACL);
    } catch (std::invalid_argument const&) {
    }
  });
  check("getBrineComponent missing name", waters, [](auto& p) {
    try {
      p.object->getBrineComponent("K2SO4");
    } catch (std::invalid_argument const&) {
    }
  });
  check("makeBrinePropertyTable replacing", waters,
        [](auto& p) { p.object->makeBrinePropertyTable(); });
  check("makeBrinePropertyTable first", waters, [](auto& p) { p.other->makeBrinePropertyTable(); });
  check("deleteBrinePropertyTable", waters, [](auto& p) { p.object->deleteBrinePropertyTable(); });
  check("StdWaterProperties copy construction", waters,
        [](auto& p) { p.other = std::make_unique<StdWaterProperties>(std::as_const(*p.object)); });
}

}  // namespace
