// The registry, the common part of the fluid models, and the surface models it holds:
// separators, tracers and tracking.
#include <string>

#include "Arrays.h"

namespace Orv::Tess::Varnak::Python {

namespace {

std::string quoted(char const* kind, std::string const& name) {
  return std::string(kind) + " '" + name + "'";
}

// The object a find returns, destroyed by `erase`, retired so that no Ref reaches another
// object made at its address.
template <class T, class Find, class Erase>
void erase(Ref<T>& self, Find find, Erase erase) {
  void const* old = identity(find(self.obj()));
  erase(self.obj());
  renew(old);
}

void bindFluidModels(py::module_& m) {
  using I = IFluidModels;
  auto cls = classOf<I>(m, "IFluidModels");
  auto model = [](std::string const& name) {
    return [name](I& r) -> IFluidModel* {
      return r.getFluidModelNames().count(name) ? &r.getFluidModel(name) : nullptr;
    };
  };
  auto blackOil = [model](std::string const& name) {
    return [find = model(name)](I& r) { return dynamic_cast<IBlackOilModel*>(find(r)); };
  };
  auto compositional = [model](std::string const& name) {
    return [find = model(name)](I& r) { return dynamic_cast<ICompositionalModel*>(find(r)); };
  };
  // A separator model is followed by identity among the versions of its name: deleting
  // an older version moves it down by one, and its Ref keeps finding it.
  auto separator = [](std::string const& name, ISeparatorModel* object) {
    void const* id = identity(object);
    return [name, id](I& r) -> ISeparatorModel* {
      for (std::size_t v = 0; v < r.getNumSeparatorModelVersions(name); ++v) {
        if (identity(&r.getSeparatorModel(name, v)) == id) return &r.getSeparatorModel(name, v);
      }
      return nullptr;
    };
  };
  auto separatorRef = [separator](Ref<I>& self, ISeparatorModel& object, bool made) {
    std::string const name = object.getName();
    return child<ISeparatorModel>(self, separator(name, &object), quoted("ISeparatorModel", name),
                                  made);
  };
  auto tracer = [](std::string const& name) {
    return [name](I& r) -> ITracerModel* {
      return r.getTracerModelNames().count(name) ? &r.getTracerModel(name) : nullptr;
    };
  };
  auto tracking = [](I& r) { return r.getTrackingModel(); };

  cls.def(
         "makeBlackOilModel",
         [=](Ref<I>& self, std::string const& name, bool makeUnique) {
           bool const made = makeUnique || !self.obj().getFluidModelNames().count(name);
           std::string const actual = self.obj().makeBlackOilModel(name, makeUnique).getName();
           return child<IBlackOilModel>(self, blackOil(actual), quoted("IBlackOilModel", actual),
                                        made);
         },
         py::arg("name"), py::arg("makeUnique"), KeepsOwner())
      .def(
          "makeCompositionalModel",
          [=](Ref<I>& self, std::string const& name, bool makeUnique) {
            bool const made = makeUnique || !self.obj().getFluidModelNames().count(name);
            std::string const actual =
                self.obj().makeCompositionalModel(name, makeUnique).getName();
            return child<ICompositionalModel>(self, compositional(actual),
                                              quoted("ICompositionalModel", actual), made);
          },
          py::arg("name"), py::arg("makeUnique"), KeepsOwner())
      .def(
          "getFluidModel",
          [=](Ref<I>& self, std::string const& name) {
            self.obj().getFluidModel(name);  // raises the library's error for a missing name
            return child<IFluidModel>(self, model(name), quoted("IFluidModel", name));
          },
          py::arg("name"), KeepsOwner())
      .def(
          "deleteFluidModel",
          [=](Ref<I>& self, std::string const& name) {
            erase(self, model(name), [&](I& r) { r.deleteFluidModel(name); });
          },
          py::arg("name"))
      .def("getFluidModelNames", via(&I::getFluidModelNames))
      .def(
          "makeSeparatorModel",
          [=](Ref<I>& self, Ref<ISeparatorModel>& model) {
            return separatorRef(self, self.obj().makeSeparatorModel(model.obj()), true);
          },
          py::arg("model"), KeepsOwner())
      .def(
          "makeSeparatorModel",
          [=](Ref<I>& self, std::string const& name) {
            return separatorRef(self, self.obj().makeSeparatorModel(name), true);
          },
          py::arg("name"), KeepsOwner())
      .def(
          "getSeparatorModel",
          [=](Ref<I>& self, std::string const& name, std::size_t version) {
            return separatorRef(self, self.obj().getSeparatorModel(name, version), false);
          },
          py::arg("name"), py::arg("version"), KeepsOwner())
      .def(
          "deleteSeparatorModel",
          [](Ref<I>& self, std::string const& name, std::size_t version) {
            void const* old = identity(&self.obj().getSeparatorModel(name, version));
            self.obj().deleteSeparatorModel(name, version);
            renew(old);
          },
          py::arg("name"), py::arg("version"))
      .def("getSeparatorModelNames", via(&I::getSeparatorModelNames))
      .def("hasSeparatorModel", via(&I::hasSeparatorModel))
      .def("getNumSeparatorModelVersions", via(&I::getNumSeparatorModelVersions))
      .def(
          "makeTracerModel",
          [=](Ref<I>& self, std::string const& name) {
            void const* old = identity(tracer(name)(self.obj()));
            self.obj().makeTracerModel(name);
            renew(old);
            return child<ITracerModel>(self, tracer(name), quoted("ITracerModel", name), true);
          },
          py::arg("name"), KeepsOwner())
      .def(
          "getTracerModel",
          [=](Ref<I>& self, std::string const& name) {
            self.obj().getTracerModel(name);  // raises the library's error for a missing name
            return child<ITracerModel>(self, tracer(name), quoted("ITracerModel", name));
          },
          py::arg("name"), KeepsOwner())
      .def(
          "deleteTracerModel",
          [=](Ref<I>& self, std::string const& name) {
            erase(self, tracer(name), [&](I& r) { r.deleteTracerModel(name); });
          },
          py::arg("name"))
      .def("getTracerModelNames", via(&I::getTracerModelNames))
      .def(
          "makeTrackingModel",
          [=](Ref<I>& self) {
            void const* old = identity(tracking(self.obj()));
            self.obj().makeTrackingModel();
            renew(old);
            return child<ITrackingModel>(self, tracking, "ITrackingModel", true);
          },
          KeepsOwner())
      .def(
          "getTrackingModel",
          [=](Ref<I>& self) { return child<ITrackingModel>(self, tracking, "ITrackingModel"); },
          KeepsOwner())
      .def("deleteTrackingModel",
           [=](Ref<I>& self) { erase(self, tracking, [](I& r) { r.deleteTrackingModel(); }); });
  defineStd<StdFluidModels, IFluidModels>(m, "StdFluidModels");
}

void bindFluidModel(py::module_& m) {
  using I = IFluidModel;
  auto cls = classOf<I>(m, "IFluidModel");
  enumeration<I::TemperatureTableProperty>(
      cls, "TemperatureTableProperty",
      {{"OilViscosity", I::TemperatureTableProperty::OilViscosity},
       {"GasViscosity", I::TemperatureTableProperty::GasViscosity},
       {"WaterViscosity", I::TemperatureTableProperty::WaterViscosity},
       {"OilSpecificHeat", I::TemperatureTableProperty::OilSpecificHeat},
       {"GasSpecificHeat", I::TemperatureTableProperty::GasSpecificHeat},
       {"WaterSpecificHeat", I::TemperatureTableProperty::WaterSpecificHeat},
       {"VaporPressure", I::TemperatureTableProperty::VaporPressure}});
  using Property = I::TemperatureTableProperty;
  auto water = [](I& o) { return o.getWaterProperties(); };
  auto initial = [](std::string const& name) {
    return [name](I& o) -> IInitialCondition* {
      return o.getInitialConditionNames().count(name) ? &o.getInitialCondition(name) : nullptr;
    };
  };
  auto temperature = [](Property p) {
    return [p](I& o) -> ITemperatureTable* {
      I const& model = o;
      return o.hasTemperatureTable(p)
                 ? &const_cast<ITemperatureTable&>(model.getTemperatureTable(p))
                 : nullptr;
    };
  };
  cls.def("getName", via(&I::getName))
      .def(
          "makeWaterProperties",
          [=](Ref<I>& self) {
            void const* old = identity(water(self.obj()));
            self.obj().makeWaterProperties();
            renew(old);
            return child<IWaterProperties>(self, water, "IWaterProperties", true);
          },
          KeepsOwner())
      .def(
          "getWaterProperties",
          [=](Ref<I>& self) { return child<IWaterProperties>(self, water, "IWaterProperties"); },
          KeepsOwner())
      .def("deleteWaterProperties",
           [=](Ref<I>& self) { erase(self, water, [](I& o) { o.deleteWaterProperties(); }); })
      .def(
          "makeInitialCondition",
          [=](Ref<I>& self, std::string const& name) {
            std::string const actual = self.obj().makeInitialCondition(name).getName();
            return child<IInitialCondition>(self, initial(actual),
                                            quoted("IInitialCondition", actual), true);
          },
          py::arg("name"), KeepsOwner())
      .def(
          "getInitialCondition",
          [=](Ref<I>& self, std::string const& name) {
            self.obj().getInitialCondition(name);  // raises the library's error for a missing name
            return child<IInitialCondition>(self, initial(name), quoted("IInitialCondition", name));
          },
          py::arg("name"), KeepsOwner())
      .def(
          "deleteInitialCondition",
          [=](Ref<I>& self, std::string const& name) {
            erase(self, initial(name), [&](I& o) { o.deleteInitialCondition(name); });
          },
          py::arg("name"))
      .def("getInitialConditionNames", via(&I::getInitialConditionNames))
      .def("hasTemperatureTable", via(&I::hasTemperatureTable))
      .def(
          "getTemperatureTable",
          [=](Ref<I>& self, Property p) {
            bool const made = !self.obj().hasTemperatureTable(p);
            self.obj().getTemperatureTable(p);
            return child<ITemperatureTable>(
                self, temperature(p), "ITemperatureTable " + std::to_string(static_cast<int>(p)),
                made);
          },
          py::arg("property"), KeepsOwner())
      .def(
          "deleteTemperatureTable",
          [=](Ref<I>& self, Property p) {
            erase(self, temperature(p), [p](I& o) { o.deleteTemperatureTable(p); });
          },
          py::arg("property"));
}

void bindSurface(py::module_& m) {
  {
    using I = ISeparatorStage;
    classOf<I>(m, "ISeparatorStage")
        .def("getStageIndex", via(&I::getStageIndex))
        .def("getTemperature", via(&I::getTemperature))
        .def("getPressure", via(&I::getPressure))
        .def("getLiquidDestinationStageIndex", via(&I::getLiquidDestinationStageIndex))
        .def("getVapourDestinationStageIndex", via(&I::getVapourDestinationStageIndex))
        .def("getKvalueTableNumber", via(&I::getKvalueTableNumber))
        .def("getGasPlantTableNumber", via(&I::getGasPlantTableNumber))
        .def("getSurfaceEOSNumber", via(&I::getSurfaceEOSNumber))
        .def("getTemperatureForNGLdensity", via(&I::getTemperatureForNGLdensity))
        .def("getPressureForNGLdensity", via(&I::getPressureForNGLdensity))
        .def("setStageIndex", via(&I::setStageIndex))
        .def("setTemperature", via(&I::setTemperature))
        .def("setPressure", via(&I::setPressure))
        .def("setLiquidDestinationStageIndex", via(&I::setLiquidDestinationStageIndex))
        .def("setVapourDestinationStageIndex", via(&I::setVapourDestinationStageIndex))
        .def("setKvalueTableNumber", via(&I::setKvalueTableNumber))
        .def("setGasPlantTableNumber", via(&I::setGasPlantTableNumber))
        .def("setSurfaceEOSNumber", via(&I::setSurfaceEOSNumber))
        .def("setTemperatureForNGLdensity", via(&I::setTemperatureForNGLdensity))
        .def("setPressureForNGLdensity", via(&I::setPressureForNGLdensity))
        .def("setIsLastStage", via(&I::setIsLastStage))
        .def("__eq__", [](Ref<I>& a, Ref<I>& b) { return a.obj() == b.obj(); });
    auto impl = defineStd<StdSeparatorStage, I, int>(m, "StdSeparatorStage");
    defaultConstructible(impl, "StdSeparatorStage");
  }
  {
    using I = ISeparatorModel;
    // A stage Ref stands for its place in the train, as getStage(k) does: stages move in
    // memory when the train grows, so no stage address outlives a makeStage.
    auto stage = [](int k) {
      return [k](I& o) -> ISeparatorStage* {
        return k >= 1 && k <= o.getNumStages() ? &o.getStage(k) : nullptr;
      };
    };
    auto label = [](int k) { return "ISeparatorStage " + std::to_string(k); };
    classOf<I>(m, "ISeparatorModel")
        .def("getName", via(&I::getName))
        .def("getNumStages", via(&I::getNumStages))
        .def(
            "makeStage",
            [=](Ref<I>& self) {
              self.obj().makeStage();
              int const k = self.obj().getNumStages();
              return child<ISeparatorStage>(self, stage(k), label(k), true, false);
            },
            KeepsOwner())
        .def(
            "getStage",
            [=](Ref<I>& self, int k) {
              self.obj().getStage(k);  // raises the library's error for a bad number
              return child<ISeparatorStage>(self, stage(k), label(k), false, false);
            },
            py::arg("k"), KeepsOwner())
        .def("deleteStage", via(&I::deleteStage))
        .def("setGroupName", via(&I::setGroupName))
        .def("getGroupName", via(&I::getGroupName))
        .def("__eq__", [](Ref<I>& a, Ref<I>& b) { return a.obj() == b.obj(); });
    auto impl = defineStd<StdSeparatorModel, I, std::string>(m, "StdSeparatorModel");
    defaultConstructible(impl, "StdSeparatorModel");
  }
  {
    using I = ITracerDepthTable;
    auto cls = classOf<I>(m, "ITracerDepthTable");
    cls.def("getNumDepths", via(&I::getNumDepths))
        .def("setNumDepths", via(&I::setNumDepths))
        .def("getDepth", via(&I::getDepth))
        .def("setDepth", via(&I::setDepth))
        .def("getConcentration", via(&I::getConcentration))
        .def("setConcentration", via(&I::setConcentration));
    defineColumns<I>(cls,
                     {&I::getNumDepths,
                      &I::setNumDepths,
                      {{&I::getDepth, &I::setDepth}, {&I::getConcentration, &I::setConcentration}},
                      {"Depth", "Concentration"}});
    defineStd<StdTracerDepthTable, I>(m, "StdTracerDepthTable");
  }
  {
    using I = ITracerModel;
    using Type = I::DepthTableType;
    auto cls = classOf<I>(m, "ITracerModel");
    enumeration<Type>(cls, "DepthTableType",
                      {{"FreePhaseConcentration", Type::FreePhaseConcentration},
                       {"SolutionPhaseConcentration", Type::SolutionPhaseConcentration}});
    auto table = [](Type type, int region) {
      return [type, region](I& o) { return o.getDepthTable(type, region); };
    };
    auto label = [](Type type, int region) {
      return "ITracerDepthTable " + std::to_string(static_cast<int>(type)) + " of region " +
             std::to_string(region);
    };
    cls.def("getName", via(&I::getName))
        .def("getComponentName", via(&I::getComponentName))
        .def("setComponentName", via(&I::setComponentName))
        .def(
            "makeDepthTable",
            [=](Ref<I>& self, Type type, int region) {
              void const* old = identity(table(type, region)(self.obj()));
              self.obj().makeDepthTable(type, region);
              renew(old);
              return child<ITracerDepthTable>(self, table(type, region), label(type, region), true);
            },
            py::arg("type"), py::arg("region"), KeepsOwner())
        .def(
            "getDepthTable",
            [=](Ref<I>& self, Type type, int region) {
              return child<ITracerDepthTable>(self, table(type, region), label(type, region));
            },
            py::arg("type"), py::arg("region"), KeepsOwner())
        .def(
            "deleteDepthTable",
            [=](Ref<I>& self, Type type, int region) {
              erase(self, table(type, region), [=](I& o) { o.deleteDepthTable(type, region); });
            },
            py::arg("type"), py::arg("region"))
        .def("getNumOfDepthTables", via(&I::getNumOfDepthTables))
        .def("getNumOfDepthTablesOfType", via(&I::getNumOfDepthTablesOfType))
        .def("hasDepthTablesOfType", via(&I::hasDepthTablesOfType));
    auto impl = defineStd<StdTracerModel, I, std::string>(m, "StdTracerModel");
    defaultConstructible(impl, "StdTracerModel");
  }
  {
    using I = ITrackingModel;
    classOf<I>(m, "ITrackingModel")
        .def("getHasGOCTracking", via(&I::getHasGOCTracking))
        .def("setHasGOCTracking", via(&I::setHasGOCTracking))
        .def("getHasDEPTHTracking", via(&I::getHasDEPTHTracking))
        .def("setHasDEPTHTracking", via(&I::setHasDEPTHTracking))
        .def("getHasREGIONTracking", via(&I::getHasREGIONTracking))
        .def("setHasREGIONTracking", via(&I::setHasREGIONTracking))
        .def("getTrackingDepth", via(&I::getTrackingDepth))
        .def("setTrackingDepth", via(&I::setTrackingDepth))
        .def("getNormalizeOutput", via(&I::getNormalizeOutput))
        .def("setNormalizeOutput", via(&I::setNormalizeOutput))
        .def("getTrackAllComponents", via(&I::getTrackAllComponents))
        .def("setTrackAllComponents", via(&I::setTrackAllComponents))
        .def("getTrackedComponentNames", via(&I::getTrackedComponentNames))
        .def("setTrackedComponentNames", via(&I::setTrackedComponentNames));
    defineStd<StdTrackingModel, I>(m, "StdTrackingModel");
  }
}

}  // namespace

void bindRegistry(py::module_& m) {
  bindFluidModel(m);
  bindSurface(m);
  bindFluidModels(m);
}

}  // namespace Orv::Tess::Varnak::Python
