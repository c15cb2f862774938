// Snapshots of everything a host can observe of water properties and brine tables, so
// that a test can prove a failed call changed nothing.
#ifndef ORV_TESS_VARNAK_TESTS_WATER_WATERSTATE_H
#define ORV_TESS_VARNAK_TESTS_WATER_WATERSTATE_H

#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/IBrinePropertyTable.h"
#include "Orv/Tess/Varnak/IWaterProperties.h"

namespace waterstate {

using namespace Orv::Tess::Varnak;

// Size, the two references, then the six columns row by row.
inline std::vector<double> snapshot(IBrinePropertyTable const& t) {
  std::vector<double> s{static_cast<double>(t.getTableSize()), t.getReferencePressure(),
                        t.getReferenceSaltConcentration()};
  for (int i = 0; i < t.getTableSize(); ++i) {
    s.insert(s.end(),
             {t.getSaltConcentration(i), t.getBrineSurfaceDensity(i), t.getFormationVolumeFactor(i),
              t.getCompressibility(i), t.getViscosity(i), t.getViscosibility(i)});
  }
  return s;
}

struct WaterState {
  std::vector<double> scalars;
  std::vector<std::pair<int, std::string>> components;
  bool hasTable = false;
  std::vector<double> table;

  bool operator==(WaterState const& o) const {
    return scalars == o.scalars && components == o.components && hasTable == o.hasTable &&
           table == o.table;
  }
};

inline WaterState snapshot(IWaterProperties const& w) {
  WaterState s;
  s.scalars = {w.getSurfaceDensity(),
               w.getPressure(),
               w.getFormationVolumeFactor(),
               w.getCompressibility(),
               w.getViscosity(),
               w.getViscosibility(),
               w.getKValueCoefficientA(),
               w.getKValueCoefficientB(),
               w.getKValueCoefficientC(),
               w.getKValueCoefficientD(),
               w.getKValueCoefficientE(),
               w.getReferenceTemperature(),
               w.getThermalExpansionCoefficient1(),
               w.getThermalExpansionCoefficient2()};
  for (int i = 0; i < w.getNumBrineComponents(); ++i) {
    IBrineComponent const& c = w.getBrineComponent(i);
    s.components.emplace_back(static_cast<int>(c.getSaltMoleculeType()), c.getName());
  }
  if (IBrinePropertyTable const* t = w.getBrinePropertyTable()) {
    s.hasTable = true;
    s.table = snapshot(*t);
  }
  return s;
}

}  // namespace waterstate

#endif  // ORV_TESS_VARNAK_TESTS_WATER_WATERSTATE_H
