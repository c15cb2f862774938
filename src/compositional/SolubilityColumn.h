// Resizing of one column of a solubility table without touching it.
//
// A table resizes all its columns together and must stay as it was when any of them fails,
// so each column is first built resized in a local and the table swaps them all in at the
// end. A negative row count fails on the first column, with the standard length error.
#ifndef ORV_TESS_VARNAK_SRC_COMPOSITIONAL_SOLUBILITYCOLUMN_H
#define ORV_TESS_VARNAK_SRC_COMPOSITIONAL_SOLUBILITYCOLUMN_H

#include <vector>

#include "frame/Resize.h"

namespace Orv::Tess::Varnak::detail {

// Returns `column` resized to `numRows`: the rows that still fit keep their values, new
// rows are 0.0. Throws std::length_error "vector<T> too long" for a negative count.
inline std::vector<double> resizedColumn(std::vector<double> const& column, int numRows) {
  std::vector<double> result(column);
  resize(result, numRows);
  return result;
}

}  // namespace Orv::Tess::Varnak::detail

#endif  // ORV_TESS_VARNAK_SRC_COMPOSITIONAL_SOLUBILITYCOLUMN_H
