// The Python class of every interface, declared before any operation is bound, so that
// each signature in the docstrings names the Python class it returns. Bases come before
// the interfaces derived from them.
#include "Bind.h"

namespace Orv::Tess::Varnak::Python {

void declareInterfaces(py::module_& m) {
  Class<IFluidModels>(m, "IFluidModels",
                      "The root of a fluid description: fluid models of both kinds by name, "
                      "separator models by name in numbered versions, tracer models by name and at "
                      "most one tracking model.");
  Class<IFluidModel>(m, "IFluidModel",
                     "What every fluid model has: a name, optional water properties, named initial "
                     "conditions and temperature tables per property.");
  Class<ISeparatorStage>(
      m, "ISeparatorStage",
      "One stage of a surface separator train; -1 marks a destination or table number "
      "that is not set.");
  Class<ISeparatorModel>(
      m, "ISeparatorModel",
      "A surface separator train: named stages in order; getStage counts from 1, "
      "deleteStage from 0.");
  Class<ITracerDepthTable>(m, "ITracerDepthTable",
                           "A tracer's initial concentration against depth, as rows of (depth, "
                           "concentration).");
  Class<ITracerModel>(m, "ITracerModel",
                      "One tracer, the component that carries it, and its depth tables by type "
                      "and region.");
  Class<ITrackingModel>(m, "ITrackingModel",
                        "The fluid description's single request for component tracking.");
  Class<IOilTable>(m, "IOilTable",
                   "The oil PVT table of one PVT region: saturated rows keyed by the dissolved "
                   "gas-oil ratio, each with undersaturated entries (pressure, formation volume "
                   "factor, viscosity).");
  Class<ICompressibleOilTable>(
      m, "ICompressibleOilTable",
      "An oil table with a compressibility and a viscosibility per saturated row, and "
      "the oil's thermal properties.");
  Class<IDeadOilTable>(
      m, "IDeadOilTable",
      "An oil table for dead oil, with its constant dissolved gas-oil ratio and bubble "
      "point pressure.");
  Class<IDeadOilConstantCompressTable>(
      m, "IDeadOilConstantCompressTable",
      "A dead-oil table with one constant compressibility and viscosibility.");
  Class<IGasTable>(m, "IGasTable",
                   "The gas PVT table: saturated rows keyed by pressure, each with undersaturated "
                   "entries (oil-gas ratio, formation volume factor, viscosity).");
  Class<IDryGasTable>(
      m, "IDryGasTable",
      "A gas table for dry gas, with its constant vaporised oil-gas ratio and dew point "
      "pressure.");
  Class<ISolventTable>(
      m, "ISolventTable",
      "The PVT table of an injected solvent gas: pressure, formation volume factor "
      "and viscosity per row.");
  Class<IMiscibilityTable>(m, "IMiscibilityTable",
                           "How miscible an injected solvent is with the oil, by oil pressure.");
  Class<IBlackOilModel>(m, "IBlackOilModel",
                        "A black-oil fluid model: one oil table per PVT region, at most one gas, "
                        "solvent and miscibility table, and the gas and oil densities.");
  Class<IComponent>(m, "IComponent",
                    "One species or pseudo-component of a compositional fluid: a name, a type, "
                    "sparse numeric properties and a few modelling choices.");
  Class<ISolubilityTable>(m, "ISolubilityTable",
                          "How much of an aqueous-soluble component dissolves in water, against "
                          "pressure.");
  Class<ISolubilityWaterPropertiesTable>(
      m, "ISolubilityWaterPropertiesTable",
      "A solubility table that also tabulates the water's formation volume, "
      "viscosity and compressibility.");
  Class<ITemperatureSolubilityTable>(
      m, "ITemperatureSolubilityTable",
      "A solubility table with water properties at one temperature.");
  Class<ISaltSolubilityTable>(m, "ISaltSolubilityTable",
                              "A solubility table with water properties, in brine.");
  Class<IInteractionSolubilityTable>(
      m, "IInteractionSolubilityTable",
      "A solubility table with water properties, with a second dissolved component.");
  Class<IAqueousSolubleComponent>(
      m, "IAqueousSolubleComponent",
      "A component that also dissolves in water, with its solubility tables.");
  Class<IBinaryInteractionCoefficients>(
      m, "IBinaryInteractionCoefficients",
      "The binary interaction coefficients k(i, j): sparse, symmetric, zero on the "
      "diagonal.");
  Class<IKValueTable>(m, "IKValueTable",
                      "Equilibrium ratios (K-values) against pressure: rows are pressures, columns "
                      "components.");
  Class<ITemperatureKValueTable>(m, "ITemperatureKValueTable",
                                 "A K-value table at one temperature.");
  Class<ICompositionKValueTable>(m, "ICompositionKValueTable",
                                 "A K-value table at one composition of a nominated component.");
  Class<IOilViscosityIndexTable>(m, "IOilViscosityIndexTable",
                                 "Oil viscosity indices per component against mole fraction.");
  Class<IReaction>(m, "IReaction",
                   "One chemical reaction among the components of a compositional model.");
  Class<ICompositionalModel>(m, "ICompositionalModel",
                             "A fluid described by its components and an equation of state.");
  Class<IBrineComponent>(m, "IBrineComponent",
                         "One salt dissolved in the formation water, named by its kind.");
  Class<IBrinePropertyTable>(
      m, "IBrinePropertyTable",
      "Brine properties against salt concentration, with a reference pressure and "
      "salt concentration.");
  Class<IWaterProperties>(
      m, "IWaterProperties",
      "The water phase of a fluid model: scalar properties, the brine's salts and an "
      "optional brine property table.");
  Class<IDepthTable>(m, "IDepthTable",
                     "One property against depth: rows are depths, columns components.");
  Class<ITemperatureTable>(m, "ITemperatureTable",
                           "One property against temperature: rows are temperatures, columns "
                           "components.");
  Class<IInitialCondition>(
      m, "IInitialCondition",
      "The initial state of a reservoir against depth: datum, contacts and one depth "
      "table per property.");
}

}  // namespace Orv::Tess::Varnak::Python
