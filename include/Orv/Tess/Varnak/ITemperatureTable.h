// ITemperatureTable: one property against temperature, for a set of components.
//
// Rows are temperatures, columns are components: the value of component c at row t is
// getProperty(t, c). Temperature tables are owned by their fluid model
// (IFluidModel::getTemperatureTable).
#ifndef ORV_TESS_VARNAK_ITEMPERATURETABLE_H
#define ORV_TESS_VARNAK_ITEMPERATURETABLE_H

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API ITemperatureTable {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  ITemperatureTable() = default;
  ITemperatureTable(ITemperatureTable const&) = default;
  ITemperatureTable& operator=(ITemperatureTable const&) = default;
  virtual ~ITemperatureTable();

  // Returns the number of rows.
  virtual int getNumTemperatures() const = 0;
  // Sets the number of rows: existing rows stay in place, new rows read 0.0.
  virtual void setNumTemperatures(int n) = 0;
  // Returns the number of columns.
  virtual int getNumComponents() const = 0;
  // Sets the number of columns. Set it before filling values: with more than one row,
  // a change of width leaves values at their old flat positions.
  virtual void setNumComponents(int n) = 0;
  // Row temperature. Throws std::range_error "Invalid temp index in StdTemperatureTable"
  // unless 0 <= t < getNumTemperatures().
  virtual double getTemperature(int t) const = 0;
  virtual void setTemperature(int t, double value) = 0;
  // Value of component c at row t. Throws as getTemperature for a bad t, then
  // std::range_error "Invalid component index in StdTemperatureTable" unless
  // 0 <= c < getNumComponents().
  virtual double getProperty(int t, int c) const = 0;
  virtual void setProperty(int t, int c, double value) = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_ITEMPERATURETABLE_H
