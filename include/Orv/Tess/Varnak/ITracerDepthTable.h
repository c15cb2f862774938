// ITracerDepthTable: a tracer's initial concentration against depth, as rows of
// (depth, concentration).
//
// The table owns its two columns; its tracer model holds it through a shared handle, so
// copies of one tracer model see the same table.
#ifndef ORV_TESS_VARNAK_ITRACERDEPTHTABLE_H
#define ORV_TESS_VARNAK_ITRACERDEPTHTABLE_H

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API ITracerDepthTable {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  ITracerDepthTable() = default;
  ITracerDepthTable(ITracerDepthTable const&) = default;
  ITracerDepthTable& operator=(ITracerDepthTable const&) = default;
  virtual ~ITracerDepthTable();

  // Returns the number of rows.
  virtual int getNumDepths() const = 0;
  // Sets the number of rows to n, keeping the rows in front, dropping those beyond n and
  // filling new rows with 0.0. A negative n throws std::length_error "vector<T> too long"
  // and changes nothing.
  virtual void setNumDepths(int n) = 0;
  // Return and set the depth and the concentration of row i. Each throws
  // std::range_error "Invalid depth index in StdTracerDepthTable" unless
  // 0 <= i < getNumDepths().
  virtual double getDepth(int i) const = 0;
  virtual void setDepth(int i, double value) = 0;
  virtual double getConcentration(int i) const = 0;
  virtual void setConcentration(int i, double value) = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_ITRACERDEPTHTABLE_H
