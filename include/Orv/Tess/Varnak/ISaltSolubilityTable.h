// ISaltSolubilityTable: a solubility table with water properties, measured in brine.
//
// Besides the rows it records the salt concentration of the brine, the brine's surface
// density and the reference salt concentration against which the salting-out effect is
// expressed. A component may hold several, each under its own name. The three scalars are
// stored as given. Owned by its aqueous-soluble component.
#ifndef ORV_TESS_VARNAK_ISALTSOLUBILITYTABLE_H
#define ORV_TESS_VARNAK_ISALTSOLUBILITYTABLE_H

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/ISolubilityWaterPropertiesTable.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API ISaltSolubilityTable : public ISolubilityWaterPropertiesTable {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  ISaltSolubilityTable() = default;
  ISaltSolubilityTable(ISaltSolubilityTable const&) = default;
  ISaltSolubilityTable(ISaltSolubilityTable&&) = default;
  ISaltSolubilityTable& operator=(ISaltSolubilityTable const&) = default;
  ISaltSolubilityTable& operator=(ISaltSolubilityTable&&) = default;
  ~ISaltSolubilityTable() override;

  // The salt concentration of the brine the table was measured in (0.0 at first).
  virtual void setSaltConcentration(double saltConcentration) = 0;
  virtual double getSaltConcentration() const = 0;
  // The density of that brine at surface conditions (0.0 at first).
  virtual void setBrineSurfaceDensity(double density) = 0;
  virtual double getBrineSurfaceDensity() const = 0;
  // The reference salt concentration (0.0 at first).
  virtual void setRefSaltConcentration(double saltConcentration) = 0;
  virtual double getRefSaltConcentration() const = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_ISALTSOLUBILITYTABLE_H
