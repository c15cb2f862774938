// Operations on depth tables: reading a value at any depth, cutting a table at a depth,
// and scaling a composition row to sum to one.
//
// They work on any IDepthTable through its interface alone, so index errors are the
// table's own. A table counts as increasing when its last depth is strictly greater
// than its first, otherwise as decreasing; its top row is the shallower end. Depths are
// not checked for monotony: a value is taken on the first segment (pair of neighbouring
// rows) in row order that encloses the depth, else on the last segment. On a table that is
// exactly a StdDepthTable with monotone depths that segment is found by bisection, in
// logarithmic time; the answers are the same.
#ifndef ORV_TESS_VARNAK_DEPTHTABLEOPERATIONS_H
#define ORV_TESS_VARNAK_DEPTHTABLEOPERATIONS_H

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class IDepthTable;

// Returns the value of column `component` at `depth`, linear between the enclosing rows.
// Beyond the table's ends the end value is held when `extrapolate` is false; when it is
// true the line through the last two rows (the last segment) is extended, above the top
// as well as below the bottom. A one-row table gives its value at every depth.
// Throws std::runtime_error "Cannot interpolate empty table." for a table without depths.
ORV_TESS_VARNAK_API double interpolate(IDepthTable const& table, double depth, int component,
                                       bool extrapolate);

// Cuts `table` at `depth` so that it ends exactly there, keeping the part at and above
// the cut (depths not greater than it) when `keepAbove` is true, at and below otherwise.
// The row that lands on the cut takes values interpolated between the rows enclosing the
// cut; beyond the table's ends they are extrapolated on the last segment when
// `extrapolate` is true, while with `extrapolate` false the end row is moved to the cut
// with its values unchanged. A one-row table only takes the cut as its depth.
// Throws std::runtime_error "Cannot truncate empty table." for a table without depths.
ORV_TESS_VARNAK_API void truncate(IDepthTable& table, double depth, bool keepAbove,
                                  bool extrapolate);

// Scales row `row` so that its values sum to one; a row summing to zero becomes the
// uniform composition 1/m. Other rows and the depths are untouched; a table without
// components is left alone (and its row is not checked).
ORV_TESS_VARNAK_API void normalizeComposition(IDepthTable& table, int row);

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_DEPTHTABLEOPERATIONS_H
