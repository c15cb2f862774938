// Snapshots of the library's objects, read through their interfaces (see Snapshot.h).
//
// Several getters that change nothing are declared without const (a model's or
// tracer's getName, the name listings); they are called through const_cast, as the
// library's own const operations do.
#include "alloc/Snapshot.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "Orv/Tess/Varnak.h"

namespace snapshot {

using namespace Orv::Tess::Varnak;

namespace {

// Appends labelled values to a snapshot string.
class Out {
 public:
  Out& operator()(char const* label, double v) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%016llx", static_cast<unsigned long long>(bits));
    return put(label, buffer);
  }
  Out& operator()(char const* label, int v) { return put(label, std::to_string(v)); }
  Out& operator()(char const* label, long long v) { return put(label, std::to_string(v)); }
  Out& operator()(char const* label, unsigned long long v) { return put(label, std::to_string(v)); }
  Out& operator()(char const* label, bool v) { return put(label, v ? "true" : "false"); }
  Out& operator()(char const* label, std::string const& v) {
    // Length-prefixed, so that no name can imitate the separators.
    return put(label, std::to_string(v.size()) + ":" + v);
  }
  Out& operator()(char const* label, char const* v) { return (*this)(label, std::string(v)); }
  Out& operator()(char const* label, std::set<std::string> const& names) {
    (*this)(label, static_cast<int>(names.size()));
    for (auto const& name : names) (*this)("-", name);
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

std::string of(ITemperatureTable const& table) {
  Out out;
  int const rows = table.getNumTemperatures();
  int const components = table.getNumComponents();
  out("rows", rows)("components", components);
  for (int t = 0; t < rows; ++t) {
    out("T", table.getTemperature(t));
    for (int c = 0; c < components; ++c) out("v", table.getProperty(t, c));
  }
  return out.str();
}

std::string of(IDepthTable const& table) {
  Out out;
  int const rows = table.getNumDepths();
  int const components = table.getNumComponents();
  out("rows", rows)("components", components);
  for (int d = 0; d < rows; ++d) {
    out("D", table.getDepth(d));
    for (int c = 0; c < components; ++c) out("v", table.getProperty(d, c));
  }
  return out.str();
}

std::string of(IInitialCondition const& condition) {
  Out out;
  out("name", mutableRef(condition).getName())("datumDepth", condition.getDatumDepth())(
      "datumPressure", condition.getDatumPressure())("gocDepth", condition.getGasOilContactDepth())(
      "gocPc", condition.getGasOilContactCapillaryPressure())(
      "wocDepth", condition.getWaterContactDepth())("wocPc",
                                                    condition.getWaterContactCapillaryPressure());
  for (int key : tableKeys()) {
    auto const property = static_cast<IInitialCondition::Property>(key);
    if (condition.hasDepthTable(property)) {
      out("depthTable", key).child("", of(condition.getDepthTable(property)));
    }
  }
  return out.str();
}

std::string of(IBrinePropertyTable const& table) {
  Out out;
  int const rows = table.getTableSize();
  out("rows", rows)("refPressure", table.getReferencePressure())(
      "refSalt", table.getReferenceSaltConcentration());
  for (int i = 0; i < rows; ++i) {
    out("salt", table.getSaltConcentration(i))("density", table.getBrineSurfaceDensity(i))(
        "fvf", table.getFormationVolumeFactor(i))("compressibility", table.getCompressibility(i))(
        "viscosity", table.getViscosity(i))("viscosibility", table.getViscosibility(i));
  }
  return out.str();
}

std::string of(IWaterProperties const& water) {
  Out out;
  out("density", water.getSurfaceDensity())("pressure", water.getPressure())(
      "fvf", water.getFormationVolumeFactor())("compressibility", water.getCompressibility())(
      "viscosity", water.getViscosity())("viscosibility", water.getViscosibility())(
      "kA", water.getKValueCoefficientA())("kB", water.getKValueCoefficientB())(
      "kC", water.getKValueCoefficientC())("kD", water.getKValueCoefficientD())(
      "kE", water.getKValueCoefficientE())("refT", water.getReferenceTemperature())(
      "expansion1", water.getThermalExpansionCoefficient1())(
      "expansion2", water.getThermalExpansionCoefficient2());
  int const salts = water.getNumBrineComponents();
  out("salts", salts);
  for (int i = 0; i < salts; ++i) {
    IBrineComponent const& salt = water.getBrineComponent(i);
    out("salt", static_cast<int>(salt.getSaltMoleculeType()))("saltName", salt.getName());
  }
  if (IBrinePropertyTable const* table = water.getBrinePropertyTable()) {
    out.child("brineTable", of(*table));
  }
  return out.str();
}

std::string of(IFluidModel const& model) {
  IFluidModel& m = mutableRef(model);
  Out out;
  out("name", m.getName());
  if (IWaterProperties const* water = model.getWaterProperties()) out.child("water", of(*water));
  std::set<std::string> const names = m.getInitialConditionNames();
  out("initialConditions", names);
  for (auto const& name : names) out.child("ic", of(model.getInitialCondition(name)));
  for (int key : tableKeys()) {
    auto const property = static_cast<IFluidModel::TemperatureTableProperty>(key);
    if (model.hasTemperatureTable(property)) {
      out("temperatureTable", key).child("", of(model.getTemperatureTable(property)));
    }
  }
  return out.str();
}

std::string of(IOilTable const& table) {
  Out out;
  out("density", table.getSurfaceDensity());
  int const rows = table.getSaturatedSize();
  out("rows", rows);
  for (int s = 0; s < rows; ++s) {
    int const entries = table.getUndersaturatedSize(s);
    out("rs", table.getGasOilRatio(s))("entries", entries);
    for (int u = 0; u < entries; ++u) {
      out("p", table.getPressure(s, u))("b", table.getFormationVolumeFactor(s, u))(
          "mu", table.getViscosity(s, u));
    }
  }
  if (auto const* dead = dynamic_cast<IDeadOilTable const*>(&table)) {
    out("kind", "dead")("pb", dead->getBubblePointPressure())("rs", dead->getDissolvedGas());
  }
  if (auto const* constant = dynamic_cast<IDeadOilConstantCompressTable const*>(&table)) {
    out("kind", "constant")("c", constant->getOilCompressibility())(
        "cmu", constant->getOilViscosibility());
  }
  if (auto const* compressible = dynamic_cast<ICompressibleOilTable const*>(&table)) {
    out("kind", "compressible");
    for (int s = 0; s < rows; ++s) {
      out("c", compressible->getCompressibility(s))("cmu", compressible->getViscosibility(s));
    }
    out("mw", compressible->getMolecularWeight())("cp", compressible->getSpecificHeat())(
        "ct1", compressible->getTemperatureExpansionCoefficient())(
        "ct2", compressible->getTemperatureSquaredExpansionCoefficient());
  }
  return out.str();
}

std::string of(IGasTable const& table) {
  Out out;
  out("density", table.getSurfaceDensity());
  int const rows = table.getSaturatedSize();
  out("rows", rows);
  for (int s = 0; s < rows; ++s) {
    int const entries = table.getUndersaturatedSize(s);
    out("p", table.getPressure(s))("entries", entries);
    for (int u = 0; u < entries; ++u) {
      out("rv", table.getOilGasRatio(s, u))("b", table.getFormationVolumeFactor(s, u))(
          "mu", table.getViscosity(s, u));
    }
  }
  if (auto const* dry = dynamic_cast<IDryGasTable const*>(&table)) {
    out("kind", "dry")("pd", dry->getDewPointPressure())("rv", dry->getVaporizedOil());
  }
  return out.str();
}

std::string of(IComponent const& component) {
  Out out;
  out("name", component.getName())("type", static_cast<int>(component.getType()))(
      "soluble", component.isSolubleInAqueousPhase());
  for (int key : propertyKeys()) {
    auto const property = static_cast<IComponent::Property>(key);
    if (component.hasProperty(property))
      out("property", key)("value", component.getProperty(property));
  }
  out("volatility", static_cast<int>(component.getVolatilityType()))(
      "compressibility", static_cast<int>(component.getCompressibilityType()))(
      "correlation", static_cast<int>(component.getOilViscosityCorrelation()))(
      "usage", static_cast<int>(component.getOilViscosityCorrelationUsage()));
  for (int phase = -1; phase <= 3; ++phase) {
    auto const p = static_cast<IComponent::PhaseType>(phase);
    out("density", static_cast<int>(component.getDensityType(p)))(
        "viscosity", static_cast<int>(component.getViscosityType(p)));
  }
  return out.str();
}

std::string of(IKValueTable const& table) {
  Out out;
  int const rows = table.getNumPressures();
  int const components = table.getNumComponents();
  out("rows", rows)("components", components);
  for (int p = 0; p < rows; ++p) {
    out("p", table.getPressure(p));
    for (int c = 0; c < components; ++c) out("k", table.getKValue(p, c));
  }
  if (auto const* t = dynamic_cast<ITemperatureKValueTable const*>(&table)) {
    out("kind", "temperature")("T", t->getTemperature());
  }
  if (auto const* z = dynamic_cast<ICompositionKValueTable const*>(&table)) {
    out("kind", "composition")("z", z->getComposition())("of", z->getNominatedComponent());
  }
  return out.str();
}

std::string of(IBinaryInteractionCoefficients const& coefficients) {
  Out out;
  for (int i = kFirstPairIndex; i <= kLastPairIndex; ++i) {
    for (int j = kFirstPairIndex; j <= kLastPairIndex; ++j) out("k", coefficients.getBIC(i, j));
  }
  return out.str();
}

std::string of(IReaction const& reaction) {
  Out out;
  int const components = reaction.getNumComponents();
  out("name", reaction.getName())("components", components)("rate", reaction.getRateConstant())(
      "enthalpy", reaction.getMolarEnthalpy())("activation", reaction.getActivationMolarEnergy())(
      "porosityOrder", reaction.getRatePorosityOrder())("porosityOrderSet",
                                                        reaction.getRatePorosityOrderIsSet());
  for (int c = 0; c < components; ++c) {
    out("order", reaction.getRateComponentOrder(c))(
        "phase", static_cast<int>(reaction.getReactingComponentPhase(c)))(
        "phaseName", reaction.getReactingComponentPhaseAsString(c))(
        "reactant", reaction.getReactantStoichiometricCoefficient(c))(
        "product", reaction.getProductStoichiometricCoefficient(c));
  }
  out("deviation", reaction.getHasEquilibriumDeviationTerms())(
      "model", reaction.getEquilibriumModelType())("liquid",
                                                   reaction.getEquilibriumLiquidComponentIndex())(
      "vapour", reaction.getEquilibriumVapourComponentIndex())("eqOrder",
                                                               reaction.getEquilibriumOrder())(
      "direction", static_cast<int>(reaction.getEquilibriumReactionDirection()))(
      "directionName", reaction.getEquilibriumReactionDirectionAsString())(
      "kIndex", reaction.getEquilibriumKValueIndex())("kA", reaction.getEquilibriumKValueCR_A())(
      "kB", reaction.getEquilibriumKValueCR_B())("kC", reaction.getEquilibriumKValueCR_C())(
      "kD", reaction.getEquilibriumKValueCR_D())("kE", reaction.getEquilibriumKValueCR_E());
  return out.str();
}

std::string of(IOilViscosityIndexTable const& table) {
  Out out;
  int const rows = table.getNumMolefractions();
  int const components = table.getNumComponents();
  out("rows", rows)("components", components);
  for (int f = 0; f < rows; ++f) {
    out("x", table.getMoleFraction(f));
    for (int c = 0; c < components; ++c) out("i", table.getOilViscosityIndex(f, c));
  }
  return out.str();
}

std::string of(ISolubilityTable const& table) {
  Out out;
  int const rows = table.getNumPressures();
  out("rows", rows);
  auto const* water = dynamic_cast<ISolubilityWaterPropertiesTable const*>(&table);
  for (int i = 0; i < rows; ++i) {
    out("p", table.getPressure(i))("r", table.getSolutionRatio(i));
    if (water != nullptr) {
      out("b", water->getFormationVolume(i))("mu", water->getViscosity(i))(
          "c", water->getCompressibility(i));
    }
  }
  if (auto const* t = dynamic_cast<ITemperatureSolubilityTable const*>(&table)) {
    out("kind", "temperature")("T", t->getTemperature());
  }
  if (auto const* s = dynamic_cast<ISaltSolubilityTable const*>(&table)) {
    out("kind", "salt")("salt", s->getSaltConcentration())("density", s->getBrineSurfaceDensity())(
        "refSalt", s->getRefSaltConcentration());
  }
  if (auto const* i = dynamic_cast<IInteractionSolubilityTable const*>(&table)) {
    out("kind", "interaction")("with", i->getInteractionComponentName())(
        "x", i->getInteractionComponentMoleFraction());
  }
  return out.str();
}

std::string of(ISeparatorStage const& stage) {
  Out out;
  out("index", stage.getStageIndex())("T", stage.getTemperature())("p", stage.getPressure())(
      "liquidTo", stage.getLiquidDestinationStageIndex())(
      "vapourTo", stage.getVapourDestinationStageIndex())("kTable", stage.getKvalueTableNumber())(
      "plant", stage.getGasPlantTableNumber())("eos", stage.getSurfaceEOSNumber())(
      "nglT", stage.getTemperatureForNGLdensity())("nglP", stage.getPressureForNGLdensity());
  return out.str();
}

std::string of(ISeparatorModel const& model) {
  ISeparatorModel& m = mutableRef(model);
  Out out;
  int const stages = model.getNumStages();
  out("name", m.getName())("group", m.getGroupName())("stages", stages);
  for (int k = 1; k <= stages; ++k) out.child("stage", of(model.getStage(k)));
  return out.str();
}

std::string of(ITracerDepthTable const& table) {
  Out out;
  int const rows = table.getNumDepths();
  out("rows", rows);
  for (int i = 0; i < rows; ++i) out("D", table.getDepth(i))("c", table.getConcentration(i));
  return out.str();
}

std::string of(ITracerModel const& model) {
  ITracerModel& m = mutableRef(model);
  Out out;
  out("name", m.getName())("component", m.getComponentName())("tables",
                                                              model.getNumOfDepthTables());
  for (int key : tableKeys()) {
    auto const type = static_cast<ITracerModel::DepthTableType>(key);
    out("type", key)("count", model.getNumOfDepthTablesOfType(type))(
        "has", model.hasDepthTablesOfType(type));
    // Regions of one type form an unbroken run from 0.
    for (int region = 0;; ++region) {
      ITracerDepthTable const* table = model.getDepthTable(type, region);
      if (table == nullptr) break;
      out.child("region", of(*table));
    }
  }
  return out.str();
}

std::string of(ITrackingModel const& model) {
  Out out;
  out("goc", model.getHasGOCTracking())("depth", model.getHasDEPTHTracking())(
      "region", model.getHasREGIONTracking())("at", model.getTrackingDepth())(
      "normalize", model.getNormalizeOutput())("all", model.getTrackAllComponents())(
      "names", mutableRef(model).getTrackedComponentNames());
  return out.str();
}

}  // namespace snapshot
