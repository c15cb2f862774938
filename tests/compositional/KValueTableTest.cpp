#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/StdCompositionKValueTable.h"
#include "Orv/Tess/Varnak/StdKValueTable.h"
#include "Orv/Tess/Varnak/StdTemperatureKValueTable.h"
#include "support/Expect.h"

namespace {

using namespace Orv::Tess::Varnak;

constexpr char kBadPressure[] = "Invalid pressure index in StdKValueTable.";
constexpr char kBadComponent[] = "Invalid component index in StdKValueTable.";
constexpr char kTooLong[] = "vector<T> too long";

// Everything a host can observe of a K-value table through its interface.
struct Snapshot {
  int numComponents = 0;
  std::vector<double> pressures;
  std::vector<double> kValues;  // row by row
  bool operator==(Snapshot const& o) const {
    return numComponents == o.numComponents && pressures == o.pressures && kValues == o.kValues;
  }
};

Snapshot snapshot(IKValueTable const& t) {
  Snapshot s;
  s.numComponents = t.getNumComponents();
  for (int p = 0; p < t.getNumPressures(); ++p) {
    s.pressures.push_back(t.getPressure(p));
    for (int c = 0; c < t.getNumComponents(); ++c) s.kValues.push_back(t.getKValue(p, c));
  }
  return s;
}

// A table at 2 pressures (in bar) with K-values for C1, C3 and nC10: light ends above 1,
// heavy end far below.
void fillThreeComponents(IKValueTable& t) {
  t.setNumComponents(3);
  t.setNumPressures(2);
  double const pressures[] = {50.0, 150.0};
  double const k[2][3] = {{6.2, 0.85, 0.004}, {2.4, 0.62, 0.011}};
  for (int p = 0; p < 2; ++p) {
    t.setPressure(p, pressures[p]);
    for (int c = 0; c < 3; ++c) t.setKValue(p, c, k[p][c]);
  }
}

template <class Table>
class KValueTableKinds : public ::testing::Test {};

using Kinds = ::testing::Types<StdKValueTable<IKValueTable>, StdTemperatureKValueTable,
                               StdCompositionKValueTable>;
TYPED_TEST_SUITE(KValueTableKinds, Kinds);

TYPED_TEST(KValueTableKinds, BadIndicesThrowThePressureMessageFirstAndChangeNothing) {
  TypeParam empty;
  EXPECT_EQ(empty.getNumPressures(), 0);
  EXPECT_EQ(empty.getNumComponents(), 0);
  EXPECT_THROW_EXACT(empty.getPressure(0), std::range_error, kBadPressure);

  TypeParam t;
  fillThreeComponents(t);
  Snapshot const before = snapshot(t);
  struct Case {
    int p, c;
    char const* message;
  };
  Case const cases[] = {{2, 0, kBadPressure},   {-1, 0, kBadPressure}, {0, 3, kBadComponent},
                        {1, -1, kBadComponent}, {5, 7, kBadPressure},  {-1, -1, kBadPressure}};
  for (Case const& k : cases) {
    SCOPED_TRACE(::testing::Message() << "p=" << k.p << " c=" << k.c);
    EXPECT_THROW_EXACT(t.getKValue(k.p, k.c), std::range_error, k.message);
    EXPECT_THROW_EXACT(t.setKValue(k.p, k.c, 9.9), std::range_error, k.message);
  }
  EXPECT_THROW_EXACT(t.getPressure(2), std::range_error, kBadPressure);
  EXPECT_THROW_EXACT(t.setPressure(-1, 9.9), std::range_error, kBadPressure);
  EXPECT_EQ(snapshot(t), before);
}

TYPED_TEST(KValueTableKinds, ValuesKeepTheirFlatPositionsWhenTheWidthChanges) {
  TypeParam t;
  t.setNumComponents(3);  // no pressures yet: nothing to hold
  EXPECT_EQ(t.getNumComponents(), 3);
  t.setNumPressures(2);
  EXPECT_EQ(snapshot(t).kValues, std::vector<double>(6, 0.0));
  t.setKValue(1, 2, 42.0);
  EXPECT_EQ(snapshot(t).kValues, (std::vector<double>{0, 0, 0, 0, 0, 42.0}));  // flat position 5

  for (int i = 0; i < 6; ++i) t.setKValue(i / 3, i % 3, i + 1.0);
  t.setNumComponents(2);  // the first four flat values remain, read under width 2
  EXPECT_EQ(t.getKValue(1, 0), 3.0);
  EXPECT_EQ(t.getKValue(1, 1), 4.0);

  t.setNumPressures(3);  // rows are appended at the end, existing rows stay
  EXPECT_EQ(snapshot(t).kValues, (std::vector<double>{1, 2, 3, 4, 0, 0}));
  EXPECT_EQ(t.getPressure(2), 0.0);
  t.setNumPressures(1);
  EXPECT_EQ(snapshot(t).kValues, (std::vector<double>{1, 2}));
}

TYPED_TEST(KValueTableKinds, NegativeCountsRaiseTheLengthErrorWithTheirPartialEffects) {
  TypeParam t;
  fillThreeComponents(t);
  Snapshot const before = snapshot(t);
  EXPECT_THROW_EXACT(t.setNumPressures(-1), std::length_error, kTooLong);
  EXPECT_THROW_EXACT(t.setNumComponents(-1), std::length_error, kTooLong);
  EXPECT_EQ(snapshot(t), before);

  // Without pressures a negative width is stored; no component index is valid then, and
  // adding pressures resizes the pressures before the K-values fail.
  TypeParam u;
  u.setNumComponents(-2);
  EXPECT_EQ(u.getNumComponents(), -2);
  EXPECT_THROW_EXACT(u.setNumPressures(3), std::length_error, kTooLong);
  EXPECT_EQ(u.getNumPressures(), 3);
  EXPECT_EQ(u.getPressure(2), 0.0);
  EXPECT_THROW_EXACT(u.getKValue(0, 0), std::range_error, kBadComponent);
}

TYPED_TEST(KValueTableKinds, CopiesAreIndependentAndMovesCarryTheValues) {
  TypeParam source;
  fillThreeComponents(source);
  Snapshot const filled = snapshot(source);

  TypeParam copy(source);
  copy.setKValue(0, 0, 7.0);
  copy.setNumPressures(1);
  EXPECT_EQ(snapshot(source), filled);

  TypeParam assigned;
  assigned = source;
  source.setPressure(0, 1.0);
  EXPECT_EQ(snapshot(assigned), filled);

  TypeParam moved(std::move(assigned));
  EXPECT_EQ(snapshot(moved), filled);
  TypeParam moveAssigned;
  moveAssigned = std::move(moved);
  EXPECT_EQ(snapshot(moveAssigned), filled);
}

TEST(TemperatureKValueTable, CarriesItsTemperatureThroughCopies) {
  StdTemperatureKValueTable t;
  EXPECT_EQ(t.getTemperature(), 0.0);
  t.setTemperature(373.15);
  fillThreeComponents(t);
  StdTemperatureKValueTable copy(t);
  EXPECT_EQ(copy.getTemperature(), 373.15);
  StdTemperatureKValueTable assigned;
  assigned = t;
  EXPECT_EQ(assigned.getTemperature(), 373.15);
  EXPECT_EQ(snapshot(assigned), snapshot(t));
}

TEST(CompositionKValueTable, CarriesCompositionAndAnyNominatedComponentThroughCopies) {
  StdCompositionKValueTable t;
  EXPECT_EQ(t.getComposition(), 0.0);
  EXPECT_EQ(t.getNominatedComponent(), 0);
  t.setComposition(0.35);
  t.setNominatedComponent(-5);  // a plain number: not checked against anything
  EXPECT_EQ(t.getNominatedComponent(), -5);
  StdCompositionKValueTable copy(t);
  EXPECT_EQ(copy.getComposition(), 0.35);
  EXPECT_EQ(copy.getNominatedComponent(), -5);
  StdCompositionKValueTable assigned;
  assigned = std::move(copy);
  EXPECT_EQ(assigned.getComposition(), 0.35);
  EXPECT_EQ(assigned.getNominatedComponent(), -5);
}

}  // namespace
