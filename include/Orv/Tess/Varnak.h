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

// Compositional fluid.
// (compositional)

// Separators, tracers and tracking.
// (surface)
#include "Orv/Tess/Varnak/ISeparatorModel.h"
#include "Orv/Tess/Varnak/ISeparatorStage.h"
#include "Orv/Tess/Varnak/ITracerDepthTable.h"
#include "Orv/Tess/Varnak/ITracerModel.h"
#include "Orv/Tess/Varnak/ITrackingModel.h"
#include "Orv/Tess/Varnak/StdSeparatorModel.h"
#include "Orv/Tess/Varnak/StdSeparatorStage.h"
#include "Orv/Tess/Varnak/StdTracerDepthTable.h"
#include "Orv/Tess/Varnak/StdTracerModel.h"
#include "Orv/Tess/Varnak/StdTrackingModel.h"

// The registry: root of a fluid description.
// (registry)
#include "Orv/Tess/Varnak/IFluidModels.h"

// Deep copies.
// (copy)

#endif  // ORV_TESS_VARNAK_H
