// IDryGasTable: a gas table for dry gas, whose vaporised oil content is constant.
//
// Beside its two-level table (IGasTable) a dry-gas table carries the constant vaporised
// oil-gas ratio and the dew point pressure of the gas. The two values are stored as
// given, without any check, and are independent of the rows. isDryGas
// (BlackOilAnalysis.h) finds both values for any gas table.
#ifndef ORV_TESS_VARNAK_IDRYGASTABLE_H
#define ORV_TESS_VARNAK_IDRYGASTABLE_H

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IGasTable.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API IDryGasTable : public IGasTable {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  IDryGasTable() = default;
  IDryGasTable(IDryGasTable const&) = default;
  IDryGasTable& operator=(IDryGasTable const&) = default;
  ~IDryGasTable() override;

  // Returns the dew point pressure.
  virtual double getDewPointPressure() const = 0;
  // Returns the constant vaporised oil-gas ratio.
  virtual double getVaporizedOil() const = 0;
  // Stores the dew point pressure; any value is accepted.
  virtual void setDewPointPressure(double pressure) = 0;
  // Stores the constant vaporised oil-gas ratio; any value is accepted.
  virtual void setVaporizedOil(double ratio) = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_IDRYGASTABLE_H
