#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/StdBrinePropertyTable.h"
#include "WaterState.h"
#include "support/Expect.h"

using namespace Orv::Tess::Varnak;
using waterstate::snapshot;

namespace {

// The six columns, each as a setter/getter pair.
struct Column {
  char const* name;
  void (IBrinePropertyTable::*set)(int, double);
  double (IBrinePropertyTable::*get)(int) const;
};

std::vector<Column> const kColumns = {
    {"salt concentration", &IBrinePropertyTable::setSaltConcentration,
     &IBrinePropertyTable::getSaltConcentration},
    {"surface density", &IBrinePropertyTable::setBrineSurfaceDensity,
     &IBrinePropertyTable::getBrineSurfaceDensity},
    {"formation volume factor", &IBrinePropertyTable::setFormationVolumeFactor,
     &IBrinePropertyTable::getFormationVolumeFactor},
    {"compressibility", &IBrinePropertyTable::setCompressibility,
     &IBrinePropertyTable::getCompressibility},
    {"viscosity", &IBrinePropertyTable::setViscosity, &IBrinePropertyTable::getViscosity},
    {"viscosibility", &IBrinePropertyTable::setViscosibility,
     &IBrinePropertyTable::getViscosibility},
};

// Fills row r, column k with 10 r + k + 1, so every cell is distinct and non-zero.
void fill(IBrinePropertyTable& t, int rows) {
  for (int r = 0; r < rows; ++r)
    for (std::size_t k = 0; k < kColumns.size(); ++k)
      (t.*kColumns[k].set)(r, 10.0 * r + static_cast<double>(k) + 1.0);
}

}  // namespace

TEST(StdBrinePropertyTable, ResizingKeepsFrontRowsAndZeroesNewOnes) {
  StdBrinePropertyTable table;
  table.setReferencePressure(100.0);
  table.setReferenceSaltConcentration(30.0);
  table.setTableSize(3);
  fill(table, 3);
  table.setTableSize(5);
  EXPECT_EQ(table.getTableSize(), 5);
  for (std::size_t k = 0; k < kColumns.size(); ++k) {
    auto const& c = kColumns[k];
    EXPECT_EQ((table.*c.get)(2), 21.0 + static_cast<double>(k)) << c.name;
    EXPECT_EQ((table.*c.get)(3), 0.0) << c.name;
    EXPECT_EQ((table.*c.get)(4), 0.0) << c.name;
  }
  table.setTableSize(1);
  EXPECT_EQ(snapshot(table), (std::vector<double>{1.0, 100.0, 30.0, 1, 2, 3, 4, 5, 6}));
}

TEST(StdBrinePropertyTable, EveryRowAccessorChecksTheIndexAndChangesNothingOnFailure) {
  StdBrinePropertyTable table;
  table.setTableSize(2);
  fill(table, 2);
  auto const before = snapshot(table);
  for (auto const& c : kColumns) {
    for (int index : {-1, 2, -2147483647 - 1}) {
      std::string const text =
          "Invalid index (" + std::to_string(index) + ") in StdBrinePropertyTable.";
      EXPECT_THROW_EXACT((table.*c.set)(index, 7.0), std::range_error, text);
      EXPECT_THROW_EXACT((table.*c.get)(index), std::range_error, text);
    }
  }
  EXPECT_THROW_EXACT(table.validateIndex(2), std::range_error,
                     "Invalid index (2) in StdBrinePropertyTable.");
  EXPECT_THROW_EXACT(table.setTableSize(-1), std::length_error, "vector<T> too long");
  EXPECT_EQ(snapshot(table), before);
}

TEST(StdBrinePropertyTable, CopiesAndMovesAreIndependentValues) {
  StdBrinePropertyTable source;
  source.setReferencePressure(150.0);
  source.setTableSize(2);
  fill(source, 2);
  auto const state = snapshot(source);

  StdBrinePropertyTable copy(source);
  copy.setViscosity(0, -1.0);
  EXPECT_EQ(snapshot(source), state);

  StdBrinePropertyTable assigned;
  assigned = source;
  EXPECT_EQ(snapshot(assigned), state);
  StdBrinePropertyTable const& alias = assigned;
  assigned = alias;  // self-assignment keeps the table
  EXPECT_EQ(snapshot(assigned), state);

  StdBrinePropertyTable moved(std::move(assigned));
  EXPECT_EQ(snapshot(moved), state);
  StdBrinePropertyTable moveAssigned;
  moveAssigned = std::move(moved);
  EXPECT_EQ(snapshot(moveAssigned), state);
}
