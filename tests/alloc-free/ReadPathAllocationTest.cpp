// Reading a fluid description never allocates: hosts read values in their inner loops,
// so every getter of a value or a size, the lookups of existing children and
// interpolate must work on what the object already holds.
//
// This executable replaces the global operator new, so that the allocations made inside
// the shared library are counted too; a first test proves that they are.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "Orv/Tess/Varnak/DepthTableOperations.h"
#include "Orv/Tess/Varnak/ICompressibleOilTable.h"
#include "Orv/Tess/Varnak/IDeadOilConstantCompressTable.h"
#include "Orv/Tess/Varnak/IDryGasTable.h"
#include "Orv/Tess/Varnak/IInitialCondition.h"
#include "Orv/Tess/Varnak/IMiscibilityTable.h"
#include "Orv/Tess/Varnak/ISolventTable.h"
#include "Orv/Tess/Varnak/IWaterProperties.h"
#include "Orv/Tess/Varnak/StdBlackOilModel.h"
#include "Orv/Tess/Varnak/StdCompositionKValueTable.h"
#include "Orv/Tess/Varnak/StdDepthTable.h"
#include "Orv/Tess/Varnak/StdOilTable.h"

namespace {

long long gAllocations = 0;

void* allocate(std::size_t size) noexcept {
  ++gAllocations;
  return std::malloc(size == 0 ? 1 : size);
}

void* allocateOrThrow(std::size_t size) {
  void* pointer = allocate(size);
  if (pointer == nullptr) throw std::bad_alloc();
  return pointer;
}

}  // namespace

// Every plain form is replaced, so that blocks from these never reach another allocator's
// operator delete (the sanitizers keep their own).
void* operator new(std::size_t size) { return allocateOrThrow(size); }
void* operator new[](std::size_t size) { return allocateOrThrow(size); }
void* operator new(std::size_t size, std::nothrow_t const&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, std::nothrow_t const&) noexcept { return allocate(size); }
void operator delete(void* pointer) noexcept { std::free(pointer); }
void operator delete[](void* pointer) noexcept { std::free(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { std::free(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { std::free(pointer); }
void operator delete(void* pointer, std::nothrow_t const&) noexcept { std::free(pointer); }
void operator delete[](void* pointer, std::nothrow_t const&) noexcept { std::free(pointer); }

namespace {

namespace ovt = Orv::Tess::Varnak;
using Property = ovt::IInitialCondition::Property;

// Returns the number of allocations `work` makes.
long long allocationsOf(std::function<void()> const& work) {
  long long const before = gAllocations;
  work();
  return gAllocations - before;
}

// Keeps the values read, so that no read can be left out.
double gSink = 0.0;

template <class Table>
void readTwoLevel(Table const& table, double (Table::*saturated)(int) const,
                  double (Table::*undersaturated)(int, int) const) {
  gSink += table.getSurfaceDensity();
  for (int i = 0; i < table.getSaturatedSize(); ++i) {
    gSink += (table.*saturated)(i);
    for (int j = 0; j < table.getUndersaturatedSize(i); ++j) {
      gSink += (table.*undersaturated)(i, j) + table.getFormationVolumeFactor(i, j) +
               table.getViscosity(i, j);
    }
  }
}

void readDepthTable(ovt::IDepthTable const& table) {
  for (int d = 0; d < table.getNumDepths(); ++d) {
    gSink += table.getDepth(d);
    for (int c = 0; c < table.getNumComponents(); ++c) gSink += table.getProperty(d, c);
  }
}

template <class Table>
void fillTwoLevel(Table& table, void (Table::*setSaturated)(int, double),
                  void (Table::*setUndersaturated)(int, int, double)) {
  table.setSaturatedSize(4);
  for (int i = 0; i < 4; ++i) {
    table.setUndersaturatedSize(i, 3);
    (table.*setSaturated)(i, 10.0 * (i + 1));
    for (int j = 0; j < 3; ++j) {
      (table.*setUndersaturated)(i, j, 100.0 + j);
      table.setFormationVolumeFactor(i, j, 1.2 - 0.01 * j);
      table.setViscosity(i, j, 0.8 + 0.1 * j);
    }
  }
}

void fillDepthTable(ovt::IDepthTable& table, int components) {
  table.setNumComponents(components);
  table.setNumDepths(5);
  for (int d = 0; d < 5; ++d) {
    table.setDepth(d, 2000.0 + 10.0 * d);
    for (int c = 0; c < components; ++c) table.setProperty(d, c, 0.1 * (c + 1) + d);
  }
}

// A black-oil model holding every kind of table, and the K-value table kinds beside it.
class ReadPaths : public ::testing::Test {
 protected:
  void SetUp() override {
#if defined(_WIN32)
    // A DLL binds operator new to its own C++ runtime when it is loaded, so the counting
    // operator new of this program never sees the library's allocations on Windows.
    GTEST_SKIP() << "a replaced operator new in the test program does not reach "
                    "allocations made inside the DLL on Windows";
#endif
    ovt::IBlackOilModel& model = model_;
    fillTwoLevel<ovt::IOilTable>(model.makeOilTable(1), &ovt::IOilTable::setGasOilRatio,
                                 &ovt::IOilTable::setPressure);
    ovt::ICompressibleOilTable& compressible = model.makeCompressibleOilTable(2);
    fillTwoLevel<ovt::IOilTable>(compressible, &ovt::IOilTable::setGasOilRatio,
                                 &ovt::IOilTable::setPressure);
    compressible.setCompressibility(3, 1.0e-5);
    model.makeDeadOilConstantCompressTable(3).setOilCompressibility(2.0e-5);
    fillTwoLevel<ovt::IGasTable>(model.makeDryGasTable(), &ovt::IGasTable::setPressure,
                                 &ovt::IGasTable::setOilGasRatio);
    model.makeSolventTable().setSize(3);
    model.makeMiscibilityTable().setSize(3);
    model.makeWaterProperties().setViscosity(0.5);
    ovt::IInitialCondition& condition = model.makeInitialCondition("Equilibration region 1");
    fillDepthTable(condition.getDepthTable(Property::OverallComposition), 6);
    fillDepthTable(condition.getDepthTable(Property::BubblePointPressure), 1);
    kValues_.setNumComponents(6);
    kValues_.setNumPressures(4);
    kValues_.setKValue(3, 5, 0.02);
  }

  ovt::StdBlackOilModel model_{"Field"};
  ovt::StdCompositionKValueTable kValues_;
};

TEST_F(ReadPaths, TheCounterSeesTheLibrarysAllocations) {
  ovt::StdOilTable table;
  EXPECT_GT(allocationsOf([&] { table.setSaturatedSize(50); }), 0);
  EXPECT_GT(allocationsOf([&] { table.setUndersaturatedSize(0, 20); }), 0);
  EXPECT_GT(allocationsOf([&] { gSink += table.clone()->getSaturatedSize(); }), 0);
}

TEST_F(ReadPaths, ReadingEveryKindOfObjectAllocatesNothing) {
  ovt::IBlackOilModel const& model = model_;
  std::string const conditionName = "Equilibration region 1";
  ovt::IInitialCondition const& condition = model.getInitialCondition(conditionName);
  ovt::IDepthTable const& composition = condition.getDepthTable(Property::OverallComposition);

  struct Case {
    char const* what;
    std::function<void()> read;
  };
  std::vector<Case> const cases = {
      {"oil tables of every kind",
       [&] {
         for (int region = 1; region <= model.getNumOfOilTables(); ++region) {
           readTwoLevel(*model.getOilTable(region), &ovt::IOilTable::getGasOilRatio,
                        &ovt::IOilTable::getPressure);
         }
       }},
      {"compressible oil coefficients",
       [&] {
         auto const& table = dynamic_cast<ovt::ICompressibleOilTable const&>(*model.getOilTable(2));
         for (int i = 0; i < table.getSaturatedSize(); ++i) {
           gSink += table.getCompressibility(i) + table.getViscosibility(i);
         }
         gSink += table.getMolecularWeight() + table.getSpecificHeat();
       }},
      {"dead-oil scalars",
       [&] {
         auto const& table =
             dynamic_cast<ovt::IDeadOilConstantCompressTable const&>(*model.getOilTable(3));
         gSink += table.getBubblePointPressure() + table.getDissolvedGas() +
                  table.getOilCompressibility() + table.getOilViscosibility();
       }},
      {"dry-gas table",
       [&] {
         auto const& table = dynamic_cast<ovt::IDryGasTable const&>(*model.getGasTable());
         readTwoLevel<ovt::IGasTable>(table, &ovt::IGasTable::getPressure,
                                      &ovt::IGasTable::getOilGasRatio);
         gSink += table.getDewPointPressure() + table.getVaporizedOil();
       }},
      {"solvent and miscibility tables",
       [&] {
         ovt::ISolventTable const& solvent = *model.getSolventTable();
         for (int i = 0; i < solvent.getSize(); ++i) {
           gSink += solvent.getPressure(i) + solvent.getFormationVolumeFactor(i) +
                    solvent.getViscosity(i);
         }
         ovt::IMiscibilityTable const& miscibility = *model.getMiscibilityTable();
         for (int i = 0; i < miscibility.getSize(); ++i) {
           gSink += miscibility.getOilPressure(i) + miscibility.getMiscibility(i);
         }
       }},
      {"model scalars and water properties",
       [&] {
         gSink += model.gasDensity() + model.oilDensity();
         ovt::IWaterProperties const& water = *model.getWaterProperties();
         gSink += water.getViscosity() + water.getFormationVolumeFactor();
       }},
      {"initial condition and its depth tables",
       [&] {
         ovt::IInitialCondition const& found = model.getInitialCondition(conditionName);
         gSink += found.getDatumDepth() + found.getDatumPressure() + found.getWaterContactDepth();
         for (int p = 0; p < 12; ++p) {
           if (found.hasDepthTable(static_cast<Property>(p))) {
             readDepthTable(found.getDepthTable(static_cast<Property>(p)));
           }
         }
       }},
      {"interpolate inside, at and beyond the ends",
       [&] {
         for (double depth : {1990.0, 2000.0, 2015.0, 2040.0, 2100.0}) {
           for (bool extrapolate : {false, true}) {
             gSink += ovt::interpolate(composition, depth, 5, extrapolate);
           }
         }
       }},
      {"K-value table",
       [&] {
         ovt::ICompositionKValueTable const& table = kValues_;
         for (int p = 0; p < table.getNumPressures(); ++p) {
           gSink += table.getPressure(p);
           for (int c = 0; c < table.getNumComponents(); ++c) gSink += table.getKValue(p, c);
         }
         gSink += table.getComposition() + table.getNominatedComponent();
       }},
  };
  for (Case const& c : cases) EXPECT_EQ(allocationsOf(c.read), 0) << c.what;
}

}  // namespace
