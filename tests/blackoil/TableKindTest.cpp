// What each table kind holds beside its rows: initial state, extra fields, and the
// per-row pairs of the compressible oil table. Plus the constant-compressibility law.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>

#include "Orv/Tess/Varnak/ConstantCompressibilityFunction.h"
#include "Orv/Tess/Varnak/StdCompressibleOilTable.h"
#include "Orv/Tess/Varnak/StdDeadOilConstantCompressTable.h"
#include "Orv/Tess/Varnak/StdDeadOilTable.h"
#include "Orv/Tess/Varnak/StdDryGasTable.h"
#include "blackoil/TableProbe.h"
#include "support/Expect.h"

namespace {

namespace ovt = Orv::Tess::Varnak;

constexpr char kBadPairRow[] = "Invalid sat_index in StdCompressibleOilTable";

TEST(DeadOilTables, StartWithOneEmptyRowAndTheirDefaults) {
  ovt::StdDeadOilTable dead;
  ovt::StdDeadOilConstantCompressTable constant;
  for (ovt::IDeadOilTable* t :
       {static_cast<ovt::IDeadOilTable*>(&dead), static_cast<ovt::IDeadOilTable*>(&constant)}) {
    EXPECT_EQ(t->getSaturatedSize(), 1);
    EXPECT_EQ(t->getUndersaturatedSize(0), 0);
    EXPECT_EQ(t->getGasOilRatio(0), 0.0);
    EXPECT_EQ(t->getSurfaceDensity(), 0.0);
    EXPECT_EQ(t->getDissolvedGas(), 0.0);
    EXPECT_EQ(t->getBubblePointPressure(), 1.0e-6);
    EXPECT_THROW_EXACT(t->getPressure(0, 0), std::range_error,
                       "Invalid usat_index in StdBaseTable");
  }
  EXPECT_EQ(constant.getOilCompressibility(), 0.0);
  EXPECT_EQ(constant.getOilViscosibility(), 0.0);

  // The scalars are plain values, independent of the rows.
  constant.setBubblePointPressure(2500.0);
  constant.setDissolvedGas(85.0);
  constant.setOilCompressibility(1.2e-5);
  constant.setOilViscosibility(3.0e-5);
  constant.setSaturatedSize(0);
  EXPECT_EQ(constant.getBubblePointPressure(), 2500.0);
  EXPECT_EQ(constant.getDissolvedGas(), 85.0);
  EXPECT_EQ(constant.getOilCompressibility(), 1.2e-5);
  EXPECT_EQ(constant.getOilViscosibility(), 3.0e-5);
}

TEST(DryGasTables, StartEmptyWithZeroScalars) {
  ovt::StdDryGasTable t;
  EXPECT_EQ(t.getSaturatedSize(), 0);
  EXPECT_EQ(t.getSurfaceDensity(), 0.0);
  EXPECT_EQ(t.getDewPointPressure(), 0.0);
  EXPECT_EQ(t.getVaporizedOil(), 0.0);
  EXPECT_THROW_EXACT(t.getPressure(0), std::range_error, "Invalid sat_index in StdBaseTable");
}

TEST(CompressibleOilTables, KeepOnePairPerRowThroughEveryResize) {
  ovt::StdCompressibleOilTable t;
  EXPECT_EQ(t.getSaturatedSize(), 0);
  EXPECT_THROW_EXACT(t.getCompressibility(0), std::range_error, kBadPairRow);
  EXPECT_EQ(t.getMolecularWeight(), 0.0);
  EXPECT_EQ(t.getSpecificHeat(), 0.0);
  EXPECT_EQ(t.getTemperatureExpansionCoefficient(), 0.0);
  EXPECT_EQ(t.getTemperatureSquaredExpansionCoefficient(), 0.0);

  t.setSaturatedSize(3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(t.getCompressibility(i), 0.0);
    EXPECT_EQ(t.getViscosibility(i), 0.0);
  }
  t.setCompressibility(1, 1.5e-5);
  t.setViscosibility(1, 4.0e-5);
  t.setSaturatedSize(2);
  t.setSaturatedSize(4);
  EXPECT_EQ(t.getCompressibility(1), 1.5e-5);
  EXPECT_EQ(t.getViscosibility(1), 4.0e-5);
  EXPECT_EQ(t.getCompressibility(2), 0.0);  // dropped, then new
  EXPECT_EQ(t.getViscosibility(3), 0.0);
  EXPECT_THROW_EXACT(t.getViscosibility(4), std::range_error, kBadPairRow);

  // Entries are the inner table's business only.
  t.setUndersaturatedSize(1, 3);
  EXPECT_EQ(t.getCompressibility(1), 1.5e-5);
}

TEST(CompressibleOilTables, FailedCallsRaiseTheirMessageAndChangeNothing) {
  using T = ovt::StdCompressibleOilTable;
  struct Case {
    char const* call;
    std::function<void(T&)> run;
    char const* message;
  };
  Case const cases[] = {
      {"getCompressibility(-1)", [](T& t) { t.getCompressibility(-1); }, kBadPairRow},
      {"getViscosibility(3)", [](T& t) { t.getViscosibility(3); }, kBadPairRow},
      {"setCompressibility(3)", [](T& t) { t.setCompressibility(3, 9.0); }, kBadPairRow},
      {"setViscosibility(-1)", [](T& t) { t.setViscosibility(-1, 9.0); }, kBadPairRow},
      // Rows and pairs both stay: the size is rejected before either changes.
      {"setSaturatedSize(-2)", [](T& t) { t.setSaturatedSize(-2); },
       "Invalid size in StdBaseTable::setSaturatedSize"},
  };
  T t;
  probe::fill(t, 0.0);
  probe::Snapshot const before = probe::snapshot(t);
  for (Case const& c : cases) {
    SCOPED_TRACE(c.call);
    EXPECT_THROW_EXACT(c.run(t), std::range_error, c.message);
    EXPECT_EQ(probe::snapshot(t), before);
  }
}

TEST(ConstantCompressibilityFunction, FollowsTheExponentialThroughItsReferencePoint) {
  // Arguments: reference pressure, reference value, coefficient.
  ovt::ConstantCompressibilityFunction flat(5.0, 2.0, 0.0);
  for (double x : {-100.0, 0.0, 5.0, 3000.0}) EXPECT_EQ(flat(x), 2.0);

  ovt::ConstantCompressibilityFunction bo(2500.0, 1.25, -1.5e-5);
  EXPECT_EQ(bo(2500.0), 1.25);
  EXPECT_EQ(bo(4000.0), std::exp((4000.0 - 2500.0) * -1.5e-5) * 1.25);
  EXPECT_LT(bo(4000.0), 1.25);  // a positive compressibility shrinks B with pressure

  ovt::ConstantCompressibilityFunction other(0.0, 1.0, 1.0);
  other = bo;  // a value: assignable, no default state
  EXPECT_EQ(other(4000.0), bo(4000.0));
}

}  // namespace
