// Out-of-line destructor: anchors the interface's vtable and type information in the
// library, so dynamic_cast across the library boundary sees one type.
#include "Orv/Tess/Varnak/ITrackingModel.h"

namespace Orv::Tess::Varnak {

ITrackingModel::~ITrackingModel() = default;

}  // namespace Orv::Tess::Varnak
