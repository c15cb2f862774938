#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/StdOilViscosityIndexTable.h"
#include "support/Expect.h"

namespace {

using Orv::Tess::Varnak::IOilViscosityIndexTable;
using Orv::Tess::Varnak::StdOilViscosityIndexTable;

constexpr char kBadFraction[] = "Invalid mole fraction index used for oil viscosity index table.";
constexpr char kBadComponent[] = "Invalid component index used for oil viscosity index table.";
constexpr char kTooLong[] = "vector<T> too long";

// The mole fractions and the indices row by row, as a host reads them.
std::pair<std::vector<double>, std::vector<double>> contents(IOilViscosityIndexTable const& t) {
  std::pair<std::vector<double>, std::vector<double>> out;
  for (int f = 0; f < t.getNumMolefractions(); ++f) {
    out.first.push_back(t.getMoleFraction(f));
    for (int c = 0; c < t.getNumComponents(); ++c)
      out.second.push_back(t.getOilViscosityIndex(f, c));
  }
  return out;
}

// Two mole fractions, four components, indices 1 to 8 in flat order.
StdOilViscosityIndexTable twoByFour() {
  StdOilViscosityIndexTable t;
  t.setNumComponents(4);
  t.setNumMolefractions(2);
  t.setMoleFraction(0, 0.1);
  t.setMoleFraction(1, 0.6);
  for (int i = 0; i < 8; ++i) t.setOilViscosityIndex(i / 4, i % 4, i + 1.0);
  return t;
}

TEST(OilViscosityIndexTable, BadIndicesThrowTheMoleFractionMessageFirstAndChangeNothing) {
  StdOilViscosityIndexTable const empty;
  EXPECT_EQ(empty.getNumMolefractions(), 0);
  EXPECT_EQ(empty.getNumComponents(), 0);
  EXPECT_THROW_EXACT(empty.getMoleFraction(0), std::range_error, kBadFraction);

  StdOilViscosityIndexTable t = twoByFour();
  auto const before = contents(t);
  struct Case {
    int f, c;
    char const* message;
  };
  Case const cases[] = {{2, 0, kBadFraction},
                        {-1, 0, kBadFraction},
                        {0, 4, kBadComponent},
                        {1, -1, kBadComponent},
                        {-1, 9, kBadFraction}};
  for (Case const& k : cases) {
    SCOPED_TRACE(::testing::Message() << "f=" << k.f << " c=" << k.c);
    EXPECT_THROW_EXACT(t.getOilViscosityIndex(k.f, k.c), std::range_error, k.message);
    EXPECT_THROW_EXACT(t.setOilViscosityIndex(k.f, k.c, 9.9), std::range_error, k.message);
  }
  EXPECT_THROW_EXACT(t.setMoleFraction(2, 0.9), std::range_error, kBadFraction);
  EXPECT_EQ(contents(t), before);
}

TEST(OilViscosityIndexTable, RowsAreCutAtTheEndAndWidthChangesKeepFlatPositions) {
  StdOilViscosityIndexTable t;
  t.setNumComponents(4);
  t.setNumMolefractions(2);
  t.setOilViscosityIndex(1, 3, 5.5);
  EXPECT_EQ(contents(t).second, (std::vector<double>{0, 0, 0, 0, 0, 0, 0, 5.5}));

  t = twoByFour();
  t.setNumMolefractions(1);
  EXPECT_EQ(contents(t),
            (std::pair<std::vector<double>, std::vector<double>>{{0.1}, {1.0, 2.0, 3.0, 4.0}}));

  t = twoByFour();
  t.setNumComponents(3);  // the first six flat values, read under width 3
  EXPECT_EQ(t.getOilViscosityIndex(1, 0), 4.0);
}

TEST(OilViscosityIndexTable, NegativeCountsRaiseTheLengthErrorWithTheirPartialEffects) {
  StdOilViscosityIndexTable t = twoByFour();
  auto const before = contents(t);
  EXPECT_THROW_EXACT(t.setNumMolefractions(-1), std::length_error, kTooLong);
  EXPECT_THROW_EXACT(t.setNumComponents(-3), std::length_error, kTooLong);
  EXPECT_EQ(contents(t), before);

  StdOilViscosityIndexTable u;
  u.setNumComponents(-1);
  EXPECT_EQ(u.getNumComponents(), -1);
  EXPECT_THROW_EXACT(u.setNumMolefractions(2), std::length_error, kTooLong);
  EXPECT_EQ(u.getNumMolefractions(), 2);  // the mole fractions were resized first
  EXPECT_THROW_EXACT(u.getOilViscosityIndex(0, 0), std::range_error, kBadComponent);
}

TEST(OilViscosityIndexTable, CopiesAreIndependent) {
  StdOilViscosityIndexTable source = twoByFour();
  auto const filled = contents(source);
  StdOilViscosityIndexTable copy(source);
  copy.setOilViscosityIndex(0, 0, -1.0);
  copy.setNumComponents(1);
  EXPECT_EQ(contents(source), filled);
  StdOilViscosityIndexTable assigned;
  assigned = source;
  source.setMoleFraction(0, 0.0);
  EXPECT_EQ(contents(assigned), filled);
  StdOilViscosityIndexTable moved(std::move(assigned));
  EXPECT_EQ(contents(moved), filled);
}

}  // namespace
