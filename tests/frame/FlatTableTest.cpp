// The flat row-by-component storage, seen through the six public tables built on it:
// depth, temperature, the three K-value kinds and the oil viscosity index table. They name
// their rows differently (depths, temperatures, pressures, mole fractions) and keep their
// own messages; the resize rule, the index checks and the copy semantics are one contract.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak.h"
#include "support/Expect.h"

namespace {

namespace ovt = Orv::Tess::Varnak;

// One kind: its class, the interface calls for rows, keys and values, and its messages.
template <class T, class I, auto Rows, auto SetRows, auto Key, auto SetKey, auto Value,
          auto SetValue>
struct Kind {
  using Table = T;
  static int rows(I const& t) { return (t.*Rows)(); }
  static void setRows(I& t, int n) { (t.*SetRows)(n); }
  static double key(I const& t, int r) { return (t.*Key)(r); }
  static void setKey(I& t, int r, double v) { (t.*SetKey)(r, v); }
  static double value(I const& t, int r, int c) { return (t.*Value)(r, c); }
  static void setValue(I& t, int r, int c, double v) { (t.*SetValue)(r, c, v); }
};

struct Depth : Kind<ovt::StdDepthTable, ovt::IDepthTable, &ovt::IDepthTable::getNumDepths,
                    &ovt::IDepthTable::setNumDepths, &ovt::IDepthTable::getDepth,
                    &ovt::IDepthTable::setDepth, &ovt::IDepthTable::getProperty,
                    &ovt::IDepthTable::setProperty> {
  static constexpr char const* kBadRow = "Invalid depth index in StdDepthTable";
  static constexpr char const* kBadComponent = "Invalid component index in StdDepthTable";
};
struct Temperature
    : Kind<ovt::StdTemperatureTable, ovt::ITemperatureTable,
           &ovt::ITemperatureTable::getNumTemperatures, &ovt::ITemperatureTable::setNumTemperatures,
           &ovt::ITemperatureTable::getTemperature, &ovt::ITemperatureTable::setTemperature,
           &ovt::ITemperatureTable::getProperty, &ovt::ITemperatureTable::setProperty> {
  static constexpr char const* kBadRow = "Invalid temp index in StdTemperatureTable";
  static constexpr char const* kBadComponent = "Invalid component index in StdTemperatureTable";
};
template <class T>
struct KValue : Kind<T, ovt::IKValueTable, &ovt::IKValueTable::getNumPressures,
                     &ovt::IKValueTable::setNumPressures, &ovt::IKValueTable::getPressure,
                     &ovt::IKValueTable::setPressure, &ovt::IKValueTable::getKValue,
                     &ovt::IKValueTable::setKValue> {
  static constexpr char const* kBadRow = "Invalid pressure index in StdKValueTable.";
  static constexpr char const* kBadComponent = "Invalid component index in StdKValueTable.";
};
struct ViscosityIndex : Kind<ovt::StdOilViscosityIndexTable, ovt::IOilViscosityIndexTable,
                             &ovt::IOilViscosityIndexTable::getNumMolefractions,
                             &ovt::IOilViscosityIndexTable::setNumMolefractions,
                             &ovt::IOilViscosityIndexTable::getMoleFraction,
                             &ovt::IOilViscosityIndexTable::setMoleFraction,
                             &ovt::IOilViscosityIndexTable::getOilViscosityIndex,
                             &ovt::IOilViscosityIndexTable::setOilViscosityIndex> {
  static constexpr char const* kBadRow =
      "Invalid mole fraction index used for oil viscosity index table.";
  static constexpr char const* kBadComponent =
      "Invalid component index used for oil viscosity index table.";
};

template <class K>
class FlatTables : public ::testing::Test {
 protected:
  using T = typename K::Table;

  // Row count, component count, then each row's key followed by its values.
  static std::vector<double> snapshot(T const& t) {
    std::vector<double> s{double(K::rows(t)), double(t.getNumComponents())};
    for (int r = 0; r < K::rows(t); ++r) {
      s.push_back(K::key(t, r));
      for (int c = 0; c < t.getNumComponents(); ++c) s.push_back(K::value(t, r, c));
    }
    return s;
  }
  // Two rows keyed 50 and 60 by three components holding 1 … 6 in flat order.
  static T twoByThree() {
    T t;
    t.setNumComponents(3);
    K::setRows(t, 2);
    for (int i = 0; i < 6; ++i) K::setValue(t, i / 3, i % 3, i + 1.0);
    K::setKey(t, 0, 50.0);
    K::setKey(t, 1, 60.0);
    return t;
  }
};

using Kinds = ::testing::Types<Depth, Temperature, KValue<ovt::StdKValueTable<ovt::IKValueTable>>,
                               KValue<ovt::StdTemperatureKValueTable>,
                               KValue<ovt::StdCompositionKValueTable>, ViscosityIndex>;
TYPED_TEST_SUITE(FlatTables, Kinds);

TYPED_TEST(FlatTables, CheckTheRowBeforeTheComponentAndChangeNothingOnFailure) {
  using K = TypeParam;
  typename K::Table empty;
  EXPECT_EQ(this->snapshot(empty), (std::vector<double>{0, 0}));
  EXPECT_THROW_EXACT(K::key(empty, 0), std::range_error, K::kBadRow);

  auto t = this->twoByThree();
  auto const before = this->snapshot(t);
  struct Case {
    int r, c;
    char const* message;
  };
  for (Case k : {Case{2, 0, K::kBadRow}, Case{-1, 5, K::kBadRow}, Case{-1, 0, K::kBadRow},
                 Case{0, 3, K::kBadComponent}, Case{1, -1, K::kBadComponent}}) {
    SCOPED_TRACE(::testing::Message() << k.r << ", " << k.c);
    EXPECT_THROW_EXACT(K::value(t, k.r, k.c), std::range_error, k.message);
    EXPECT_THROW_EXACT(K::setValue(t, k.r, k.c, 9.0), std::range_error, k.message);
  }
  for (int r : {-1, 2}) {
    EXPECT_THROW_EXACT(K::key(t, r), std::range_error, K::kBadRow);
    EXPECT_THROW_EXACT(K::setKey(t, r, 9.0), std::range_error, K::kBadRow);
  }
  EXPECT_THROW_EXACT(K::setRows(t, -1), std::length_error, "vector<T> too long");
  EXPECT_THROW_EXACT(t.setNumComponents(-1), std::length_error, "vector<T> too long");
  EXPECT_EQ(this->snapshot(t), before);
}

TYPED_TEST(FlatTables, ResizeWholeRowsAtTheEndAndKeepFlatPositionsAcrossWidths) {
  using K = TypeParam;
  typename K::Table t;
  t.setNumComponents(3);  // no rows yet: nothing to hold
  K::setRows(t, 2);
  K::setValue(t, 1, 2, 42.0);
  EXPECT_EQ(this->snapshot(t), (std::vector<double>{2, 3, 0, 0, 0, 0, 0, 0, 0, 42}));

  t = this->twoByThree();
  K::setRows(t, 3);  // a zero row at the end
  EXPECT_EQ(this->snapshot(t), (std::vector<double>{3, 3, 50, 1, 2, 3, 60, 4, 5, 6, 0, 0, 0, 0}));
  t.setNumComponents(2);  // the first six flat values, re-read under width 2
  EXPECT_EQ(this->snapshot(t), (std::vector<double>{3, 2, 50, 1, 2, 60, 3, 4, 0, 5, 6}));
  K::setRows(t, 1);
  EXPECT_EQ(this->snapshot(t), (std::vector<double>{1, 2, 50, 1, 2}));

  // Without rows a negative width is stored; adding rows then resizes the keys before
  // the values fail, and no component index is valid.
  typename K::Table odd;
  odd.setNumComponents(-2);
  EXPECT_EQ(odd.getNumComponents(), -2);
  EXPECT_THROW_EXACT(K::setRows(odd, 3), std::length_error, "vector<T> too long");
  EXPECT_EQ(K::rows(odd), 3);
  EXPECT_EQ(K::key(odd, 2), 0.0);
  EXPECT_THROW_EXACT(K::value(odd, 0, 0), std::range_error, K::kBadComponent);
}

TYPED_TEST(FlatTables, CopiesAreIndependentAndMovedFromTablesStayUsable) {
  using K = TypeParam;
  using T = typename K::Table;
  T source = this->twoByThree();
  auto const state = this->snapshot(source);

  T copy(source);
  K::setValue(copy, 0, 0, -1.0);
  K::setRows(copy, 5);
  EXPECT_EQ(this->snapshot(source), state);
  copy = source;
  T const& alias = copy;
  copy = alias;
  K::setKey(source, 0, -1.0);
  EXPECT_EQ(this->snapshot(copy), state);

  T moved(std::move(copy));
  EXPECT_EQ(this->snapshot(moved), state);
  T target;
  target = std::move(moved);
  EXPECT_EQ(this->snapshot(target), state);
  // Both moved-from tables keep a storage of their own: refilling them leaves the table
  // their content went to alone.
  for (T* left : {&copy, &moved}) {
    EXPECT_EQ(K::rows(*left), 0);  // NOLINT(bugprone-use-after-move)
    left->setNumComponents(3);
    K::setRows(*left, 1);
    K::setValue(*left, 0, 2, 7.0);
    EXPECT_EQ(this->snapshot(*left), (std::vector<double>{1, 3, 0, 0, 0, 7}));
  }
  EXPECT_EQ(this->snapshot(target), state);
}

TEST(KValueTables, CarryTheirOwnScalarsThroughCopiesAndMoves) {
  ovt::StdTemperatureKValueTable t;
  EXPECT_EQ(t.getTemperature(), 0.0);
  t.setTemperature(373.15);
  ovt::StdTemperatureKValueTable tAssigned;
  tAssigned = t;
  EXPECT_EQ(ovt::StdTemperatureKValueTable(t).getTemperature(), 373.15);
  EXPECT_EQ(tAssigned.getTemperature(), 373.15);

  ovt::StdCompositionKValueTable k;
  EXPECT_EQ(k.getComposition(), 0.0);
  EXPECT_EQ(k.getNominatedComponent(), 0);
  k.setComposition(0.35);
  k.setNominatedComponent(-5);  // a plain number: not checked against anything
  ovt::StdCompositionKValueTable copy(k);
  ovt::StdCompositionKValueTable kAssigned;
  kAssigned = std::move(copy);
  EXPECT_EQ(kAssigned.getComposition(), 0.35);
  EXPECT_EQ(kAssigned.getNominatedComponent(), -5);
}

}  // namespace
