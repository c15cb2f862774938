// ISolubilityTable: how much of an aqueous-soluble component dissolves in water, against
// pressure.
//
// Each row is one pressure with the solution ratio of the component at that pressure
// (dissolved component per unit volume of water at surface conditions). Rows are
// addressed by a zero-based index below getNumPressures(). The table is owned by its
// aqueous-soluble component, which hands it out by reference. This is also the base of
// the four richer solubility table kinds.
#ifndef ORV_TESS_VARNAK_ISOLUBILITYTABLE_H
#define ORV_TESS_VARNAK_ISOLUBILITYTABLE_H

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API ISolubilityTable {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  ISolubilityTable() = default;
  ISolubilityTable(ISolubilityTable const&) = default;
  ISolubilityTable& operator=(ISolubilityTable const&) = default;
  virtual ~ISolubilityTable();

  // Resizes every column to `numPressures` rows: rows below keep their values, new rows
  // are 0.0. A negative count throws std::length_error "vector<T> too long" and changes
  // nothing.
  virtual void setNumPressures(int numPressures) = 0;
  // Returns the number of rows.
  virtual int getNumPressures() const = 0;

  // Row accessors. Each throws std::range_error "Invalid index (<index>) in
  // StdSolubilityTable." unless 0 <= index < getNumPressures().
  virtual void setPressure(int index, double pressure) = 0;
  virtual double getPressure(int index) const = 0;
  virtual void setSolutionRatio(int index, double solutionRatio) = 0;
  virtual double getSolutionRatio(int index) const = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_ISOLUBILITYTABLE_H
