// The row readers and the algorithms of the depth-table operations, written once for both
// readers: through IDepthTable for any host's table, or straight from the arrays of a
// table that is exactly a StdDepthTable. Hosts call interpolate once per grid cell when
// they equilibrate a model, so the direct reader also finds the segment by bisection
// whenever the table's depths are monotone (which the table knows at every moment from its
// counts of rising and falling neighbours). Both readers give the same answers bit for
// bit: the bisection finds the same first enclosing segment as the walk in row order, and
// the arithmetic is the same code.
#ifndef ORV_TESS_VARNAK_SRC_INITIAL_DEPTHTABLEROWS_H
#define ORV_TESS_VARNAK_SRC_INITIAL_DEPTHTABLEROWS_H

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/IDepthTable.h"
#include "Orv/Tess/Varnak/StdDepthTable.h"
#include "frame/Access.h"
#include "frame/FlatTable.h"

namespace Orv::Tess::Varnak::detail {

using DepthStorage = Access<StdDepthTable>;

// Returns the first segment i (rows i and i+1) among 0 … n-3 whose depths enclose `depth`
// (ends included, in either order), else the last segment n-2 without testing it.
// REQUIRES: n >= 2.
template <class Rows>
int walkSegments(Rows const& rows, int n, double depth) {
  for (int i = 0; i + 2 < n; ++i) {
    double const upper = rows.depth(i);
    double const lower = rows.depth(i + 1);
    if ((upper <= depth && depth <= lower) || (lower <= depth && depth <= upper)) return i;
  }
  return n - 2;
}

// The same segment as walkSegments for depths that never fall (Rising) or never rise,
// with no depth not a number. There segment i encloses the depth exactly when its upper
// end has not passed it and its lower end has reached it; the first segment whose lower
// end reaches it is found by bisection, and it is the answer if its upper end has not
// passed the depth either (no later segment can then enclose it). A query that is not a
// number reaches no row, and so falls to the last segment, as in the walk.
template <bool Rising>
int bisectSegments(double const* d, int n, double depth) {
  auto const reaches = [depth](double lower) { return Rising ? depth <= lower : lower <= depth; };
  // The first i in [0, n-1) whose row i+1 reaches the depth, else n-1.
  int const first = static_cast<int>(
      std::partition_point(d + 1, d + n, [&reaches](double lower) { return !reaches(lower); }) -
      (d + 1));
  bool const notPassed = Rising ? d[first] <= depth : depth <= d[first];
  return first + 2 < n && notPassed ? first : n - 2;
}

// Rows read through the interface: the calls a host's table sees, in the same order.
template <class Table>
class InterfaceRows {
 public:
  explicit InterfaceRows(Table& table) : table_(table) {}
  double depth(int d) const { return table_.getDepth(d); }
  double value(int d, int c) const { return table_.getProperty(d, c); }
  int segment(int n, double depth) const { return walkSegments(*this, n, depth); }

  void setDepth(int d, double depth) { table_.setDepth(d, depth); }
  void setValue(int d, int c, double value) { table_.setProperty(d, c, value); }
  void setNumRows(int n) { table_.setNumDepths(n); }
  // Moves rows r … n-1 to the front, each with its depth and all m values, and drops the
  // rest.
  void keepFrom(int r, int n, int m) {
    for (int k = 0; r + k < n; ++k) {
      table_.setDepth(k, table_.getDepth(r + k));
      for (int c = 0; c < m; ++c) table_.setProperty(k, c, table_.getProperty(r + k, c));
    }
    table_.setNumDepths(n - r);
  }

 private:
  Table& table_;
};

// Rows read from the arrays of a StdDepthTable. The caller has checked the component;
// every row index the operations use is in range. Depth changes go through the table's
// own setDepth and setNumDepths, which keep its pair counts.
template <class Table>
class StorageRows {
 public:
  explicit StorageRows(Table& table)
      : table_(table),
        depths_(DepthStorage::keys(table)),
        values_(DepthStorage::values(table)),
        width_(DepthStorage::numComponents(table)) {}
  double depth(int d) const { return depths_[static_cast<std::size_t>(d)]; }
  double value(int d, int c) const { return values_[flatPosition(d, width_, c)]; }
  int segment(int n, double depth) const {
    if (DepthStorage::unorderedPairs(table_) == 0) {
      if (DepthStorage::fallingPairs(table_) == 0)
        return bisectSegments<true>(depths_.data(), n, depth);
      if (DepthStorage::risingPairs(table_) == 0)
        return bisectSegments<false>(depths_.data(), n, depth);
    }
    return walkSegments(*this, n, depth);
  }

  void setDepth(int d, double depth) { table_.StdDepthTable::setDepth(d, depth); }
  void setValue(int d, int c, double value) { values_[flatPosition(d, width_, c)] = value; }
  void setNumRows(int n) { table_.StdDepthTable::setNumDepths(n); }
  // As InterfaceRows::keepFrom. The pairs before row r leave the counts; the pairs of the
  // rows left behind the moved block enter them, so that the final resize, which counts
  // out the pairs it cuts, leaves the counts exact.
  void keepFrom(int r, int n, int m) {
    if (r > 0) {
      DepthStorage::countPairs(table_, 0, r, -1);
      std::copy(depths_.begin() + r, depths_.end(), depths_.begin());
      if (m > 0) {
        auto const from = values_.begin() + static_cast<std::ptrdiff_t>(r) * m;
        std::copy(from, values_.end(), values_.begin());
      }
      DepthStorage::countPairs(table_, n - r - 1, n - 1, 1);
    }
    setNumRows(n - r);
  }

 private:
  Table& table_;
  decltype(DepthStorage::keys(std::declval<Table&>())) depths_;
  decltype(DepthStorage::values(std::declval<Table&>())) values_;
  int width_;
};

// The two ends of a table of n > 0 rows: the top is the shallower one.
struct Ends {
  int top;
  int bottom;
};

template <class Rows>
bool isIncreasing(Rows const& rows, int n) {
  double const first = rows.depth(0);  // read in row order, the same on every compiler
  double const last = rows.depth(n - 1);
  return last > first;
}

inline Ends ends(bool increasing, int n) { return increasing ? Ends{0, n - 1} : Ends{n - 1, 0}; }

// The value of column c at `depth` on the line through rows i and i+1.
template <class Rows>
double linear(Rows const& rows, int i, int c, double depth) {
  double const d0 = rows.depth(i);
  double const d1 = rows.depth(i + 1);
  double const p0 = rows.value(i, c);
  double const p1 = rows.value(i + 1, c);
  return ((p1 - p0) / (d1 - d0)) * (depth - d0) + p0;
}

template <class Rows>
double interpolateRows(Rows const& rows, int n, double depth, int component, bool extrapolate) {
  Ends const end = ends(isIncreasing(rows, n), n);
  if (n == 1) return rows.value(0, component);
  if (!extrapolate) {
    if (rows.depth(end.top) > depth) return rows.value(end.top, component);
    if (depth > rows.depth(end.bottom)) return rows.value(end.bottom, component);
  }
  return linear(rows, rows.segment(n, depth), component, depth);
}

template <class Rows>
void truncateRows(Rows& rows, int n, int m, double depth, bool keepAbove, bool extrapolate) {
  bool const increasing = isIncreasing(rows, n);
  if (n == 1) {
    rows.setDepth(0, depth);
    return;
  }

  // Choose the row r that will lie on the cut.
  Ends const end = ends(increasing, n);
  int r = -1;
  if (!extrapolate && rows.depth(end.top) > depth) {
    r = end.top;
  } else if (!extrapolate && depth > rows.depth(end.bottom)) {
    r = end.bottom;
  }
  if (r >= 0) {
    // Beyond an end without extrapolation: the end row moves to the cut as it is.
    rows.setDepth(r, depth);
  } else {
    int const i = rows.segment(n, depth);
    if (rows.depth(i) == depth) {
      r = i;
    } else if (rows.depth(i + 1) == depth) {
      r = i + 1;
    } else {
      // Of the two rows enclosing the cut, the one on the side to be removed: the deeper
      // one when keeping the top part, the shallower one when keeping the bottom part.
      r = increasing == keepAbove ? i + 1 : i;
    }
    if (rows.depth(r) != depth) {
      for (int c = 0; c < m; ++c) rows.setValue(r, c, linear(rows, i, c, depth));
      rows.setDepth(r, depth);
    }
  }

  // Drop the rows beyond r on the removed side.
  if (keepAbove == increasing) {
    rows.setNumRows(r + 1);
  } else {
    rows.keepFrom(r, n, m);
  }
}

template <class Rows>
void normalizeRow(Rows& rows, int row, int m) {
  double sum = 0.0;
  for (int c = 0; c < m; ++c) sum += rows.value(row, c);
  if (sum != 0.0) {  // a sum that is not a number scales too
    double const factor = 1.0 / sum;
    for (int c = 0; c < m; ++c) rows.setValue(row, c, rows.value(row, c) * factor);
  } else {
    for (int c = 0; c < m; ++c) rows.setValue(row, c, 1.0 / m);
  }
}

// interpolate on a StdDepthTable, from its arrays (DepthTableOperations.cpp), and on any
// other table, through its interface (DepthTableWalk.cpp). The two live in separate files
// so that the compiler keeps the second out of the first: the direct path, a host's hot
// path, then needs no registers saved for virtual calls.
double interpolateOwn(StdDepthTable const& table, double depth, int component, bool extrapolate);
double interpolateOther(IDepthTable const& table, double depth, int component, bool extrapolate);

// Throws std::runtime_error with `text`, the message of an operation on an empty table.
[[noreturn]] void throwEmpty(char const* text);

}  // namespace Orv::Tess::Varnak::detail

#endif  // ORV_TESS_VARNAK_SRC_INITIAL_DEPTHTABLEROWS_H
