// IOilViscosityIndexTable: oil viscosity indices per component, tabulated against mole
// fraction.
//
// Rows are mole fractions, columns are components. A compositional model holds at most
// one, made and owned by the model; the table does not check its size against the
// model's number of components. Note the spelling: "Molefractions" in the count
// operations, "MoleFraction" in the per-row ones.
#ifndef ORV_TESS_VARNAK_IOILVISCOSITYINDEXTABLE_H
#define ORV_TESS_VARNAK_IOILVISCOSITYINDEXTABLE_H

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API IOilViscosityIndexTable {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  IOilViscosityIndexTable() = default;
  IOilViscosityIndexTable(IOilViscosityIndexTable const&) = default;
  IOilViscosityIndexTable& operator=(IOilViscosityIndexTable const&) = default;
  virtual ~IOilViscosityIndexTable();

  // Returns the number of mole fractions (rows).
  virtual int getNumMolefractions() const = 0;
  // Resizes the mole fractions to n, then the indices to (number of components) × n;
  // existing rows stay in place, new places hold 0.0. n is not checked: a negative length
  // raises std::length_error "vector<T> too long", the mole fractions possibly resized.
  virtual void setNumMolefractions(int n) = 0;
  // Returns the number of components (columns).
  virtual int getNumComponents() const = 0;
  // Resizes the flat indices to (number of mole fractions) × n without moving values,
  // then stores n. With rows present a negative n raises std::length_error
  // "vector<T> too long" and changes nothing; without rows it is stored.
  virtual void setNumComponents(int n) = 0;

  // Returns the mole fraction of row f. Throws std::range_error "Invalid mole fraction
  // index used for oil viscosity index table." unless 0 <= f < number of mole fractions.
  virtual double getMoleFraction(int f) const = 0;
  // Stores the mole fraction of row f; throws as getMoleFraction.
  virtual void setMoleFraction(int f, double value) = 0;
  // Returns the index of row f and component c. Throws as getMoleFraction for a bad f,
  // else std::range_error "Invalid component index used for oil viscosity index table."
  virtual double getOilViscosityIndex(int f, int c) const = 0;
  // Stores the index of row f and component c; throws as getOilViscosityIndex.
  virtual void setOilViscosityIndex(int f, int c, double value) = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_IOILVISCOSITYINDEXTABLE_H
