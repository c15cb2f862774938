// Water and brine, initial conditions with their depth tables, and temperature tables.
#include <string>

#include "Arrays.h"

namespace Orv::Tess::Varnak::Python {

namespace {

void bindWater(py::module_& m) {
  {
    using I = IBrineComponent;
    using Salt = I::SaltMoleculeType;
    auto cls = classOf<I>(m, "IBrineComponent");
    enumeration<Salt>(cls, "SaltMoleculeType",
                      {{"NACL", Salt::NACL},
                       {"KCL", Salt::KCL},
                       {"CACL2", Salt::CACL2},
                       {"MGCL2", Salt::MGCL2},
                       {"NA2CO3", Salt::NA2CO3},
                       {"K2CO3", Salt::K2CO3},
                       {"CACO3", Salt::CACO3},
                       {"MGCO3", Salt::MGCO3},
                       {"NA2SO4", Salt::NA2SO4},
                       {"K2SO4", Salt::K2SO4},
                       {"CASO4", Salt::CASO4},
                       {"MGSO4", Salt::MGSO4}});
    cls.def("getName", via(&I::getName))
        .def("getSaltMoleculeType", via(&I::getSaltMoleculeType))
        .def("setSaltMoleculeType", via(&I::setSaltMoleculeType));
    defineStd<StdBrineComponent, I, Salt>(m, "StdBrineComponent");
  }
  {
    using I = IBrinePropertyTable;
    auto cls = classOf<I>(m, "IBrinePropertyTable");
    cls.def("setTableSize", via(&I::setTableSize))
        .def("getTableSize", via(&I::getTableSize))
        .def("setReferencePressure", via(&I::setReferencePressure))
        .def("getReferencePressure", via(&I::getReferencePressure))
        .def("setReferenceSaltConcentration", via(&I::setReferenceSaltConcentration))
        .def("getReferenceSaltConcentration", via(&I::getReferenceSaltConcentration))
        .def("setSaltConcentration", via(&I::setSaltConcentration))
        .def("getSaltConcentration", via(&I::getSaltConcentration))
        .def("setBrineSurfaceDensity", via(&I::setBrineSurfaceDensity))
        .def("getBrineSurfaceDensity", via(&I::getBrineSurfaceDensity))
        .def("setFormationVolumeFactor", via(&I::setFormationVolumeFactor))
        .def("getFormationVolumeFactor", via(&I::getFormationVolumeFactor))
        .def("setCompressibility", via(&I::setCompressibility))
        .def("getCompressibility", via(&I::getCompressibility))
        .def("setViscosity", via(&I::setViscosity))
        .def("getViscosity", via(&I::getViscosity))
        .def("setViscosibility", via(&I::setViscosibility))
        .def("getViscosibility", via(&I::getViscosibility));
    defineColumns<I>(cls, {&I::getTableSize,
                           &I::setTableSize,
                           {{&I::getSaltConcentration, &I::setSaltConcentration},
                            {&I::getBrineSurfaceDensity, &I::setBrineSurfaceDensity},
                            {&I::getFormationVolumeFactor, &I::setFormationVolumeFactor},
                            {&I::getCompressibility, &I::setCompressibility},
                            {&I::getViscosity, &I::setViscosity},
                            {&I::getViscosibility, &I::setViscosibility}},
                           {"SaltConcentration", "BrineSurfaceDensity", "FormationVolumeFactor",
                            "Compressibility", "Viscosity", "Viscosibility"}});
    defineStd<StdBrinePropertyTable, I>(m, "StdBrinePropertyTable");
  }
  using I = IWaterProperties;
  auto cls = classOf<I>(m, "IWaterProperties");
  // Brine components are never removed and keep their place: the index is the key.
  auto brine = [](int index) {
    return [index](I& w) -> IBrineComponent* {
      return index >= 0 && index < w.getNumBrineComponents() ? &w.getBrineComponent(index)
                                                             : nullptr;
    };
  };
  auto brineRef = [=](Ref<I>& self, IBrineComponent& found, bool made) {
    for (int i = 0;; ++i) {
      if (&self.obj().getBrineComponent(i) == &found) {
        return child<IBrineComponent>(self, brine(i), "IBrineComponent " + std::to_string(i), made);
      }
    }
  };
  auto table = [](I& w) { return w.getBrinePropertyTable(); };
  using ByName = IBrineComponent& (I::*)(std::string const&);
  using ByIndex = IBrineComponent& (I::*)(int);
  cls.def("getSurfaceDensity", via(&I::getSurfaceDensity))
      .def("setSurfaceDensity", via(&I::setSurfaceDensity))
      .def("setPressure", via(&I::setPressure))
      .def("getPressure", via(&I::getPressure))
      .def("setFormationVolumeFactor", via(&I::setFormationVolumeFactor))
      .def("getFormationVolumeFactor", via(&I::getFormationVolumeFactor))
      .def("setCompressibility", via(&I::setCompressibility))
      .def("getCompressibility", via(&I::getCompressibility))
      .def("setViscosity", via(&I::setViscosity))
      .def("getViscosity", via(&I::getViscosity))
      .def("setViscosibility", via(&I::setViscosibility))
      .def("getViscosibility", via(&I::getViscosibility))
      .def("setKValueCoefficientA", via(&I::setKValueCoefficientA))
      .def("getKValueCoefficientA", via(&I::getKValueCoefficientA))
      .def("setKValueCoefficientB", via(&I::setKValueCoefficientB))
      .def("getKValueCoefficientB", via(&I::getKValueCoefficientB))
      .def("setKValueCoefficientC", via(&I::setKValueCoefficientC))
      .def("getKValueCoefficientC", via(&I::getKValueCoefficientC))
      .def("setKValueCoefficientD", via(&I::setKValueCoefficientD))
      .def("getKValueCoefficientD", via(&I::getKValueCoefficientD))
      .def("setKValueCoefficientE", via(&I::setKValueCoefficientE))
      .def("getKValueCoefficientE", via(&I::getKValueCoefficientE))
      .def("setReferenceTemperature", via(&I::setReferenceTemperature))
      .def("getReferenceTemperature", via(&I::getReferenceTemperature))
      .def("setThermalExpansionCoefficient1", via(&I::setThermalExpansionCoefficient1))
      .def("getThermalExpansionCoefficient1", via(&I::getThermalExpansionCoefficient1))
      .def("setThermalExpansionCoefficient2", via(&I::setThermalExpansionCoefficient2))
      .def("getThermalExpansionCoefficient2", via(&I::getThermalExpansionCoefficient2))
      .def(
          "makeBrineComponent",
          [=](Ref<I>& self, IBrineComponent::SaltMoleculeType type) {
            return brineRef(self, self.obj().makeBrineComponent(type), true);
          },
          py::arg("type"), KeepsOwner())
      .def("getNumBrineComponents", via(&I::getNumBrineComponents))
      .def(
          "getBrineComponent",
          [=](Ref<I>& self, std::string const& name) {
            return brineRef(self, (self.obj().*static_cast<ByName>(&I::getBrineComponent))(name),
                            false);
          },
          py::arg("name"), KeepsOwner())
      .def(
          "getBrineComponent",
          [=](Ref<I>& self, int index) {
            (self.obj().*static_cast<ByIndex>(&I::getBrineComponent))(index);  // checks index
            return child<IBrineComponent>(self, brine(index),
                                          "IBrineComponent " + std::to_string(index));
          },
          py::arg("index"), KeepsOwner())
      .def("hasBrineComponent", via(&I::hasBrineComponent))
      .def(
          "makeBrinePropertyTable",
          [=](Ref<I>& self) {
            void const* old = identity(table(self.obj()));
            self.obj().makeBrinePropertyTable();
            renew(old);
            return child<IBrinePropertyTable>(self, table, "IBrinePropertyTable", true);
          },
          KeepsOwner())
      .def(
          "getBrinePropertyTable",
          [=](Ref<I>& self) {
            return child<IBrinePropertyTable>(self, table, "IBrinePropertyTable");
          },
          KeepsOwner())
      .def("deleteBrinePropertyTable", [=](Ref<I>& self) {
        void const* old = identity(table(self.obj()));
        self.obj().deleteBrinePropertyTable();
        renew(old);
      });
  defineStd<StdWaterProperties, I>(m, "StdWaterProperties");
}

void bindInitial(py::module_& m) {
  {
    using I = IDepthTable;
    auto cls = classOf<I>(m, "IDepthTable");
    cls.def("getNumDepths", via(&I::getNumDepths))
        .def("setNumDepths", via(&I::setNumDepths))
        .def("getNumComponents", via(&I::getNumComponents))
        .def("setNumComponents", via(&I::setNumComponents))
        .def("getDepth", via(&I::getDepth))
        .def("setDepth", via(&I::setDepth))
        .def("getProperty", via(&I::getProperty))
        .def("setProperty", via(&I::setProperty));
    defineFlat<I>(cls,
                  {&I::getNumDepths, &I::setNumDepths, &I::getNumComponents, &I::setNumComponents,
                   &I::getDepth, &I::setDepth, &I::getProperty, &I::setProperty});
    defineStd<StdDepthTable, I>(m, "StdDepthTable");
  }
  {
    using I = ITemperatureTable;
    auto cls = classOf<I>(m, "ITemperatureTable");
    cls.def("getNumTemperatures", via(&I::getNumTemperatures))
        .def("setNumTemperatures", via(&I::setNumTemperatures))
        .def("getNumComponents", via(&I::getNumComponents))
        .def("setNumComponents", via(&I::setNumComponents))
        .def("getTemperature", via(&I::getTemperature))
        .def("setTemperature", via(&I::setTemperature))
        .def("getProperty", via(&I::getProperty))
        .def("setProperty", via(&I::setProperty));
    defineFlat<I>(cls, {&I::getNumTemperatures, &I::setNumTemperatures, &I::getNumComponents,
                        &I::setNumComponents, &I::getTemperature, &I::setTemperature,
                        &I::getProperty, &I::setProperty});
    defineStd<StdTemperatureTable, I>(m, "StdTemperatureTable");
  }
  using I = IInitialCondition;
  using Property = I::Property;
  auto cls = classOf<I>(m, "IInitialCondition");
  enumeration<Property>(cls, "Property",
                        {{"SolutionGasOilRatio", Property::SolutionGasOilRatio},
                         {"VaporizedOilGasRatio", Property::VaporizedOilGasRatio},
                         {"BubblePointPressure", Property::BubblePointPressure},
                         {"DewPointPressure", Property::DewPointPressure},
                         {"Temperature", Property::Temperature},
                         {"OverallComposition", Property::OverallComposition},
                         {"OilComposition", Property::OilComposition},
                         {"GasComposition", Property::GasComposition},
                         {"SaltConcentration", Property::SaltConcentration},
                         {"OilApiGravity", Property::OilApiGravity},
                         {"WaterSaturation", Property::WaterSaturation},
                         {"Pressure", Property::Pressure}});
  auto depth = [](Property p) {
    return [p](I& ic) -> IDepthTable* {
      I const& condition = ic;
      return ic.hasDepthTable(p) ? &const_cast<IDepthTable&>(condition.getDepthTable(p)) : nullptr;
    };
  };
  cls.def("getName", via(&I::getName))
      .def("getDatumDepth", via(&I::getDatumDepth))
      .def("setDatumDepth", via(&I::setDatumDepth))
      .def("getDatumPressure", via(&I::getDatumPressure))
      .def("setDatumPressure", via(&I::setDatumPressure))
      .def("getGasOilContactDepth", via(&I::getGasOilContactDepth))
      .def("setGasOilContactDepth", via(&I::setGasOilContactDepth))
      .def("getGasOilContactCapillaryPressure", via(&I::getGasOilContactCapillaryPressure))
      .def("setGasOilContactCapillaryPressure", via(&I::setGasOilContactCapillaryPressure))
      .def("getWaterContactDepth", via(&I::getWaterContactDepth))
      .def("setWaterContactDepth", via(&I::setWaterContactDepth))
      .def("getWaterContactCapillaryPressure", via(&I::getWaterContactCapillaryPressure))
      .def("setWaterContactCapillaryPressure", via(&I::setWaterContactCapillaryPressure))
      .def("hasDepthTable", via(&I::hasDepthTable))
      .def(
          "getDepthTable",
          [=](Ref<I>& self, Property p) {
            bool const made = !self.obj().hasDepthTable(p);
            self.obj().getDepthTable(p);
            return child<IDepthTable>(self, depth(p),
                                      "IDepthTable " + std::to_string(static_cast<int>(p)), made);
          },
          py::arg("property"), KeepsOwner())
      .def(
          "deleteDepthTable",
          [=](Ref<I>& self, Property p) {
            void const* old = identity(depth(p)(self.obj()));
            self.obj().deleteDepthTable(p);
            renew(old);
          },
          py::arg("property"));
  auto impl = defineStd<StdInitialCondition, I, std::string>(m, "StdInitialCondition");
  defaultConstructible(impl, "StdInitialCondition");
}

}  // namespace

void bindWaterAndInitial(py::module_& m) {
  bindWater(m);
  bindInitial(m);
}

}  // namespace Orv::Tess::Varnak::Python
