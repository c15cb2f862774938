// ITemperatureKValueTable: a K-value table that holds the K-values at one temperature.
//
// A model may hold any number of these under distinct names, one per temperature of a
// temperature-dependent K-value description. The temperature is a plain stored value.
#ifndef ORV_TESS_VARNAK_ITEMPERATUREKVALUETABLE_H
#define ORV_TESS_VARNAK_ITEMPERATUREKVALUETABLE_H

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IKValueTable.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API ITemperatureKValueTable : public IKValueTable {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  ITemperatureKValueTable() = default;
  ITemperatureKValueTable(ITemperatureKValueTable const&) = default;
  ITemperatureKValueTable& operator=(ITemperatureKValueTable const&) = default;
  ~ITemperatureKValueTable() override;

  // Returns the temperature the table holds K-values for (0.0 in a new table).
  virtual double getTemperature() const = 0;
  // Stores the temperature; any value is accepted.
  virtual void setTemperature(double value) = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_ITEMPERATUREKVALUETABLE_H
