// Allocation failures in the oil and gas tables of every kind.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

#include "Orv/Tess/Varnak/StdCompressibleOilTable.h"
#include "Orv/Tess/Varnak/StdDeadOilConstantCompressTable.h"
#include "Orv/Tess/Varnak/StdDeadOilTable.h"
#include "Orv/Tess/Varnak/StdDryGasTable.h"
#include "Orv/Tess/Varnak/StdGasTable.h"
#include "Orv/Tess/Varnak/StdOilTable.h"
#include "alloc/AllocationFailure.h"

namespace {

using namespace Orv::Tess::Varnak;
using alloc::check;
using alloc::Pair;

// A live oil: `rows` bubble points, each with three undersaturated pressures above it.
void fillOil(IOilTable& t, int rows) {
  t.setSurfaceDensity(850.0);
  t.setSaturatedSize(rows);
  for (int s = 0; s < rows; ++s) {
    t.setGasOilRatio(s, 20.0 + 30.0 * s);
    t.setUndersaturatedSize(s, 3);
    for (int u = 0; u < 3; ++u) {
      t.setPressure(s, u, 50.0 + 40.0 * s + 25.0 * u);
      t.setFormationVolumeFactor(s, u, 1.2 + 0.05 * s - 0.01 * u);
      t.setViscosity(s, u, 1.1 - 0.1 * s + 0.02 * u);
    }
  }
}

// A wet gas: `rows` dew points, each with two leaner oil-gas ratios.
void fillGas(IGasTable& t, int rows) {
  t.setSurfaceDensity(0.9);
  t.setSaturatedSize(rows);
  for (int s = 0; s < rows; ++s) {
    t.setPressure(s, 60.0 + 50.0 * s);
    t.setUndersaturatedSize(s, 2);
    for (int u = 0; u < 2; ++u) {
      t.setOilGasRatio(s, u, 1.0e-4 * (2 - u) * (s + 1));
      t.setFormationVolumeFactor(s, u, 0.02 - 0.002 * s);
      t.setViscosity(s, u, 0.015 + 0.001 * s);
    }
  }
}

template <class Table, class Interface, class Fill>
void checkTable(std::string const& kind, Fill fill) {
  auto tables = [fill] {
    Pair<Table> p{std::make_unique<Table>(), std::make_unique<Table>()};
    fill(*p.object, 3);
    fill(*p.other, 2);
    return p;
  };
  check(kind + " setSaturatedSize grow", tables, [](auto& p) { p.object->setSaturatedSize(9); });
  check(kind + " setSaturatedSize shrink", tables, [](auto& p) { p.object->setSaturatedSize(1); });
  check(kind + " setUndersaturatedSize grow", tables,
        [](auto& p) { p.object->setUndersaturatedSize(1, 8); });
  check(kind + " setUndersaturatedSize shrink", tables,
        [](auto& p) { p.object->setUndersaturatedSize(2, 1); });
  check(kind + " setSaturatedSize negative", tables, [](auto& p) {
    try {
      p.object->setSaturatedSize(-1);
    } catch (std::range_error const&) {
    }
  });
  check(kind + " setViscosity bad entry", tables, [](auto& p) {
    try {
      p.object->setViscosity(0, 3, 1.0);
    } catch (std::range_error const&) {
    }
  });
  check(kind + " clone", tables, [](auto& p) {
    Pair<Interface> clone{std::as_const(*p.object).clone(), nullptr};
    // Hand the clone to the pair so that the snapshot compares it too.
    p.other.reset(dynamic_cast<Table*>(clone.object.release()));
  });
  alloc::checkValueSemantics<Table>(kind, tables);
}

TEST(AllocationFailure, OilTables) {
  checkTable<StdOilTable, IOilTable>("StdOilTable", fillOil);
  checkTable<StdDeadOilTable, IOilTable>("StdDeadOilTable", [](IDeadOilTable& t, int rows) {
    fillOil(t, rows);
    t.setDissolvedGas(35.0);
    t.setBubblePointPressure(120.0);
  });
  checkTable<StdDeadOilConstantCompressTable, IOilTable>(
      "StdDeadOilConstantCompressTable", [](IDeadOilConstantCompressTable& t, int rows) {
        fillOil(t, rows);
        t.setOilCompressibility(1.5e-4);
        t.setOilViscosibility(2.0e-4);
      });
  checkTable<StdCompressibleOilTable, IOilTable>("StdCompressibleOilTable",
                                                 [](ICompressibleOilTable& t, int rows) {
                                                   fillOil(t, rows);
                                                   for (int s = 0; s < rows; ++s) {
                                                     t.setCompressibility(s, 1.0e-4 * (s + 1));
                                                     t.setViscosibility(s, 3.0e-4 * (s + 1));
                                                   }
                                                   t.setMolecularWeight(210.0);
                                                 });
}

TEST(AllocationFailure, GasTables) {
  checkTable<StdGasTable, IGasTable>("StdGasTable", fillGas);
  checkTable<StdDryGasTable, IGasTable>("StdDryGasTable", [](IDryGasTable& t, int rows) {
    fillGas(t, rows);
    t.setVaporizedOil(1.0e-5);
    t.setDewPointPressure(95.0);
  });
}

}  // namespace
