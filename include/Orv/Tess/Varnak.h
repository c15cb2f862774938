// Umbrella header: includes every public header of the library.
#ifndef ORV_TESS_VARNAK_H
#define ORV_TESS_VARNAK_H

// Frame: export macro and the library's identity.
#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/LibraryProperties.h"

// Fluid-model base and temperature tables.
#include "Orv/Tess/Varnak/IFluidModel.h"
// (fluidmodel)
#include "Orv/Tess/Varnak/ITemperatureTable.h"
#include "Orv/Tess/Varnak/StdFluidModel.h"
#include "Orv/Tess/Varnak/StdTemperatureTable.h"

// Water and brine.
// (water)
#include "Orv/Tess/Varnak/IBrineComponent.h"
#include "Orv/Tess/Varnak/IBrinePropertyTable.h"
#include "Orv/Tess/Varnak/IWaterProperties.h"
#include "Orv/Tess/Varnak/StdBrineComponent.h"
#include "Orv/Tess/Varnak/StdBrinePropertyTable.h"
#include "Orv/Tess/Varnak/StdWaterProperties.h"

// Initial conditions, depth tables and the depth-table operations.
// (initial)
#include "Orv/Tess/Varnak/DepthTableOperations.h"
#include "Orv/Tess/Varnak/IDepthTable.h"
#include "Orv/Tess/Varnak/IInitialCondition.h"
#include "Orv/Tess/Varnak/StdDepthTable.h"
#include "Orv/Tess/Varnak/StdInitialCondition.h"

// Black-oil tables, analysis and the black-oil model.
// (blackoil)
#include "Orv/Tess/Varnak/BlackOilAnalysis.h"
#include "Orv/Tess/Varnak/ConstantCompressibilityFunction.h"
#include "Orv/Tess/Varnak/IBlackOilModel.h"
#include "Orv/Tess/Varnak/ICompressibleOilTable.h"
#include "Orv/Tess/Varnak/IDeadOilConstantCompressTable.h"
#include "Orv/Tess/Varnak/IDeadOilTable.h"
#include "Orv/Tess/Varnak/IDryGasTable.h"
#include "Orv/Tess/Varnak/IGasTable.h"
#include "Orv/Tess/Varnak/IMiscibilityTable.h"
#include "Orv/Tess/Varnak/IOilTable.h"
#include "Orv/Tess/Varnak/ISolventTable.h"
#include "Orv/Tess/Varnak/StdBaseTable.h"
#include "Orv/Tess/Varnak/StdBlackOilModel.h"
#include "Orv/Tess/Varnak/StdCompressibleOilTable.h"
#include "Orv/Tess/Varnak/StdDeadOilConstantCompressTable.h"
#include "Orv/Tess/Varnak/StdDeadOilTable.h"
#include "Orv/Tess/Varnak/StdDryGasTable.h"
#include "Orv/Tess/Varnak/StdGasTable.h"
#include "Orv/Tess/Varnak/StdMisciblityTable.h"
#include "Orv/Tess/Varnak/StdOilTable.h"
#include "Orv/Tess/Varnak/StdSolventTable.h"

// Compositional fluid.
// (compositional)
#include "Orv/Tess/Varnak/IAqueousSolubleComponent.h"
#include "Orv/Tess/Varnak/IBinaryInteractionCoefficients.h"
#include "Orv/Tess/Varnak/IComponent.h"
#include "Orv/Tess/Varnak/ICompositionKValueTable.h"
#include "Orv/Tess/Varnak/ICompositionalModel.h"
#include "Orv/Tess/Varnak/IInteractionSolubilityTable.h"
#include "Orv/Tess/Varnak/IKValueTable.h"
#include "Orv/Tess/Varnak/IOilViscosityIndexTable.h"
#include "Orv/Tess/Varnak/IReaction.h"
#include "Orv/Tess/Varnak/ISaltSolubilityTable.h"
#include "Orv/Tess/Varnak/ISolubilityTable.h"
#include "Orv/Tess/Varnak/ISolubilityWaterPropertiesTable.h"
#include "Orv/Tess/Varnak/ITemperatureKValueTable.h"
#include "Orv/Tess/Varnak/ITemperatureSolubilityTable.h"
#include "Orv/Tess/Varnak/StdAqueousSolubleComponent.h"
#include "Orv/Tess/Varnak/StdBinaryInteractionCoefficients.h"
#include "Orv/Tess/Varnak/StdComponent.h"
#include "Orv/Tess/Varnak/StdCompositionKValueTable.h"
#include "Orv/Tess/Varnak/StdCompositionalModel.h"
#include "Orv/Tess/Varnak/StdInteractionSolubilityTable.h"
#include "Orv/Tess/Varnak/StdKValueTable.h"
#include "Orv/Tess/Varnak/StdOilViscosityIndexTable.h"
#include "Orv/Tess/Varnak/StdReaction.h"
#include "Orv/Tess/Varnak/StdSaltSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSolubilityWaterPropertiesTable.h"
#include "Orv/Tess/Varnak/StdTemperatureKValueTable.h"
#include "Orv/Tess/Varnak/StdTemperatureSolubilityTable.h"

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
#include "Orv/Tess/Varnak/StdFluidModels.h"

// Deep copies.
// (copy)
#include "Orv/Tess/Varnak/Copy.h"

#endif  // ORV_TESS_VARNAK_H
