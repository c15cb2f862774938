// The compositional model: components, aqueous-soluble components and their solubility
// tables, interaction coefficients, K-value tables, the oil viscosity index table and
// reactions.
#include <string>

#include "Arrays.h"

namespace Orv::Tess::Varnak::Python {

namespace {

std::string named(char const* kind, std::string const& name) {
  return std::string(kind) + " '" + name + "'";
}

void bindComponent(py::module_& m) {
  using I = IComponent;
  auto cls = classOf<I>(m, "IComponent");
  enumeration<I::Type>(cls, "Type",
                       {{"Plain", I::Type::Plain}, {"AqueousSoluble", I::Type::AqueousSoluble}});
  {
    py::enum_<I::Property> property(cls, "Property");
    // The 53 property keys, by their names in the interface.
    static char const* const kNames[] = {"MolecularWeight",
                                         "CriticalPressure",
                                         "CriticalTemperature",
                                         "CriticalVolume",
                                         "CriticalZFactor",
                                         "AcentricFactor",
                                         "Parachor",
                                         "VolumeShift",
                                         "OmegaA",
                                         "OmegaB",
                                         "NormalBoilingPoint",
                                         "SpecificGravity",
                                         "ViscosityCriticalVolume",
                                         "ViscosityCriticalZFactor",
                                         "ReferenceDensity",
                                         "ReferencePressure",
                                         "ReferenceTemperature",
                                         "LiquidCompressibility",
                                         "ThermalExpansion1",
                                         "ThermalExpansion2",
                                         "PressureTemperatureExpansion",
                                         "GasHeatCapacity1",
                                         "GasHeatCapacity2",
                                         "GasHeatCapacity3",
                                         "GasHeatCapacity4",
                                         "LiquidHeatCapacity1",
                                         "LiquidHeatCapacity2",
                                         "HeatOfVaporization",
                                         "HeatOfVaporizationExponent",
                                         "VaporPressureA",
                                         "VaporPressureB",
                                         "VaporPressureC",
                                         "KValueA",
                                         "KValueB",
                                         "KValueC",
                                         "KValueD",
                                         "KValueE",
                                         "LiquidViscosityA",
                                         "LiquidViscosityB",
                                         "GasViscosityA",
                                         "GasViscosityB",
                                         "HenryConstant",
                                         "HenryReferencePressure",
                                         "HenryMolarVolume",
                                         "HenryReferenceTemperature",
                                         "OilDiffusionCoefficient",
                                         "GasDiffusionCoefficient",
                                         "WaterDiffusionCoefficient",
                                         "ThermalConductivity",
                                         "WaterInteractionCoefficient",
                                         "MaximumAdsorption",
                                         "AdsorptionConstant",
                                         "ReferenceMolarDensity"};
    static_assert(std::size(kNames) ==
                  static_cast<std::size_t>(I::Property::ReferenceMolarDensity) + 1);
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
      property.value(kNames[i], static_cast<I::Property>(i));
    }
    py::implicitly_convertible<py::int_, I::Property>();
  }
  enumeration<I::PhaseType>(
      cls, "PhaseType",
      {{"Oil", I::PhaseType::Oil}, {"Gas", I::PhaseType::Gas}, {"Water", I::PhaseType::Water}});
  enumeration<I::DensityType>(cls, "DensityType",
                              {{"EquationOfState", I::DensityType::EquationOfState},
                               {"Correlation", I::DensityType::Correlation},
                               {"IdealMixing", I::DensityType::IdealMixing}});
  enumeration<I::ViscosityType>(cls, "ViscosityType",
                                {{"ModelDefault", I::ViscosityType::ModelDefault},
                                 {"Correlation", I::ViscosityType::Correlation},
                                 {"Table", I::ViscosityType::Table}});
  enumeration<I::VolatilityType>(cls, "VolatilityType",
                                 {{"Volatile", I::VolatilityType::Volatile},
                                  {"NonVolatile", I::VolatilityType::NonVolatile},
                                  {"NonCondensable", I::VolatilityType::NonCondensable}});
  enumeration<I::CompressibilityType>(cls, "CompressibilityType",
                                      {{"EquationOfState", I::CompressibilityType::EquationOfState},
                                       {"Constant", I::CompressibilityType::Constant},
                                       {"Incompressible", I::CompressibilityType::Incompressible}});
  enumeration<I::OilViscosityCorrelation>(cls, "OilViscosityCorrelation",
                                          {{"Table", I::OilViscosityCorrelation::Table},
                                           {"Andrade", I::OilViscosityCorrelation::Andrade},
                                           {"Astm", I::OilViscosityCorrelation::Astm},
                                           {"Vogel", I::OilViscosityCorrelation::Vogel}});
  enumeration<I::OilViscosityCorrelationUsage>(
      cls, "OilViscosityCorrelationUsage",
      {{"NotUsed", I::OilViscosityCorrelationUsage::NotUsed},
       {"PureComponent", I::OilViscosityCorrelationUsage::PureComponent},
       {"Mixture", I::OilViscosityCorrelationUsage::Mixture}});
  cls.def("getName", via(&I::getName))
      .def("getType", via(&I::getType))
      .def("isSolubleInAqueousPhase", via(&I::isSolubleInAqueousPhase))
      .def("hasProperty", via(&I::hasProperty))
      .def("getProperty", via(&I::getProperty))
      .def("setProperty", via(&I::setProperty))
      .def("deleteProperty", via(&I::deleteProperty))
      .def("getVolatilityType", via(&I::getVolatilityType))
      .def("setVolatilityType", via(&I::setVolatilityType))
      .def("getCompressibilityType", via(&I::getCompressibilityType))
      .def("setCompressibilityType", via(&I::setCompressibilityType))
      .def("getOilViscosityCorrelation", via(&I::getOilViscosityCorrelation))
      .def("setOilViscosityCorrelation", via(&I::setOilViscosityCorrelation))
      .def("getOilViscosityCorrelationUsage", via(&I::getOilViscosityCorrelationUsage))
      .def("setOilViscosityCorrelationUsage", via(&I::setOilViscosityCorrelationUsage))
      .def("getDensityType", via(&I::getDensityType))
      .def("setDensityType", via(&I::setDensityType))
      .def("getViscosityType", via(&I::getViscosityType))
      .def("setViscosityType", via(&I::setViscosityType));
  defineStd<StdComponent, I, std::string, I::Type>(m, "StdComponent");
}

void bindSolubility(py::module_& m) {
  {
    using I = ISolubilityTable;
    auto cls = classOf<I>(m, "ISolubilityTable");
    cls.def("setNumPressures", via(&I::setNumPressures))
        .def("getNumPressures", via(&I::getNumPressures))
        .def("setPressure", via(&I::setPressure))
        .def("getPressure", via(&I::getPressure))
        .def("setSolutionRatio", via(&I::setSolutionRatio))
        .def("getSolutionRatio", via(&I::getSolutionRatio));
    defineColumns<I>(
        cls, {&I::getNumPressures,
              &I::setNumPressures,
              {{&I::getPressure, &I::setPressure}, {&I::getSolutionRatio, &I::setSolutionRatio}},
              {"Pressure", "SolutionRatio"}});
  }
  {
    using I = ISolubilityWaterPropertiesTable;
    using B = ISolubilityTable;
    auto cls = classOf<I>(m, "ISolubilityWaterPropertiesTable");
    cls.def("setFormationVolume", via(&I::setFormationVolume))
        .def("getFormationVolume", via(&I::getFormationVolume))
        .def("setViscosity", via(&I::setViscosity))
        .def("getViscosity", via(&I::getViscosity))
        .def("setCompressibility", via(&I::setCompressibility))
        .def("getCompressibility", via(&I::getCompressibility));
    defineColumns<I>(
        cls, {&B::getNumPressures,
              &B::setNumPressures,
              {{&B::getPressure, &B::setPressure},
               {&B::getSolutionRatio, &B::setSolutionRatio},
               {&I::getFormationVolume, &I::setFormationVolume},
               {&I::getViscosity, &I::setViscosity},
               {&I::getCompressibility, &I::setCompressibility}},
              {"Pressure", "SolutionRatio", "FormationVolume", "Viscosity", "Compressibility"}});
  }
  {
    using I = ITemperatureSolubilityTable;
    classOf<I>(m, "ITemperatureSolubilityTable")
        .def("setTemperature", via(&I::setTemperature))
        .def("getTemperature", via(&I::getTemperature));
  }
  {
    using I = ISaltSolubilityTable;
    classOf<I>(m, "ISaltSolubilityTable")
        .def("setSaltConcentration", via(&I::setSaltConcentration))
        .def("getSaltConcentration", via(&I::getSaltConcentration))
        .def("setBrineSurfaceDensity", via(&I::setBrineSurfaceDensity))
        .def("getBrineSurfaceDensity", via(&I::getBrineSurfaceDensity))
        .def("setRefSaltConcentration", via(&I::setRefSaltConcentration))
        .def("getRefSaltConcentration", via(&I::getRefSaltConcentration));
  }
  {
    using I = IInteractionSolubilityTable;
    classOf<I>(m, "IInteractionSolubilityTable")
        .def("setInteractionComponentName", via(&I::setInteractionComponentName))
        .def("getInteractionComponentName", via(&I::getInteractionComponentName))
        .def("setInteractionComponentMoleFraction", via(&I::setInteractionComponentMoleFraction))
        .def("getInteractionComponentMoleFraction", via(&I::getInteractionComponentMoleFraction));
  }
  defineStd<StdSolubilityTable, ISolubilityTable>(m, "StdSolubilityTable");
  defineStd<StdSolubilityWaterPropertiesTable, ISolubilityWaterPropertiesTable>(
      m, "StdSolubilityWaterPropertiesTable");
  defineStd<StdTemperatureSolubilityTable, ITemperatureSolubilityTable>(
      m, "StdTemperatureSolubilityTable");
  defineStd<StdSaltSolubilityTable, ISaltSolubilityTable>(m, "StdSaltSolubilityTable");
  defineStd<StdInteractionSolubilityTable, IInteractionSolubilityTable>(
      m, "StdInteractionSolubilityTable");
}

// The tables an aqueous-soluble component makes on demand: make… returns the one present,
// so only a table that was absent counts as made.
template <class T, class Has, class Get, class Make>
auto onDemand(Has has, Get get, Make make, char const* kind) {
  return [=](Ref<IAqueousSolubleComponent>& self, std::string const& name) {
    bool const made = !(self.obj().*has)(name);
    (self.obj().*make)(name);
    auto find = [=](IAqueousSolubleComponent& c) -> T* {
      return (c.*has)(name) ? &(c.*get)(name) : nullptr;
    };
    return child<T>(self, find, named(kind, name), made);
  };
}
template <class T, class Has, class Get>
auto existing(Has has, Get get, char const* kind) {
  return [=](Ref<IAqueousSolubleComponent>& self, std::string const& name) {
    (self.obj().*get)(name);  // raises the library's error for a missing name
    auto find = [=](IAqueousSolubleComponent& c) -> T* {
      return (c.*has)(name) ? &(c.*get)(name) : nullptr;
    };
    return child<T>(self, find, named(kind, name));
  };
}

void bindAqueous(py::module_& m) {
  using I = IAqueousSolubleComponent;
  auto cls = classOf<I>(m, "IAqueousSolubleComponent");
  // The single tables: made on demand, never removed.
  auto plain = [](I& c) { return c.hasSolubilityTable() ? &c.getSolubilityTable() : nullptr; };
  auto water = [](I& c) {
    return c.hasSolubilityWaterPropertiesTable() ? &c.getSolubilityWaterPropertiesTable() : nullptr;
  };
  using Temperature = ITemperatureSolubilityTable;
  using Interaction = IInteractionSolubilityTable;
  using Salt = ISaltSolubilityTable;
  using GetT = Temperature& (I::*)(std::string const&);
  using GetI = Interaction& (I::*)(std::string const&);
  using GetS = Salt& (I::*)(std::string const&);
  cls.def("hasAnySolubilityTables", via(&I::hasAnySolubilityTables))
      .def(
          "makeSolubilityTable",
          [=](Ref<I>& self) {
            bool const made = !self.obj().hasSolubilityTable();
            self.obj().makeSolubilityTable();
            return child<ISolubilityTable>(self, plain, "ISolubilityTable", made);
          },
          KeepsOwner())
      .def("hasSolubilityTable", via(&I::hasSolubilityTable))
      .def(
          "getSolubilityTable",
          [=](Ref<I>& self) {
            self.obj().getSolubilityTable();  // raises the library's error when absent
            return child<ISolubilityTable>(self, plain, "ISolubilityTable");
          },
          KeepsOwner())
      .def(
          "makeSolubilityWaterPropertiesTable",
          [=](Ref<I>& self) {
            bool const made = !self.obj().hasSolubilityWaterPropertiesTable();
            self.obj().makeSolubilityWaterPropertiesTable();
            return child<ISolubilityWaterPropertiesTable>(self, water,
                                                          "ISolubilityWaterPropertiesTable", made);
          },
          KeepsOwner())
      .def("hasSolubilityWaterPropertiesTable", via(&I::hasSolubilityWaterPropertiesTable))
      .def(
          "getSolubilityWaterPropertiesTable",
          [=](Ref<I>& self) {
            self.obj().getSolubilityWaterPropertiesTable();  // raises when absent
            return child<ISolubilityWaterPropertiesTable>(self, water,
                                                          "ISolubilityWaterPropertiesTable");
          },
          KeepsOwner())
      .def("makeTemperatureSolubilityTable",
           onDemand<Temperature>(&I::hasTemperatureSolubilityTable,
                                 static_cast<GetT>(&I::getTemperatureSolubilityTable),
                                 &I::makeTemperatureSolubilityTable, "ITemperatureSolubilityTable"),
           py::arg("name"), KeepsOwner())
      .def("hasTemperatureSolubilityTable", via(&I::hasTemperatureSolubilityTable))
      .def("getTemperatureSolubilityTable",
           existing<Temperature>(&I::hasTemperatureSolubilityTable,
                                 static_cast<GetT>(&I::getTemperatureSolubilityTable),
                                 "ITemperatureSolubilityTable"),
           py::arg("name"), KeepsOwner())
      .def("getTemperatureSolubilityTableNames", via(&I::getTemperatureSolubilityTableNames))
      .def("makeInteractionSolubilityTable",
           onDemand<Interaction>(&I::hasInteractionSolubilityTable,
                                 static_cast<GetI>(&I::getInteractionSolubilityTable),
                                 &I::makeInteractionSolubilityTable, "IInteractionSolubilityTable"),
           py::arg("name"), KeepsOwner())
      .def("hasInteractionSolubilityTable", via(&I::hasInteractionSolubilityTable))
      .def("getInteractionSolubilityTable",
           existing<Interaction>(&I::hasInteractionSolubilityTable,
                                 static_cast<GetI>(&I::getInteractionSolubilityTable),
                                 "IInteractionSolubilityTable"),
           py::arg("name"), KeepsOwner())
      .def("getInteractionSolubilityTableNames", via(&I::getInteractionSolubilityTableNames))
      .def("makeSaltSolubilityTable",
           onDemand<Salt>(&I::hasSaltSolubilityTable, static_cast<GetS>(&I::getSaltSolubilityTable),
                          &I::makeSaltSolubilityTable, "ISaltSolubilityTable"),
           py::arg("name"), KeepsOwner())
      .def("hasSaltSolubilityTable", via(&I::hasSaltSolubilityTable))
      .def("getSaltSolubilityTable",
           existing<Salt>(&I::hasSaltSolubilityTable, static_cast<GetS>(&I::getSaltSolubilityTable),
                          "ISaltSolubilityTable"),
           py::arg("name"), KeepsOwner())
      .def("getSaltSolubilityTableNames", via(&I::getSaltSolubilityTableNames));
  defineStd<StdAqueousSolubleComponent, I, std::string>(m, "StdAqueousSolubleComponent");
}

void bindTables(py::module_& m) {
  {
    using I = IBinaryInteractionCoefficients;
    classOf<I>(m, "IBinaryInteractionCoefficients")
        .def("getBIC", via(&I::getBIC))
        .def("setBIC", via(&I::setBIC))
        .def(
            "to_numpy",
            [](Ref<I>& self, int n) {
              I& bics = self.obj();
              Array out(std::vector<py::ssize_t>{n, n});
              auto v = out.mutable_unchecked<2>();
              for (int i = 0; i < n; ++i) {
                for (int j = 0; j < n; ++j) v(i, j) = bics.getBIC(i, j);
              }
              return out;
            },
            py::arg("n"), "Returns the coefficients of components 0 to n - 1 as an (n, n) array.")
        .def(
            "from_numpy",
            [](Ref<I>& self, Array const& matrix) {
              requireShape(matrix, {-1, matrix.ndim() == 2 ? matrix.shape(0) : -1}, "matrix");
              I& bics = self.obj();
              auto v = matrix.unchecked<2>();
              for (int i = 0; i < v.shape(0); ++i) {
                for (int j = i + 1; j < v.shape(1); ++j) bics.setBIC(i, j, v(i, j));
              }
            },
            py::arg("matrix"),
            "Sets k(i, j) for i < j from the upper triangle of a square array (the matrix is "
            "symmetric; a zero removes the pair).");
    defineStd<StdBinaryInteractionCoefficients, I>(m, "StdBinaryInteractionCoefficients");
  }
  {
    using I = IKValueTable;
    auto cls = classOf<I>(m, "IKValueTable");
    cls.def("getNumPressures", via(&I::getNumPressures))
        .def("setNumPressures", via(&I::setNumPressures))
        .def("getNumComponents", via(&I::getNumComponents))
        .def("setNumComponents", via(&I::setNumComponents))
        .def("getPressure", via(&I::getPressure))
        .def("setPressure", via(&I::setPressure))
        .def("getKValue", via(&I::getKValue))
        .def("setKValue", via(&I::setKValue));
    defineFlat<I>(
        cls, {&I::getNumPressures, &I::setNumPressures, &I::getNumComponents, &I::setNumComponents,
              &I::getPressure, &I::setPressure, &I::getKValue, &I::setKValue});
    using T = ITemperatureKValueTable;
    classOf<T>(m, "ITemperatureKValueTable")
        .def("getTemperature", via(&T::getTemperature))
        .def("setTemperature", via(&T::setTemperature));
    using C = ICompositionKValueTable;
    classOf<C>(m, "ICompositionKValueTable")
        .def("getComposition", via(&C::getComposition))
        .def("setComposition", via(&C::setComposition))
        .def("getNominatedComponent", via(&C::getNominatedComponent))
        .def("setNominatedComponent", via(&C::setNominatedComponent));
    defineStd<StdKValueTable<IKValueTable>, I>(m, "StdKValueTable");
    defineStd<StdTemperatureKValueTable, T>(m, "StdTemperatureKValueTable");
    defineStd<StdCompositionKValueTable, C>(m, "StdCompositionKValueTable");
  }
  {
    using I = IOilViscosityIndexTable;
    auto cls = classOf<I>(m, "IOilViscosityIndexTable");
    cls.def("getNumMolefractions", via(&I::getNumMolefractions))
        .def("setNumMolefractions", via(&I::setNumMolefractions))
        .def("getNumComponents", via(&I::getNumComponents))
        .def("setNumComponents", via(&I::setNumComponents))
        .def("getMoleFraction", via(&I::getMoleFraction))
        .def("setMoleFraction", via(&I::setMoleFraction))
        .def("getOilViscosityIndex", via(&I::getOilViscosityIndex))
        .def("setOilViscosityIndex", via(&I::setOilViscosityIndex));
    defineFlat<I>(cls, {&I::getNumMolefractions, &I::setNumMolefractions, &I::getNumComponents,
                        &I::setNumComponents, &I::getMoleFraction, &I::setMoleFraction,
                        &I::getOilViscosityIndex, &I::setOilViscosityIndex});
    defineStd<StdOilViscosityIndexTable, I>(m, "StdOilViscosityIndexTable");
  }
  {
    using I = IReaction;
    auto cls = classOf<I>(m, "IReaction");
    enumeration<I::EquilibriumReactionDirection>(
        cls, "EquilibriumReactionDirection",
        {{"Forward", I::EquilibriumReactionDirection::Forward},
         {"Backward", I::EquilibriumReactionDirection::Backward},
         {"Both", I::EquilibriumReactionDirection::Both}});
    enumeration<I::ReactingComponentPhase>(
        cls, "ReactingComponentPhase",
        {{"AllPhases", I::ReactingComponentPhase::AllPhases},
         {"Oil", I::ReactingComponentPhase::Oil},
         {"Gas", I::ReactingComponentPhase::Gas},
         {"GasPartialPressure", I::ReactingComponentPhase::GasPartialPressure},
         {"Water", I::ReactingComponentPhase::Water},
         {"NoPhase", I::ReactingComponentPhase::NoPhase}});
    cls.def("getName", via(&I::getName))
        .def("getNumComponents", via(&I::getNumComponents))
        .def("setNumComponents", via(&I::setNumComponents))
        .def("getRateConstant", via(&I::getRateConstant))
        .def("setRateConstant", via(&I::setRateConstant))
        .def("getMolarEnthalpy", via(&I::getMolarEnthalpy))
        .def("setMolarEnthalpy", via(&I::setMolarEnthalpy))
        .def("getActivationMolarEnergy", via(&I::getActivationMolarEnergy))
        .def("setActivationMolarEnergy", via(&I::setActivationMolarEnergy))
        .def("getRatePorosityOrder", via(&I::getRatePorosityOrder))
        .def("setRatePorosityOrder", via(&I::setRatePorosityOrder))
        .def("getRatePorosityOrderIsSet", via(&I::getRatePorosityOrderIsSet))
        .def("getRateComponentOrder", via(&I::getRateComponentOrder))
        .def("setRateComponentOrder", via(&I::setRateComponentOrder))
        .def("getReactingComponentPhase", via(&I::getReactingComponentPhase))
        .def("setReactingComponentPhase", via(&I::setReactingComponentPhase))
        .def("getReactingComponentPhaseAsString", via(&I::getReactingComponentPhaseAsString))
        .def("getReactantStoichiometricCoefficient", via(&I::getReactantStoichiometricCoefficient))
        .def("setReactantStoichiometricCoefficient", via(&I::setReactantStoichiometricCoefficient))
        .def("getProductStoichiometricCoefficient", via(&I::getProductStoichiometricCoefficient))
        .def("setProductStoichiometricCoefficient", via(&I::setProductStoichiometricCoefficient))
        .def("getHasEquilibriumDeviationTerms", via(&I::getHasEquilibriumDeviationTerms))
        .def("setHasEquilibriumDeviationTerms", via(&I::setHasEquilibriumDeviationTerms));
    cls.def("getEquilibriumModelType", via(&I::getEquilibriumModelType))
        .def("setEquilibriumModelType", via(&I::setEquilibriumModelType))
        .def("getEquilibriumLiquidComponentIndex", via(&I::getEquilibriumLiquidComponentIndex))
        .def("setEquilibriumLiquidComponentIndex", via(&I::setEquilibriumLiquidComponentIndex))
        .def("getEquilibriumVapourComponentIndex", via(&I::getEquilibriumVapourComponentIndex))
        .def("setEquilibriumVapourComponentIndex", via(&I::setEquilibriumVapourComponentIndex))
        .def("getEquilibriumOrder", via(&I::getEquilibriumOrder))
        .def("setEquilibriumOrder", via(&I::setEquilibriumOrder))
        .def("getEquilibriumReactionDirection", via(&I::getEquilibriumReactionDirection))
        .def("setEquilibriumReactionDirection", via(&I::setEquilibriumReactionDirection))
        .def("getEquilibriumReactionDirectionAsString",
             via(&I::getEquilibriumReactionDirectionAsString))
        .def("getEquilibriumKValueIndex", via(&I::getEquilibriumKValueIndex))
        .def("setEquilibriumKValueIndex", via(&I::setEquilibriumKValueIndex))
        .def("getEquilibriumKValueCR_A", via(&I::getEquilibriumKValueCR_A))
        .def("setEquilibriumKValueCR_A", via(&I::setEquilibriumKValueCR_A))
        .def("getEquilibriumKValueCR_B", via(&I::getEquilibriumKValueCR_B))
        .def("setEquilibriumKValueCR_B", via(&I::setEquilibriumKValueCR_B))
        .def("getEquilibriumKValueCR_C", via(&I::getEquilibriumKValueCR_C))
        .def("setEquilibriumKValueCR_C", via(&I::setEquilibriumKValueCR_C))
        .def("getEquilibriumKValueCR_D", via(&I::getEquilibriumKValueCR_D))
        .def("setEquilibriumKValueCR_D", via(&I::setEquilibriumKValueCR_D))
        .def("getEquilibriumKValueCR_E", via(&I::getEquilibriumKValueCR_E))
        .def("setEquilibriumKValueCR_E", via(&I::setEquilibriumKValueCR_E));
    defineStd<StdReaction, I, std::string>(m, "StdReaction");
  }
}

void bindModel(py::module_& m) {
  using I = ICompositionalModel;
  auto cls = classOf<I>(m, "ICompositionalModel");
  enumeration<I::EquationOfState>(
      cls, "EquationOfState",
      {{"PengRobinson", I::EquationOfState::PengRobinson},
       {"SoaveRedlichKwong", I::EquationOfState::SoaveRedlichKwong},
       {"RedlichKwong", I::EquationOfState::RedlichKwong},
       {"ZudkevitchJoffe", I::EquationOfState::ZudkevitchJoffe},
       {"PengRobinsonCorrected", I::EquationOfState::PengRobinsonCorrected}});
  enumeration<I::ViscosityModel>(cls, "ViscosityModel",
                                 {{"LohrenzBrayClark", I::ViscosityModel::LohrenzBrayClark},
                                  {"Pedersen", I::ViscosityModel::Pedersen},
                                  {"ChungLeeStarling", I::ViscosityModel::ChungLeeStarling},
                                  {"ViscosityIndexTable", I::ViscosityModel::ViscosityIndexTable}});
  // Components are followed by name (unique in a model): deleting one moves the later
  // ones down, and their Refs keep finding them.
  auto component = [](std::string const& name) {
    return [name](I& o) -> IComponent* {
      return o.hasComponent(name) ? &o.getComponent(name) : nullptr;
    };
  };
  auto aqueous = [](std::string const& name) {
    return [name](I& o) -> IAqueousSolubleComponent* {
      return o.hasAqueousSolubleComponent(name) ? &o.getComponentAsAqueousSolubleComponent(name)
                                                : nullptr;
    };
  };
  auto componentRef = [=](Ref<I>& self, IComponent const& c, bool made = false) {
    return child<IComponent>(self, component(c.getName()), named("IComponent", c.getName()), made);
  };
  auto aqueousRef = [=](Ref<I>& self, IAqueousSolubleComponent const& c) {
    std::string const name = static_cast<IComponent const&>(c).getName();
    return child<IAqueousSolubleComponent>(self, aqueous(name),
                                           named("IAqueousSolubleComponent", name));
  };
  using ByName = IComponent& (I::*)(std::string const&);
  using ByIndex = IComponent& (I::*)(int);
  using AqByName = IAqueousSolubleComponent& (I::*)(std::string const&);
  using AqByIndex = IAqueousSolubleComponent& (I::*)(int);
  auto simple = [](I& o) { return o.hasSimpleKValueTable() ? &o.getSimpleKValueTable() : nullptr; };
  auto temperature = [](std::string const& name) {
    return [name](I& o) -> ITemperatureKValueTable* {
      return o.getTemperatureKValueTableNames().count(name) ? &o.getTemperatureKValueTable(name)
                                                            : nullptr;
    };
  };
  auto composition = [](std::string const& name) {
    return [name](I& o) -> ICompositionKValueTable* {
      return o.getCompositionKValueTableNames().count(name) ? &o.getCompositionKValueTable(name)
                                                            : nullptr;
    };
  };
  auto viscosityIndex = [](I& o) { return o.getOilViscosityIndexTable(); };
  // Reactions are never deleted: the index is the key.
  auto reaction = [](unsigned long long index) {
    return [index](I& o) -> IReaction* {
      return index < o.getNumReactions() ? &o.getReaction(index) : nullptr;
    };
  };
  auto reactionLabel = [](unsigned long long i) { return "IReaction " + std::to_string(i); };

  cls.def("setEquationOfState", via(&I::setEquationOfState))
      .def("getEquationOfState", via(&I::getEquationOfState))
      .def("setViscosityModel", via(&I::setViscosityModel))
      .def("getViscosityModel", via(&I::getViscosityModel))
      .def(
          "makeComponent",
          [=](Ref<I>& self, std::string const& name, IComponent::Type type) {
            return componentRef(self, self.obj().makeComponent(name, type), true);
          },
          py::arg("name"), py::arg("type"), KeepsOwner())
      .def("getNumComponents", via(&I::getNumComponents))
      .def(
          "getComponent",
          [=](Ref<I>& self, std::string const& name) {
            return componentRef(self, (self.obj().*static_cast<ByName>(&I::getComponent))(name));
          },
          py::arg("name"), KeepsOwner())
      .def(
          "getComponent",
          [=](Ref<I>& self, int index) {
            return componentRef(self, (self.obj().*static_cast<ByIndex>(&I::getComponent))(index));
          },
          py::arg("index"), KeepsOwner())
      .def(
          "getComponentAsAqueousSolubleComponent",
          [=](Ref<I>& self, std::string const& name) {
            return aqueousRef(
                self, (self.obj().*
                       static_cast<AqByName>(&I::getComponentAsAqueousSolubleComponent))(name));
          },
          py::arg("name"), KeepsOwner())
      .def(
          "getComponentAsAqueousSolubleComponent",
          [=](Ref<I>& self, int index) {
            return aqueousRef(
                self, (self.obj().*
                       static_cast<AqByIndex>(&I::getComponentAsAqueousSolubleComponent))(index));
          },
          py::arg("index"), KeepsOwner())
      .def("hasComponent", via(&I::hasComponent))
      .def("hasAqueousSolubleComponent", via(&I::hasAqueousSolubleComponent))
      .def("getComponentIndex", via(&I::getComponentIndex))
      .def(
          "deleteComponent",
          [](Ref<I>& self, int index) {
            void const* old = identity(&self.obj().getComponent(index));
            self.obj().deleteComponent(index);
            renew(old);
          },
          py::arg("index"))
      .def("getNumAqueousSolubleComponents", via(&I::getNumAqueousSolubleComponents))
      .def(
          "getAqueousSolubleComponent",
          [=](Ref<I>& self, int index) {
            return aqueousRef(self, self.obj().getAqueousSolubleComponent(index));
          },
          py::arg("aqueousIndex"), KeepsOwner())
      .def(
          "getBICs",
          [](Ref<I>& self) {
            return child<IBinaryInteractionCoefficients>(
                self, [](I& o) { return &o.getBICs(); }, "IBinaryInteractionCoefficients");
          },
          KeepsOwner())
      .def(
          "getAqueousBICs",
          [](Ref<I>& self, int n) {
            self.obj().getAqueousBICs(n);  // raises the library's error for a bad number
            return child<IBinaryInteractionCoefficients>(
                self, [n](I& o) { return &o.getAqueousBICs(n); },
                "aqueous IBinaryInteractionCoefficients " + std::to_string(n));
          },
          py::arg("n"), KeepsOwner())
      .def("hasAnyKValueTables", via(&I::hasAnyKValueTables))
      .def(
          "makeSimpleKValueTable",
          [=](Ref<I>& self) {
            bool const made = !self.obj().hasSimpleKValueTable();
            self.obj().makeSimpleKValueTable();
            return child<IKValueTable>(self, simple, "IKValueTable", made);
          },
          KeepsOwner())
      .def("hasSimpleKValueTable", via(&I::hasSimpleKValueTable))
      .def(
          "getSimpleKValueTable",
          [=](Ref<I>& self) {
            self.obj().getSimpleKValueTable();  // raises the library's error when absent
            return child<IKValueTable>(self, simple, "IKValueTable");
          },
          KeepsOwner())
      .def(
          "makeTemperatureKValueTable",
          [=](Ref<I>& self, std::string const& name) {
            bool const made = !temperature(name)(self.obj());
            self.obj().makeTemperatureKValueTable(name);
            return child<ITemperatureKValueTable>(self, temperature(name),
                                                  named("ITemperatureKValueTable", name), made);
          },
          py::arg("name"), KeepsOwner())
      .def(
          "getTemperatureKValueTable",
          [=](Ref<I>& self, std::string const& name) {
            self.obj().getTemperatureKValueTable(name);  // raises the library's error
            return child<ITemperatureKValueTable>(self, temperature(name),
                                                  named("ITemperatureKValueTable", name));
          },
          py::arg("name"), KeepsOwner())
      .def("getTemperatureKValueTableNames", via(&I::getTemperatureKValueTableNames))
      .def(
          "makeCompositionKValueTable",
          [=](Ref<I>& self, std::string const& name) {
            bool const made = !composition(name)(self.obj());
            self.obj().makeCompositionKValueTable(name);
            return child<ICompositionKValueTable>(self, composition(name),
                                                  named("ICompositionKValueTable", name), made);
          },
          py::arg("name"), KeepsOwner())
      .def(
          "getCompositionKValueTable",
          [=](Ref<I>& self, std::string const& name) {
            self.obj().getCompositionKValueTable(name);  // raises the library's error
            return child<ICompositionKValueTable>(self, composition(name),
                                                  named("ICompositionKValueTable", name));
          },
          py::arg("name"), KeepsOwner())
      .def("getCompositionKValueTableNames", via(&I::getCompositionKValueTableNames))
      .def(
          "makeOilViscosityIndexTable",
          [=](Ref<I>& self) {
            void const* old = identity(viscosityIndex(self.obj()));
            self.obj().makeOilViscosityIndexTable();
            renew(old);
            return child<IOilViscosityIndexTable>(self, viscosityIndex, "IOilViscosityIndexTable",
                                                  true);
          },
          KeepsOwner())
      .def(
          "getOilViscosityIndexTable",
          [=](Ref<I>& self) {
            return child<IOilViscosityIndexTable>(self, viscosityIndex, "IOilViscosityIndexTable");
          },
          KeepsOwner())
      .def("deleteOilViscosityIndexTable",
           [=](Ref<I>& self) {
             void const* old = identity(viscosityIndex(self.obj()));
             self.obj().deleteOilViscosityIndexTable();
             renew(old);
           })
      .def("setOilViscosityCorrelationT1", via(&I::setOilViscosityCorrelationT1))
      .def("getOilViscosityCorrelationT1", via(&I::getOilViscosityCorrelationT1))
      .def("setOilViscosityCorrelationT2", via(&I::setOilViscosityCorrelationT2))
      .def("getOilViscosityCorrelationT2", via(&I::getOilViscosityCorrelationT2))
      .def("setSalinity", via(&I::setSalinity))
      .def("getSalinity", via(&I::getSalinity));
  cls.def("setPedersenViscosityTuningParameter1", via(&I::setPedersenViscosityTuningParameter1))
      .def("setPedersenViscosityTuningParameter2", via(&I::setPedersenViscosityTuningParameter2))
      .def("setPedersenViscosityTuningParameter3", via(&I::setPedersenViscosityTuningParameter3))
      .def("setPedersenViscosityTuningParameter4", via(&I::setPedersenViscosityTuningParameter4))
      .def("setPedersenViscosityTuningParameter5", via(&I::setPedersenViscosityTuningParameter5))
      .def("setPedersenViscosityTuningParameter6", via(&I::setPedersenViscosityTuningParameter6))
      .def("getPedersenViscosityTuningParameter1", via(&I::getPedersenViscosityTuningParameter1))
      .def("getPedersenViscosityTuningParameter2", via(&I::getPedersenViscosityTuningParameter2))
      .def("getPedersenViscosityTuningParameter3", via(&I::getPedersenViscosityTuningParameter3))
      .def("getPedersenViscosityTuningParameter4", via(&I::getPedersenViscosityTuningParameter4))
      .def("getPedersenViscosityTuningParameter5", via(&I::getPedersenViscosityTuningParameter5))
      .def("getPedersenViscosityTuningParameter6", via(&I::getPedersenViscosityTuningParameter6))
      .def("setUsesLiCorrelationLimits", via(&I::setUsesLiCorrelationLimits))
      .def("getUsesLiCorrelationLimits", via(&I::getUsesLiCorrelationLimits))
      .def("setLiCorrelationUpperLimit", via(&I::setLiCorrelationUpperLimit))
      .def("setLiCorrelationLowerLimit", via(&I::setLiCorrelationLowerLimit))
      .def("getLiCorrelationUpperLimit", via(&I::getLiCorrelationUpperLimit))
      .def("getLiCorrelationLowerLimit", via(&I::getLiCorrelationLowerLimit))
      .def("getNumReactions", via(&I::getNumReactions))
      .def(
          "makeReaction",
          [=](Ref<I>& self, std::string const& name) {
            self.obj().makeReaction(name);
            unsigned long long const i = self.obj().getNumReactions() - 1;
            return child<IReaction>(self, reaction(i), reactionLabel(i), true);
          },
          py::arg("name"), KeepsOwner())
      .def("hasReaction", via(&I::hasReaction))
      .def(
          "getReaction",
          [=](Ref<I>& self, unsigned long long index) {
            self.obj().getReaction(index);  // raises the library's error for a bad index
            return child<IReaction>(self, reaction(index), reactionLabel(index));
          },
          py::arg("index"), KeepsOwner());
  auto impl = defineStd<StdCompositionalModel, I, std::string>(m, "StdCompositionalModel");
  defaultConstructible(impl, "StdCompositionalModel");
}

}  // namespace

void bindCompositional(py::module_& m) {
  bindComponent(m);
  bindAqueous(m);
  bindSolubility(m);
  bindTables(m);
  bindModel(m);
}

}  // namespace Orv::Tess::Varnak::Python
