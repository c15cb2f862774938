// IDeadOilConstantCompressTable: a dead-oil table whose undersaturated oil follows one
// constant compressibility and one constant viscosibility.
//
// Beside everything a dead-oil table holds, it carries the oil compressibility c (the
// formation volume factor falls as B(p) = B(p0)·exp(−c·(p − p0))) and the oil
// viscosibility (the viscosity rises as μ(p) = μ(p0)·exp(c·(p − p0))). Both are stored as
// given, without any check; the table computes nothing from them.
#ifndef ORV_TESS_VARNAK_IDEADOILCONSTANTCOMPRESSTABLE_H
#define ORV_TESS_VARNAK_IDEADOILCONSTANTCOMPRESSTABLE_H

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IDeadOilTable.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API IDeadOilConstantCompressTable : public IDeadOilTable {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  IDeadOilConstantCompressTable() = default;
  IDeadOilConstantCompressTable(IDeadOilConstantCompressTable const&) = default;
  IDeadOilConstantCompressTable& operator=(IDeadOilConstantCompressTable const&) = default;
  ~IDeadOilConstantCompressTable() override;

  // Returns the oil compressibility.
  virtual double getOilCompressibility() const = 0;
  // Returns the oil viscosibility.
  virtual double getOilViscosibility() const = 0;
  // Stores the oil compressibility; any value is accepted.
  virtual void setOilCompressibility(double compressibility) = 0;
  // Stores the oil viscosibility; any value is accepted.
  virtual void setOilViscosibility(double viscosibility) = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_IDEADOILCONSTANTCOMPRESSTABLE_H
