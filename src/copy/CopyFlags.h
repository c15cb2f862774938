// The bits of the flag word that steers the model copies. Each copy tests only its own
// bits and hands the whole word on unchanged, so a host sets one word for a whole tree.
#ifndef ORV_TESS_VARNAK_SRC_COPY_COPYFLAGS_H
#define ORV_TESS_VARNAK_SRC_COPY_COPYFLAGS_H

namespace Orv::Tess::Varnak::detail {

constexpr int kCopyWaterProperties = 1;    // tested by the fluid-model copy
constexpr int kCopyInitialConditions = 2;  // tested by the fluid-model copy
constexpr int kCopyDepthTables = 4;        // tested by the initial-condition copy
constexpr int kCopyGasTable = 8;           // tested by the black-oil model copy
constexpr int kCopyOilTables = 16;         // tested by the black-oil model copy
constexpr int kCopyComponents = 32;        // tested by the compositional model copy

constexpr bool hasFlag(int flags, int bit) { return (flags & bit) != 0; }

}  // namespace Orv::Tess::Varnak::detail

#endif  // ORV_TESS_VARNAK_SRC_COPY_COPYFLAGS_H
