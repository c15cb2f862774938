// Fillers and snapshots of the five solubility-table kinds, shared by the table and the
// component copy tests.
#ifndef ORV_TESS_VARNAK_TESTS_COPY_SOLUBILITYSTATE_H
#define ORV_TESS_VARNAK_TESTS_COPY_SOLUBILITYSTATE_H

#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/IInteractionSolubilityTable.h"
#include "Orv/Tess/Varnak/ISaltSolubilityTable.h"
#include "Orv/Tess/Varnak/ISolubilityWaterPropertiesTable.h"
#include "Orv/Tess/Varnak/ITemperatureSolubilityTable.h"

namespace solubilitystate {

using namespace Orv::Tess::Varnak;

// Rows of pressures seed + 100 i, each column of a row one more than the one before.
inline void fillRows(ISolubilityTable& t, int rows, double seed) {
  t.setNumPressures(rows);
  for (int i = 0; i < rows; ++i) {
    t.setPressure(i, seed + 100 * i);
    t.setSolutionRatio(i, seed + 100 * i + 1);
  }
}

inline void fillRows(ISolubilityWaterPropertiesTable& t, int rows, double seed) {
  fillRows(static_cast<ISolubilityTable&>(t), rows, seed);
  for (int i = 0; i < rows; ++i) {
    t.setFormationVolume(i, seed + 100 * i + 2);
    t.setViscosity(i, seed + 100 * i + 3);
    t.setCompressibility(i, seed + 100 * i + 4);
  }
}

// The row count, then pressure and solution ratio row by row.
inline std::vector<double> plainColumns(ISolubilityTable const& t) {
  std::vector<double> s{static_cast<double>(t.getNumPressures())};
  for (int i = 0; i < t.getNumPressures(); ++i) {
    s.insert(s.end(), {t.getPressure(i), t.getSolutionRatio(i)});
  }
  return s;
}

// Formation volume, viscosity and compressibility row by row.
inline std::vector<double> waterColumns(ISolubilityWaterPropertiesTable const& t) {
  std::vector<double> s;
  for (int i = 0; i < t.getNumPressures(); ++i) {
    s.insert(s.end(), {t.getFormationVolume(i), t.getViscosity(i), t.getCompressibility(i)});
  }
  return s;
}

// Everything a kind holds: its columns, then its scalars (the interaction component's
// name beside them).
using Contents = std::pair<std::vector<double>, std::string>;

inline Contents contents(ISolubilityTable const& t) { return {plainColumns(t), ""}; }
inline Contents contents(ISolubilityWaterPropertiesTable const& t) {
  auto s = plainColumns(t);
  auto const water = waterColumns(t);
  s.insert(s.end(), water.begin(), water.end());
  return {s, ""};
}
inline Contents contents(ITemperatureSolubilityTable const& t) {
  auto s = contents(static_cast<ISolubilityWaterPropertiesTable const&>(t));
  s.first.push_back(t.getTemperature());
  return s;
}
inline Contents contents(ISaltSolubilityTable const& t) {
  auto s = contents(static_cast<ISolubilityWaterPropertiesTable const&>(t));
  s.first.insert(s.first.end(), {t.getSaltConcentration(), t.getBrineSurfaceDensity(),
                                 t.getRefSaltConcentration()});
  return s;
}
inline Contents contents(IInteractionSolubilityTable const& t) {
  auto s = contents(static_cast<ISolubilityWaterPropertiesTable const&>(t));
  s.first.push_back(t.getInteractionComponentMoleFraction());
  s.second = t.getInteractionComponentName();
  return s;
}

// Gives every scalar of the kind a value derived from `seed`.
inline void fillScalars(ISolubilityTable&, double) {}
inline void fillScalars(ITemperatureSolubilityTable& t, double seed) { t.setTemperature(seed + 7); }
inline void fillScalars(ISaltSolubilityTable& t, double seed) {
  t.setSaltConcentration(seed + 7);
  t.setBrineSurfaceDensity(seed + 8);
  t.setRefSaltConcentration(seed + 9);
}
inline void fillScalars(IInteractionSolubilityTable& t, double seed) {
  t.setInteractionComponentName("C" + std::to_string(static_cast<int>(seed)));
  t.setInteractionComponentMoleFraction(seed + 7);
}

}  // namespace solubilitystate

#endif  // ORV_TESS_VARNAK_TESTS_COPY_SOLUBILITYSTATE_H
