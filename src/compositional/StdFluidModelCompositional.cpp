// The common fluid-model part of the compositional model, instantiated here once for the
// whole library from the template definitions of the fluid-model floor.
#include "Orv/Tess/Varnak/ICompositionalModel.h"
#include "Orv/Tess/Varnak/StdCompositionalModel.h"
#include "fluidmodel/StdFluidModelImpl.h"

namespace Orv::Tess::Varnak {

// GCC takes the visibility from the extern declaration in the header and warns that the
// attribute here comes after the class is defined; Windows needs it here to export.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wattributes"
#endif
template class ORV_TESS_VARNAK_API StdFluidModel<ICompositionalModel>;
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

}  // namespace Orv::Tess::Varnak
