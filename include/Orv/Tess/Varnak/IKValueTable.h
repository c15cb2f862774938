// IKValueTable: equilibrium ratios (K-values) of a compositional fluid, tabulated against
// pressure.
//
// Rows are pressures, columns are components: the K-value of component c at the pressure
// of row p is the ratio of its vapour to its liquid mole fraction there. The table knows
// nothing of the model that owns it and does not check its size against the model's
// number of components. The compositional model makes, names and owns every table and
// hands it out by reference.
#ifndef ORV_TESS_VARNAK_IKVALUETABLE_H
#define ORV_TESS_VARNAK_IKVALUETABLE_H

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API IKValueTable {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  IKValueTable() = default;
  IKValueTable(IKValueTable const&) = default;
  IKValueTable& operator=(IKValueTable const&) = default;
  virtual ~IKValueTable();

  // Returns the number of pressures (rows).
  virtual int getNumPressures() const = 0;
  // Resizes the pressures to n, then the K-values to (number of components) × n; existing
  // rows stay in place, new places hold 0.0. n is not checked: a negative length raises
  // std::length_error "vector<T> too long", the pressures possibly already resized.
  virtual void setNumPressures(int n) = 0;
  // Returns the number of components (columns).
  virtual int getNumComponents() const = 0;
  // Resizes the flat K-values to (number of pressures) × n without moving values, then
  // stores n. With pressures present a negative n raises std::length_error
  // "vector<T> too long" and changes nothing; without pressures it is stored.
  virtual void setNumComponents(int n) = 0;

  // Returns the pressure of row p. Throws std::range_error
  // "Invalid pressure index in StdKValueTable." unless 0 <= p < number of pressures.
  virtual double getPressure(int p) const = 0;
  // Stores the pressure of row p; throws as getPressure.
  virtual void setPressure(int p, double value) = 0;
  // Returns the K-value of row p and component c. Throws std::range_error as getPressure
  // for a bad p, else "Invalid component index in StdKValueTable." for a bad c.
  virtual double getKValue(int p, int c) const = 0;
  // Stores the K-value of row p and component c; throws as getKValue.
  virtual void setKValue(int p, int c, double value) = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_IKVALUETABLE_H
