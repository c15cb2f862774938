#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/StdInteractionSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSaltSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSolubilityWaterPropertiesTable.h"
#include "Orv/Tess/Varnak/StdTemperatureSolubilityTable.h"
#include "support/Expect.h"

using namespace Orv::Tess::Varnak;

namespace {

using Row = std::array<double, 5>;  // pressure, Rs, Bw, viscosity, compressibility

std::vector<std::array<double, 2>> rowsOf(ISolubilityTable const& t) {
  std::vector<std::array<double, 2>> rows;
  for (int i = 0; i < t.getNumPressures(); ++i)
    rows.push_back({t.getPressure(i), t.getSolutionRatio(i)});
  return rows;
}

std::vector<Row> rowsOf(ISolubilityWaterPropertiesTable const& t) {
  std::vector<Row> rows;
  for (int i = 0; i < t.getNumPressures(); ++i) {
    rows.push_back({t.getPressure(i), t.getSolutionRatio(i), t.getFormationVolume(i),
                    t.getViscosity(i), t.getCompressibility(i)});
  }
  return rows;
}

// CO2 in water at three pressures (bar, sm3/sm3, rm3/sm3, cP, 1/bar).
void fill(ISolubilityWaterPropertiesTable& t) {
  std::vector<Row> const rows{{{100.0, 20.1, 1.012, 0.61, 4.1e-5},
                               {200.0, 28.4, 1.018, 0.63, 3.9e-5},
                               {300.0, 31.0, 1.021, 0.66, 3.7e-5}}};
  t.setNumPressures(3);
  for (int i = 0; i < 3; ++i) {
    Row const& r = rows[static_cast<std::size_t>(i)];
    t.setPressure(i, r[0]);
    t.setSolutionRatio(i, r[1]);
    t.setFormationVolume(i, r[2]);
    t.setViscosity(i, r[3]);
    t.setCompressibility(i, r[4]);
  }
}

std::string indexMessage(int index) {
  return "Invalid index (" + std::to_string(index) + ") in StdSolubilityTable.";
}

}  // namespace

TEST(SolubilityTable, RowsAreCheckedAgainstTheNumberOfPressures) {
  StdSolubilityTable t;
  EXPECT_EQ(t.getNumPressures(), 0);
  EXPECT_THROW_EXACT(t.getPressure(0), std::range_error, indexMessage(0));

  t.setNumPressures(2);
  t.setPressure(0, 50.0);
  t.setSolutionRatio(0, 12.5);
  t.setPressure(1, 150.0);
  auto const before = rowsOf(t);
  EXPECT_EQ(before, (std::vector<std::array<double, 2>>{{50.0, 12.5}, {150.0, 0.0}}));

  for (int index : {-1, 2, INT_MIN, INT_MAX}) {
    EXPECT_THROW_EXACT(t.setPressure(index, 1.0), std::range_error, indexMessage(index));
    EXPECT_THROW_EXACT(t.getPressure(index), std::range_error, indexMessage(index));
    EXPECT_THROW_EXACT(t.setSolutionRatio(index, 1.0), std::range_error, indexMessage(index));
    EXPECT_THROW_EXACT(t.getSolutionRatio(index), std::range_error, indexMessage(index));
    EXPECT_THROW_EXACT(t.validateIndex(index), std::range_error, indexMessage(index));
  }
  EXPECT_THROW_EXACT(t.setNumPressures(-1), std::length_error, "vector<T> too long");
  EXPECT_EQ(rowsOf(t), before);

  t.setNumPressures(3);
  EXPECT_EQ(rowsOf(t),
            (std::vector<std::array<double, 2>>{{50.0, 12.5}, {150.0, 0.0}, {0.0, 0.0}}));
  t.setNumPressures(1);
  EXPECT_EQ(rowsOf(t), (std::vector<std::array<double, 2>>{{50.0, 12.5}}));
}

// The four kinds that carry the water columns behave alike row for row.
template <class Table>
class WaterPropertiesTable : public ::testing::Test {};
using WaterKinds =
    ::testing::Types<StdSolubilityWaterPropertiesTable, StdTemperatureSolubilityTable,
                     StdSaltSolubilityTable, StdInteractionSolubilityTable>;
TYPED_TEST_SUITE(WaterPropertiesTable, WaterKinds);

TYPED_TEST(WaterPropertiesTable, EveryColumnReportsABadIndexAsThePlainTableDoes) {
  TypeParam table;
  ISolubilityWaterPropertiesTable& t = table;  // as the owning component hands it out
  EXPECT_EQ(t.getNumPressures(), 0);
  EXPECT_THROW_EXACT(t.getPressure(0), std::range_error, indexMessage(0));
  EXPECT_THROW_EXACT(t.getCompressibility(0), std::range_error, indexMessage(0));

  fill(t);
  auto const before = rowsOf(t);
  std::vector<std::function<void(int)>> const calls{
      [&](int i) { t.setPressure(i, 1.0); },        [&](int i) { t.getPressure(i); },
      [&](int i) { t.setSolutionRatio(i, 1.0); },   [&](int i) { t.getSolutionRatio(i); },
      [&](int i) { t.setFormationVolume(i, 1.0); }, [&](int i) { t.getFormationVolume(i); },
      [&](int i) { t.setViscosity(i, 1.0); },       [&](int i) { t.getViscosity(i); },
      [&](int i) { t.setCompressibility(i, 1.0); }, [&](int i) { t.getCompressibility(i); },
  };
  for (int index : {-1, 3, -2147483647 - 1}) {
    for (std::size_t k = 0; k < calls.size(); ++k) {
      SCOPED_TRACE(k);
      EXPECT_THROW_EXACT(calls[k](index), std::range_error, indexMessage(index));
    }
  }
  EXPECT_THROW_EXACT(t.setNumPressures(-3), std::length_error, "vector<T> too long");
  EXPECT_EQ(rowsOf(t), before);
}

TYPED_TEST(WaterPropertiesTable, EachColumnKeepsItsOwnValuesThroughResizing) {
  TypeParam t;
  t.setNumPressures(2);
  t.setFormationVolume(1, 1.07);
  EXPECT_EQ(t.getFormationVolume(1), 1.07);
  EXPECT_EQ(t.getSolutionRatio(1), 0.0);
  EXPECT_EQ(t.getViscosity(1), 0.0);

  fill(t);
  t.setNumPressures(2);
  t.setNumPressures(4);  // rows 0 and 1 stay in all five columns, rows 2 and 3 are new
  EXPECT_EQ(rowsOf(t), (std::vector<Row>{{100.0, 20.1, 1.012, 0.61, 4.1e-5},
                                         {200.0, 28.4, 1.018, 0.63, 3.9e-5},
                                         {0.0, 0.0, 0.0, 0.0, 0.0},
                                         {0.0, 0.0, 0.0, 0.0, 0.0}}));
  t.setNumPressures(1);
  EXPECT_THROW_EXACT(t.getPressure(1), std::range_error, indexMessage(1));
  EXPECT_THROW_EXACT(t.getCompressibility(1), std::range_error, indexMessage(1));
  t.setNumPressures(0);
  EXPECT_EQ(t.getNumPressures(), 0);
}

TYPED_TEST(WaterPropertiesTable, CopiesHaveRowsOfTheirOwn) {
  TypeParam source;
  fill(source);
  auto const rows = rowsOf(source);

  TypeParam copy(source);
  copy.setPressure(0, -5.0);
  copy.setNumPressures(1);
  EXPECT_EQ(rowsOf(source), rows);

  TypeParam assigned;
  assigned = source;
  assigned.setViscosity(2, 9.0);
  EXPECT_EQ(rowsOf(source), rows);

  TypeParam moved(std::move(assigned));
  EXPECT_EQ(moved.getViscosity(2), 9.0);
  TypeParam moveAssigned;
  moveAssigned = std::move(moved);
  EXPECT_EQ(moveAssigned.getNumPressures(), 3);
}

TEST(SolubilityTable, NamedKindsKeepTheirScalarsApartFromTheRows) {
  StdTemperatureSolubilityTable temperature;
  EXPECT_EQ(temperature.getTemperature(), 0.0);
  temperature.setTemperature(80.0);
  fill(temperature);
  EXPECT_THROW_EXACT(temperature.setNumPressures(-1), std::length_error, "vector<T> too long");
  temperature.setNumPressures(0);
  EXPECT_EQ(temperature.getTemperature(), 80.0);

  StdSaltSolubilityTable salt;
  EXPECT_EQ(salt.getSaltConcentration(), 0.0);
  EXPECT_EQ(salt.getBrineSurfaceDensity(), 0.0);
  EXPECT_EQ(salt.getRefSaltConcentration(), 0.0);
  salt.setSaltConcentration(2.5);
  salt.setBrineSurfaceDensity(1090.0);
  salt.setRefSaltConcentration(-1.0);  // not checked
  fill(salt);
  StdSaltSolubilityTable saltCopy(salt);
  saltCopy.setPressure(0, 1.0);
  saltCopy.setSaltConcentration(0.1);
  EXPECT_EQ(salt.getPressure(0), 100.0);
  EXPECT_EQ(salt.getSaltConcentration(), 2.5);
  EXPECT_EQ(saltCopy.getBrineSurfaceDensity(), 1090.0);
  EXPECT_EQ(saltCopy.getRefSaltConcentration(), -1.0);

  StdInteractionSolubilityTable interaction;
  EXPECT_EQ(interaction.getInteractionComponentName(), "");
  EXPECT_EQ(interaction.getInteractionComponentMoleFraction(), 0.0);
  std::string name = "no such component";
  interaction.setInteractionComponentName(name);
  name = "changed";  // the table keeps its own copy
  interaction.setInteractionComponentMoleFraction(1.5);
  interaction.setNumPressures(2);
  EXPECT_EQ(interaction.getInteractionComponentName(), "no such component");
  EXPECT_EQ(interaction.getInteractionComponentMoleFraction(), 1.5);
}
