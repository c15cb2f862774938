// The component interface's own code: the out-of-line destructor, which anchors the vtable
// and type information in the library, and the solubility test every implementation
// inherits.
#include "Orv/Tess/Varnak/IComponent.h"

namespace Orv::Tess::Varnak {

IComponent::~IComponent() = default;

bool IComponent::isSolubleInAqueousPhase() const { return getType() == Type::AqueousSoluble; }

}  // namespace Orv::Tess::Varnak
