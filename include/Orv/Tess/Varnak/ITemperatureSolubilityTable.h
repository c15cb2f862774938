// ITemperatureSolubilityTable: a solubility table with water properties, measured at one
// temperature.
//
// A component may hold several, each under its own name, so that solubility can be
// tabulated at several temperatures. The temperature is stored as given. Owned by its
// aqueous-soluble component.
#ifndef ORV_TESS_VARNAK_ITEMPERATURESOLUBILITYTABLE_H
#define ORV_TESS_VARNAK_ITEMPERATURESOLUBILITYTABLE_H

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/ISolubilityWaterPropertiesTable.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API ITemperatureSolubilityTable : public ISolubilityWaterPropertiesTable {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  ITemperatureSolubilityTable() = default;
  ITemperatureSolubilityTable(ITemperatureSolubilityTable const&) = default;
  ITemperatureSolubilityTable(ITemperatureSolubilityTable&&) = default;
  ITemperatureSolubilityTable& operator=(ITemperatureSolubilityTable const&) = default;
  ITemperatureSolubilityTable& operator=(ITemperatureSolubilityTable&&) = default;
  ~ITemperatureSolubilityTable() override;

  // The temperature the table applies at (0.0 at first); stored unchecked.
  virtual void setTemperature(double temperature) = 0;
  virtual double getTemperature() const = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_ITEMPERATURESOLUBILITYTABLE_H
