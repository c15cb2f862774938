// What the copy tests share to build the object they expect a copy to leave: the target
// as it was, with what the copy transfers taken over from the source by hand.
#ifndef ORV_TESS_VARNAK_TESTS_COPY_STATE_H
#define ORV_TESS_VARNAK_TESTS_COPY_STATE_H

#include <algorithm>
#include <map>
#include <string>

#include "Orv/Tess/Varnak.h"
#include "support/Fill.h"
#include "support/Observe.h"

namespace state {

using namespace Orv::Tess::Varnak;
using Property = IComponent::Property;
inline Property property(int k) { return static_cast<Property>(k); }
inline IInitialCondition::Property depthKey(int k) {
  return static_cast<IInitialCondition::Property>(k);
}

// The six basic numbers of `from`, all a water copy transfers.
inline void takeSixNumbers(IWaterProperties& to, IWaterProperties const& from) {
  to.setSurfaceDensity(from.getSurfaceDensity());
  to.setPressure(from.getPressure());
  to.setFormationVolumeFactor(from.getFormationVolumeFactor());
  to.setCompressibility(from.getCompressibility());
  to.setViscosity(from.getViscosity());
  to.setViscosibility(from.getViscosibility());
}

// The values `own`'s kind holds beside its rows, which a two-level copy leaves alone:
// `to` and `own` are of one kind; a compressible table keeps the pairs of the rows left.
inline void keepKindValues(IOilTable& to, IOilTable const& own) {
  if (auto* d = dynamic_cast<IDeadOilTable*>(&to)) {
    auto const& o = dynamic_cast<IDeadOilTable const&>(own);
    d->setBubblePointPressure(o.getBubblePointPressure());
    d->setDissolvedGas(o.getDissolvedGas());
  }
  if (auto* d = dynamic_cast<IDeadOilConstantCompressTable*>(&to)) {
    auto const& o = dynamic_cast<IDeadOilConstantCompressTable const&>(own);
    d->setOilCompressibility(o.getOilCompressibility());
    d->setOilViscosibility(o.getOilViscosibility());
  }
  if (auto* c = dynamic_cast<ICompressibleOilTable*>(&to)) {
    auto const& o = dynamic_cast<ICompressibleOilTable const&>(own);
    c->setMolecularWeight(o.getMolecularWeight());
    c->setSpecificHeat(o.getSpecificHeat());
    c->setTemperatureExpansionCoefficient(o.getTemperatureExpansionCoefficient());
    c->setTemperatureSquaredExpansionCoefficient(o.getTemperatureSquaredExpansionCoefficient());
    for (int i = 0; i < std::min(to.getSaturatedSize(), own.getSaturatedSize()); ++i) {
      c->setCompressibility(i, o.getCompressibility(i));
      c->setViscosibility(i, o.getViscosibility(i));
    }
  }
}
inline void keepKindValues(IGasTable& to, IGasTable const& own) {
  if (auto* d = dynamic_cast<IDryGasTable*>(&to)) {
    auto const& o = dynamic_cast<IDryGasTable const&>(own);
    d->setDewPointPressure(o.getDewPointPressure());
    d->setVaporizedOil(o.getVaporizedOil());
  }
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
