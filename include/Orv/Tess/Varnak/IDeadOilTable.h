// IDeadOilTable: an oil table for dead oil, whose dissolved gas content is constant.
//
// Beside its two-level table (IOilTable) a dead-oil table carries the constant dissolved
// gas-oil ratio and the bubble point pressure of the oil. The two values are stored as
// given, without any check, and are independent of the rows: the table computes nothing
// from them. isDeadOil (BlackOilAnalysis.h) finds both values for any oil table.
#ifndef ORV_TESS_VARNAK_IDEADOILTABLE_H
#define ORV_TESS_VARNAK_IDEADOILTABLE_H

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IOilTable.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API IDeadOilTable : public IOilTable {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  IDeadOilTable() = default;
  IDeadOilTable(IDeadOilTable const&) = default;
  IDeadOilTable& operator=(IDeadOilTable const&) = default;
  ~IDeadOilTable() override;

  // Returns the bubble point pressure.
  virtual double getBubblePointPressure() const = 0;
  // Returns the constant dissolved gas-oil ratio.
  virtual double getDissolvedGas() const = 0;
  // Stores the bubble point pressure; any value is accepted.
  virtual void setBubblePointPressure(double pressure) = 0;
  // Stores the constant dissolved gas-oil ratio; any value is accepted.
  virtual void setDissolvedGas(double ratio) = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_IDEADOILTABLE_H
