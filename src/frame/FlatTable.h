// The storage shared by every flat row-by-component table of the library: temperature
// tables, depth tables, K-value tables and the oil viscosity index table.
//
// Each row has one key (a temperature, a depth, a pressure, a mole fraction); each row
// holds one value per component. The keys array's length is the row count; the values
// live in one flat array at position row × (number of components) + component.
//
// Resizing is deliberately simple, because hosts rely on it: the flat array is resized
// as a whole, without moving values. Changing the row count appends or cuts whole rows
// at the end; changing the component count with more than one row leaves each value at
// its old flat position, so values fall into other rows and columns under the new width.
// Counts are not validated: a count that makes an array length negative raises the
// standard length error from the array being resized (see Resize.h). Lengths are
// computed in 64 bits, so no product of counts can overflow.
//
// The owning classes check indices with validRow/validComponent and raise their own
// messages; this storage never throws on access and never allocates on reads.
#ifndef ORV_TESS_VARNAK_SRC_FRAME_FLATTABLE_H
#define ORV_TESS_VARNAK_SRC_FRAME_FLATTABLE_H

#include <cstddef>
#include <vector>

#include "frame/Resize.h"

namespace Orv::Tess::Varnak::detail {

template <class Value = double>
class FlatTable {
 public:
  // Returns the number of rows: the length of the keys array.
  int numRows() const { return static_cast<int>(keys_.size()); }
  // Returns the stored number of components (negative if a host stored one).
  int numComponents() const { return numComponents_; }

  // Resizes the keys to n, then the values to (number of components) × n. When the
  // second resize fails (a stored negative component count), the keys are already resized.
  // Memory for both arrays is reserved before either changes, so running out of memory
  // leaves the table as it was.
  void setNumRows(int n) {
    long long const length = static_cast<long long>(numComponents_) * n;
    checkLength(keys_, n);
    if (length >= 0 && static_cast<unsigned long long>(length) <= values_.max_size()) {
      keys_.reserve(static_cast<std::size_t>(n));
      values_.reserve(static_cast<std::size_t>(length));
    }
    resize(keys_, n);
    resize(values_, length);
  }

  // Resizes the values to (number of rows) × n, then stores n. With no rows any n is
  // stored, a negative one included (no component index is then valid).
  void setNumComponents(int n) {
    resize(values_, static_cast<long long>(numRows()) * n);
    numComponents_ = n;
  }

  bool validRow(int row) const { return row >= 0 && row < numRows(); }
  bool validComponent(int component) const { return component >= 0 && component < numComponents_; }

  // REQUIRES: validRow(row).
  Value key(int row) const { return keys_[static_cast<std::size_t>(row)]; }
  void setKey(int row, Value key) { keys_[static_cast<std::size_t>(row)] = key; }

  // REQUIRES: validRow(row) and validComponent(component).
  Value value(int row, int component) const { return values_[position(row, component)]; }
  void setValue(int row, int component, Value value) { values_[position(row, component)] = value; }

  // The raw arrays, for whole-table operations (comparison, copying, analysis).
  std::vector<Value> const& keys() const { return keys_; }
  std::vector<Value> const& values() const { return values_; }

  friend bool operator==(FlatTable const& a, FlatTable const& b) {
    return a.numComponents_ == b.numComponents_ && a.keys_ == b.keys_ && a.values_ == b.values_;
  }

 private:
  std::size_t position(int row, int component) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(numComponents_) +
           static_cast<std::size_t>(component);
  }

  std::vector<Value> keys_;
  std::vector<Value> values_;
  int numComponents_ = 0;
};

}  // namespace Orv::Tess::Varnak::detail

#endif  // ORV_TESS_VARNAK_SRC_FRAME_FLATTABLE_H
