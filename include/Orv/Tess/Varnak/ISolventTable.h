// ISolventTable: the PVT table of an injected solvent gas in a black-oil model.
//
// A single-level table: one row per pressure, each with the solvent's formation volume
// factor and viscosity at that pressure, plus the solvent's surface density. The
// black-oil model owns the table; callers receive references or pointers to it.
//
// Every indexed call checks 0 <= i < getSize() and otherwise throws std::range_error
// "Invalid index in StdSolventTable", changing nothing.
#ifndef ORV_TESS_VARNAK_ISOLVENTTABLE_H
#define ORV_TESS_VARNAK_ISOLVENTTABLE_H

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API ISolventTable {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  ISolventTable() = default;
  ISolventTable(ISolventTable const&) = default;
  ISolventTable& operator=(ISolventTable const&) = default;
  virtual ~ISolventTable();

  // Returns the solvent density at surface conditions.
  virtual double getSurfaceDensity() const = 0;
  // Stores the solvent density at surface conditions; any value is accepted.
  virtual void setSurfaceDensity(double density) = 0;
  // Returns the number of rows.
  virtual int getSize() const = 0;
  // Return the pressure, formation volume factor and viscosity of row `i`. Throw on a
  // bad index.
  virtual double getPressure(int i) const = 0;
  virtual double getFormationVolumeFactor(int i) const = 0;
  virtual double getViscosity(int i) const = 0;
  // Resizes the rows to `size`: rows from `size` on are dropped, new rows are all 0.0.
  // Throws std::length_error "vector<T> too long" for a negative size, changing nothing.
  virtual void setSize(int size) = 0;
  // Store the pressure, formation volume factor and viscosity of row `i`. Throw on a bad
  // index.
  virtual void setPressure(int i, double pressure) = 0;
  virtual void setFormationVolumeFactor(int i, double factor) = 0;
  virtual void setViscosity(int i, double viscosity) = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_ISOLVENTTABLE_H
