// Interpolation, truncation and normalisation of depth tables, through IDepthTable alone.
#include "Orv/Tess/Varnak/DepthTableOperations.h"

#include <stdexcept>

#include "Orv/Tess/Varnak/IDepthTable.h"

namespace Orv::Tess::Varnak {

namespace {

// The two ends of a table of n > 0 rows: the top is the shallower one.
struct Ends {
  int top;
  int bottom;
};

bool isIncreasing(IDepthTable const& table, int n) {
  double const first = table.getDepth(0);  // read in row order, the same on every compiler
  double const last = table.getDepth(n - 1);
  return last > first;
}

Ends ends(bool increasing, int n) { return increasing ? Ends{0, n - 1} : Ends{n - 1, 0}; }

// Returns the first segment i (rows i and i+1) among 0 … n-3 whose depths enclose `depth`
// (ends included, in either order), else the last segment n-2 without testing it.
// REQUIRES: n >= 2.
int findSegment(IDepthTable const& table, int n, double depth) {
  for (int i = 0; i + 2 < n; ++i) {
    double const upper = table.getDepth(i);
    double const lower = table.getDepth(i + 1);
    if ((upper <= depth && depth <= lower) || (lower <= depth && depth <= upper)) return i;
  }
  return n - 2;
}

// The value of column c at `depth` on the line through rows i and i+1.
double linear(IDepthTable const& table, int i, int c, double depth) {
  double const d0 = table.getDepth(i);
  double const d1 = table.getDepth(i + 1);
  double const p0 = table.getProperty(i, c);
  double const p1 = table.getProperty(i + 1, c);
  return ((p1 - p0) / (d1 - d0)) * (depth - d0) + p0;
}

}  // namespace

double interpolate(IDepthTable const& table, double depth, int component, bool extrapolate) {
  int const n = table.getNumDepths();
  if (n == 0) throw std::runtime_error("Cannot interpolate empty table.");
  Ends const end = ends(isIncreasing(table, n), n);
  if (n == 1) return table.getProperty(0, component);
  if (!extrapolate) {
    if (table.getDepth(end.top) > depth) return table.getProperty(end.top, component);
    if (depth > table.getDepth(end.bottom)) return table.getProperty(end.bottom, component);
  }
  return linear(table, findSegment(table, n, depth), component, depth);
}

void truncate(IDepthTable& table, double depth, bool keepAbove, bool extrapolate) {
  int const n = table.getNumDepths();
  int const m = table.getNumComponents();
  if (n == 0) throw std::runtime_error("Cannot truncate empty table.");
  bool const increasing = isIncreasing(table, n);
  if (n == 1) {
    table.setDepth(0, depth);
    return;
  }

  // Choose the row r that will lie on the cut.
  Ends const end = ends(increasing, n);
  int r = -1;
  if (!extrapolate && table.getDepth(end.top) > depth) {
    r = end.top;
  } else if (!extrapolate && depth > table.getDepth(end.bottom)) {
    r = end.bottom;
  }
  if (r >= 0) {
    // Beyond an end without extrapolation: the end row moves to the cut as it is.
    table.setDepth(r, depth);
  } else {
    int const i = findSegment(table, n, depth);
    if (table.getDepth(i) == depth) {
      r = i;
    } else if (table.getDepth(i + 1) == depth) {
      r = i + 1;
    } else {
      // Of the two rows enclosing the cut, the one on the side to be removed: the deeper
      // one when keeping the top part, the shallower one when keeping the bottom part.
      r = increasing == keepAbove ? i + 1 : i;
    }
    if (table.getDepth(r) != depth) {
      for (int c = 0; c < m; ++c) table.setProperty(r, c, linear(table, i, c, depth));
      table.setDepth(r, depth);
    }
  }

  // Drop the rows beyond r on the removed side.
  if (keepAbove == increasing) {
    table.setNumDepths(r + 1);
  } else {
    for (int k = 0; r + k < n; ++k) {
      table.setDepth(k, table.getDepth(r + k));
      for (int c = 0; c < m; ++c) table.setProperty(k, c, table.getProperty(r + k, c));
    }
    table.setNumDepths(n - r);
  }
}

void normalizeComposition(IDepthTable& table, int row) {
  int const m = table.getNumComponents();
  if (m <= 0) return;
  double sum = 0.0;
  for (int c = 0; c < m; ++c) sum += table.getProperty(row, c);
  if (sum != 0.0) {  // a sum that is not a number scales too
    double const factor = 1.0 / sum;
    for (int c = 0; c < m; ++c) table.setProperty(row, c, table.getProperty(row, c) * factor);
  } else {
    for (int c = 0; c < m; ++c) table.setProperty(row, c, 1.0 / m);
  }
}

}  // namespace Orv::Tess::Varnak
