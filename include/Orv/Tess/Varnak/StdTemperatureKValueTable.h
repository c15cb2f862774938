// StdTemperatureKValueTable: the K-value table at one temperature. The K-value
// operations are those of StdKValueTable; this class adds the stored temperature.
#ifndef ORV_TESS_VARNAK_STDTEMPERATUREKVALUETABLE_H
#define ORV_TESS_VARNAK_STDTEMPERATUREKVALUETABLE_H

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/ITemperatureKValueTable.h"
#include "Orv/Tess/Varnak/StdKValueTable.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API StdTemperatureKValueTable
    : public StdKValueTable<ITemperatureKValueTable> {
 public:
  // An empty table at temperature 0.0.
  StdTemperatureKValueTable();
  // Copies and moves as the description at the top of this header says.
  StdTemperatureKValueTable(StdTemperatureKValueTable const& other);
  StdTemperatureKValueTable(StdTemperatureKValueTable&& other) noexcept;
  StdTemperatureKValueTable& operator=(StdTemperatureKValueTable const& other);
  StdTemperatureKValueTable& operator=(StdTemperatureKValueTable&& other) noexcept;
  ~StdTemperatureKValueTable() override;

  double getTemperature() const override;
  void setTemperature(double value) override;

 private:
  double temperature_ = 0.0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDTEMPERATUREKVALUETABLE_H
