// Interpolation, truncation and normalisation of depth tables (see DepthTableRows.h for
// the two ways a table is read).
#include "Orv/Tess/Varnak/DepthTableOperations.h"

#include <stdexcept>
#include <typeinfo>

#include "Orv/Tess/Varnak/IDepthTable.h"
#include "Orv/Tess/Varnak/StdDepthTable.h"
#include "frame/Access.h"
#include "initial/DepthTableRows.h"

namespace Orv::Tess::Varnak {

namespace {

using Storage = detail::Access<StdDepthTable>;

// Raises the table's own error for a component out of range. (The check throws on its
// first pass; the loop only tells the compiler that nothing comes back, so that the direct
// path keeps no frame for this call.)
[[noreturn]] void rejectComponent(StdDepthTable const& table, int component) {
  for (;;) Storage::validate(table, 0, component);
}

}  // namespace

void detail::throwEmpty(char const* text) { throw std::runtime_error(text); }

// The component is checked once, where the walk through the interface would first read
// it: every answer reads a value of that column.
double detail::interpolateOwn(StdDepthTable const& table, double depth, int component,
                              bool extrapolate) {
  StorageRows<StdDepthTable const> const rows(table);
  int const n = static_cast<int>(Storage::keys(table).size());
  if (n == 0) throwEmpty("Cannot interpolate empty table.");
  if (component < 0 || component >= Storage::numComponents(table)) {
    rejectComponent(table, component);
  }
  return interpolateRows(rows, n, depth, component, extrapolate);
}

// The usual table is told apart by the address of its class's type information alone, so
// that its path makes no other call; interpolateOther repeats the full check of the class
// for a table whose type information the address could not match.
double interpolate(IDepthTable const& table, double depth, int component, bool extrapolate) {
  if (&typeid(table) == &typeid(StdDepthTable)) {
    return detail::interpolateOwn(static_cast<StdDepthTable const&>(table), depth, component,
                                  extrapolate);
  }
  return detail::interpolateOther(table, depth, component, extrapolate);
}

void truncate(IDepthTable& table, double depth, bool keepAbove, bool extrapolate) {
  int const n = table.getNumDepths();
  int const m = table.getNumComponents();
  if (n == 0) detail::throwEmpty("Cannot truncate empty table.");
  if (auto* own = detail::exactly<StdDepthTable>(table)) {
    detail::StorageRows<StdDepthTable> rows(*own);
    detail::truncateRows(rows, n, m, depth, keepAbove, extrapolate);
  } else {
    detail::InterfaceRows<IDepthTable> rows(table);
    detail::truncateRows(rows, n, m, depth, keepAbove, extrapolate);
  }
}

// On a StdDepthTable the row is checked once, where the interface's first read would.
void normalizeComposition(IDepthTable& table, int row) {
  int const m = table.getNumComponents();
  if (m <= 0) return;
  if (auto* own = detail::exactly<StdDepthTable>(table)) {
    Storage::validate(*own, row);
    detail::StorageRows<StdDepthTable> rows(*own);
    detail::normalizeRow(rows, row, m);
  } else {
    detail::InterfaceRows<IDepthTable> rows(table);
    detail::normalizeRow(rows, row, m);
  }
}

}  // namespace Orv::Tess::Varnak
