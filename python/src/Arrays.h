// NumPy views of the tables: whole tables read and filled as arrays.
//
// Each reader resolves its table once and reads it in one pass. Each from_numpy checks
// every shape before it changes anything, then sizes the table from the arrays' shapes and
// fills it: with the sizes set first, no indexed call can fail, so a refused array leaves
// the table as it was.
#ifndef ORV_TESS_VARNAK_PYTHON_ARRAYS_H
#define ORV_TESS_VARNAK_PYTHON_ARRAYS_H

#include <string>
#include <utility>
#include <vector>

#include "Bind.h"

namespace Orv::Tess::Varnak::Python {

using Array = py::array_t<double, py::array::c_style | py::array::forcecast>;

// Raises ValueError unless `array` has `dims` dimensions and, where `shape` is not -1, that
// extent: "<what> must have shape (n, 3), not (4, 2)".
void requireShape(Array const& array, std::vector<py::ssize_t> const& shape, char const* what);

// A table of rows with one double per column (solvent, miscibility, solubility, brine,
// tracer depth tables): to_numpy() gives an (n, k) array, from_numpy() takes one; len()
// and iteration go by rows; `columns` names the columns in order.
template <class T>
struct Columns {
  int (T::*size)() const;
  void (T::*resize)(int);
  std::vector<std::pair<double (T::*)(int) const, void (T::*)(int, double)>> columns;
  std::vector<std::string> names;
};

template <class T>
void defineColumns(Class<T>& cls, Columns<T> const& layout) {
  cls.def_property_readonly_static(
      "columns", [names = layout.names](py::object) { return py::tuple(py::cast(names)); });
  cls.def("__len__", [size = layout.size](Ref<T>& self) { return (self.obj().*size)(); });
  cls.def(
      "to_numpy",
      [layout](Ref<T>& self) {
        T& table = self.obj();
        py::ssize_t const n = (table.*layout.size)();
        py::ssize_t const k = static_cast<py::ssize_t>(layout.columns.size());
        Array out(std::vector<py::ssize_t>{n, k});
        auto view = out.mutable_unchecked<2>();
        for (py::ssize_t i = 0; i < n; ++i) {
          for (py::ssize_t c = 0; c < k; ++c) {
            view(i, c) = (table.*layout.columns[c].first)(static_cast<int>(i));
          }
        }
        return out;
      },
      "Returns the table as an (n, k) array, one row per table row, the columns in the "
      "order of `columns`.");
  cls.def(
      "from_numpy",
      [layout](Ref<T>& self, Array const& rows) {
        py::ssize_t const k = static_cast<py::ssize_t>(layout.columns.size());
        requireShape(rows, {-1, k}, "rows");
        T& table = self.obj();
        auto view = rows.unchecked<2>();
        int const n = static_cast<int>(view.shape(0));
        (table.*layout.resize)(n);
        for (int i = 0; i < n; ++i) {
          for (py::ssize_t c = 0; c < k; ++c) (table.*layout.columns[c].second)(i, view(i, c));
        }
      },
      py::arg("rows"),
      "Sizes the table to the array's n rows and fills it; the array has the shape "
      "(n, len(columns)).");
  cls.def("__iter__", [](py::object self) { return py::iter(self.attr("to_numpy")()); });
}

// A flat table: rows keyed by one value (temperature, depth, pressure, mole fraction), one
// column per component.
template <class T>
struct Flat {
  int (T::*rows)() const;
  void (T::*setRows)(int);
  int (T::*cols)() const;
  void (T::*setCols)(int);
  double (T::*key)(int) const;
  void (T::*setKey)(int, double);
  double (T::*value)(int, int) const;
  void (T::*setValue)(int, int, double);
};

template <class T>
void defineFlat(Class<T>& cls, Flat<T> const& layout) {
  cls.def("__len__", [rows = layout.rows](Ref<T>& self) { return (self.obj().*rows)(); });
  cls.def(
      "to_numpy",
      [layout](Ref<T>& self) {
        T& table = self.obj();
        int const n = (table.*layout.rows)();
        int const m = (table.*layout.cols)();
        Array keys(std::vector<py::ssize_t>{n});
        Array values(std::vector<py::ssize_t>{n, m});
        auto k = keys.mutable_unchecked<1>();
        auto v = values.mutable_unchecked<2>();
        for (int r = 0; r < n; ++r) {
          k(r) = (table.*layout.key)(r);
          for (int c = 0; c < m; ++c) v(r, c) = (table.*layout.value)(r, c);
        }
        return py::make_tuple(keys, values);
      },
      "Returns (keys, values): the row keys as an (n,) array and the values as an (n, m) "
      "array, one column per component.");
  cls.def(
      "from_numpy",
      [layout](Ref<T>& self, Array const& keys, Array const& values) {
        requireShape(keys, {-1}, "keys");
        requireShape(values, {keys.shape(0), -1}, "values");
        T& table = self.obj();
        int const n = static_cast<int>(values.shape(0));
        int const m = static_cast<int>(values.shape(1));
        // The width first: with no rows yet, no value is left at an old flat position.
        (table.*layout.setRows)(0);
        (table.*layout.setCols)(m);
        (table.*layout.setRows)(n);
        auto k = keys.unchecked<1>();
        auto v = values.unchecked<2>();
        for (int r = 0; r < n; ++r) {
          (table.*layout.setKey)(r, k(r));
          for (int c = 0; c < m; ++c) (table.*layout.setValue)(r, c, v(r, c));
        }
      },
      py::arg("keys"), py::arg("values"),
      "Sizes the table to n rows of m components from the shapes of keys (n,) and "
      "values (n, m), and fills it.");
  cls.def("__iter__", [](py::object self) {
    py::tuple both = self.attr("to_numpy")();
    return py::iter(py::module_::import("builtins").attr("zip")(both[0], both[1]));
  });
}

}  // namespace Orv::Tess::Varnak::Python

#endif  // ORV_TESS_VARNAK_PYTHON_ARRAYS_H
