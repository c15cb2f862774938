// Shared pieces of the binding files: calling an interface's operation through a Ref, and
// the Python classes of the interfaces and implementations.
//
// Lifetime at each binding: operations that return values return copies (pybind11's
// automatic policy: numbers, strings, sets of names, new arrays). Operations that hand out
// a child return a new Ref by shared holder and carry py::keep_alive<0, 1>(): the child's
// Python object keeps its owner's Python object alive, and the Ref inside holds the owner's
// Ref as well (Ref.h), so that Refs made on the C++ side keep their owners too.
#ifndef ORV_TESS_VARNAK_PYTHON_BIND_H
#define ORV_TESS_VARNAK_PYTHON_BIND_H

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "Ref.h"

namespace Orv::Tess::Varnak::Python {

namespace py = pybind11;

// What every binding of an operation that hands out a child states.
using KeepsOwner = py::keep_alive<0, 1>;

// The operation `member` of interface T, called on the object a Ref finds.
template <class T, class R, class... A>
auto via(R (T::*member)(A...)) {
  return [member](Ref<T>& self, A... args) -> R { return (self.obj().*member)(args...); };
}
template <class T, class R, class... A>
auto via(R (T::*member)(A...) const) {
  return [member](Ref<T>& self, A... args) -> R { return (self.obj().*member)(args...); };
}

// The Python class of interface T, named as the interface, below its base interface's.
template <class T>
using Class = py::class_<Ref<T>, typename BaseRef<T>::type, std::shared_ptr<Ref<T>>>;

// The Python class of interface T, declared by declareInterfaces.
// An enumeration of the interface `scope`, by its names; plain integers convert to it too
// (the library keeps any value of an enumeration it is given).
template <class E>
py::enum_<E> enumeration(py::handle scope, char const* name,
                         std::initializer_list<std::pair<char const*, E>> values) {
  py::enum_<E> e(scope, name);
  for (auto const& [key, value] : values) e.value(key, value);
  py::implicitly_convertible<py::int_, E>();
  return e;
}

template <class T>
Class<T> classOf(py::module_& m, char const* name) {
  return py::reinterpret_borrow<Class<T>>(m.attr(name));
}

// The Python class of implementation S of interface T, constructible from Python. The
// constructor arguments are Args; `label` names the object in messages.
template <class S, class T, class... Args>
py::class_<Owned<S, T>, Ref<T>, std::shared_ptr<Owned<S, T>>> defineStd(py::module_& m,
                                                                        char const* name) {
  py::class_<Owned<S, T>, Ref<T>, std::shared_ptr<Owned<S, T>>> cls(
      m, name,
      (std::string(name) + ": the library's implementation, made and owned by Python.").c_str());
  std::string const label = name;
  cls.def(py::init([label](Args... args) {
    return std::make_shared<Owned<S, T>>(label, std::forward<Args>(args)...);
  }));
  return cls;
}

// Adds the constructor without arguments to an implementation whose constructor's one
// argument has a default (a name, a stage index).
template <class S, class T>
void defaultConstructible(py::class_<Owned<S, T>, Ref<T>, std::shared_ptr<Owned<S, T>>>& cls,
                          std::string label) {
  cls.def(py::init([label] { return std::make_shared<Owned<S, T>>(label); }));
}

void declareInterfaces(py::module_& m);
void bindRegistry(py::module_& m);
void bindBlackOil(py::module_& m);
void bindCompositional(py::module_& m);
void bindWaterAndInitial(py::module_& m);

}  // namespace Orv::Tess::Varnak::Python

#endif  // ORV_TESS_VARNAK_PYTHON_BIND_H
