#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/StdBrinePropertyTable.h"
#include "support/Support.h"

using namespace Orv::Tess::Varnak;
using support::observe;

namespace {

// The six columns, each as a setter/getter pair.
struct Column {
  void (IBrinePropertyTable::*set)(int, double);
  double (IBrinePropertyTable::*get)(int) const;
};
Column const kColumns[] = {
    {&IBrinePropertyTable::setSaltConcentration, &IBrinePropertyTable::getSaltConcentration},
    {&IBrinePropertyTable::setBrineSurfaceDensity, &IBrinePropertyTable::getBrineSurfaceDensity},
    {&IBrinePropertyTable::setFormationVolumeFactor,
     &IBrinePropertyTable::getFormationVolumeFactor},
    {&IBrinePropertyTable::setCompressibility, &IBrinePropertyTable::getCompressibility},
    {&IBrinePropertyTable::setViscosity, &IBrinePropertyTable::getViscosity},
    {&IBrinePropertyTable::setViscosibility, &IBrinePropertyTable::getViscosibility},
};

// Two rows; row r, column k holds 10 r + k + 1, so every cell is distinct and non-zero.
StdBrinePropertyTable twoRows() {
  StdBrinePropertyTable t;
  t.setReferencePressure(100.0);
  t.setReferenceSaltConcentration(30.0);
  t.setTableSize(2);
  // (rows + k)->: GCC 12's bounds sanitizer misreads a subscript inside a member-pointer call.
  for (int r = 0; r < 2; ++r)
    for (int k = 0; k < 6; ++k) (t.*(kColumns + k)->set)(r, 10.0 * r + k + 1.0);
  return t;
}

}  // namespace

TEST(StdBrinePropertyTable, ResizesEveryColumnAndChecksEveryIndex) {
  StdBrinePropertyTable table = twoRows();
  auto const before = observe(table);
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
  EXPECT_EQ(observe(table), before);

  table.setTableSize(3);
  table.setTableSize(1);
  table.setTableSize(2);  // the front row stays, the others come back as zeros
  EXPECT_EQ(table.getTableSize(), 2);
  EXPECT_EQ(table.getReferencePressure(), 100.0);
  EXPECT_EQ(table.getReferenceSaltConcentration(), 30.0);
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ((table.*(kColumns + k)->get)(0), k + 1.0);
    EXPECT_EQ((table.*(kColumns + k)->get)(1), 0.0);
  }
}

TEST(StdBrinePropertyTable, CopiesAndMovesAreIndependentValues) {
  StdBrinePropertyTable source = twoRows();
  auto const state = observe(source);
  StdBrinePropertyTable copy(source);
  copy.setViscosity(0, -1.0);
  EXPECT_EQ(observe(source), state);

  StdBrinePropertyTable assigned;
  assigned = source;
  StdBrinePropertyTable const& alias = assigned;
  assigned = alias;  // self-assignment keeps the table
  source.setReferencePressure(1.0);
  EXPECT_EQ(observe(assigned), state);

  StdBrinePropertyTable moved(std::move(assigned));
  StdBrinePropertyTable moveAssigned;
  moveAssigned = std::move(moved);
  EXPECT_EQ(observe(moveAssigned), state);
}
