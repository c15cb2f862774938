// The common fluid-model part of the compositional model, instantiated here once for the
// whole library from the template definitions of the fluid-model floor.
#include "Orv/Tess/Varnak/ICompositionalModel.h"
#include "Orv/Tess/Varnak/StdCompositionalModel.h"
#include "fluidmodel/StdFluidModelImpl.h"

namespace Orv::Tess::Varnak {

// Exported through the extern declaration in the public header (see Export.h).
template class StdFluidModel<ICompositionalModel>;

}  // namespace Orv::Tess::Varnak
