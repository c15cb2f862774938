// ISolubilityWaterPropertiesTable: a solubility table that also tabulates the water that
// carries the dissolved component.
//
// Besides the pressure and the solution ratio, each row holds the formation volume factor,
// the viscosity and the compressibility of the water with the component dissolved at that
// pressure. All columns share one row count and one index check. Owned by its
// aqueous-soluble component; also the base of the temperature, salt and interaction
// solubility tables.
#ifndef ORV_TESS_VARNAK_ISOLUBILITYWATERPROPERTIESTABLE_H
#define ORV_TESS_VARNAK_ISOLUBILITYWATERPROPERTIESTABLE_H

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/ISolubilityTable.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API ISolubilityWaterPropertiesTable : public ISolubilityTable {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  ISolubilityWaterPropertiesTable() = default;
  ISolubilityWaterPropertiesTable(ISolubilityWaterPropertiesTable const&) = default;
  ISolubilityWaterPropertiesTable(ISolubilityWaterPropertiesTable&&) = default;
  ISolubilityWaterPropertiesTable& operator=(ISolubilityWaterPropertiesTable const&) = default;
  ISolubilityWaterPropertiesTable& operator=(ISolubilityWaterPropertiesTable&&) = default;
  ~ISolubilityWaterPropertiesTable() override;

  // Row accessors of the water columns. Each throws std::range_error
  // "Invalid index (<index>) in StdSolubilityTable." unless 0 <= index < getNumPressures().
  virtual void setFormationVolume(int index, double formationVolume) = 0;
  virtual double getFormationVolume(int index) const = 0;
  virtual void setViscosity(int index, double viscosity) = 0;
  virtual double getViscosity(int index) const = 0;
  virtual void setCompressibility(int index, double compressibility) = 0;
  virtual double getCompressibility(int index) const = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_ISOLUBILITYWATERPROPERTIESTABLE_H
