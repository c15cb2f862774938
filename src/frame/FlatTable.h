// The rules shared by every flat row-by-component table of the library: temperature
// tables, depth tables, K-value tables and the oil viscosity index table.
//
// Each row has one key (a temperature, a depth, a pressure, a mole fraction); each row
// holds one value per component. Each class holds its three members itself (the keys,
// whose length is the row count, the flat values at position row × (number of
// components) + component, and the component count), so that a table is one object with
// no storage behind a pointer; these functions are the one place their rules are written.
//
// Resizing is deliberately simple, because hosts rely on it: the flat array is resized
// as a whole, without moving values. Changing the row count appends or cuts whole rows
// at the end; changing the component count with more than one row leaves each value at
// its old flat position, so values fall into other rows and columns under the new width.
// Counts are not validated: a count that makes an array length negative raises the
// standard length error from the array being resized (see Resize.h). Lengths are
// computed in 64 bits, so no product of counts can overflow.
//
// While the component count is not negative, the values hold exactly rows × count
// entries; a negative count (stored on a table without rows) leaves them empty.
#ifndef ORV_TESS_VARNAK_SRC_FRAME_FLATTABLE_H
#define ORV_TESS_VARNAK_SRC_FRAME_FLATTABLE_H

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

#include "frame/Resize.h"

namespace Orv::Tess::Varnak::detail {

// Throws std::range_error with `text`: an index error of a flat table. Raised out of line
// (FlatTable.cpp), so that the checks in the accessors stay a few instructions with no
// stack frame of their own.
[[noreturn]] void throwRangeError(char const* text);

// Returns whether 0 <= index < size.
inline bool validIndex(int index, std::size_t size) {
  return index >= 0 && static_cast<std::size_t>(index) < size;
}

// The flat position of (row, component). REQUIRES: both valid.
inline std::size_t flatPosition(int row, int numComponents, int component) {
  return static_cast<std::size_t>(row) * static_cast<std::size_t>(numComponents) +
         static_cast<std::size_t>(component);
}

// Resizes the keys to n, then the values to (number of components) × n. When the second
// resize fails (a stored negative component count), the keys are already resized.
// Memory for both arrays is reserved before either changes, so running out of memory
// leaves the table as it was.
template <class Value>
void setNumRows(std::vector<Value>& keys, std::vector<Value>& values, int numComponents, int n) {
  long long const length = static_cast<long long>(numComponents) * n;
  checkLength(keys, n);
  if (length >= 0 && static_cast<unsigned long long>(length) <= values.max_size()) {
    keys.reserve(static_cast<std::size_t>(n));
    values.reserve(static_cast<std::size_t>(length));
  }
  resize(keys, n);
  resize(values, length);
}

// Resizes the values to (number of rows) × n, then stores n. With no rows any n is
// stored, a negative one included (no component index is then valid).
template <class Value>
void setNumComponents(std::vector<Value> const& keys, std::vector<Value>& values,
                      int& numComponents, int n) {
  resize(values, static_cast<long long>(keys.size()) * n);
  numComponents = n;
}

// Gives the target the source's content in the steps of a copy through the interfaces
// (rows, then components, then every key and value), so that it fails where that copy
// fails and leaves what that copy leaves.
template <class Value>
void assignFlat(std::vector<Value>& keys, std::vector<Value>& values, int& numComponents,
                std::vector<Value> const& sourceKeys, std::vector<Value> const& sourceValues,
                int sourceComponents) {
  if (&keys == &sourceKeys) return;
  setNumRows(keys, values, numComponents, static_cast<int>(sourceKeys.size()));
  setNumComponents(keys, values, numComponents, sourceComponents);
  std::copy(sourceKeys.begin(), sourceKeys.end(), keys.begin());
  std::copy(sourceValues.begin(), sourceValues.end(), values.begin());
}

// Moves the source's arrays into the target's and copies its component count; the source
// is left without rows (its count stays, as a moved int does). Self-moves change nothing.
template <class Value>
void moveFlat(std::vector<Value>& keys, std::vector<Value>& values, int& numComponents,
              std::vector<Value>& sourceKeys, std::vector<Value>& sourceValues,
              int sourceComponents) noexcept {
  if (&keys == &sourceKeys) return;
  keys = std::move(sourceKeys);
  values = std::move(sourceValues);
  sourceKeys.clear();
  sourceValues.clear();
  numComponents = sourceComponents;
}

}  // namespace Orv::Tess::Varnak::detail

#endif  // ORV_TESS_VARNAK_SRC_FRAME_FLATTABLE_H
