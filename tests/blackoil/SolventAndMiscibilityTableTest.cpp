// The two single-level tables of a black-oil model, run through one body: each column
// keeps its own values, every index is checked on getters and setters alike, a negative
// size raises the standard length error, and copies are independent.
#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak.h"
#include "support/Support.h"

namespace {

namespace ovt = Orv::Tess::Varnak;
using support::observe;

template <class I>
struct Column {
  void (I::*set)(int, double);
  double (I::*get)(int) const;
};

template <class T, class I>
void checkColumnTable(std::vector<Column<I>> const& columns, char const* badIndex) {
  T t;
  EXPECT_EQ(t.getSize(), 0);
  t.setSize(2);
  for (int r = 0; r < 2; ++r)
    for (std::size_t k = 0; k < columns.size(); ++k) (t.*columns[k].set)(r, 10.0 * r + k + 1);
  for (int r = 0; r < 2; ++r)
    for (std::size_t k = 0; k < columns.size(); ++k)
      EXPECT_EQ((t.*columns[k].get)(r), 10.0 * r + k + 1);

  std::string const before = observe(t);
  for (auto const& c : columns) {
    for (int index : {-1, 2}) {
      EXPECT_THROW_EXACT((t.*c.get)(index), std::range_error, badIndex);
      EXPECT_THROW_EXACT((t.*c.set)(index, 9.0), std::range_error, badIndex);
    }
  }
  EXPECT_THROW_EXACT(t.setSize(-1), std::length_error, "vector<T> too long");
  EXPECT_EQ(observe(t), before);

  T copy(t);
  T assigned;
  assigned = t;
  t.setSize(1);  // the row in front stays, the new one is zeros
  t.setSize(2);
  for (std::size_t k = 0; k < columns.size(); ++k) {
    EXPECT_EQ((t.*columns[k].get)(0), k + 1.0);
    EXPECT_EQ((t.*columns[k].get)(1), 0.0);
  }
  EXPECT_EQ(observe(copy), before);
  EXPECT_EQ(observe(assigned), before);
}

TEST(SolventAndMiscibilityTables, KeepTheirColumnsApartAndCheckEveryIndex) {
  using S = ovt::ISolventTable;
  checkColumnTable<ovt::StdSolventTable, S>(
      {{&S::setPressure, &S::getPressure},
       {&S::setFormationVolumeFactor, &S::getFormationVolumeFactor},
       {&S::setViscosity, &S::getViscosity}},
      "Invalid index in StdSolventTable");
  using M = ovt::IMiscibilityTable;
  checkColumnTable<ovt::StdMisciblityTable, M>(
      {{&M::setOilPressure, &M::getOilPressure}, {&M::setMiscibility, &M::getMiscibility}},
      "Invalid index in StdMiscibilityTable");
}

TEST(SolventAndMiscibilityTables, KeepTheirScalarsApartFromTheRows) {
  ovt::StdSolventTable s;
  EXPECT_EQ(s.getSurfaceDensity(), 0.0);
  s.setSurfaceDensity(1.05);
  s.setSize(0);
  EXPECT_EQ(ovt::StdSolventTable(s).getSurfaceDensity(), 1.05);

  ovt::StdMisciblityTable m;
  EXPECT_EQ(m.getViscosityMixingParameter(), 0.0);
  EXPECT_EQ(m.getDensityMixingParameter(), 0.0);
  m.setViscosityMixingParameter(0.7);
  m.setDensityMixingParameter(0.6);
  ovt::StdMisciblityTable mc;
  mc = m;
  m.setDensityMixingParameter(9.0);
  EXPECT_EQ(mc.getViscosityMixingParameter(), 0.7);
  EXPECT_EQ(mc.getDensityMixingParameter(), 0.6);
}

}  // namespace
