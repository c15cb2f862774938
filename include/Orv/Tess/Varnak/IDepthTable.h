// IDepthTable: one property against depth, for a set of components.
//
// Rows are depths, columns are components: the value of component c at row d is
// getProperty(d, c). The rows are not ordered by the table; the depth-table operations
// (interpolate, truncate, normalizeComposition) say which order they expect. Depth tables
// are owned by their initial condition (IInitialCondition::getDepthTable).
#ifndef ORV_TESS_VARNAK_IDEPTHTABLE_H
#define ORV_TESS_VARNAK_IDEPTHTABLE_H

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API IDepthTable {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  IDepthTable() = default;
  IDepthTable(IDepthTable const&) = default;
  IDepthTable& operator=(IDepthTable const&) = default;
  virtual ~IDepthTable();

  // Returns the number of rows.
  virtual int getNumDepths() const = 0;
  // Sets the number of rows: existing rows stay in place, new rows read 0.0.
  virtual void setNumDepths(int n) = 0;
  // Returns the number of columns.
  virtual int getNumComponents() const = 0;
  // Sets the number of columns. Set it before filling values: with more than one row,
  // a change of width leaves values at their old flat positions.
  virtual void setNumComponents(int n) = 0;
  // Row depth. Throws std::range_error "Invalid depth index in StdDepthTable" unless
  // 0 <= d < getNumDepths().
  virtual double getDepth(int d) const = 0;
  virtual void setDepth(int d, double value) = 0;
  // Value of component c at row d. Throws as getDepth for a bad d, then std::range_error
  // "Invalid component index in StdDepthTable" unless 0 <= c < getNumComponents().
  virtual double getProperty(int d, int c) const = 0;
  virtual void setProperty(int d, int c, double value) = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_IDEPTHTABLE_H
