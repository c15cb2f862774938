// Reading a fluid description never allocates: hosts read values in their inner loops,
// so every getter of a value or a size, the lookups of existing children and
// interpolate must work on what the object already holds. Names are the exception: they
// are returned as strings, which may allocate.
//
// This program links the counting operator new (support/Heap.h); a first test proves
// that it sees the library's allocations.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/Fill.h"
#include "support/Heap.h"

namespace {

using namespace Orv::Tess::Varnak;
using support::heap::allocationsOf;

// Keeps the values read, so that no read can be left out.
double gSink = 0.0;

template <class Table, class Key, class Under>
void readTwoLevel(Table const& table, Key key, Under under) {
  gSink += table.getSurfaceDensity();
  for (int i = 0; i < table.getSaturatedSize(); ++i) {
    gSink += (table.*key)(i);
    for (int j = 0; j < table.getUndersaturatedSize(i); ++j) {
      gSink +=
          (table.*under)(i, j) + table.getFormationVolumeFactor(i, j) + table.getViscosity(i, j);
    }
  }
}

void readDepthTable(IDepthTable const& table) {
  for (int d = 0; d < table.getNumDepths(); ++d) {
    gSink += table.getDepth(d);
    for (int c = 0; c < table.getNumComponents(); ++c) gSink += table.getProperty(d, c);
  }
}

class ReadPaths : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!support::heap::kSeesLibraryAllocations) {
      GTEST_SKIP() << "a replaced operator new does not reach the library's allocations here";
    }
    support::furnish(blackOil_, 1);
    support::furnish(compositional_, 2);
  }

  StdBlackOilModel blackOil_{"Field"};
  StdCompositionalModel compositional_{"Gas condensate"};
};

TEST_F(ReadPaths, TheCounterSeesTheLibrarysAllocations) {
  StdOilTable table;
  EXPECT_GT(allocationsOf([&] { table.setSaturatedSize(50); }), 0);
  EXPECT_GT(allocationsOf([&] { table.setUndersaturatedSize(0, 20); }), 0);
  EXPECT_GT(allocationsOf([&] { gSink += table.clone()->getSaturatedSize(); }), 0);
}

TEST_F(ReadPaths, ReadingEveryKindOfObjectAllocatesNothing) {
  IBlackOilModel const& model = blackOil_;
  ICompositionalModel const& compositional = compositional_;
  std::string const crest = "Crest";
  IDepthTable const& composition = model.getInitialCondition(crest).getDepthTable(
      IInitialCondition::Property::OverallComposition);
  struct Case {
    char const* what;
    std::function<void()> read;
  };
  std::vector<Case> const cases = {
      {"oil tables of every kind, with their own values",
       [&] {
         for (int region = 1; region <= model.getNumOfOilTables(); ++region) {
           readTwoLevel(*model.getOilTable(region), &IOilTable::getGasOilRatio,
                        &IOilTable::getPressure);
         }
         auto const& dead =
             dynamic_cast<IDeadOilConstantCompressTable const&>(*model.getOilTable(3));
         gSink += dead.getBubblePointPressure() + dead.getDissolvedGas() +
                  dead.getOilCompressibility() + dead.getOilViscosibility();
         auto const& compressible =
             dynamic_cast<ICompressibleOilTable const&>(*model.getOilTable(4));
         for (int i = 0; i < compressible.getSaturatedSize(); ++i) {
           gSink += compressible.getCompressibility(i) + compressible.getViscosibility(i);
         }
         gSink += compressible.getMolecularWeight() + compressible.getSpecificHeat();
       }},
      {"gas, solvent and miscibility tables",
       [&] {
         readTwoLevel(*model.getGasTable(), &IGasTable::getPressure, &IGasTable::getOilGasRatio);
         ISolventTable const& solvent = *model.getSolventTable();
         for (int i = 0; i < solvent.getSize(); ++i) {
           gSink += solvent.getPressure(i) + solvent.getFormationVolumeFactor(i) +
                    solvent.getViscosity(i);
         }
         IMiscibilityTable const& miscibility = *model.getMiscibilityTable();
         for (int i = 0; i < miscibility.getSize(); ++i) {
           gSink += miscibility.getOilPressure(i) + miscibility.getMiscibility(i);
         }
       }},
      {"model scalars and water properties",
       [&] {
         gSink += model.gasDensity() + model.oilDensity();
         IWaterProperties const& water = *model.getWaterProperties();
         gSink += water.getViscosity() + water.getFormationVolumeFactor();
       }},
      {"initial condition and its depth tables",
       [&] {
         IInitialCondition const& found = model.getInitialCondition(crest);
         gSink += found.getDatumDepth() + found.getDatumPressure() + found.getWaterContactDepth();
         for (int p = 0; p < 12; ++p) {
           auto const property = static_cast<IInitialCondition::Property>(p);
           if (found.hasDepthTable(property)) readDepthTable(found.getDepthTable(property));
         }
       }},
      {"interpolate inside, at and beyond the ends",
       [&] {
         double const top = composition.getDepth(0);
         double const bottom = composition.getDepth(composition.getNumDepths() - 1);
         for (double depth : {top - 1, top, (top + bottom) / 2, bottom, bottom + 1}) {
           for (bool extrapolate : {false, true}) {
             gSink += interpolate(composition, depth, 2, extrapolate);
           }
         }
       }},
      {"K-value tables",
       [&] {
         ICompositionKValueTable const& table = compositional.getCompositionKValueTable("Lean");
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
