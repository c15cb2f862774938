// The two-level table contract, run over all six oil and gas table kinds: the kinds
// differ only in their extra fields, so each must size, fill, fail and copy alike.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <typeinfo>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak.h"
#include "support/Support.h"

namespace {

namespace ovt = Orv::Tess::Varnak;
using support::fill;
using support::observe;

constexpr char kBadSat[] = "Invalid sat_index in StdBaseTable";
constexpr char kBadUsat[] = "Invalid usat_index in StdBaseTable";

// The oil and gas interfaces name their two keys differently (gas-oil ratio and pressure
// for oil, pressure and oil-gas ratio for gas); these hide the difference.
double key(ovt::IOilTable const& t, int i) { return t.getGasOilRatio(i); }
double key(ovt::IGasTable const& t, int i) { return t.getPressure(i); }
void setKey(ovt::IOilTable& t, int i, double v) { t.setGasOilRatio(i, v); }
void setKey(ovt::IGasTable& t, int i, double v) { t.setPressure(i, v); }
double under(ovt::IOilTable const& t, int i, int j) { return t.getPressure(i, j); }
double under(ovt::IGasTable const& t, int i, int j) { return t.getOilGasRatio(i, j); }
void setUnder(ovt::IOilTable& t, int i, int j, double v) { t.setPressure(i, j, v); }
void setUnder(ovt::IGasTable& t, int i, int j, double v) { t.setOilGasRatio(i, j, v); }

template <class Table>
class TableKinds : public ::testing::Test {};
using Kinds =
    ::testing::Types<ovt::StdOilTable, ovt::StdDeadOilTable, ovt::StdDeadOilConstantCompressTable,
                     ovt::StdCompressibleOilTable, ovt::StdGasTable, ovt::StdDryGasTable>;
TYPED_TEST_SUITE(TableKinds, Kinds);

TYPED_TEST(TableKinds, ResizingKeepsSurvivingValuesAndZeroFillsNewPlaces) {
  TypeParam t;
  fill(t, 0.0);  // rows of 3, 0 and 2 entries
  // Each value is stored in its own place.
  setKey(t, 2, -1.5);
  setUnder(t, 2, 1, -2.5);
  t.setFormationVolumeFactor(2, 1, -3.5);
  t.setViscosity(2, 1, -4.5);
  t.setSurfaceDensity(-5.5);
  EXPECT_EQ((std::vector<double>{key(t, 2), under(t, 2, 1), t.getFormationVolumeFactor(2, 1),
                                 t.getViscosity(2, 1), t.getSurfaceDensity()}),
            (std::vector<double>{-1.5, -2.5, -3.5, -4.5, -5.5}));
  TypeParam const filled = t;
  t.setSaturatedSize(5);  // rows 3 and 4 are new: key 0.0, no entries
  for (int i = 3; i < 5; ++i) {
    EXPECT_EQ(key(t, i), 0.0);
    EXPECT_EQ(t.getUndersaturatedSize(i), 0);
  }
  // Shrinking row 0 from 3 entries to 1 and growing it back to 4 leaves 0.0 behind.
  t.setUndersaturatedSize(0, 1);
  t.setUndersaturatedSize(0, 4);
  EXPECT_EQ(under(t, 0, 0), under(filled, 0, 0));
  EXPECT_EQ(t.getFormationVolumeFactor(0, 0), filled.getFormationVolumeFactor(0, 0));
  EXPECT_EQ(t.getViscosity(0, 0), filled.getViscosity(0, 0));
  for (int j = 1; j < 4; ++j) {
    EXPECT_EQ(under(t, 0, j), 0.0);
    EXPECT_EQ(t.getFormationVolumeFactor(0, j), 0.0);
    EXPECT_EQ(t.getViscosity(0, j), 0.0);
  }
  // Cutting back to the three rows, row 0 to its first entry, leaves the rest as filled.
  t.setSaturatedSize(3);
  TypeParam expected = filled;
  expected.setUndersaturatedSize(0, 1);
  t.setUndersaturatedSize(0, 1);
  EXPECT_EQ(observe(t), observe(expected));
  t.setSaturatedSize(0);
  EXPECT_THROW_EXACT(t.getUndersaturatedSize(0), std::range_error, kBadSat);
  EXPECT_EQ(t.getSurfaceDensity(), filled.getSurfaceDensity());
}

TYPED_TEST(TableKinds, EveryFailedCallRaisesItsMessageAndChangesNothing) {
  using T = TypeParam;
  struct Case {
    std::function<void(T&)> run;
    char const* message;
  };
  // Row 1 exists but has no entries; rows have 3, 0 and 2 entries.
  Case const cases[] = {
      {[](T& t) { t.getUndersaturatedSize(-1); }, kBadSat},
      {[](T& t) { t.getUndersaturatedSize(3); }, kBadSat},
      {[](T& t) { key(t, 3); }, kBadSat},
      {[](T& t) { setKey(t, -1, 9.0); }, kBadSat},
      {[](T& t) { under(t, 0, 3); }, kBadUsat},
      {[](T& t) { under(t, 4, 0); }, kBadSat},
      {[](T& t) { setUnder(t, 2, -1, 9.0); }, kBadUsat},
      {[](T& t) { t.getFormationVolumeFactor(1, 0); }, kBadUsat},
      {[](T& t) { t.getViscosity(1, 0); }, kBadUsat},
      {[](T& t) { t.getViscosity(-1, 0); }, kBadSat},
      {[](T& t) { t.setFormationVolumeFactor(2, 2, 9.0); }, kBadUsat},
      {[](T& t) { t.setFormationVolumeFactor(-1, -1, 9.0); }, kBadSat},
      {[](T& t) { t.setViscosity(1, 0, 9.0); }, kBadUsat},
      {[](T& t) { t.setViscosity(3, 0, 9.0); }, kBadSat},
      {[](T& t) { t.setSaturatedSize(-1); }, "Invalid size in StdBaseTable::setSaturatedSize"},
      {[](T& t) { t.setUndersaturatedSize(0, -1); },
       "Invalid size in StdBaseTable::setUndersaturatedSize"},
      // A bad row is reported before a bad size.
      {[](T& t) { t.setUndersaturatedSize(7, -1); }, kBadSat},
      {[](T& t) { t.setUndersaturatedSize(-1, 2); }, kBadSat},
  };
  T t;
  fill(t, 0.0);
  std::string const before = observe(t);
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    SCOPED_TRACE(k);
    EXPECT_THROW_EXACT(cases[k].run(t), std::range_error, cases[k].message);
    EXPECT_EQ(observe(t), before);
  }
}

TYPED_TEST(TableKinds, CopiesAndClonesShareNothingWithTheirSource) {
  TypeParam source;
  fill(source, 0.0);
  std::string const original = observe(source);
  auto clone = source.clone();
  EXPECT_EQ(typeid(*clone), typeid(TypeParam));
  auto& cloned = dynamic_cast<TypeParam&>(*clone);
  TypeParam copied(source);
  TypeParam assigned;
  assigned = source;
  // Change every copy everywhere; the source must not see any of it.
  for (TypeParam* t : {&cloned, &copied, &assigned}) {
    EXPECT_EQ(observe(*t), original);
    fill(*t, 100.0, {1, 4});
  }
  EXPECT_EQ(observe(source), original);
  // ...nor the copies a change of the source.
  std::string const changedCopy = observe(copied);
  fill(source, 50.0);
  EXPECT_EQ(observe(copied), changedCopy);

  // Self-assignment, by copy or by move, keeps the content.
  std::string const refilled = observe(source);
  TypeParam& self = source;
  source = self;
  EXPECT_EQ(observe(source), refilled);
  source = std::move(self);
  EXPECT_EQ(observe(source), refilled);
  // Moves carry the whole content over.
  TypeParam moved(std::move(copied));
  TypeParam moveAssigned;
  moveAssigned = std::move(moved);
  EXPECT_EQ(observe(moveAssigned), changedCopy);
}

TEST(BaseTables, StartEmptyAndAMovedFromTableKeepsOnlyItsSurfaceDensity) {
  ovt::StdOilTable oil;
  ovt::StdGasTable gas;
  EXPECT_EQ(observe(oil), observe(ovt::StdOilTable(oil)));
  EXPECT_EQ(oil.getSaturatedSize(), 0);
  EXPECT_EQ(oil.getSurfaceDensity(), 0.0);
  EXPECT_EQ(gas.getSaturatedSize(), 0);
  EXPECT_EQ(gas.getSurfaceDensity(), 0.0);
  EXPECT_THROW_EXACT(gas.getPressure(0), std::range_error, kBadSat);

  fill(oil, 0.0);
  fill(gas, 0.0);
  ovt::StdOilTable taken(std::move(oil));
  ovt::StdGasTable target;
  target = std::move(gas);
  EXPECT_EQ(taken.getSaturatedSize(), 3);
  EXPECT_EQ(target.getSaturatedSize(), 3);
  EXPECT_EQ(oil.getSaturatedSize(), 0);  // NOLINT(bugprone-use-after-move)
  EXPECT_EQ(gas.getSaturatedSize(), 0);  // NOLINT(bugprone-use-after-move)
  EXPECT_EQ(oil.getSurfaceDensity(), taken.getSurfaceDensity());
  EXPECT_EQ(gas.getSurfaceDensity(), target.getSurfaceDensity());
}

}  // namespace
