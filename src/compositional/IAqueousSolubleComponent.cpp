// The aqueous-soluble component interface's own code: the out-of-line destructor, which
// anchors the vtable and type information in the library, and the test for any solubility
// table, written through the interface alone so that every implementation inherits it.
#include "Orv/Tess/Varnak/IAqueousSolubleComponent.h"

namespace Orv::Tess::Varnak {

IAqueousSolubleComponent::~IAqueousSolubleComponent() = default;

bool IAqueousSolubleComponent::hasAnySolubilityTables() const {
  return hasSolubilityTable() || hasSolubilityWaterPropertiesTable() ||
         !getTemperatureSolubilityTableNames().empty() ||
         !getInteractionSolubilityTableNames().empty() || !getSaltSolubilityTableNames().empty();
}

}  // namespace Orv::Tess::Varnak
