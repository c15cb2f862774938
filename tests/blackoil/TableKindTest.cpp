// What each table kind holds beside its rows: initial state, extra fields, and the
// per-row pairs of the compressible oil table. Plus the constant-compressibility law.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>
#include <vector>

#include "Orv/Tess/Varnak.h"
#include "support/Support.h"

namespace {

namespace ovt = Orv::Tess::Varnak;

constexpr char kBadPairRow[] = "Invalid sat_index in StdCompressibleOilTable";

TEST(TableKinds, StartWithTheirDefaultsAndKeepEachExtraFieldInItsOwnPlace) {
  ovt::StdDeadOilTable dead;
  ovt::StdDeadOilConstantCompressTable constant;
  for (ovt::IDeadOilTable* t :
       {static_cast<ovt::IDeadOilTable*>(&dead), static_cast<ovt::IDeadOilTable*>(&constant)}) {
    EXPECT_EQ(t->getSaturatedSize(), 1);  // one empty row
    EXPECT_EQ(t->getUndersaturatedSize(0), 0);
    EXPECT_EQ(t->getGasOilRatio(0), 0.0);
    EXPECT_EQ(t->getDissolvedGas(), 0.0);
    EXPECT_EQ(t->getBubblePointPressure(), 1.0e-6);
  }
  EXPECT_EQ(constant.getOilCompressibility(), 0.0);
  EXPECT_EQ(constant.getOilViscosibility(), 0.0);
  constant.setBubblePointPressure(2500.0);
  constant.setDissolvedGas(85.0);
  constant.setOilCompressibility(1.2e-5);
  constant.setOilViscosibility(3.0e-5);
  constant.setSaturatedSize(0);  // the scalars are independent of the rows
  EXPECT_EQ((std::vector<double>{constant.getBubblePointPressure(), constant.getDissolvedGas(),
                                 constant.getOilCompressibility(), constant.getOilViscosibility()}),
            (std::vector<double>{2500.0, 85.0, 1.2e-5, 3.0e-5}));

  ovt::StdDryGasTable dry;
  EXPECT_EQ(dry.getSaturatedSize(), 0);
  EXPECT_EQ(dry.getDewPointPressure(), 0.0);
  EXPECT_EQ(dry.getVaporizedOil(), 0.0);
  dry.setDewPointPressure(180.0);
  dry.setVaporizedOil(2.0e-6);
  EXPECT_EQ(dry.getDewPointPressure(), 180.0);
  EXPECT_EQ(dry.getVaporizedOil(), 2.0e-6);

  ovt::StdCompressibleOilTable c;
  EXPECT_EQ((std::vector<double>{c.getMolecularWeight(), c.getSpecificHeat(),
                                 c.getTemperatureExpansionCoefficient(),
                                 c.getTemperatureSquaredExpansionCoefficient()}),
            std::vector<double>(4, 0.0));
  c.setMolecularWeight(210.0);
  c.setSpecificHeat(2.1);
  c.setTemperatureExpansionCoefficient(7.0e-4);
  c.setTemperatureSquaredExpansionCoefficient(1.0e-6);
  EXPECT_EQ((std::vector<double>{c.getMolecularWeight(), c.getSpecificHeat(),
                                 c.getTemperatureExpansionCoefficient(),
                                 c.getTemperatureSquaredExpansionCoefficient()}),
            (std::vector<double>{210.0, 2.1, 7.0e-4, 1.0e-6}));
}

TEST(CompressibleOilTables, KeepOnePairPerRowThroughEveryResize) {
  ovt::StdCompressibleOilTable t;
  EXPECT_THROW_EXACT(t.getCompressibility(0), std::range_error, kBadPairRow);
  t.setSaturatedSize(3);
  EXPECT_EQ(t.getCompressibility(2), 0.0);
  t.setCompressibility(1, 1.5e-5);
  t.setViscosibility(1, 4.0e-5);
  t.setSaturatedSize(2);
  t.setSaturatedSize(4);
  t.setUndersaturatedSize(1, 3);  // entries are the inner table's business only
  EXPECT_EQ((std::vector<double>{t.getCompressibility(1), t.getViscosibility(1),
                                 t.getCompressibility(2), t.getViscosibility(3)}),
            (std::vector<double>{1.5e-5, 4.0e-5, 0.0, 0.0}));  // row 2 dropped, then new

  using T = ovt::StdCompressibleOilTable;
  std::vector<std::function<void(T&)>> const calls = {
      [](T& x) { x.getCompressibility(-1); }, [](T& x) { x.getViscosibility(4); },
      [](T& x) { x.setCompressibility(4, 9.0); }, [](T& x) { x.setViscosibility(-1, 9.0); }};
  std::string const before = support::observe(t);
  for (auto const& call : calls) EXPECT_THROW_EXACT(call(t), std::range_error, kBadPairRow);
  // Rows and pairs both stay: the size is rejected before either changes.
  EXPECT_THROW_EXACT(t.setSaturatedSize(-2), std::range_error,
                     "Invalid size in StdBaseTable::setSaturatedSize");
  EXPECT_EQ(support::observe(t), before);
}

TEST(ConstantCompressibilityFunction, FollowsTheExponentialThroughItsReferencePoint) {
  // Arguments: reference pressure, reference value, coefficient.
  ovt::ConstantCompressibilityFunction flat(5.0, 2.0, 0.0);
  for (double x : {-100.0, 0.0, 5.0, 3000.0}) EXPECT_EQ(flat(x), 2.0);
  ovt::ConstantCompressibilityFunction bo(2500.0, 1.25, -1.5e-5);
  EXPECT_EQ(bo(2500.0), 1.25);
  EXPECT_EQ(bo(4000.0), std::exp((4000.0 - 2500.0) * -1.5e-5) * 1.25);
  ovt::ConstantCompressibilityFunction other(0.0, 1.0, 1.0);
  other = bo;  // a value: assignable, no default state
  EXPECT_EQ(other(4000.0), bo(4000.0));
}

}  // namespace
