// IInteractionSolubilityTable: a solubility table with water properties, measured in the
// presence of a second dissolved component.
//
// It names the interacting component and gives its mole fraction; neither is checked (the
// name need not belong to any component of the model, the fraction need not lie in 0..1).
// A component may hold several, each under its own name. Owned by its aqueous-soluble
// component.
#ifndef ORV_TESS_VARNAK_IINTERACTIONSOLUBILITYTABLE_H
#define ORV_TESS_VARNAK_IINTERACTIONSOLUBILITYTABLE_H

#include <string>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/ISolubilityWaterPropertiesTable.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API IInteractionSolubilityTable : public ISolubilityWaterPropertiesTable {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  IInteractionSolubilityTable() = default;
  IInteractionSolubilityTable(IInteractionSolubilityTable const&) = default;
  IInteractionSolubilityTable(IInteractionSolubilityTable&&) = default;
  IInteractionSolubilityTable& operator=(IInteractionSolubilityTable const&) = default;
  IInteractionSolubilityTable& operator=(IInteractionSolubilityTable&&) = default;
  ~IInteractionSolubilityTable() override;

  // The name of the interacting component (empty at first); the table keeps its own copy.
  virtual void setInteractionComponentName(std::string const& name) = 0;
  virtual std::string const& getInteractionComponentName() const = 0;
  // The mole fraction of the interacting component (0.0 at first).
  virtual void setInteractionComponentMoleFraction(double moleFraction) = 0;
  virtual double getInteractionComponentMoleFraction() const = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_IINTERACTIONSOLUBILITYTABLE_H
