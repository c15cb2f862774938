// IMiscibilityTable: how miscible an injected solvent is with the oil, by oil pressure.
//
// A single-level table: one row per oil pressure with the miscibility (0 immiscible, 1
// fully miscible) at that pressure, plus the two mixing parameters that weigh the
// miscible against the immiscible viscosity and density. The black-oil model owns the
// table; callers receive references or pointers to it.
//
// Every indexed call checks 0 <= i < getSize() and otherwise throws std::range_error
// "Invalid index in StdMiscibilityTable", changing nothing.
#ifndef ORV_TESS_VARNAK_IMISCIBILITYTABLE_H
#define ORV_TESS_VARNAK_IMISCIBILITYTABLE_H

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API IMiscibilityTable {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  IMiscibilityTable() = default;
  IMiscibilityTable(IMiscibilityTable const&) = default;
  IMiscibilityTable& operator=(IMiscibilityTable const&) = default;
  virtual ~IMiscibilityTable();

  // Returns the number of rows.
  virtual int getSize() const = 0;
  // Return the viscosity and the density mixing parameter.
  virtual double getViscosityMixingParameter() const = 0;
  virtual double getDensityMixingParameter() const = 0;
  // Return the oil pressure and the miscibility of row `i`. Throw on a bad index.
  virtual double getOilPressure(int i) const = 0;
  virtual double getMiscibility(int i) const = 0;
  // Resizes the rows to `size`: rows from `size` on are dropped, new rows are all 0.0.
  // Throws std::length_error "vector<T> too long" for a negative size, changing nothing.
  virtual void setSize(int size) = 0;
  // Store the viscosity and the density mixing parameter; any value is accepted.
  virtual void setViscosityMixingParameter(double parameter) = 0;
  virtual void setDensityMixingParameter(double parameter) = 0;
  // Store the oil pressure and the miscibility of row `i`. Throw on a bad index.
  virtual void setOilPressure(int i, double pressure) = 0;
  virtual void setMiscibility(int i, double miscibility) = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_IMISCIBILITYTABLE_H
