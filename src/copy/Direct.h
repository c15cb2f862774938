// The same-class fast paths of the copies. A model copy between two objects that are
// exactly the library's classes hands `direct` down to the copies it calls; each table
// copy then checks its own two tables' dynamic types too and, when both are the library's,
// transfers whole rows of storage. Every fast path resizes the target in the steps of the
// copy through the interfaces, so it fails at the same points and leaves the same state.
#ifndef ORV_TESS_VARNAK_SRC_COPY_DIRECT_H
#define ORV_TESS_VARNAK_SRC_COPY_DIRECT_H

namespace Orv::Tess::Varnak {

class IFluidModel;

namespace detail {

// Returns whether `model` is exactly a StdBlackOilModel or a StdCompositionalModel.
bool isLibraryModel(IFluidModel const& model);

// copy(IFluidModel const&, IFluidModel&, int), with its depth tables moved directly when
// `direct` is true (and both tables are the library's).
void copyFluidModel(IFluidModel const& source, IFluidModel& target, int flags, bool direct);

}  // namespace detail
}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_SRC_COPY_DIRECT_H
