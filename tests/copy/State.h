// What a host can observe of each object a copy touches, one snapshot per object kind,
// and fillers that give every value a number of its own, so that a copy test can say
// exactly what changed in the target and what did not.
#ifndef ORV_TESS_VARNAK_TESTS_COPY_STATE_H
#define ORV_TESS_VARNAK_TESTS_COPY_STATE_H

#include <algorithm>
#include <array>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <typeinfo>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/IAqueousSolubleComponent.h"
#include "Orv/Tess/Varnak/IBlackOilModel.h"
#include "Orv/Tess/Varnak/IBrinePropertyTable.h"
#include "Orv/Tess/Varnak/ICompositionalModel.h"
#include "Orv/Tess/Varnak/ICompressibleOilTable.h"
#include "Orv/Tess/Varnak/IDeadOilConstantCompressTable.h"
#include "Orv/Tess/Varnak/IDryGasTable.h"
#include "Orv/Tess/Varnak/IInitialCondition.h"
#include "Orv/Tess/Varnak/IWaterProperties.h"
#include "support/Fill.h"
#include "support/Observe.h"

namespace state {

using namespace Orv::Tess::Varnak;
using Values = std::vector<double>;

inline std::size_t at(int i) { return static_cast<std::size_t>(i); }

// ---- Black-oil tables. The oil and gas interfaces name their two keys differently;
// key()/setKey() and under()/setUnder() hide the difference.
inline double key(IOilTable const& t, int i) { return t.getGasOilRatio(i); }
inline double key(IGasTable const& t, int i) { return t.getPressure(i); }
inline void setKey(IOilTable& t, int i, double v) { t.setGasOilRatio(i, v); }
inline void setKey(IGasTable& t, int i, double v) { t.setPressure(i, v); }
inline double under(IOilTable const& t, int i, int j) { return t.getPressure(i, j); }
inline double under(IGasTable const& t, int i, int j) { return t.getOilGasRatio(i, j); }
inline void setUnder(IOilTable& t, int i, int j, double v) { t.setPressure(i, j, v); }
inline void setUnder(IGasTable& t, int i, int j, double v) { t.setOilGasRatio(i, j, v); }

// Surface density, row count, then each row: its key, entry count and entries.
template <class Table>
Values rows(Table const& t) {
  Values s{t.getSurfaceDensity(), double(t.getSaturatedSize())};
  for (int i = 0; i < t.getSaturatedSize(); ++i) {
    s.insert(s.end(), {key(t, i), double(t.getUndersaturatedSize(i))});
    for (int j = 0; j < t.getUndersaturatedSize(i); ++j) {
      s.insert(s.end(), {under(t, i, j), t.getFormationVolumeFactor(i, j), t.getViscosity(i, j)});
    }
  }
  return s;
}

// What the table's kind holds beside its rows, in a fixed order (for a compressible table
// its four thermal values, then its per-row pairs), and a setter of each from a seed.
inline Values extras(IOilTable const& t) {
  Values v;
  if (auto const* k = dynamic_cast<IDeadOilTable const*>(&t)) {
    v = {k->getBubblePointPressure(), k->getDissolvedGas()};
  }
  if (auto const* k = dynamic_cast<IDeadOilConstantCompressTable const*>(&t)) {
    v.insert(v.end(), {k->getOilCompressibility(), k->getOilViscosibility()});
  }
  if (auto const* k = dynamic_cast<ICompressibleOilTable const*>(&t)) {
    v = {k->getMolecularWeight(), k->getSpecificHeat(), k->getTemperatureExpansionCoefficient(),
         k->getTemperatureSquaredExpansionCoefficient()};
    for (int i = 0; i < t.getSaturatedSize(); ++i) {
      v.insert(v.end(), {k->getCompressibility(i), k->getViscosibility(i)});
    }
  }
  return v;
}
inline Values extras(IGasTable const& t) {
  auto const* k = dynamic_cast<IDryGasTable const*>(&t);
  return k ? Values{k->getDewPointPressure(), k->getVaporizedOil()} : Values{};
}
inline void setExtras(IOilTable& t, double seed) {
  if (auto* k = dynamic_cast<IDeadOilTable*>(&t)) {
    k->setBubblePointPressure(seed + 1.0);
    k->setDissolvedGas(seed + 2.0);
  }
  if (auto* k = dynamic_cast<IDeadOilConstantCompressTable*>(&t)) {
    k->setOilCompressibility(seed + 3.0);
    k->setOilViscosibility(seed + 4.0);
  }
  if (auto* k = dynamic_cast<ICompressibleOilTable*>(&t)) {
    k->setMolecularWeight(seed + 1.0);
    k->setSpecificHeat(seed + 2.0);
    k->setTemperatureExpansionCoefficient(seed + 3.0);
    k->setTemperatureSquaredExpansionCoefficient(seed + 4.0);
    for (int i = 0; i < t.getSaturatedSize(); ++i) {
      k->setCompressibility(i, seed + 10.0 + i);
      k->setViscosibility(i, seed + 20.0 + i);
    }
  }
}
inline void setExtras(IGasTable& t, double seed) {
  if (auto* k = dynamic_cast<IDryGasTable*>(&t)) {
    k->setDewPointPressure(seed + 1.0);
    k->setVaporizedOil(seed + 2.0);
  }
}

// One row per entry count in `entries`, then every value of the kind's own.
template <class Table>
void fill(Table& t, std::vector<int> const& entries, double seed) {
  t.setSaturatedSize(int(entries.size()));
  for (int i = 0; i < t.getSaturatedSize(); ++i) {
    setKey(t, i, seed + 10 * i);
    t.setUndersaturatedSize(i, entries[at(i)]);
    for (int j = 0; j < entries[at(i)]; ++j) {
      setUnder(t, i, j, seed + 10 * i + j + 1);
      t.setFormationVolumeFactor(i, j, 1.0 + 0.01 * (seed + i + j));
      t.setViscosity(i, j, 0.1 * (seed + i + j));
    }
  }
  t.setSurfaceDensity(seed + 0.5);
  setExtras(t, seed);
}

template <class Kind>
std::string kind() {
  return typeid(Kind).name();
}
// The implementation class, its rows and what its kind holds beside them.
struct Table {
  std::string kind;
  Values rows, extras;
  bool operator==(Table const& o) const {
    return kind == o.kind && rows == o.rows && extras == o.extras;
  }
};
inline Table snapshot(IOilTable const& t) { return {typeid(t).name(), rows(t), extras(t)}; }
inline Table snapshot(IGasTable const& t) { return {typeid(t).name(), rows(t), extras(t)}; }

// ---- The common fluid-model part.
inline IInitialCondition::Property depthKey(int k) {
  return static_cast<IInitialCondition::Property>(k);
}
// Sets all fourteen water scalars to base + 1, base + 2, … and adds one salt.
inline void fillWater(IWaterProperties& w, double base, IBrineComponent::SaltMoleculeType salt) {
  using W = IWaterProperties;
  for (auto setter :
       {&W::setSurfaceDensity, &W::setPressure, &W::setFormationVolumeFactor,
        &W::setCompressibility, &W::setViscosity, &W::setViscosibility, &W::setKValueCoefficientA,
        &W::setKValueCoefficientB, &W::setKValueCoefficientC, &W::setKValueCoefficientD,
        &W::setKValueCoefficientE, &W::setReferenceTemperature, &W::setThermalExpansionCoefficient1,
        &W::setThermalExpansionCoefficient2}) {
    (w.*setter)(base += 1);
  }
  w.makeBrineComponent(salt);
}
// Water: its fourteen scalars, then its salts and brine table as a host reads them.
struct WaterState {
  Values scalars;
  std::string rest;
  bool operator==(WaterState const& o) const { return scalars == o.scalars && rest == o.rest; }
};
inline WaterState snapshot(IWaterProperties const& w) {
  WaterState s{{w.getSurfaceDensity(), w.getPressure(), w.getFormationVolumeFactor(),
                w.getCompressibility(), w.getViscosity(), w.getViscosibility(),
                w.getKValueCoefficientA(), w.getKValueCoefficientB(), w.getKValueCoefficientC(),
                w.getKValueCoefficientD(), w.getKValueCoefficientE(), w.getReferenceTemperature(),
                w.getThermalExpansionCoefficient1(), w.getThermalExpansionCoefficient2()},
               ""};
  for (int i = 0; i < w.getNumBrineComponents(); ++i)
    s.rest += w.getBrineComponent(i).getName() + " ";
  if (IBrinePropertyTable const* t = w.getBrinePropertyTable()) s.rest += support::observe(*t);
  return s;
}
// The target's water with the six basic numbers (the first six scalars) of the source.
inline WaterState withSixNumbersOf(WaterState target, WaterState const& source) {
  std::copy(source.scalars.begin(), source.scalars.begin() + 6, target.scalars.begin());
  return target;
}

// Sets the six numbers of an initial condition to base + 1 … base + 6.
inline void fillNumbers(IInitialCondition& ic, double base) {
  ic.setDatumDepth(base + 1);
  ic.setDatumPressure(base + 2);
  ic.setGasOilContactDepth(base + 3);
  ic.setGasOilContactCapillaryPressure(base + 4);
  ic.setWaterContactDepth(base + 5);
  ic.setWaterContactCapillaryPressure(base + 6);
}
// Its six numbers and its depth tables, including a few keys around the twelve.
struct Initial {
  std::array<double, 6> numbers;
  std::map<int, std::string> tables;
  bool operator==(Initial const& o) const { return numbers == o.numbers && tables == o.tables; }
};
inline Initial snapshot(IInitialCondition const& ic) {
  Initial s{{ic.getDatumDepth(), ic.getDatumPressure(), ic.getGasOilContactDepth(),
             ic.getGasOilContactCapillaryPressure(), ic.getWaterContactDepth(),
             ic.getWaterContactCapillaryPressure()},
            {}};
  for (int k = -2; k <= 14; ++k) {
    if (ic.hasDepthTable(depthKey(k)))
      s.tables[k] = support::observe(ic.getDepthTable(depthKey(k)));
  }
  return s;
}

struct Fluid {
  std::string name;
  std::optional<WaterState> water;
  std::map<std::string, Initial> initialConditions;
  std::map<int, std::string> temperatureTables;
  bool operator==(Fluid const& o) const {
    return std::tie(name, water, initialConditions, temperatureTables) ==
           std::tie(o.name, o.water, o.initialConditions, o.temperatureTables);
  }
};
inline Fluid fluid(IFluidModel& model) {
  IFluidModel const& view = model;
  Fluid s{model.getName(), std::nullopt, {}, {}};
  if (auto const* water = view.getWaterProperties()) s.water = snapshot(*water);
  for (auto const& name : model.getInitialConditionNames()) {
    s.initialConditions[name] = snapshot(view.getInitialCondition(name));
  }
  for (int k = -1; k <= 8; ++k) {
    auto const property = static_cast<IFluidModel::TemperatureTableProperty>(k);
    if (view.hasTemperatureTable(property)) {
      s.temperatureTables[k] = support::observe(view.getTemperatureTable(property));
    }
  }
  return s;
}

// ---- A black-oil model, with oil tables under the regions a host uses, 0 and negatives.
struct BlackOil {
  Fluid fluid;
  double gasDensity, oilDensity;
  std::optional<Table> gas;
  std::map<int, Table> oil;
  std::optional<std::string> solvent, miscibility;
  bool operator==(BlackOil const& o) const {
    return std::tie(fluid, gasDensity, oilDensity, gas, oil, solvent, miscibility) ==
           std::tie(o.fluid, o.gasDensity, o.oilDensity, o.gas, o.oil, o.solvent, o.miscibility);
  }
};
inline BlackOil snapshot(IBlackOilModel& model) {
  IBlackOilModel const& view = model;
  BlackOil s{fluid(model), view.gasDensity(), view.oilDensity(), {}, {}, {}, {}};
  if (auto const* gas = view.getGasTable()) s.gas = snapshot(*gas);
  for (int region = -2; region <= 8; ++region) {
    if (auto const* oil = view.getOilTable(region)) s.oil[region] = snapshot(*oil);
  }
  if (auto const* t = view.getSolventTable()) s.solvent = support::observe(*t);
  if (auto const* t = view.getMiscibilityTable()) s.miscibility = support::observe(*t);
  return s;
}

// ---- Components: name, type, properties under keys beyond the 53 a copy transfers, the
// four modelling choices, then the density and viscosity types of the three phases.
using Property = IComponent::Property;
inline Property property(int k) { return static_cast<Property>(k); }

struct Component {
  std::string name;
  int type;
  std::map<int, double> properties;
  std::vector<int> choices;
  bool operator==(Component const& o) const {
    return std::tie(name, type, properties, choices) ==
           std::tie(o.name, o.type, o.properties, o.choices);
  }
};
inline Component snapshot(IComponent const& c) {
  Component s{c.getName(), int(c.getType()), {}, {}};
  for (int k = -3; k <= 64; ++k) {
    if (c.hasProperty(property(k))) s.properties[k] = c.getProperty(property(k));
  }
  s.choices = {int(c.getVolatilityType()), int(c.getCompressibilityType()),
               int(c.getOilViscosityCorrelation()), int(c.getOilViscosityCorrelationUsage())};
  for (auto phase :
       {IComponent::PhaseType(0), IComponent::PhaseType(1), IComponent::PhaseType(2)}) {
    s.choices.insert(s.choices.end(),
                     {int(c.getDensityType(phase)), int(c.getViscosityType(phase))});
  }
  return s;
}
inline std::vector<Component> components(ICompositionalModel const& model) {
  std::vector<Component> s;
  for (int i = 0; i < model.getNumComponents(); ++i) s.push_back(snapshot(model.getComponent(i)));
  return s;
}
inline void setProperties(IComponent& c, std::map<int, double> const& properties) {
  for (auto const& [k, v] : properties) c.setProperty(property(k), v);
}
inline void setChoices(IComponent& c, int seed) {
  c.setVolatilityType(IComponent::VolatilityType(seed));
  c.setCompressibilityType(IComponent::CompressibilityType(seed + 1));
  c.setOilViscosityCorrelation(IComponent::OilViscosityCorrelation(seed + 2));
  c.setOilViscosityCorrelationUsage(IComponent::OilViscosityCorrelationUsage(seed + 3));
  c.setDensityType(IComponent::PhaseType::Gas, IComponent::DensityType(seed + 4));
  c.setViscosityType(IComponent::PhaseType::Water, IComponent::ViscosityType(seed + 5));
}
// What a component copy makes of the target: the source's properties 0 to 52 and four
// modelling choices, everything else the target's.
inline Component copied(Component const& source, Component target) {
  for (int k = 0; k <= 52; ++k) target.properties.erase(k);
  for (auto const& [k, v] : source.properties) {
    if (k >= 0 && k <= 52) target.properties[k] = v;
  }
  std::copy(source.choices.begin(), source.choices.begin() + 4, target.choices.begin());
  return target;
}

// ---- Every solubility table of an aqueous-soluble component, by kind and name.
inline std::map<std::string, std::string> tables(IAqueousSolubleComponent const& c) {
  std::map<std::string, std::string> s;
  if (c.hasSolubilityTable()) s["plain"] = support::observe(c.getSolubilityTable());
  if (c.hasSolubilityWaterPropertiesTable()) {
    s["water"] = support::observe(c.getSolubilityWaterPropertiesTable());
  }
  for (auto const& n : c.getTemperatureSolubilityTableNames()) {
    s["temperature " + n] = support::observe(c.getTemperatureSolubilityTable(n));
  }
  for (auto const& n : c.getSaltSolubilityTableNames()) {
    s["salt " + n] = support::observe(c.getSaltSolubilityTable(n));
  }
  for (auto const& n : c.getInteractionSolubilityTableNames()) {
    s["interaction " + n] = support::observe(c.getInteractionSolubilityTable(n));
  }
  return s;
}
// A table of every kind: T80, salt X and interaction I by name.
inline void furnish(IAqueousSolubleComponent& c, double seed) {
  support::fill(c.makeSolubilityTable(), seed, 2);
  support::fill(c.makeSolubilityWaterPropertiesTable(), seed + 10, 3);
  support::fill(c.makeTemperatureSolubilityTable("T80"), seed + 20, 2);
  support::fill(c.makeSaltSolubilityTable("X"), seed + 30, 2);
  support::fill(c.makeInteractionSolubilityTable("I"), seed + 40, 1);
}

}  // namespace state

#endif  // ORV_TESS_VARNAK_TESTS_COPY_STATE_H
