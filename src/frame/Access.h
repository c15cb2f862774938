// Direct access to the storage of the library's own table classes, for its fast paths:
// the depth-table operations on a StdDepthTable, and the copies between two objects that
// are exactly the library's classes. Each class befriends its own Access specialization,
// and all of them are defined here, once, so that no other code reaches into a class.
//
// Code that uses this access must first check the object's dynamic type for equality
// (typeid), never by a conversion: a host's class derived from a library class may
// override its operations, and must then be read through them.
#ifndef ORV_TESS_VARNAK_SRC_FRAME_ACCESS_H
#define ORV_TESS_VARNAK_SRC_FRAME_ACCESS_H

#include <typeinfo>

#include "Orv/Tess/Varnak/StdBaseTable.h"
#include "Orv/Tess/Varnak/StdCompressibleOilTable.h"
#include "Orv/Tess/Varnak/StdDeadOilConstantCompressTable.h"
#include "Orv/Tess/Varnak/StdDeadOilTable.h"
#include "Orv/Tess/Varnak/StdDepthTable.h"
#include "Orv/Tess/Varnak/StdDryGasTable.h"
#include "Orv/Tess/Varnak/StdKValueTable.h"
#include "Orv/Tess/Varnak/StdMisciblityTable.h"
#include "Orv/Tess/Varnak/StdOilViscosityIndexTable.h"
#include "Orv/Tess/Varnak/StdSolventTable.h"
#include "Orv/Tess/Varnak/StdTemperatureTable.h"

namespace Orv::Tess::Varnak::detail {

// Returns `object` as a Class when its dynamic type is exactly Class, else null.
template <class Class, class Interface>
Class* exactly(Interface& object) {
  return typeid(object) == typeid(Class) ? static_cast<Class*>(&object) : nullptr;
}
template <class Class, class Interface>
Class const* exactly(Interface const& object) {
  return typeid(object) == typeid(Class) ? static_cast<Class const*>(&object) : nullptr;
}

// The accessors take the object as `T&` so that one accessor serves const and non-const
// objects alike.
template <>
struct Access<StdDepthTable> {
  template <class T>
  static auto& keys(T& t) {
    return t.depths_;
  }
  template <class T>
  static auto& values(T& t) {
    return t.properties_;
  }
  template <class T>
  static auto& numComponents(T& t) {
    return t.numComponents_;
  }
  template <class T>
  static auto& risingPairs(T& t) {
    return t.risingPairs_;
  }
  template <class T>
  static auto& fallingPairs(T& t) {
    return t.fallingPairs_;
  }
  template <class T>
  static auto& unorderedPairs(T& t) {
    return t.unorderedPairs_;
  }
  // Raises the table's own errors for a bad row, then a bad component.
  static void validate(StdDepthTable const& t, int d, int c) { t.validate(d, c); }
  static void validate(StdDepthTable const& t, int d) { t.validate(d); }
  static void countPairs(StdDepthTable& t, int from, int to, int sign) {
    t.countPairs(from, to, sign);
  }
};

template <>
struct Access<StdTemperatureTable> {
  template <class T>
  static auto& keys(T& t) {
    return t.temperatures_;
  }
  template <class T>
  static auto& values(T& t) {
    return t.properties_;
  }
  template <class T>
  static auto& numComponents(T& t) {
    return t.numComponents_;
  }
};

template <class Interface>
struct Access<StdKValueTable<Interface>> {
  template <class T>
  static auto& keys(T& t) {
    return t.pressures_;
  }
  template <class T>
  static auto& values(T& t) {
    return t.kValues_;
  }
  template <class T>
  static auto& numComponents(T& t) {
    return t.numComponents_;
  }
};

template <>
struct Access<StdOilViscosityIndexTable> {
  template <class T>
  static auto& keys(T& t) {
    return t.moleFractions_;
  }
  template <class T>
  static auto& values(T& t) {
    return t.indices_;
  }
  template <class T>
  static auto& numComponents(T& t) {
    return t.numComponents_;
  }
};

// The two-level storage of the oil and gas tables, and the kinds that hold one inside.
template <class Interface>
struct Access<StdBaseTable<Interface>> {
  template <class T>
  static auto& rows(T& t) {
    return t.rows_;
  }
  template <class T>
  static auto& surfaceDensity(T& t) {
    return t.surfaceDensity_;
  }
};
template <>
struct Access<StdDeadOilTable> {
  template <class T>
  static auto& inner(T& t) {
    return t.table_;
  }
};
template <>
struct Access<StdDeadOilConstantCompressTable> {
  template <class T>
  static auto& inner(T& t) {
    return t.table_;
  }
};
template <>
struct Access<StdDryGasTable> {
  template <class T>
  static auto& inner(T& t) {
    return t.table_;
  }
};
template <>
struct Access<StdCompressibleOilTable> {
  template <class T>
  static auto& inner(T& t) {
    return t.table_;
  }
  template <class T>
  static auto& coefficients(T& t) {
    return t.coefficients_;
  }
};

template <>
struct Access<StdSolventTable> {
  template <class T>
  static auto& rows(T& t) {
    return t.rows_;
  }
  template <class T>
  static auto& surfaceDensity(T& t) {
    return t.surfaceDensity_;
  }
};
template <>
struct Access<StdMisciblityTable> {
  template <class T>
  static auto& rows(T& t) {
    return t.rows_;
  }
};

}  // namespace Orv::Tess::Varnak::detail

#endif  // ORV_TESS_VARNAK_SRC_FRAME_ACCESS_H
