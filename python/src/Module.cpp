// The extension module orv_tess_varnak._core: the exception mapping, the free functions
// (analysis, depth-table operations, the copy family, library properties), the deck
// import where it is built, and the order in which the interfaces are bound.
#include <cmath>
#include <limits>
#include <string>

#include "Arrays.h"

#ifdef ORV_TESS_VARNAK_PYTHON_DECK
#include "Orv/Tess/Varnak/Deck/DeckImport.h"
#endif

namespace Orv::Tess::Varnak::Python {

void requireShape(Array const& array, std::vector<py::ssize_t> const& shape, char const* what) {
  bool fits = array.ndim() == static_cast<py::ssize_t>(shape.size());
  for (std::size_t d = 0; fits && d < shape.size(); ++d) {
    fits = shape[d] < 0 || array.shape(static_cast<py::ssize_t>(d)) == shape[d];
  }
  if (fits) return;
  auto text = [](auto const& extents, std::size_t n, auto extent) {
    std::string out = "(";
    for (std::size_t d = 0; d < n; ++d) {
      if (d) out += ", ";
      out += extent(extents, d);
    }
    return out + (n == 1 ? ",)" : ")");
  };
  std::string const wanted = text(shape, shape.size(), [](auto const& s, std::size_t d) {
    return s[d] < 0 ? std::string("n") : std::to_string(s[d]);
  });
  std::string const given =
      text(array, static_cast<std::size_t>(array.ndim()), [](auto const& a, std::size_t d) {
        return std::to_string(a.shape(static_cast<py::ssize_t>(d)));
      });
  throw py::value_error(std::string(what) + " must have shape " + wanted + ", not " + given);
}

namespace {

void bindAnalysis(py::module_& m) {
  m.def(
      "isDeadOil",
      [](Ref<IOilTable>& table) -> py::tuple {
        double dissolvedGas = 0.0;
        double bubblePoint = 0.0;
        bool const dead = isDeadOil(table.obj(), &dissolvedGas, &bubblePoint);
        return py::make_tuple(dead, dead ? py::cast(dissolvedGas) : py::none(), bubblePoint);
      },
      py::arg("table"),
      "Returns (dead, dissolvedGas, bubblePoint): whether every row has the gas-oil ratio of "
      "row 0; dissolvedGas is that ratio (None when not dead), bubblePoint the first pressure "
      "of row 0 (0.0 without rows).");
  m.def(
      "isDryGas",
      [](Ref<IGasTable>& table) -> py::tuple {
        double vaporizedOil = 0.0;
        double dewPoint = 0.0;
        bool const dry = isDryGas(table.obj(), &vaporizedOil, &dewPoint);
        return py::make_tuple(dry, dry ? py::cast(vaporizedOil) : py::none(), dewPoint);
      },
      py::arg("table"),
      "Returns (dry, vaporizedOil, dewPoint): whether every oil-gas ratio equals the first "
      "one; vaporizedOil is that ratio (None when not dry), dewPoint row 0's pressure.");
  m.def(
      "findConstantUndersaturatedCompressibility",
      [](Ref<IOilTable>& table, int sat) {
        double residual = 0.0;
        double const c = findConstantUndersaturatedCompressibility(table.obj(), sat, &residual);
        return py::make_tuple(c, residual);
      },
      py::arg("table"), py::arg("sat"),
      "Returns (compressibility, residual) of the exponential fit of row sat's formation "
      "volume factor against pressure.");
  m.def(
      "findConstantUndersaturatedViscosibility",
      [](Ref<IOilTable>& table, int sat) {
        double residual = 0.0;
        double const c = findConstantUndersaturatedViscosibility(table.obj(), sat, &residual);
        return py::make_tuple(c, residual);
      },
      py::arg("table"), py::arg("sat"),
      "Returns (viscosibility, residual) of the exponential fit of row sat's viscosity "
      "against pressure.");
  m.def(
      "hasConstantUndersaturatedCompressibility",
      [](Ref<IOilTable>& table) { return hasConstantUndersaturatedCompressibility(table.obj()); },
      py::arg("table"));

  py::class_<ConstantCompressibilityFunction>(
      m, "ConstantCompressibilityFunction",
      "The law y(x) = y0 * exp(c * (x - x0)) through (x0, y0); callable on numbers and arrays.")
      .def(py::init<double, double, double>(), py::arg("x0"), py::arg("y0"), py::arg("c"))
      .def("__call__", &ConstantCompressibilityFunction::operator(), py::arg("x"))
      .def(
          "__call__",
          [](ConstantCompressibilityFunction const& f, Array const& x) {
            Array y(std::vector<py::ssize_t>(x.shape(), x.shape() + x.ndim()));
            double const* in = x.data();
            double* out = y.mutable_data();
            for (py::ssize_t i = 0; i < x.size(); ++i) out[i] = f(in[i]);
            return y;
          },
          py::arg("x"));

  m.def(
      "interpolate",
      [](Ref<IDepthTable>& table, double depth, int component, bool extrapolate) {
        return interpolate(table.obj(), depth, component, extrapolate);
      },
      py::arg("table"), py::arg("depth"), py::arg("component"), py::arg("extrapolate"));
  m.def(
      "truncate",
      [](Ref<IDepthTable>& table, double depth, bool keepAbove, bool extrapolate) {
        truncate(table.obj(), depth, keepAbove, extrapolate);
      },
      py::arg("table"), py::arg("depth"), py::arg("keepAbove"), py::arg("extrapolate"));
  m.def(
      "normalizeComposition",
      [](Ref<IDepthTable>& table, int row) { normalizeComposition(table.obj(), row); },
      py::arg("table"), py::arg("row"));

  m.def("getNumLibProperties", &getNumLibProperties);
  m.def(
      "getLibProperty",
      [](int index) {
        char const* key = nullptr;
        char const* value = nullptr;
        getLibProperty(index, key, value);
        return py::make_tuple(key, value);
      },
      py::arg("index"), "Returns (key, value) of library property index (0 to 6).");
}

// One `copy` overload: source and target of interface T, with the flag word when the
// library's overload takes one.
template <class T>
void copyWithFlags(py::module_& m) {
  m.def(
      "copy",
      [](Ref<T>& source, Ref<T>& target, int flags) { copy(source.obj(), target.obj(), flags); },
      py::arg("source"), py::arg("target"), py::arg("flags"));
}
template <class T>
void copyWithoutFlags(py::module_& m) {
  m.def(
      "copy", [](Ref<T>& source, Ref<T>& target) { copy(source.obj(), target.obj()); },
      py::arg("source"), py::arg("target"));
}

void bindCopies(py::module_& m) {
  // Python tries overloads in order: each interface before its base interface.
  copyWithFlags<IBlackOilModel>(m);
  copyWithFlags<ICompositionalModel>(m);
  copyWithFlags<IFluidModel>(m);
  copyWithFlags<IInitialCondition>(m);
  copyWithFlags<IDepthTable>(m);
  copyWithFlags<ITemperatureTable>(m);
  copyWithFlags<IWaterProperties>(m);
  copyWithFlags<IAqueousSolubleComponent>(m);
  copyWithFlags<IComponent>(m);
  copyWithoutFlags<IInteractionSolubilityTable>(m);
  copyWithoutFlags<ISaltSolubilityTable>(m);
  copyWithoutFlags<ITemperatureSolubilityTable>(m);
  copyWithoutFlags<ISolubilityWaterPropertiesTable>(m);
  copyWithoutFlags<ISolubilityTable>(m);
  copyWithFlags<ICompressibleOilTable>(m);
  copyWithFlags<IOilTable>(m);
  copyWithFlags<IGasTable>(m);
  copyWithFlags<ISolventTable>(m);
  copyWithFlags<IMiscibilityTable>(m);
  copyWithFlags<ITemperatureKValueTable>(m);
  copyWithFlags<IOilViscosityIndexTable>(m);
  m.def(
      "copy",
      [](Ref<ICompositionalModel>& source, Ref<ICompositionalModel>& target,
         IComponent::Property property) { copy(source.obj(), target.obj(), property); },
      py::arg("source"), py::arg("target"), py::arg("property"));
  for (auto [name, bit] : {std::pair{"COPY_WATER", 1},
                           {"COPY_INITIAL_CONDITIONS", 2},
                           {"COPY_DEPTH_TABLES", 4},
                           {"COPY_GAS_TABLE", 8},
                           {"COPY_OIL_TABLES", 16},
                           {"COPY_COMPONENTS", 32}}) {
    m.attr(name) = bit;
  }
}

#ifdef ORV_TESS_VARNAK_PYTHON_DECK
void bindDeck(py::module_& m) {
  using Deck::ImportReport;
  py::class_<ImportReport>(m, "ImportReport", "What one deck import made.")
      .def_readonly("unitSystem", &ImportReport::unitSystem)
      .def_readonly("modelName", &ImportReport::modelName)
      .def_readonly("notImported", &ImportReport::notImported)
      .def_readonly("initialConditions", &ImportReport::initialConditions)
      .def_readonly("tracers", &ImportReport::tracers)
      .def("__repr__", [](ImportReport const& r) {
        return "<ImportReport " + r.unitSystem + " model '" + r.modelName + "'>";
      });
  m.def(
      "load_deck",
      [](std::string const& path, Ref<IFluidModels>& models, std::string const& name) {
        ImportReport report = Deck::importDeckFile(models.obj(), path, name);
        // A model made where a deleted one stood must not pass for it.
        renewObject(&models.obj().getFluidModel(report.modelName));
        return report;
      },
      py::arg("path"), py::arg("models"), py::arg("name"),
      "Reads the deck file at path into a new black-oil model named name (made unique if "
      "taken) in models, and returns the ImportReport. Raises DeckError; on failure models "
      "is unchanged.");
}
#endif

void bindModule(py::module_& m) {
  m.doc() =
      "Bindings of the Orv.Tess.Varnak fluid-description library. Each interface is a class "
      "of its own name (IOilTable, IBlackOilModel, ...); each implementation (StdFluidModels, "
      "StdOilTable, ...) is constructible and owned by Python.";

  static py::exception<DeletedObjectError> deleted(m, "DeletedObjectError", PyExc_ReferenceError);
#ifdef ORV_TESS_VARNAK_PYTHON_DECK
  static py::exception<Deck::DeckError> deckError(m, "DeckError", PyExc_RuntimeError);
#endif
  // The library's exceptions by type, messages unchanged. std::range_error is a
  // std::runtime_error, so it is caught first; so are the bindings' own Python errors
  // (py::value_error, …), which are std::runtime_errors too.
  py::register_exception_translator([](std::exception_ptr thrown) {
    try {
      std::rethrow_exception(thrown);
    } catch (py::builtin_exception const& e) {
      e.set_error();
    } catch (DeletedObjectError const& e) {
      deleted(e.what());
#ifdef ORV_TESS_VARNAK_PYTHON_DECK
    } catch (Deck::DeckError const& e) {
      deckError(e.what());
#endif
    } catch (std::range_error const& e) {
      PyErr_SetString(PyExc_IndexError, e.what());
    } catch (std::invalid_argument const& e) {
      PyErr_SetString(PyExc_ValueError, e.what());
    } catch (std::length_error const& e) {
      PyErr_SetString(PyExc_ValueError, e.what());
    } catch (std::runtime_error const& e) {
      PyErr_SetString(PyExc_RuntimeError, e.what());
    }
  });

  py::class_<RefBase, std::shared_ptr<RefBase>>(
      m, "Handle",
      "The base of every class here: a handle that finds its object again through the "
      "owner that handed it out, and raises DeletedObjectError once the owner deleted or "
      "replaced it.")
      .def("__repr__", [](py::object self) {
        std::string text = "<" + self.cast<RefBase&>().label();
        if (py::hasattr(self, "__len__")) {
          try {
            std::size_t const rows = py::len(self);
            text += ", " + std::to_string(rows) + (rows == 1 ? " row" : " rows");
          } catch (py::error_already_set const&) {
            text += " (deleted)";
          }
        }
        return text + ">";
      });

  declareInterfaces(m);
  bindRegistry(m);
  bindBlackOil(m);
  bindCompositional(m);
  bindWaterAndInitial(m);
  bindAnalysis(m);
  bindCopies(m);
#ifdef ORV_TESS_VARNAK_PYTHON_DECK
  bindDeck(m);
#endif
}

}  // namespace
}  // namespace Orv::Tess::Varnak::Python

PYBIND11_MODULE(_core, m) { Orv::Tess::Varnak::Python::bindModule(m); }
