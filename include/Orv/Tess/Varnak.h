// Umbrella header: includes every public header of the library.
#ifndef ORV_TESS_VARNAK_H
#define ORV_TESS_VARNAK_H

// Frame: export macro and the library's identity.
#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/LibraryProperties.h"

// Fluid-model base and temperature tables.
#include "Orv/Tess/Varnak/IFluidModel.h"
// (fluidmodel)

// Water and brine.
// (water)

// Initial conditions, depth tables and the depth-table operations.
// (initial)

// Black-oil tables, analysis and the black-oil model.
// (blackoil)
#include "Orv/Tess/Varnak/BlackOilAnalysis.h"
#include "Orv/Tess/Varnak/ConstantCompressibilityFunction.h"
#include "Orv/Tess/Varnak/ICompressibleOilTable.h"
#include "Orv/Tess/Varnak/IDeadOilConstantCompressTable.h"
#include "Orv/Tess/Varnak/IDeadOilTable.h"
#include "Orv/Tess/Varnak/IDryGasTable.h"
#include "Orv/Tess/Varnak/IGasTable.h"
#include "Orv/Tess/Varnak/IOilTable.h"
#include "Orv/Tess/Varnak/StdBaseTable.h"
#include "Orv/Tess/Varnak/StdCompressibleOilTable.h"
#include "Orv/Tess/Varnak/StdDeadOilConstantCompressTable.h"
#include "Orv/Tess/Varnak/StdDeadOilTable.h"
#include "Orv/Tess/Varnak/StdDryGasTable.h"
#include "Orv/Tess/Varnak/StdGasTable.h"
#include "Orv/Tess/Varnak/StdOilTable.h"

// Compositional fluid.
// (compositional)

// Separators, tracers and tracking.
// (surface)

// The registry: root of a fluid description.
// (registry)

// Deep copies.
// (copy)

#endif  // ORV_TESS_VARNAK_H
