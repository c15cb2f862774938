// The five solubility table kinds: the plain table of pressures and solution ratios, and
// the four that add the water columns (formation volume, viscosity, compressibility). All
// check every index against the number of pressures with the plain table's message.
#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak.h"
#include "support/Support.h"

using namespace Orv::Tess::Varnak;

namespace {

std::string indexMessage(int index) {
  return "Invalid index (" + std::to_string(index) + ") in StdSolubilityTable.";
}

template <class T>
class SolubilityTables : public ::testing::Test {
 protected:
  // The interface that names all of the kind's columns.
  using I = std::conditional_t<std::is_base_of_v<ISolubilityWaterPropertiesTable, T>,
                               ISolubilityWaterPropertiesTable, ISolubilityTable>;
  struct Column {
    void (I::*set)(int, double);
    double (I::*get)(int) const;
  };
  static std::vector<Column> columns() {
    std::vector<Column> c{{&I::setPressure, &I::getPressure},
                          {&I::setSolutionRatio, &I::getSolutionRatio}};
    if constexpr (std::is_same_v<I, ISolubilityWaterPropertiesTable>) {
      c.insert(c.end(), {{&I::setFormationVolume, &I::getFormationVolume},
                         {&I::setViscosity, &I::getViscosity},
                         {&I::setCompressibility, &I::getCompressibility}});
    }
    return c;
  }
  // Three rows; row r, column k holds 10 r + k + 1.
  static void fill(I& t) {
    t.setNumPressures(3);
    for (int r = 0; r < 3; ++r)
      for (std::size_t k = 0; k < columns().size(); ++k) (t.*columns()[k].set)(r, 10.0 * r + k + 1);
  }
};

using Kinds = ::testing::Types<StdSolubilityTable, StdSolubilityWaterPropertiesTable,
                               StdTemperatureSolubilityTable, StdSaltSolubilityTable,
                               StdInteractionSolubilityTable>;
TYPED_TEST_SUITE(SolubilityTables, Kinds);

TYPED_TEST(SolubilityTables, CheckEveryIndexOfEveryColumnAndChangeNothingOnFailure) {
  TypeParam table;
  typename TestFixture::I& t = table;  // as the owning component hands it out
  EXPECT_EQ(t.getNumPressures(), 0);
  for (auto const& c : this->columns()) {
    EXPECT_THROW_EXACT((t.*c.get)(0), std::range_error, indexMessage(0));
  }
  this->fill(t);
  std::string const before = support::observe(t);
  for (int index : {-1, 3, INT_MIN, INT_MAX}) {
    for (auto const& c : this->columns()) {
      EXPECT_THROW_EXACT((t.*c.set)(index, 1.0), std::range_error, indexMessage(index));
      EXPECT_THROW_EXACT((t.*c.get)(index), std::range_error, indexMessage(index));
    }
  }
  EXPECT_THROW_EXACT(t.setNumPressures(-1), std::length_error, "vector<T> too long");
  EXPECT_EQ(support::observe(t), before);

  t.setNumPressures(2);
  t.setNumPressures(3);  // rows 0 and 1 stay in every column, row 2 comes back as zeros
  for (int r = 0; r < 3; ++r) {
    for (std::size_t k = 0; k < this->columns().size(); ++k) {
      EXPECT_EQ((t.*this->columns()[k].get)(r), r < 2 ? 10.0 * r + k + 1 : 0.0);
    }
  }
}

TYPED_TEST(SolubilityTables, CopiesHaveRowsOfTheirOwn) {
  TypeParam source;
  this->fill(source);
  auto const rows = support::observe(source);
  TypeParam copy(source);
  copy.setPressure(0, -5.0);
  copy.setNumPressures(1);
  EXPECT_EQ(support::observe(source), rows);

  TypeParam assigned;
  assigned = source;
  source.setSolutionRatio(2, 9.0);
  EXPECT_EQ(support::observe(assigned), rows);
  TypeParam moved(std::move(assigned));
  TypeParam moveAssigned;
  moveAssigned = std::move(moved);
  EXPECT_EQ(support::observe(moveAssigned), rows);
}

TEST(SolubilityTables, NamedKindsKeepTheirScalarsApartFromTheRows) {
  StdSolubilityTable plain;
  plain.setNumPressures(1);
  EXPECT_THROW_EXACT(plain.validateIndex(1), std::range_error, indexMessage(1));

  StdTemperatureSolubilityTable temperature;
  EXPECT_EQ(temperature.getTemperature(), 0.0);
  temperature.setTemperature(80.0);
  temperature.setNumPressures(0);
  EXPECT_EQ(StdTemperatureSolubilityTable(temperature).getTemperature(), 80.0);

  StdSaltSolubilityTable salt;
  EXPECT_EQ(salt.getSaltConcentration(), 0.0);
  EXPECT_EQ(salt.getBrineSurfaceDensity(), 0.0);
  EXPECT_EQ(salt.getRefSaltConcentration(), 0.0);
  salt.setSaltConcentration(2.5);
  salt.setBrineSurfaceDensity(1090.0);
  salt.setRefSaltConcentration(-1.0);  // not checked
  StdSaltSolubilityTable saltCopy;
  saltCopy = salt;
  salt.setSaltConcentration(0.1);
  EXPECT_EQ(saltCopy.getSaltConcentration(), 2.5);
  EXPECT_EQ(saltCopy.getBrineSurfaceDensity(), 1090.0);
  EXPECT_EQ(saltCopy.getRefSaltConcentration(), -1.0);

  StdInteractionSolubilityTable interaction;
  EXPECT_EQ(interaction.getInteractionComponentName(), "");
  EXPECT_EQ(interaction.getInteractionComponentMoleFraction(), 0.0);
  std::string name = "no such component";
  interaction.setInteractionComponentName(name);
  name = "changed";  // the table keeps its own copy
  interaction.setInteractionComponentMoleFraction(1.5);
  StdInteractionSolubilityTable const interactionCopy(interaction);
  EXPECT_EQ(interactionCopy.getInteractionComponentName(), "no such component");
  EXPECT_EQ(interactionCopy.getInteractionComponentMoleFraction(), 1.5);
}

}  // namespace
