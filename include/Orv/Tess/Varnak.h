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
#include "Orv/Tess/Varnak/IComponent.h"
#include "Orv/Tess/Varnak/StdComponent.h"
#include "Orv/Tess/Varnak/IAqueousSolubleComponent.h"
#include "Orv/Tess/Varnak/StdAqueousSolubleComponent.h"
#include "Orv/Tess/Varnak/ISolubilityTable.h"
#include "Orv/Tess/Varnak/ISolubilityWaterPropertiesTable.h"
#include "Orv/Tess/Varnak/ITemperatureSolubilityTable.h"
#include "Orv/Tess/Varnak/ISaltSolubilityTable.h"
#include "Orv/Tess/Varnak/IInteractionSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSolubilityWaterPropertiesTable.h"
#include "Orv/Tess/Varnak/StdTemperatureSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSaltSolubilityTable.h"
#include "Orv/Tess/Varnak/StdInteractionSolubilityTable.h"

// Separators, tracers and tracking.
// (surface)

// The registry: root of a fluid description.
// (registry)

// Deep copies.
// (copy)

#endif  // ORV_TESS_VARNAK_H
