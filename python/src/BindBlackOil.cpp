// The black-oil model and its tables.
#include <string>

#include "Arrays.h"

namespace Orv::Tess::Varnak::Python {

namespace {

// The two-level tables as rows: iteration yields (key, entries) per saturated row, the
// entries an (m, 3) array; set_rows() takes the same and sizes the table from it. For an
// oil table the key is the gas-oil ratio and the columns are pressure, formation volume
// factor and viscosity; for a gas table the key is the pressure and the columns are
// oil-gas ratio, formation volume factor and viscosity.
template <class T>
struct TwoLevel {
  double (T::*key)(int) const;
  void (T::*setKey)(int, double);
  double (T::*first)(int, int) const;
  void (T::*setFirst)(int, int, double);
};

template <class T>
void defineTwoLevel(Class<T>& cls, TwoLevel<T> layout, char const* rowsDoc) {
  cls.def("__len__", [](Ref<T>& self) { return self.obj().getSaturatedSize(); });
  cls.def(
      "rows",
      [layout](Ref<T>& self) {
        T& table = self.obj();
        py::list rows;
        for (int s = 0; s < table.getSaturatedSize(); ++s) {
          int const m = table.getUndersaturatedSize(s);
          Array entries(std::vector<py::ssize_t>{m, 3});
          auto e = entries.mutable_unchecked<2>();
          for (int u = 0; u < m; ++u) {
            e(u, 0) = (table.*layout.first)(s, u);
            e(u, 1) = table.getFormationVolumeFactor(s, u);
            e(u, 2) = table.getViscosity(s, u);
          }
          rows.append(py::make_tuple((table.*layout.key)(s), entries));
        }
        return rows;
      },
      rowsDoc);
  cls.def("__iter__", [](py::object self) { return py::iter(self.attr("rows")()); });
  cls.def(
      "set_rows",
      [layout](Ref<T>& self, py::iterable rows) {
        std::vector<std::pair<double, Array>> given;
        for (py::handle row : rows) {
          auto pair = row.cast<py::sequence>();
          if (pair.size() != 2) throw py::value_error("each row must be a pair (key, entries)");
          Array entries = Array::ensure(pair[1]);
          if (!entries) throw py::error_already_set();
          if (entries.ndim() == 1 && entries.shape(0) == 0)
            entries = Array(std::vector<py::ssize_t>{0, 3});
          requireShape(entries, {-1, 3}, "entries");
          given.emplace_back(pair[0].cast<double>(), entries);
        }
        T& table = self.obj();
        table.setSaturatedSize(0);
        table.setSaturatedSize(static_cast<int>(given.size()));
        for (int s = 0; s < static_cast<int>(given.size()); ++s) {
          (table.*layout.setKey)(s, given[s].first);
          auto e = given[s].second.template unchecked<2>();
          table.setUndersaturatedSize(s, static_cast<int>(e.shape(0)));
          for (int u = 0; u < e.shape(0); ++u) {
            (table.*layout.setFirst)(s, u, e(u, 0));
            table.setFormationVolumeFactor(s, u, e(u, 1));
            table.setViscosity(s, u, e(u, 2));
          }
        }
      },
      py::arg("rows"),
      "Replaces every row: rows is an iterable of (key, entries), entries an (m, 3) array "
      "(m may differ from row to row). Nothing changes when a row is malformed.");
}

template <class T>
std::shared_ptr<Ref<T>> clone(Ref<T>& self) {
  std::shared_ptr<T> copy = self.obj().clone();
  typename Ref<T>::Find find = [copy] { return copy.get(); };
  return narrowed(std::move(find), copy.get(), "clone of " + self.label());
}

}  // namespace

void bindBlackOil(py::module_& m) {
  {
    using I = IOilTable;
    auto cls = classOf<I>(m, "IOilTable");
    cls.def("getSurfaceDensity", via(&I::getSurfaceDensity))
        .def("setSurfaceDensity", via(&I::setSurfaceDensity))
        .def("getSaturatedSize", via(&I::getSaturatedSize))
        .def("getUndersaturatedSize", via(&I::getUndersaturatedSize))
        .def("getGasOilRatio", via(&I::getGasOilRatio))
        .def("getPressure", via(&I::getPressure))
        .def("getFormationVolumeFactor", via(&I::getFormationVolumeFactor))
        .def("getViscosity", via(&I::getViscosity))
        .def("setSaturatedSize", via(&I::setSaturatedSize))
        .def("setUndersaturatedSize", via(&I::setUndersaturatedSize))
        .def("setGasOilRatio", via(&I::setGasOilRatio))
        .def("setPressure", via(&I::setPressure))
        .def("setFormationVolumeFactor", via(&I::setFormationVolumeFactor))
        .def("setViscosity", via(&I::setViscosity));
    cls.def("clone", &clone<I>, "Returns an independent copy of the same kind, owned by Python.");
    defineTwoLevel<I>(cls,
                      {&I::getGasOilRatio, &I::setGasOilRatio, &I::getPressure, &I::setPressure},
                      "Returns the saturated rows as a list of (gas-oil ratio, entries), entries "
                      "an (m, 3) array of pressure, formation volume factor and viscosity.");
  }
  {
    using I = ICompressibleOilTable;
    classOf<I>(m, "ICompressibleOilTable")
        .def("getCompressibility", via(&I::getCompressibility))
        .def("getViscosibility", via(&I::getViscosibility))
        .def("setCompressibility", via(&I::setCompressibility))
        .def("setViscosibility", via(&I::setViscosibility))
        .def("getMolecularWeight", via(&I::getMolecularWeight))
        .def("getSpecificHeat", via(&I::getSpecificHeat))
        .def("getTemperatureExpansionCoefficient", via(&I::getTemperatureExpansionCoefficient))
        .def("getTemperatureSquaredExpansionCoefficient",
             via(&I::getTemperatureSquaredExpansionCoefficient))
        .def("setMolecularWeight", via(&I::setMolecularWeight))
        .def("setSpecificHeat", via(&I::setSpecificHeat))
        .def("setTemperatureExpansionCoefficient", via(&I::setTemperatureExpansionCoefficient))
        .def("setTemperatureSquaredExpansionCoefficient",
             via(&I::setTemperatureSquaredExpansionCoefficient));
  }
  {
    using I = IDeadOilTable;
    classOf<I>(m, "IDeadOilTable")
        .def("getBubblePointPressure", via(&I::getBubblePointPressure))
        .def("getDissolvedGas", via(&I::getDissolvedGas))
        .def("setBubblePointPressure", via(&I::setBubblePointPressure))
        .def("setDissolvedGas", via(&I::setDissolvedGas));
  }
  {
    using I = IDeadOilConstantCompressTable;
    classOf<I>(m, "IDeadOilConstantCompressTable")
        .def("getOilCompressibility", via(&I::getOilCompressibility))
        .def("getOilViscosibility", via(&I::getOilViscosibility))
        .def("setOilCompressibility", via(&I::setOilCompressibility))
        .def("setOilViscosibility", via(&I::setOilViscosibility));
  }
  {
    using I = IGasTable;
    auto cls = classOf<I>(m, "IGasTable");
    cls.def("getSurfaceDensity", via(&I::getSurfaceDensity))
        .def("setSurfaceDensity", via(&I::setSurfaceDensity))
        .def("getSaturatedSize", via(&I::getSaturatedSize))
        .def("getUndersaturatedSize", via(&I::getUndersaturatedSize))
        .def("getPressure", via(&I::getPressure))
        .def("getOilGasRatio", via(&I::getOilGasRatio))
        .def("getFormationVolumeFactor", via(&I::getFormationVolumeFactor))
        .def("getViscosity", via(&I::getViscosity))
        .def("setSaturatedSize", via(&I::setSaturatedSize))
        .def("setUndersaturatedSize", via(&I::setUndersaturatedSize))
        .def("setPressure", via(&I::setPressure))
        .def("setOilGasRatio", via(&I::setOilGasRatio))
        .def("setFormationVolumeFactor", via(&I::setFormationVolumeFactor))
        .def("setViscosity", via(&I::setViscosity));
    cls.def("clone", &clone<I>, "Returns an independent copy of the same kind, owned by Python.");
    defineTwoLevel<I>(cls,
                      {&I::getPressure, &I::setPressure, &I::getOilGasRatio, &I::setOilGasRatio},
                      "Returns the saturated rows as a list of (pressure, entries), entries an "
                      "(m, 3) array of oil-gas ratio, formation volume factor and viscosity.");
  }
  {
    using I = IDryGasTable;
    classOf<I>(m, "IDryGasTable")
        .def("getDewPointPressure", via(&I::getDewPointPressure))
        .def("getVaporizedOil", via(&I::getVaporizedOil))
        .def("setDewPointPressure", via(&I::setDewPointPressure))
        .def("setVaporizedOil", via(&I::setVaporizedOil));
  }
  {
    using I = ISolventTable;
    auto cls = classOf<I>(m, "ISolventTable");
    cls.def("getSurfaceDensity", via(&I::getSurfaceDensity))
        .def("setSurfaceDensity", via(&I::setSurfaceDensity))
        .def("getSize", via(&I::getSize))
        .def("getPressure", via(&I::getPressure))
        .def("getFormationVolumeFactor", via(&I::getFormationVolumeFactor))
        .def("getViscosity", via(&I::getViscosity))
        .def("setSize", via(&I::setSize))
        .def("setPressure", via(&I::setPressure))
        .def("setFormationVolumeFactor", via(&I::setFormationVolumeFactor))
        .def("setViscosity", via(&I::setViscosity));
    defineColumns<I>(cls, {&I::getSize,
                           &I::setSize,
                           {{&I::getPressure, &I::setPressure},
                            {&I::getFormationVolumeFactor, &I::setFormationVolumeFactor},
                            {&I::getViscosity, &I::setViscosity}},
                           {"Pressure", "FormationVolumeFactor", "Viscosity"}});
  }
  {
    using I = IMiscibilityTable;
    auto cls = classOf<I>(m, "IMiscibilityTable");
    cls.def("getSize", via(&I::getSize))
        .def("getViscosityMixingParameter", via(&I::getViscosityMixingParameter))
        .def("getDensityMixingParameter", via(&I::getDensityMixingParameter))
        .def("getOilPressure", via(&I::getOilPressure))
        .def("getMiscibility", via(&I::getMiscibility))
        .def("setSize", via(&I::setSize))
        .def("setViscosityMixingParameter", via(&I::setViscosityMixingParameter))
        .def("setDensityMixingParameter", via(&I::setDensityMixingParameter))
        .def("setOilPressure", via(&I::setOilPressure))
        .def("setMiscibility", via(&I::setMiscibility));
    defineColumns<I>(
        cls, {&I::getSize,
              &I::setSize,
              {{&I::getOilPressure, &I::setOilPressure}, {&I::getMiscibility, &I::setMiscibility}},
              {"OilPressure", "Miscibility"}});
  }

  using M = IBlackOilModel;
  auto model = classOf<M>(m, "IBlackOilModel");
  // The tables a model holds, found again by region or as the model's only one.
  auto gas = [](M& o) { return o.getGasTable(); };
  auto oil = [](int region) { return [region](M& o) { return o.getOilTable(region); }; };
  auto solvent = [](M& o) { return o.getSolventTable(); };
  auto miscibility = [](M& o) { return o.getMiscibilityTable(); };
  auto region = [](int r) { return "IOilTable of region " + std::to_string(r); };
  // Makes a child through `make`, retires the one it replaces, and hands out the new one.
  auto replacing = [](Ref<M>& self, auto find, auto make, std::string label) {
    void const* old = identity(find(self.obj()));
    make(self.obj());
    renew(old);
    return child<std::remove_pointer_t<decltype(find(self.obj()))>>(self, find, std::move(label),
                                                                    true);
  };
  model
      .def(
          "makeGasTable",
          [=](Ref<M>& self) {
            return replacing(
                self, gas, [](M& o) { o.makeGasTable(); }, "IGasTable");
          },
          KeepsOwner())
      .def(
          "makeDryGasTable",
          [=](Ref<M>& self) {
            return replacing(
                self, gas, [](M& o) { o.makeDryGasTable(); }, "IDryGasTable");
          },
          KeepsOwner())
      .def(
          "getGasTable", [=](Ref<M>& self) { return child<IGasTable>(self, gas, "IGasTable"); },
          KeepsOwner())
      .def("deleteGasTable",
           [=](Ref<M>& self) {
             void const* old = identity(gas(self.obj()));
             self.obj().deleteGasTable();
             renew(old);
           })
      .def(
          "makeOilTable",
          [=](Ref<M>& self, int r) {
            return replacing(
                self, oil(r), [r](M& o) { o.makeOilTable(r); }, region(r));
          },
          KeepsOwner())
      .def(
          "makeCompressibleOilTable",
          [=](Ref<M>& self, int r) {
            return replacing(
                self, oil(r), [r](M& o) { o.makeCompressibleOilTable(r); }, region(r));
          },
          KeepsOwner())
      .def(
          "makeDeadOilTable",
          [=](Ref<M>& self, int r) {
            return replacing(
                self, oil(r), [r](M& o) { o.makeDeadOilTable(r); }, region(r));
          },
          KeepsOwner())
      .def(
          "makeDeadOilConstantCompressTable",
          [=](Ref<M>& self, int r) {
            return replacing(
                self, oil(r), [r](M& o) { o.makeDeadOilConstantCompressTable(r); }, region(r));
          },
          KeepsOwner())
      .def(
          "getOilTable",
          [=](Ref<M>& self, int r) { return child<IOilTable>(self, oil(r), region(r)); },
          KeepsOwner())
      .def("deleteOilTable",
           [=](Ref<M>& self, int r) {
             void const* old = identity(oil(r)(self.obj()));
             self.obj().deleteOilTable(r);
             renew(old);
           })
      .def("getNumOfOilTables", via(&M::getNumOfOilTables))
      .def(
          "makeSolventTable",
          [=](Ref<M>& self) {
            return replacing(
                self, solvent, [](M& o) { o.makeSolventTable(); }, "ISolventTable");
          },
          KeepsOwner())
      .def(
          "getSolventTable",
          [=](Ref<M>& self) { return child<ISolventTable>(self, solvent, "ISolventTable"); },
          KeepsOwner())
      .def("deleteSolventTable",
           [=](Ref<M>& self) {
             void const* old = identity(solvent(self.obj()));
             self.obj().deleteSolventTable();
             renew(old);
           })
      .def(
          "makeMiscibilityTable",
          [=](Ref<M>& self) {
            return replacing(
                self, miscibility, [](M& o) { o.makeMiscibilityTable(); }, "IMiscibilityTable");
          },
          KeepsOwner())
      .def(
          "getMiscibilityTable",
          [=](Ref<M>& self) {
            return child<IMiscibilityTable>(self, miscibility, "IMiscibilityTable");
          },
          KeepsOwner())
      .def("deleteMiscibilityTable",
           [=](Ref<M>& self) {
             void const* old = identity(miscibility(self.obj()));
             self.obj().deleteMiscibilityTable();
             renew(old);
           })
      .def("gasDensity", via(static_cast<void (M::*)(double)>(&M::gasDensity)))
      .def("gasDensity", via(static_cast<double (M::*)() const>(&M::gasDensity)))
      .def("oilDensity", via(static_cast<void (M::*)(double)>(&M::oilDensity)))
      .def("oilDensity", via(static_cast<double (M::*)() const>(&M::oilDensity)));

  defineStd<StdOilTable, IOilTable>(m, "StdOilTable");
  defineStd<StdCompressibleOilTable, ICompressibleOilTable>(m, "StdCompressibleOilTable");
  defineStd<StdDeadOilTable, IDeadOilTable>(m, "StdDeadOilTable");
  defineStd<StdDeadOilConstantCompressTable, IDeadOilConstantCompressTable>(
      m, "StdDeadOilConstantCompressTable");
  defineStd<StdGasTable, IGasTable>(m, "StdGasTable");
  defineStd<StdDryGasTable, IDryGasTable>(m, "StdDryGasTable");
  defineStd<StdSolventTable, ISolventTable>(m, "StdSolventTable");
  defineStd<StdMisciblityTable, IMiscibilityTable>(m, "StdMisciblityTable");
  auto impl = defineStd<StdBlackOilModel, IBlackOilModel, std::string>(m, "StdBlackOilModel");
  defaultConstructible(impl, "StdBlackOilModel");
}

}  // namespace Orv::Tess::Varnak::Python
