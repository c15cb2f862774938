// Snapshots of the part every fluid model shares, as a host observes it through the
// interface, so that a copy test can say exactly what changed in the target and what not.
#ifndef ORV_TESS_VARNAK_TESTS_COPY_FLUIDSTATE_H
#define ORV_TESS_VARNAK_TESTS_COPY_FLUIDSTATE_H

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Orv/Tess/Varnak/IFluidModel.h"
#include "Orv/Tess/Varnak/IInitialCondition.h"
#include "Orv/Tess/Varnak/ITemperatureTable.h"
#include "Orv/Tess/Varnak/IWaterProperties.h"
#include "initial/DepthTableState.h"
#include "water/WaterState.h"

namespace fluidstate {

using namespace Orv::Tess::Varnak;
using DepthKey = IInitialCondition::Property;

// Depth-table keys looked at: the twelve properties and a few keys around them, which a
// copy must neither read nor touch.
constexpr int kFirstDepthKey = -2;
constexpr int kLastDepthKey = 14;

inline DepthKey depthKey(int key) { return static_cast<DepthKey>(key); }

struct InitialConditionState {
  std::array<double, 6> numbers{};
  std::map<int, std::vector<double>> tables;  // key -> depthstate::snapshot

  bool operator==(InitialConditionState const& o) const {
    return numbers == o.numbers && tables == o.tables;
  }
};

inline InitialConditionState snapshot(IInitialCondition const& ic) {
  InitialConditionState s;
  s.numbers = {ic.getDatumDepth(),         ic.getDatumPressure(),
               ic.getGasOilContactDepth(), ic.getGasOilContactCapillaryPressure(),
               ic.getWaterContactDepth(),  ic.getWaterContactCapillaryPressure()};
  for (int key = kFirstDepthKey; key <= kLastDepthKey; ++key) {
    if (ic.hasDepthTable(depthKey(key))) {
      s.tables[key] = depthstate::snapshot(ic.getDepthTable(depthKey(key)));
    }
  }
  return s;
}

struct FluidState {
  std::string name;
  std::optional<waterstate::WaterState> water;
  std::map<std::string, InitialConditionState> initialConditions;
  std::map<int, std::vector<double>> temperatureTables;

  bool operator==(FluidState const& o) const {
    return name == o.name && water == o.water && initialConditions == o.initialConditions &&
           temperatureTables == o.temperatureTables;
  }
};

inline FluidState snapshot(IFluidModel& model) {
  IFluidModel const& view = model;
  FluidState s;
  s.name = model.getName();
  if (IWaterProperties const* water = view.getWaterProperties()) {
    s.water = waterstate::snapshot(*water);
  }
  for (std::string const& name : model.getInitialConditionNames()) {
    s.initialConditions[name] = snapshot(view.getInitialCondition(name));
  }
  for (int key = -1; key <= 8; ++key) {
    auto const property = static_cast<IFluidModel::TemperatureTableProperty>(key);
    if (!view.hasTemperatureTable(property)) continue;
    ITemperatureTable const& t = view.getTemperatureTable(property);
    std::vector<double> content{static_cast<double>(t.getNumTemperatures()),
                                static_cast<double>(t.getNumComponents())};
    for (int r = 0; r < t.getNumTemperatures(); ++r) {
      content.push_back(t.getTemperature(r));
      for (int c = 0; c < t.getNumComponents(); ++c) content.push_back(t.getProperty(r, c));
    }
    s.temperatureTables[key] = content;
  }
  return s;
}

// Sets all fourteen water scalars to base + 1, base + 2, … and adds one salt.
inline void fillWater(IWaterProperties& w, double base, IBrineComponent::SaltMoleculeType salt) {
  w.setSurfaceDensity(base + 1);
  w.setPressure(base + 2);
  w.setFormationVolumeFactor(base + 3);
  w.setCompressibility(base + 4);
  w.setViscosity(base + 5);
  w.setViscosibility(base + 6);
  w.setKValueCoefficientA(base + 7);
  w.setKValueCoefficientB(base + 8);
  w.setKValueCoefficientC(base + 9);
  w.setKValueCoefficientD(base + 10);
  w.setKValueCoefficientE(base + 11);
  w.setReferenceTemperature(base + 12);
  w.setThermalExpansionCoefficient1(base + 13);
  w.setThermalExpansionCoefficient2(base + 14);
  w.makeBrineComponent(salt);
}

// Sets the six numbers to base + 1 … base + 6.
inline void fillNumbers(IInitialCondition& ic, double base) {
  ic.setDatumDepth(base + 1);
  ic.setDatumPressure(base + 2);
  ic.setGasOilContactDepth(base + 3);
  ic.setGasOilContactCapillaryPressure(base + 4);
  ic.setWaterContactDepth(base + 5);
  ic.setWaterContactCapillaryPressure(base + 6);
}

// The water state a copy must produce: the target's, with the six basic numbers (the
// first six scalars of the snapshot) taken from the source.
inline waterstate::WaterState withSixNumbersOf(waterstate::WaterState target,
                                               waterstate::WaterState const& source) {
  for (std::size_t i = 0; i < 6; ++i) target.scalars[i] = source.scalars[i];
  return target;
}

}  // namespace fluidstate

#endif  // ORV_TESS_VARNAK_TESTS_COPY_FLUIDSTATE_H
