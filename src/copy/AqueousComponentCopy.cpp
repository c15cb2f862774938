// The copy of an aqueous-soluble component's solubility tables: each table of the source
// goes into the target's table of the same kind and name. The component part (properties
// and modelling choices) is the component copy's, which calls this one when both sides are
// aqueous-soluble.
#include <set>
#include <string>

#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/IAqueousSolubleComponent.h"
#include "Orv/Tess/Varnak/IInteractionSolubilityTable.h"
#include "Orv/Tess/Varnak/ISaltSolubilityTable.h"
#include "Orv/Tess/Varnak/ISolubilityTable.h"
#include "Orv/Tess/Varnak/ISolubilityWaterPropertiesTable.h"
#include "Orv/Tess/Varnak/ITemperatureSolubilityTable.h"

namespace Orv::Tess::Varnak {

void copy(IAqueousSolubleComponent const& source, IAqueousSolubleComponent& target, int /*flags*/) {
  // make… returns the target's existing table of that kind and name, so a table the target
  // already holds is overwritten in place, and one it lacks is made.
  if (source.hasSolubilityTable()) {
    ISolubilityTable& into = target.makeSolubilityTable();
    copy(source.getSolubilityTable(), into);
  }
  if (source.hasSolubilityWaterPropertiesTable()) {
    ISolubilityWaterPropertiesTable& into = target.makeSolubilityWaterPropertiesTable();
    copy(source.getSolubilityWaterPropertiesTable(), into);
  }
  for (std::string const& name : source.getTemperatureSolubilityTableNames()) {
    ITemperatureSolubilityTable& into = target.makeTemperatureSolubilityTable(name);
    copy(source.getTemperatureSolubilityTable(name), into);
  }
  for (std::string const& name : source.getSaltSolubilityTableNames()) {
    ISaltSolubilityTable& into = target.makeSaltSolubilityTable(name);
    copy(source.getSaltSolubilityTable(name), into);
  }
  for (std::string const& name : source.getInteractionSolubilityTableNames()) {
    IInteractionSolubilityTable& into = target.makeInteractionSolubilityTable(name);
    copy(source.getInteractionSolubilityTable(name), into);
  }
}

}  // namespace Orv::Tess::Varnak
