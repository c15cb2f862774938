// The two-level table contract, run over all six oil and gas table kinds: the kinds
// differ only in their extra fields, so each must size, fill, fail and copy alike.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <utility>

#include "Orv/Tess/Varnak/StdCompressibleOilTable.h"
#include "Orv/Tess/Varnak/StdDeadOilConstantCompressTable.h"
#include "Orv/Tess/Varnak/StdDeadOilTable.h"
#include "Orv/Tess/Varnak/StdDryGasTable.h"
#include "Orv/Tess/Varnak/StdGasTable.h"
#include "Orv/Tess/Varnak/StdOilTable.h"
#include "blackoil/TableProbe.h"
#include "support/Expect.h"

namespace {

namespace ovt = Orv::Tess::Varnak;
using probe::fill;
using probe::snapshot;

constexpr char kBadSat[] = "Invalid sat_index in StdBaseTable";
constexpr char kBadUsat[] = "Invalid usat_index in StdBaseTable";
constexpr char kBadSatSize[] = "Invalid size in StdBaseTable::setSaturatedSize";
constexpr char kBadUsatSize[] = "Invalid size in StdBaseTable::setUndersaturatedSize";

template <class Table>
class TableKinds : public ::testing::Test {};

using Kinds =
    ::testing::Types<ovt::StdOilTable, ovt::StdDeadOilTable, ovt::StdDeadOilConstantCompressTable,
                     ovt::StdCompressibleOilTable, ovt::StdGasTable, ovt::StdDryGasTable>;
// Names each instantiation after its kind in the test output.
struct KindName {
  template <class T>
  static std::string GetName(int) {
    if (std::is_same_v<T, ovt::StdOilTable>) return "StdOilTable";
    if (std::is_same_v<T, ovt::StdDeadOilTable>) return "StdDeadOilTable";
    if (std::is_same_v<T, ovt::StdDeadOilConstantCompressTable>) {
      return "StdDeadOilConstantCompressTable";
    }
    if (std::is_same_v<T, ovt::StdCompressibleOilTable>) return "StdCompressibleOilTable";
    if (std::is_same_v<T, ovt::StdGasTable>) return "StdGasTable";
    return "StdDryGasTable";
  }
};
TYPED_TEST_SUITE(TableKinds, Kinds, KindName);

TYPED_TEST(TableKinds, ResizingKeepsSurvivingValuesAndZeroFillsNewPlaces) {
  TypeParam t;
  fill(t, 0.0);
  probe::Snapshot const filled = snapshot(t);

  t.setSaturatedSize(5);  // rows 3 and 4 are new: key 0.0, no entries
  ASSERT_EQ(t.getSaturatedSize(), 5);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(snapshot(t).rows[i], filled.rows[i]) << "row " << i;
  for (int i = 3; i < 5; ++i) {
    EXPECT_EQ(probe::key(t, i), 0.0);
    EXPECT_EQ(t.getUndersaturatedSize(i), 0);
  }

  // Shrinking row 0 from 3 entries to 1 and growing it back to 4 leaves 0.0 behind.
  t.setUndersaturatedSize(0, 1);
  t.setUndersaturatedSize(0, 4);
  EXPECT_EQ(probe::under(t, 0, 0), filled.rows[0].entries[0][0]);
  EXPECT_EQ(t.getFormationVolumeFactor(0, 0), filled.rows[0].entries[0][1]);
  for (int j = 1; j < 4; ++j) {
    EXPECT_EQ(probe::under(t, 0, j), 0.0);
    EXPECT_EQ(t.getFormationVolumeFactor(0, j), 0.0);
    EXPECT_EQ(t.getViscosity(0, j), 0.0);
  }
  EXPECT_EQ(snapshot(t).rows[2], filled.rows[2]);  // other rows untouched

  t.setSaturatedSize(2);
  EXPECT_EQ(t.getSaturatedSize(), 2);
  EXPECT_THROW_EXACT(t.getUndersaturatedSize(2), std::range_error, kBadSat);
  t.setSaturatedSize(0);
  EXPECT_EQ(t.getSaturatedSize(), 0);
  EXPECT_EQ(t.getSurfaceDensity(), filled.surfaceDensity);
}

TYPED_TEST(TableKinds, EveryFailedCallRaisesItsMessageAndChangesNothing) {
  using T = TypeParam;
  struct Case {
    char const* call;
    std::function<void(T&)> run;
    char const* message;
  };
  // Row 1 exists but has no entries; rows have 3, 0 and 2 entries.
  Case const cases[] = {
      {"getUndersaturatedSize(-1)", [](T& t) { t.getUndersaturatedSize(-1); }, kBadSat},
      {"getUndersaturatedSize(3)", [](T& t) { t.getUndersaturatedSize(3); }, kBadSat},
      {"key(3)", [](T& t) { probe::key(t, 3); }, kBadSat},
      {"setKey(-1)", [](T& t) { probe::setKey(t, -1, 9.0); }, kBadSat},
      {"under(0, 3)", [](T& t) { probe::under(t, 0, 3); }, kBadUsat},
      {"under(4, 0)", [](T& t) { probe::under(t, 4, 0); }, kBadSat},
      {"setUnder(2, -1)", [](T& t) { probe::setUnder(t, 2, -1, 9.0); }, kBadUsat},
      {"getFormationVolumeFactor(1, 0)", [](T& t) { t.getFormationVolumeFactor(1, 0); }, kBadUsat},
      {"getViscosity(1, 0)", [](T& t) { t.getViscosity(1, 0); }, kBadUsat},
      {"getViscosity(-1, 0)", [](T& t) { t.getViscosity(-1, 0); }, kBadSat},
      {"setFormationVolumeFactor(2, 2)", [](T& t) { t.setFormationVolumeFactor(2, 2, 9.0); },
       kBadUsat},
      {"setFormationVolumeFactor(-1, -1)", [](T& t) { t.setFormationVolumeFactor(-1, -1, 9.0); },
       kBadSat},
      {"setViscosity(1, 0)", [](T& t) { t.setViscosity(1, 0, 9.0); }, kBadUsat},
      {"setViscosity(3, 0)", [](T& t) { t.setViscosity(3, 0, 9.0); }, kBadSat},
      {"setSaturatedSize(-1)", [](T& t) { t.setSaturatedSize(-1); }, kBadSatSize},
      {"setUndersaturatedSize(0, -1)", [](T& t) { t.setUndersaturatedSize(0, -1); }, kBadUsatSize},
      // A bad row is reported before a bad size.
      {"setUndersaturatedSize(7, -1)", [](T& t) { t.setUndersaturatedSize(7, -1); }, kBadSat},
      {"setUndersaturatedSize(-1, 2)", [](T& t) { t.setUndersaturatedSize(-1, 2); }, kBadSat},
  };
  T t;
  fill(t, 0.0);
  probe::Snapshot const before = snapshot(t);
  for (Case const& c : cases) {
    SCOPED_TRACE(c.call);
    EXPECT_THROW_EXACT(c.run(t), std::range_error, c.message);
    EXPECT_EQ(snapshot(t), before);
  }
}

TYPED_TEST(TableKinds, CopiesAndClonesShareNothingWithTheirSource) {
  TypeParam source;
  fill(source, 0.0);
  probe::Snapshot const original = snapshot(source);

  auto clone = source.clone();
  ASSERT_NE(clone, nullptr);
  EXPECT_EQ(typeid(*clone), typeid(TypeParam));
  auto& cloned = dynamic_cast<TypeParam&>(*clone);
  EXPECT_EQ(snapshot(cloned), original);

  TypeParam copied(source);
  TypeParam assigned;
  assigned = source;
  EXPECT_EQ(snapshot(copied), original);
  EXPECT_EQ(snapshot(assigned), original);

  // Change every copy everywhere; the source must not see any of it.
  for (TypeParam* t : {&cloned, &copied, &assigned}) {
    probe::setKey(*t, 0, -1.0);
    probe::setUnder(*t, 0, 0, -2.0);
    t->setFormationVolumeFactor(2, 1, -3.0);
    t->setViscosity(0, 2, -4.0);
    t->setSurfaceDensity(-5.0);
    probe::setExtras(*t, -100.0);
    t->setUndersaturatedSize(1, 4);
  }
  EXPECT_EQ(snapshot(source), original);

  // ...nor the copies a change of the source.
  probe::Snapshot const changedCopy = snapshot(copied);
  fill(source, 50.0);
  EXPECT_EQ(snapshot(copied), changedCopy);

  // Self-assignment, by copy or by move, keeps the content.
  probe::Snapshot const refilled = snapshot(source);
  TypeParam& self = source;
  source = self;
  EXPECT_EQ(snapshot(source), refilled);
  source = std::move(self);
  EXPECT_EQ(snapshot(source), refilled);

  // Moves carry the whole content over.
  TypeParam moved(std::move(copied));
  EXPECT_EQ(snapshot(moved), changedCopy);
  TypeParam moveAssigned;
  moveAssigned = std::move(moved);
  EXPECT_EQ(snapshot(moveAssigned), changedCopy);
}

TEST(BaseTables, AMovedFromTableHasNoRowsButKeepsItsSurfaceDensity) {
  ovt::StdOilTable oil;
  fill(oil, 0.0);
  ovt::StdOilTable taken(std::move(oil));
  EXPECT_EQ(taken.getSaturatedSize(), 3);
  EXPECT_EQ(oil.getSaturatedSize(), 0);  // NOLINT(bugprone-use-after-move)
  EXPECT_EQ(oil.getSurfaceDensity(), 0.5);

  ovt::StdGasTable gas;
  fill(gas, 0.0);
  ovt::StdGasTable target;
  target = std::move(gas);
  EXPECT_EQ(target.getSaturatedSize(), 3);
  EXPECT_EQ(gas.getSaturatedSize(), 0);  // NOLINT(bugprone-use-after-move)
  EXPECT_EQ(gas.getSurfaceDensity(), 0.5);
}

TEST(BaseTables, ANewTableIsEmptyAndRejectsEveryIndex) {
  ovt::StdOilTable oil;
  ovt::StdGasTable gas;
  EXPECT_EQ(oil.getSaturatedSize(), 0);
  EXPECT_EQ(oil.getSurfaceDensity(), 0.0);
  EXPECT_EQ(gas.getSaturatedSize(), 0);
  EXPECT_EQ(gas.getSurfaceDensity(), 0.0);
  EXPECT_THROW_EXACT(oil.getUndersaturatedSize(0), std::range_error, kBadSat);
  EXPECT_THROW_EXACT(gas.getPressure(0), std::range_error, kBadSat);
}

TEST(BaseTables, OilAndGasNameTheirTwoValuesDifferently) {
  // The saturated key of a gas table is a pressure, the undersaturated value an oil-gas
  // ratio; on an oil table they are a gas-oil ratio and a pressure.
  ovt::StdGasTable gas;
  gas.setSaturatedSize(2);
  gas.setUndersaturatedSize(1, 3);
  gas.setPressure(1, 250.0);
  gas.setOilGasRatio(1, 1, 2.0e-5);
  EXPECT_EQ(gas.getOilGasRatio(1, 2), 0.0);
  EXPECT_EQ(gas.getOilGasRatio(1, 1), 2.0e-5);
  EXPECT_EQ(gas.getPressure(1), 250.0);
  EXPECT_THROW_EXACT(gas.getOilGasRatio(0, 0), std::range_error, kBadUsat);

  ovt::StdOilTable oil;
  oil.setSaturatedSize(1);
  oil.setUndersaturatedSize(0, 1);
  oil.setGasOilRatio(0, 120.0);
  oil.setPressure(0, 0, 3000.0);
  EXPECT_EQ(oil.getGasOilRatio(0), 120.0);
  EXPECT_EQ(oil.getPressure(0, 0), 3000.0);
}

}  // namespace
