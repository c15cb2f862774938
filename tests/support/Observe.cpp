// Observations of the library's objects, read through their interfaces (see Observe.h).
//
// Several getters that change nothing are declared without const (a model's or
// tracer's getName, the name listings); they are called through const_cast, as the
// library's own const operations do.
#include "support/Observe.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "Orv/Tess/Varnak.h"

namespace support {

using namespace Orv::Tess::Varnak;

namespace {

// Appends labelled values to a snapshot string.
class Out {
 public:
  Out& add(char const* label, double v) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%016llx", static_cast<unsigned long long>(bits));
    return put(label, buffer);
  }
  Out& add(char const* label, int v) { return put(label, std::to_string(v)); }
  Out& add(char const* label, long long v) { return put(label, std::to_string(v)); }
  Out& add(char const* label, unsigned long long v) { return put(label, std::to_string(v)); }
  Out& add(char const* label, bool v) { return put(label, v ? "true" : "false"); }
  Out& add(char const* label, std::string const& v) {
    // Length-prefixed, so that no name can imitate the separators.
    return put(label, std::to_string(v.size()) + ":" + v);
  }
  Out& add(char const* label, char const* v) { return add(label, std::string(v)); }
  template <class E, class = std::enable_if_t<std::is_enum_v<E>>>
  Out& add(char const* label, E v) {
    return add(label, static_cast<int>(v));
  }
  Out& add(char const* label, std::set<std::string> const& names) {
    add(label, static_cast<int>(names.size()));
    for (auto const& name : names) add("-", name);
    return *this;
  }
  // Several values under one label: a group of scalars.
  template <class... V>
  Out& all(char const* label, V const&... values) {
    (add(label, values), ...);
    return *this;
  }
  // A nested snapshot, bracketed.
  Out& child(char const* label, std::string const& nested) {
    text_ += label;
    text_ += "{";
    text_ += nested;
    text_ += "}";
    return *this;
  }
  std::string str() const { return text_; }

 private:
  Out& put(char const* label, std::string const& value) {
    text_ += label;
    text_ += "=";
    text_ += value;
    text_ += ";";
    return *this;
  }
  std::string text_;
};

template <class T>
T& mutableRef(T const& object) {
  return const_cast<T&>(object);
}

// A table of rows by components: the counts, then each row's key and its values.
template <class T>
Out grid(T const& t, int rows, double (T::*key)(int) const, double (T::*value)(int, int) const) {
  Out out;
  int const components = t.getNumComponents();
  out.all("rows", rows, components);
  for (int r = 0; r < rows; ++r) {
    out.add("key", (t.*key)(r));
    for (int c = 0; c < components; ++c) out.add("v", (t.*value)(r, c));
  }
  return out;
}

// A two-level black-oil table: each row's key and its undersaturated entries.
template <class T>
Out twoLevel(T const& t, double (T::*key)(int) const, double (T::*under)(int, int) const) {
  Out out;
  int const rows = t.getSaturatedSize();
  out.all("density and rows", t.getSurfaceDensity(), rows);
  for (int s = 0; s < rows; ++s) {
    int const entries = t.getUndersaturatedSize(s);
    out.all("row", (t.*key)(s), entries);
    for (int u = 0; u < entries; ++u) {
      out.all("entry", (t.*under)(s, u), t.getFormationVolumeFactor(s, u), t.getViscosity(s, u));
    }
  }
  return out;
}

}  // namespace

std::vector<int> const& tableKeys() {
  static std::vector<int> const keys = [] {
    std::vector<int> k{INT_MIN, -1};
    for (int i = 0; i <= 12; ++i) k.push_back(i);
    k.push_back(INT_MAX);
    return k;
  }();
  return keys;
}

std::vector<int> const& propertyKeys() {
  static std::vector<int> const keys = [] {
    std::vector<int> k;
    for (int i = -1; i <= 53; ++i) k.push_back(i);
    k.push_back(INT_MAX);
    return k;
  }();
  return keys;
}

std::string observe(ITemperatureTable const& t) {
  using T = ITemperatureTable;
  return grid(t, t.getNumTemperatures(), &T::getTemperature, &T::getProperty).str();
}

std::string observe(IDepthTable const& t) {
  return grid(t, t.getNumDepths(), &IDepthTable::getDepth, &IDepthTable::getProperty).str();
}

std::string observe(IInitialCondition const& condition) {
  Out out;
  out.add("name", mutableRef(condition).getName())
      .all("datum and contacts", condition.getDatumDepth(), condition.getDatumPressure(),
           condition.getGasOilContactDepth(), condition.getGasOilContactCapillaryPressure(),
           condition.getWaterContactDepth(), condition.getWaterContactCapillaryPressure());
  for (int key : tableKeys()) {
    auto const property = static_cast<IInitialCondition::Property>(key);
    if (condition.hasDepthTable(property)) {
      out.add("depthTable", key).child("", observe(condition.getDepthTable(property)));
    }
  }
  return out.str();
}

std::string observe(IBrinePropertyTable const& table) {
  Out out;
  int const rows = table.getTableSize();
  out.add("rows", rows)
      .all("reference", table.getReferencePressure(), table.getReferenceSaltConcentration());
  for (int i = 0; i < rows; ++i) {
    out.all("row", table.getSaltConcentration(i), table.getBrineSurfaceDensity(i),
            table.getFormationVolumeFactor(i), table.getCompressibility(i), table.getViscosity(i),
            table.getViscosibility(i));
  }
  return out.str();
}

std::string observe(IWaterProperties const& water) {
  Out out;
  out.all("scalars", water.getSurfaceDensity(), water.getPressure(),
          water.getFormationVolumeFactor(), water.getCompressibility(), water.getViscosity(),
          water.getViscosibility(), water.getKValueCoefficientA(), water.getKValueCoefficientB(),
          water.getKValueCoefficientC(), water.getKValueCoefficientD(),
          water.getKValueCoefficientE(), water.getReferenceTemperature(),
          water.getThermalExpansionCoefficient1(), water.getThermalExpansionCoefficient2());
  int const salts = water.getNumBrineComponents();
  out.add("salts", salts);
  for (int i = 0; i < salts; ++i) {
    IBrineComponent const& salt = water.getBrineComponent(i);
    out.add("salt", salt.getSaltMoleculeType()).add("saltName", salt.getName());
  }
  if (IBrinePropertyTable const* table = water.getBrinePropertyTable()) {
    out.child("brineTable", observe(*table));
  }
  return out.str();
}

namespace {

// Oil tables are keyed by any int region; the probe keys and the count cover them.
std::string blackOilPart(IBlackOilModel const& model) {
  Out out;
  out.all("densities", model.gasDensity(), model.oilDensity())
      .add("oilTables", model.getNumOfOilTables());
  if (IGasTable const* gas = model.getGasTable()) out.child("gas", observe(*gas));
  for (int region : tableKeys()) {
    if (IOilTable const* oil = model.getOilTable(region)) {
      out.add("region", region).child("", observe(*oil));
    }
  }
  if (ISolventTable const* solvent = model.getSolventTable())
    out.child("solvent", observe(*solvent));
  if (IMiscibilityTable const* miscibility = model.getMiscibilityTable()) {
    out.child("miscibility", observe(*miscibility));
  }
  return out.str();
}

std::string compositionalPart(ICompositionalModel const& model) {
  Out out;
  int const components = model.getNumComponents();
  out.add("eos", model.getEquationOfState())
      .add("viscosityModel", model.getViscosityModel())
      .add("components", components)
      .add("aqueous", model.getNumAqueousSolubleComponents());
  for (int i = 0; i < components; ++i) {
    IComponent const& component = model.getComponent(i);
    out.add("index", model.getComponentIndex(component.getName())).child("", observe(component));
  }
  out.child("bics", observe(model.getBICs()));
  for (int n = 1; n <= 3; ++n) out.child("aqueousBics", observe(model.getAqueousBICs(n)));
  out.add("anyKValues", model.hasAnyKValueTables());
  if (model.hasSimpleKValueTable()) out.child("simpleK", observe(model.getSimpleKValueTable()));
  std::set<std::string> const temperatureNames = model.getTemperatureKValueTableNames();
  out.add("temperatureK", temperatureNames);
  for (auto const& name : temperatureNames) {
    out.child("", observe(model.getTemperatureKValueTable(name)));
  }
  std::set<std::string> const compositionNames = model.getCompositionKValueTableNames();
  out.add("compositionK", compositionNames);
  for (auto const& name : compositionNames) {
    out.child("", observe(model.getCompositionKValueTable(name)));
  }
  if (IOilViscosityIndexTable const* index = model.getOilViscosityIndexTable()) {
    out.child("viscosityIndex", observe(*index));
  }
  out.all(
         "viscosity", model.getOilViscosityCorrelationT1(), model.getOilViscosityCorrelationT2(),
         model.getSalinity(), model.getPedersenViscosityTuningParameter1(),
         model.getPedersenViscosityTuningParameter2(), model.getPedersenViscosityTuningParameter3(),
         model.getPedersenViscosityTuningParameter4(), model.getPedersenViscosityTuningParameter5(),
         model.getPedersenViscosityTuningParameter6(), model.getLiCorrelationUpperLimit(),
         model.getLiCorrelationLowerLimit())
      .add("li", model.getUsesLiCorrelationLimits());
  unsigned long long const reactions = model.getNumReactions();
  out.add("reactions", reactions);
  for (unsigned long long i = 0; i < reactions; ++i) out.child("", observe(model.getReaction(i)));
  return out.str();
}

}  // namespace

std::string observe(IFluidModel const& model) {
  IFluidModel& m = mutableRef(model);
  Out out;
  out.add("name", m.getName());
  if (IWaterProperties const* water = model.getWaterProperties())
    out.child("water", observe(*water));
  std::set<std::string> const names = m.getInitialConditionNames();
  out.add("initialConditions", names);
  for (auto const& name : names) out.child("ic", observe(model.getInitialCondition(name)));
  for (int key : tableKeys()) {
    auto const property = static_cast<IFluidModel::TemperatureTableProperty>(key);
    if (model.hasTemperatureTable(property)) {
      out.add("temperatureTable", key).child("", observe(model.getTemperatureTable(property)));
    }
  }
  if (auto const* blackOil = dynamic_cast<IBlackOilModel const*>(&model)) {
    out.child("blackOil", blackOilPart(*blackOil));
  }
  if (auto const* compositional = dynamic_cast<ICompositionalModel const*>(&model)) {
    out.child("compositional", compositionalPart(*compositional));
  }
  return out.str();
}

std::string observe(ISolventTable const& table) {
  Out out;
  int const rows = table.getSize();
  out.add("density", table.getSurfaceDensity()).add("rows", rows);
  for (int i = 0; i < rows; ++i) {
    out.all("row", table.getPressure(i), table.getFormationVolumeFactor(i), table.getViscosity(i));
  }
  return out.str();
}

std::string observe(IMiscibilityTable const& table) {
  Out out;
  int const rows = table.getSize();
  out.all("mixing", table.getViscosityMixingParameter(), table.getDensityMixingParameter())
      .add("rows", rows);
  for (int i = 0; i < rows; ++i) out.all("row", table.getOilPressure(i), table.getMiscibility(i));
  return out.str();
}

std::string observe(IOilTable const& table) {
  Out out = twoLevel(table, &IOilTable::getGasOilRatio, &IOilTable::getPressure);
  if (auto const* dead = dynamic_cast<IDeadOilTable const*>(&table)) {
    out.all("dead", dead->getBubblePointPressure(), dead->getDissolvedGas());
  }
  if (auto const* constant = dynamic_cast<IDeadOilConstantCompressTable const*>(&table)) {
    out.all("constant", constant->getOilCompressibility(), constant->getOilViscosibility());
  }
  if (auto const* compressible = dynamic_cast<ICompressibleOilTable const*>(&table)) {
    for (int s = 0; s < table.getSaturatedSize(); ++s) {
      out.all("compressible", compressible->getCompressibility(s),
              compressible->getViscosibility(s));
    }
    out.all("compressible", compressible->getMolecularWeight(), compressible->getSpecificHeat(),
            compressible->getTemperatureExpansionCoefficient(),
            compressible->getTemperatureSquaredExpansionCoefficient());
  }
  return out.str();
}

std::string observe(IGasTable const& table) {
  Out out = twoLevel(table, &IGasTable::getPressure, &IGasTable::getOilGasRatio);
  if (auto const* dry = dynamic_cast<IDryGasTable const*>(&table)) {
    out.all("dry", dry->getDewPointPressure(), dry->getVaporizedOil());
  }
  return out.str();
}

std::string observe(IComponent const& component) {
  Out out;
  out.add("name", component.getName())
      .add("type", component.getType())
      .add("soluble", component.isSolubleInAqueousPhase());
  for (int key : propertyKeys()) {
    auto const property = static_cast<IComponent::Property>(key);
    if (component.hasProperty(property))
      out.add("property", key).add("value", component.getProperty(property));
  }
  out.all("choices", component.getVolatilityType(), component.getCompressibilityType(),
          component.getOilViscosityCorrelation(), component.getOilViscosityCorrelationUsage());
  for (int phase = -1; phase <= 3; ++phase) {
    auto const p = static_cast<IComponent::PhaseType>(phase);
    out.all("phase", component.getDensityType(p), component.getViscosityType(p));
  }
  if (auto const* aqueous = dynamic_cast<IAqueousSolubleComponent const*>(&component)) {
    out.add("anyTables", aqueous->hasAnySolubilityTables());
    if (aqueous->hasSolubilityTable()) out.child("plain", observe(aqueous->getSolubilityTable()));
    if (aqueous->hasSolubilityWaterPropertiesTable()) {
      out.child("water", observe(aqueous->getSolubilityWaterPropertiesTable()));
    }
    std::set<std::string> const temperature = aqueous->getTemperatureSolubilityTableNames();
    out.add("temperature", temperature);
    for (auto const& name : temperature) {
      out.child("", observe(aqueous->getTemperatureSolubilityTable(name)));
    }
    std::set<std::string> const interaction = aqueous->getInteractionSolubilityTableNames();
    out.add("interaction", interaction);
    for (auto const& name : interaction) {
      out.child("", observe(aqueous->getInteractionSolubilityTable(name)));
    }
    std::set<std::string> const salt = aqueous->getSaltSolubilityTableNames();
    out.add("salt", salt);
    for (auto const& name : salt) out.child("", observe(aqueous->getSaltSolubilityTable(name)));
  }
  return out.str();
}

std::string observe(IAqueousSolubleComponent const& component) {
  return observe(static_cast<IComponent const&>(component));
}

std::string observe(IKValueTable const& table) {
  using K = IKValueTable;
  Out out = grid(table, table.getNumPressures(), &K::getPressure, &K::getKValue);
  if (auto const* t = dynamic_cast<ITemperatureKValueTable const*>(&table)) {
    out.add("temperature", t->getTemperature());
  }
  if (auto const* z = dynamic_cast<ICompositionKValueTable const*>(&table)) {
    out.add("composition", z->getComposition()).add("of", z->getNominatedComponent());
  }
  return out.str();
}

std::string observe(IBinaryInteractionCoefficients const& coefficients) {
  Out out;
  for (int i = kFirstPairIndex; i <= kLastPairIndex; ++i) {
    for (int j = kFirstPairIndex; j <= kLastPairIndex; ++j) out.add("k", coefficients.getBIC(i, j));
  }
  return out.str();
}

std::string observe(IReaction const& reaction) {
  Out out;
  int const components = reaction.getNumComponents();
  IReaction const& r = reaction;
  out.add("name", r.getName())
      .add("components", components)
      .all("rate law", r.getRateConstant(), r.getMolarEnthalpy(), r.getActivationMolarEnergy(),
           r.getRatePorosityOrder(), r.getRatePorosityOrderIsSet());
  for (int c = 0; c < components; ++c) {
    out.all("component", r.getRateComponentOrder(c), r.getReactingComponentPhase(c),
            r.getReactingComponentPhaseAsString(c), r.getReactantStoichiometricCoefficient(c),
            r.getProductStoichiometricCoefficient(c));
  }
  out.all("equilibrium", r.getHasEquilibriumDeviationTerms(), r.getEquilibriumModelType(),
          r.getEquilibriumLiquidComponentIndex(), r.getEquilibriumVapourComponentIndex(),
          r.getEquilibriumOrder(), r.getEquilibriumReactionDirection(),
          r.getEquilibriumReactionDirectionAsString(), r.getEquilibriumKValueIndex(),
          r.getEquilibriumKValueCR_A(), r.getEquilibriumKValueCR_B(), r.getEquilibriumKValueCR_C(),
          r.getEquilibriumKValueCR_D(), r.getEquilibriumKValueCR_E());
  return out.str();
}

std::string observe(IOilViscosityIndexTable const& t) {
  using V = IOilViscosityIndexTable;
  return grid(t, t.getNumMolefractions(), &V::getMoleFraction, &V::getOilViscosityIndex).str();
}

std::string observe(ISolubilityTable const& table) {
  Out out;
  int const rows = table.getNumPressures();
  out.add("rows", rows);
  auto const* water = dynamic_cast<ISolubilityWaterPropertiesTable const*>(&table);
  for (int i = 0; i < rows; ++i) {
    out.all("row", table.getPressure(i), table.getSolutionRatio(i));
    if (water != nullptr) {
      out.all("water", water->getFormationVolume(i), water->getViscosity(i),
              water->getCompressibility(i));
    }
  }
  if (auto const* t = dynamic_cast<ITemperatureSolubilityTable const*>(&table)) {
    out.add("temperature", t->getTemperature());
  }
  if (auto const* s = dynamic_cast<ISaltSolubilityTable const*>(&table)) {
    out.all("salt", s->getSaltConcentration(), s->getBrineSurfaceDensity(),
            s->getRefSaltConcentration());
  }
  if (auto const* i = dynamic_cast<IInteractionSolubilityTable const*>(&table)) {
    out.all("interaction", i->getInteractionComponentName(),
            i->getInteractionComponentMoleFraction());
  }
  return out.str();
}

std::string observe(ISeparatorStage const& stage) {
  Out out;
  out.all("stage", stage.getStageIndex(), stage.getTemperature(), stage.getPressure(),
          stage.getLiquidDestinationStageIndex(), stage.getVapourDestinationStageIndex(),
          stage.getKvalueTableNumber(), stage.getGasPlantTableNumber(), stage.getSurfaceEOSNumber(),
          stage.getTemperatureForNGLdensity(), stage.getPressureForNGLdensity());
  return out.str();
}

std::string observe(ISeparatorModel const& model) {
  ISeparatorModel& m = mutableRef(model);
  Out out;
  int const stages = model.getNumStages();
  out.add("name", m.getName()).add("group", m.getGroupName()).add("stages", stages);
  for (int k = 1; k <= stages; ++k) out.child("stage", observe(model.getStage(k)));
  return out.str();
}

std::string observe(ITracerDepthTable const& table) {
  Out out;
  int const rows = table.getNumDepths();
  out.add("rows", rows);
  for (int i = 0; i < rows; ++i) out.all("row", table.getDepth(i), table.getConcentration(i));
  return out.str();
}

std::string observe(ITracerModel const& model) {
  ITracerModel& m = mutableRef(model);
  Out out;
  out.add("name", m.getName())
      .add("component", m.getComponentName())
      .add("tables", model.getNumOfDepthTables());
  for (int key : tableKeys()) {
    auto const type = static_cast<ITracerModel::DepthTableType>(key);
    out.add("type", key)
        .add("count", model.getNumOfDepthTablesOfType(type))
        .add("has", model.hasDepthTablesOfType(type));
    // Regions of one type form an unbroken run from 0.
    for (int region = 0;; ++region) {
      ITracerDepthTable const* table = model.getDepthTable(type, region);
      if (table == nullptr) break;
      out.child("region", observe(*table));
    }
  }
  return out.str();
}

std::string observe(ITrackingModel const& model) {
  Out out;
  out.all("tracking", model.getHasGOCTracking(), model.getHasDEPTHTracking(),
          model.getHasREGIONTracking(), model.getTrackingDepth(), model.getNormalizeOutput(),
          model.getTrackAllComponents())
      .add("names", mutableRef(model).getTrackedComponentNames());
  return out.str();
}

std::string observe(IFluidModels const& registry) {
  IFluidModels& r = mutableRef(registry);
  Out out;
  std::set<std::string> const fluids = r.getFluidModelNames();
  out.add("fluids", fluids);
  for (auto const& name : fluids) out.child("", observe(registry.getFluidModel(name)));
  std::set<std::string> const separators = r.getSeparatorModelNames();
  out.add("separators", separators);
  for (auto const& name : separators) {
    out.add("versions",
            static_cast<unsigned long long>(registry.getNumSeparatorModelVersions(name)));
    for (std::size_t version = 0; registry.hasSeparatorModel(name, version); ++version) {
      out.child("", observe(registry.getSeparatorModel(name, version)));
    }
  }
  std::set<std::string> const tracers = r.getTracerModelNames();
  out.add("tracers", tracers);
  for (auto const& name : tracers) out.child("", observe(registry.getTracerModel(name)));
  if (ITrackingModel const* tracking = registry.getTrackingModel()) {
    out.child("tracking", observe(*tracking));
  }
  return out.str();
}

}  // namespace support
