// Snapshots and fillers for components and their solubility tables, as a host observes
// and writes them through the interfaces, shared by the component and model copy tests.
#ifndef ORV_TESS_VARNAK_TESTS_COPY_COMPONENTSTATE_H
#define ORV_TESS_VARNAK_TESTS_COPY_COMPONENTSTATE_H

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "Orv/Tess/Varnak/IAqueousSolubleComponent.h"
#include "Orv/Tess/Varnak/IComponent.h"
#include "copy/SolubilityState.h"

namespace componentstate {

using namespace Orv::Tess::Varnak;
using Property = IComponent::Property;
using Phase = IComponent::PhaseType;

inline Property key(int value) { return static_cast<Property>(value); }

// Everything a host can observe of a component, with property keys beyond the 53 a copy
// transfers.
struct ComponentState {
  std::string name;
  int type = 0;
  std::map<int, double> properties;
  std::vector<int> choices;  // the four modelling choices, then density and viscosity types

  bool operator==(ComponentState const& o) const {
    return name == o.name && type == o.type && properties == o.properties && choices == o.choices;
  }
};

inline ComponentState snapshot(IComponent const& c) {
  ComponentState s;
  s.name = c.getName();
  s.type = static_cast<int>(c.getType());
  for (int k = -3; k <= 64; ++k) {
    if (c.hasProperty(key(k))) s.properties[k] = c.getProperty(key(k));
  }
  s.choices = {static_cast<int>(c.getVolatilityType()),
               static_cast<int>(c.getCompressibilityType()),
               static_cast<int>(c.getOilViscosityCorrelation()),
               static_cast<int>(c.getOilViscosityCorrelationUsage())};
  for (int p = 0; p < 3; ++p) {
    s.choices.push_back(static_cast<int>(c.getDensityType(static_cast<Phase>(p))));
    s.choices.push_back(static_cast<int>(c.getViscosityType(static_cast<Phase>(p))));
  }
  return s;
}

inline void setProperties(IComponent& c, std::map<int, double> const& properties) {
  for (auto const& [k, v] : properties) c.setProperty(key(k), v);
}

inline void setChoices(IComponent& c, int seed) {
  c.setVolatilityType(static_cast<IComponent::VolatilityType>(seed));
  c.setCompressibilityType(static_cast<IComponent::CompressibilityType>(seed + 1));
  c.setOilViscosityCorrelation(static_cast<IComponent::OilViscosityCorrelation>(seed + 2));
  c.setOilViscosityCorrelationUsage(
      static_cast<IComponent::OilViscosityCorrelationUsage>(seed + 3));
  c.setDensityType(Phase::Gas, static_cast<IComponent::DensityType>(seed + 4));
  c.setViscosityType(Phase::Water, static_cast<IComponent::ViscosityType>(seed + 5));
}

// The component state a copy must produce: the target's name, type, per-phase types and
// properties outside 0 to 52; the source's properties 0 to 52 and four modelling choices.
inline ComponentState copied(ComponentState const& source, ComponentState const& target) {
  ComponentState s = target;
  for (int k = 0; k <= 52; ++k) s.properties.erase(k);
  for (auto const& [k, v] : source.properties) {
    if (k >= 0 && k <= 52) s.properties[k] = v;
  }
  for (std::size_t i = 0; i < 4; ++i) s.choices[i] = source.choices[i];
  return s;
}

// Every solubility table of an aqueous-soluble component, by kind and name.
inline std::map<std::string, solubilitystate::Contents> tablesOf(
    IAqueousSolubleComponent const& c) {
  using solubilitystate::contents;
  std::map<std::string, solubilitystate::Contents> s;
  if (c.hasSolubilityTable()) s["plain"] = contents(c.getSolubilityTable());
  if (c.hasSolubilityWaterPropertiesTable()) {
    s["water"] = contents(c.getSolubilityWaterPropertiesTable());
  }
  for (auto const& name : c.getTemperatureSolubilityTableNames()) {
    s["temperature " + name] = contents(c.getTemperatureSolubilityTable(name));
  }
  for (auto const& name : c.getSaltSolubilityTableNames()) {
    s["salt " + name] = contents(c.getSaltSolubilityTable(name));
  }
  for (auto const& name : c.getInteractionSolubilityTableNames()) {
    s["interaction " + name] = contents(c.getInteractionSolubilityTable(name));
  }
  return s;
}

// Gives an aqueous-soluble component a table of every kind.
inline void furnishTables(IAqueousSolubleComponent& c, double seed) {
  using solubilitystate::fillRows;
  auto& plain = c.makeSolubilityTable();
  plain.setNumPressures(2);
  plain.setPressure(1, seed);
  fillRows(c.makeSolubilityWaterPropertiesTable(), 3, seed + 10);
  auto& temperature = c.makeTemperatureSolubilityTable("T80");
  fillRows(temperature, 2, seed + 20);
  temperature.setTemperature(seed + 80);
  auto& salt = c.makeSaltSolubilityTable("X");
  fillRows(salt, 2, seed + 30);
  salt.setSaltConcentration(seed + 31);
  salt.setBrineSurfaceDensity(seed + 32);
  salt.setRefSaltConcentration(seed + 33);
  auto& interaction = c.makeInteractionSolubilityTable("I");
  fillRows(interaction, 1, seed + 40);
  interaction.setInteractionComponentName("H2S");
  interaction.setInteractionComponentMoleFraction(seed + 41);
}

}  // namespace componentstate

#endif  // ORV_TESS_VARNAK_TESTS_COPY_COMPONENTSTATE_H
