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

// Accessors built from pointers to the members, which a befriended Access may name in its
// base classes. Each takes the object as `T&`, so that it serves const objects too.
template <auto Keys, auto Values, auto NumComponents>
struct FlatAccess {
  template <class T>
  static auto& keys(T& t) {
    return t.*Keys;
  }
  template <class T>
  static auto& values(T& t) {
    return t.*Values;
  }
  template <class T>
  static auto& numComponents(T& t) {
    return t.*NumComponents;
  }
};
template <auto Rows, auto SurfaceDensity>
struct RowsAccess {
  template <class T>
  static auto& rows(T& t) {
    return t.*Rows;
  }
  template <class T>
  static auto& surfaceDensity(T& t) {
    return t.*SurfaceDensity;
  }
};
template <auto Inner>
struct InnerAccess {  // the table a kind holds inside and answers from
  template <class T>
  static auto& inner(T& t) {
    return t.*Inner;
  }
};

template <>
struct Access<StdDepthTable> : FlatAccess<&StdDepthTable::depths_, &StdDepthTable::properties_,
                                          &StdDepthTable::numComponents_> {
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
struct Access<StdTemperatureTable>
    : FlatAccess<&StdTemperatureTable::temperatures_, &StdTemperatureTable::properties_,
                 &StdTemperatureTable::numComponents_> {};
template <class Interface>
struct Access<StdKValueTable<Interface>>
    : FlatAccess<&StdKValueTable<Interface>::pressures_, &StdKValueTable<Interface>::kValues_,
                 &StdKValueTable<Interface>::numComponents_> {};
template <>
struct Access<StdOilViscosityIndexTable>
    : FlatAccess<&StdOilViscosityIndexTable::moleFractions_, &StdOilViscosityIndexTable::indices_,
                 &StdOilViscosityIndexTable::numComponents_> {};

// The two-level storage of the oil and gas tables, the kinds that hold one inside, and the
// single-level rows of the solvent and miscibility tables.
template <class Interface>
struct Access<StdBaseTable<Interface>>
    : RowsAccess<&StdBaseTable<Interface>::rows_, &StdBaseTable<Interface>::surfaceDensity_> {};
template <>
struct Access<StdDeadOilTable> : InnerAccess<&StdDeadOilTable::table_> {};
template <>
struct Access<StdDeadOilConstantCompressTable>
    : InnerAccess<&StdDeadOilConstantCompressTable::table_> {};
template <>
struct Access<StdDryGasTable> : InnerAccess<&StdDryGasTable::table_> {};
template <>
struct Access<StdCompressibleOilTable> : InnerAccess<&StdCompressibleOilTable::table_> {
  template <class T>
  static auto& coefficients(T& t) {
    return t.coefficients_;
  }
};
template <>
struct Access<StdSolventTable>
    : RowsAccess<&StdSolventTable::rows_, &StdSolventTable::surfaceDensity_> {};
template <>
struct Access<StdMisciblityTable> {
  template <class T>
  static auto& rows(T& t) {
    return t.rows_;
  }
};

}  // namespace Orv::Tess::Varnak::detail

#endif  // ORV_TESS_VARNAK_SRC_FRAME_ACCESS_H
