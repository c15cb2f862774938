// Out-of-line destructor: anchors the interface's vtable and type information in the
// library, so dynamic_cast across the library boundary sees one type.
#include "Orv/Tess/Varnak/ITemperatureSolubilityTable.h"

namespace Orv::Tess::Varnak {

ITemperatureSolubilityTable::~ITemperatureSolubilityTable() = default;

}  // namespace Orv::Tess::Varnak
