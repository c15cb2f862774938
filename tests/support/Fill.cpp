// The fill helpers (see Fill.h).
#include "support/Fill.h"

#include <initializer_list>
#include <string>

namespace support {

using namespace Orv::Tess::Varnak;

namespace {

// The seed, then the seed plus 1/1024, 2/1024, … (exact in binary).
class Values {
 public:
  explicit Values(double seed) : next_(seed) {}
  double operator()() { return next_ += 1.0 / 1024; }
  int choice(int count) { return static_cast<int>(operator()() * 1024) % count; }

 private:
  double next_;
};

// Sets each of `setters` in turn to the next value.
template <class T>
void setEach(T& t, Values& v, std::initializer_list<void (T::*)(double)> setters) {
  for (auto setter : setters) (t.*setter)(v());
}

// A table of `rows` rows, sized by `setSize`, each row set column by column.
template <class T>
void fillRowsOf(T& t, Values& v, int rows, void (T::*setSize)(int),
                std::initializer_list<void (T::*)(int, double)> columns) {
  (t.*setSize)(rows);
  for (int i = 0; i < rows; ++i) {
    for (auto column : columns) (t.*column)(i, v());
  }
}

void setKey(IOilTable& t, int i, double v) { t.setGasOilRatio(i, v); }
void setUnder(IOilTable& t, int i, int j, double v) { t.setPressure(i, j, v); }
void setKey(IGasTable& t, int i, double v) { t.setPressure(i, v); }
void setUnder(IGasTable& t, int i, int j, double v) { t.setOilGasRatio(i, j, v); }

template <class Table>
void fillRows(Table& t, Values& v, std::vector<int> const& entries) {
  t.setSurfaceDensity(v());
  t.setSaturatedSize(static_cast<int>(entries.size()));
  for (int i = 0; i < t.getSaturatedSize(); ++i) {
    setKey(t, i, v());
    t.setUndersaturatedSize(i, entries[static_cast<std::size_t>(i)]);
    for (int j = 0; j < t.getUndersaturatedSize(i); ++j) {
      setUnder(t, i, j, v());
      t.setFormationVolumeFactor(i, j, v());
      t.setViscosity(i, j, v());
    }
  }
}

// A flat table: counts first, then each row's key and its values.
template <class Table, class SetKey, class SetValue>
void fillFlat(Table& t, Values& v, int rows, int components, SetKey setKey, SetValue setValue) {
  t.setNumComponents(components);
  for (int r = 0; r < rows; ++r) {
    (t.*setKey)(r, v());
    for (int c = 0; c < components; ++c) (t.*setValue)(r, c, v());
  }
}

}  // namespace

void fill(IOilTable& t, double seed, std::vector<int> const& entries) {
  Values v(seed);
  fillRows(t, v, entries);
  if (auto* dead = dynamic_cast<IDeadOilTable*>(&t)) {
    dead->setBubblePointPressure(v());
    dead->setDissolvedGas(v());
  }
  if (auto* constant = dynamic_cast<IDeadOilConstantCompressTable*>(&t)) {
    constant->setOilCompressibility(v());
    constant->setOilViscosibility(v());
  }
  if (auto* compressible = dynamic_cast<ICompressibleOilTable*>(&t)) {
    for (int i = 0; i < t.getSaturatedSize(); ++i) {
      compressible->setCompressibility(i, v());
      compressible->setViscosibility(i, v());
    }
    compressible->setMolecularWeight(v());
    compressible->setSpecificHeat(v());
    compressible->setTemperatureExpansionCoefficient(v());
    compressible->setTemperatureSquaredExpansionCoefficient(v());
  }
}

void fill(IGasTable& t, double seed, std::vector<int> const& entries) {
  Values v(seed);
  fillRows(t, v, entries);
  if (auto* dry = dynamic_cast<IDryGasTable*>(&t)) {
    dry->setDewPointPressure(v());
    dry->setVaporizedOil(v());
  }
}

void fill(ISolventTable& t, double seed, int rows) {
  Values v(seed);
  using S = ISolventTable;
  t.setSurfaceDensity(v());
  fillRowsOf(t, v, rows, &S::setSize,
             {&S::setPressure, &S::setFormationVolumeFactor, &S::setViscosity});
}

void fill(IMiscibilityTable& t, double seed, int rows) {
  Values v(seed);
  using M = IMiscibilityTable;
  setEach(t, v, {&M::setViscosityMixingParameter, &M::setDensityMixingParameter});
  fillRowsOf(t, v, rows, &M::setSize, {&M::setOilPressure, &M::setMiscibility});
}

void fill(IBrinePropertyTable& t, double seed, int rows) {
  Values v(seed);
  using B = IBrinePropertyTable;
  setEach(t, v, {&B::setReferencePressure, &B::setReferenceSaltConcentration});
  fillRowsOf(t, v, rows, &B::setTableSize,
             {&B::setSaltConcentration, &B::setBrineSurfaceDensity, &B::setFormationVolumeFactor,
              &B::setCompressibility, &B::setViscosity, &B::setViscosibility});
}

void fill(ITracerDepthTable& t, double seed, int rows) {
  Values v(seed);
  using T = ITracerDepthTable;
  fillRowsOf(t, v, rows, &T::setNumDepths, {&T::setDepth, &T::setConcentration});
}

void fill(ISolubilityTable& t, double seed, int rows) {
  Values v(seed);
  t.setNumPressures(rows);
  auto* water = dynamic_cast<ISolubilityWaterPropertiesTable*>(&t);
  for (int i = 0; i < rows; ++i) {
    t.setPressure(i, v());
    t.setSolutionRatio(i, v());
    if (water != nullptr) {
      water->setFormationVolume(i, v());
      water->setViscosity(i, v());
      water->setCompressibility(i, v());
    }
  }
  if (auto* k = dynamic_cast<ITemperatureSolubilityTable*>(&t)) k->setTemperature(v());
  if (auto* k = dynamic_cast<ISaltSolubilityTable*>(&t)) {
    k->setSaltConcentration(v());
    k->setBrineSurfaceDensity(v());
    k->setRefSaltConcentration(v());
  }
  if (auto* k = dynamic_cast<IInteractionSolubilityTable*>(&t)) {
    k->setInteractionComponentName("Interacting component " + std::to_string(seed));
    k->setInteractionComponentMoleFraction(v());
  }
}

void fill(IDepthTable& t, double seed, int rows, int components) {
  Values v(seed);
  t.setNumDepths(rows);
  fillFlat(t, v, rows, components, &IDepthTable::setDepth, &IDepthTable::setProperty);
}

void fill(ITemperatureTable& t, double seed, int rows, int components) {
  Values v(seed);
  t.setNumTemperatures(rows);
  fillFlat(t, v, rows, components, &ITemperatureTable::setTemperature,
           &ITemperatureTable::setProperty);
}

void fill(IKValueTable& t, double seed, int rows, int components) {
  Values v(seed);
  t.setNumPressures(rows);
  fillFlat(t, v, rows, components, &IKValueTable::setPressure, &IKValueTable::setKValue);
  if (auto* k = dynamic_cast<ITemperatureKValueTable*>(&t)) k->setTemperature(v());
  if (auto* k = dynamic_cast<ICompositionKValueTable*>(&t)) {
    k->setComposition(v());
    k->setNominatedComponent(components - 1);
  }
}

void fill(IOilViscosityIndexTable& t, double seed, int rows, int components) {
  Values v(seed);
  t.setNumMolefractions(rows);
  fillFlat(t, v, rows, components, &IOilViscosityIndexTable::setMoleFraction,
           &IOilViscosityIndexTable::setOilViscosityIndex);
}

void fill(IWaterProperties& w, double seed) {
  Values v(seed);
  using W = IWaterProperties;
  setEach(w, v,
          {&W::setSurfaceDensity, &W::setPressure, &W::setFormationVolumeFactor,
           &W::setCompressibility, &W::setViscosity, &W::setViscosibility,
           &W::setKValueCoefficientA, &W::setKValueCoefficientB, &W::setKValueCoefficientC,
           &W::setKValueCoefficientD, &W::setKValueCoefficientE, &W::setReferenceTemperature,
           &W::setThermalExpansionCoefficient1, &W::setThermalExpansionCoefficient2});
}

void fill(IInitialCondition& ic, double seed) {
  Values v(seed);
  using I = IInitialCondition;
  setEach(ic, v,
          {&I::setDatumDepth, &I::setDatumPressure, &I::setGasOilContactDepth,
           &I::setGasOilContactCapillaryPressure, &I::setWaterContactDepth,
           &I::setWaterContactCapillaryPressure});
}

void fill(IComponent& c, double seed) {
  Values v(seed);
  for (int k = static_cast<int>(seed) % 3; k <= 53; k += 3) {
    c.setProperty(static_cast<IComponent::Property>(k), v());
  }
  c.setVolatilityType(static_cast<IComponent::VolatilityType>(v.choice(2)));
  c.setCompressibilityType(static_cast<IComponent::CompressibilityType>(v.choice(2)));
  c.setOilViscosityCorrelation(static_cast<IComponent::OilViscosityCorrelation>(v.choice(3)));
  c.setOilViscosityCorrelationUsage(
      static_cast<IComponent::OilViscosityCorrelationUsage>(v.choice(2)));
  c.setDensityType(IComponent::PhaseType::Oil, static_cast<IComponent::DensityType>(v.choice(2)));
  c.setDensityType(IComponent::PhaseType::Gas, static_cast<IComponent::DensityType>(v.choice(2)));
  c.setViscosityType(IComponent::PhaseType::Gas,
                     static_cast<IComponent::ViscosityType>(v.choice(2)));
  c.setViscosityType(IComponent::PhaseType::Water,
                     static_cast<IComponent::ViscosityType>(v.choice(2)));
}

void fill(IReaction& r, double seed, int components) {
  Values v(seed);
  using R = IReaction;
  r.setNumComponents(components);
  setEach(r, v,
          {&R::setRateConstant, &R::setMolarEnthalpy, &R::setActivationMolarEnergy,
           &R::setRatePorosityOrder});
  for (int c = 0; c < components; ++c) {
    r.setRateComponentOrder(c, v());
    r.setReactingComponentPhase(c, static_cast<IReaction::ReactingComponentPhase>(v.choice(6)));
    r.setReactantStoichiometricCoefficient(c, v());
    r.setProductStoichiometricCoefficient(c, v());
  }
  r.setHasEquilibriumDeviationTerms(true);
  r.setEquilibriumModelType(v.choice(3));
  r.setEquilibriumLiquidComponentIndex(0);
  r.setEquilibriumVapourComponentIndex(components - 1);
  r.setEquilibriumOrder(v());
  r.setEquilibriumReactionDirection(
      static_cast<IReaction::EquilibriumReactionDirection>(v.choice(3)));
  r.setEquilibriumKValueIndex(v.choice(4));
  setEach(r, v,
          {&R::setEquilibriumKValueCR_A, &R::setEquilibriumKValueCR_B, &R::setEquilibriumKValueCR_C,
           &R::setEquilibriumKValueCR_D, &R::setEquilibriumKValueCR_E});
}

void fill(ISeparatorStage& s, double seed) {
  Values v(seed);
  s.setTemperature(v());
  s.setPressure(v());
  s.setLiquidDestinationStageIndex(v.choice(5));
  s.setVapourDestinationStageIndex(v.choice(5));
  s.setKvalueTableNumber(v.choice(5));
  s.setGasPlantTableNumber(v.choice(5));
  s.setSurfaceEOSNumber(v.choice(5));
  s.setTemperatureForNGLdensity(v());
  s.setPressureForNGLdensity(v());
}

void fill(ITrackingModel& t, double seed) {
  Values v(seed);
  t.setHasGOCTracking(v.choice(2) == 1);
  t.setHasDEPTHTracking(v.choice(2) == 1);
  t.setHasREGIONTracking(v.choice(2) == 1);
  t.setTrackingDepth(v());
  t.setNormalizeOutput(v.choice(2) == 1);
  t.setTrackAllComponents(v.choice(2) == 1);
  t.setTrackedComponentNames({"Methane", "Heavy pseudo-component C7+"});
}

void furnish(IWaterProperties& w, double seed) {
  fill(w, seed);
  w.makeBrineComponent(IBrineComponent::SaltMoleculeType::NACL);
  w.makeBrineComponent(IBrineComponent::SaltMoleculeType::CACL2);
  fill(w.makeBrinePropertyTable(), seed + 0.5);
}

void furnish(IInitialCondition& ic, double seed) {
  fill(ic, seed);
  fill(ic.getDepthTable(IInitialCondition::Property::Pressure), seed + 0.1, 3, 1);
  fill(ic.getDepthTable(IInitialCondition::Property::OverallComposition), seed + 0.2, 4, 3);
  fill(ic.getDepthTable(IInitialCondition::Property::Temperature), seed + 0.3, 2, 1);
}

void furnish(IAqueousSolubleComponent& c, double seed) {
  fill(c, seed);
  fill(c.makeSolubilityTable(), seed + 0.1, 2);
  fill(c.makeSolubilityWaterPropertiesTable(), seed + 0.2, 3);
  fill(c.makeTemperatureSolubilityTable("At reservoir temperature 80 C"), seed + 0.3, 2);
  fill(c.makeSaltSolubilityTable("Formation brine of the lower zone"), seed + 0.4, 2);
  fill(c.makeInteractionSolubilityTable("With H2S"), seed + 0.5, 1);
}

namespace {

void furnishBlackOil(IBlackOilModel& m, double seed) {
  m.gasDensity(seed + 0.61);
  m.oilDensity(seed + 0.62);
  fill(static_cast<int>(seed) % 2 == 0 ? m.makeGasTable() : m.makeDryGasTable(), seed + 0.6);
  fill(m.makeOilTable(1), seed + 0.7);
  fill(m.makeDeadOilTable(2), seed + 0.71, {2});
  fill(m.makeDeadOilConstantCompressTable(3), seed + 0.72, {1, 2});
  fill(m.makeCompressibleOilTable(4), seed + 0.73, {2, 1, 3});
  fill(m.makeSolventTable(), seed + 0.8);
  fill(m.makeMiscibilityTable(), seed + 0.9, 2);
}

void furnishCompositional(ICompositionalModel& m, double seed) {
  m.setEquationOfState(static_cast<ICompositionalModel::EquationOfState>(1));
  m.setViscosityModel(static_cast<ICompositionalModel::ViscosityModel>(1));
  fill(m.makeComponent("C1", IComponent::Type::Plain), seed + 0.61);
  furnish(dynamic_cast<IAqueousSolubleComponent&>(
              m.makeComponent("CO2", IComponent::Type::AqueousSoluble)),
          seed + 0.62);
  fill(m.makeComponent("Intermediate pseudo-component C2-C6", IComponent::Type::Plain),
       seed + 0.63);
  fill(m.makeComponent("Heavy pseudo-component C7+", IComponent::Type::Plain), seed + 0.635);
  m.getBICs().setBIC(0, 2, seed + 0.64);
  m.getBICs().setBIC(1, 0, seed + 0.65);
  m.getAqueousBICs(1).setBIC(1, 1, seed + 0.66);
  fill(m.makeSimpleKValueTable(), seed + 0.7, 2, 3);
  fill(m.makeTemperatureKValueTable("At 60 C"), seed + 0.71, 3, 3);
  fill(m.makeCompositionKValueTable("Lean"), seed + 0.72, 2, 3);
  fill(m.makeOilViscosityIndexTable(), seed + 0.73, 2, 3);
  Values v(seed + 0.8);
  using M = ICompositionalModel;
  m.setUsesLiCorrelationLimits(true);
  setEach(m, v,
          {&M::setOilViscosityCorrelationT1, &M::setOilViscosityCorrelationT2, &M::setSalinity,
           &M::setPedersenViscosityTuningParameter1, &M::setPedersenViscosityTuningParameter2,
           &M::setPedersenViscosityTuningParameter3, &M::setPedersenViscosityTuningParameter4,
           &M::setPedersenViscosityTuningParameter5, &M::setPedersenViscosityTuningParameter6,
           &M::setLiCorrelationUpperLimit, &M::setLiCorrelationLowerLimit});
  fill(m.makeReaction("Carbonate dissolution"), seed + 0.9, 3);
}

}  // namespace

void furnish(IFluidModel& m, double seed) {
  furnish(m.makeWaterProperties(), seed + 0.1);
  furnish(m.makeInitialCondition("Crest"), seed + 0.2);
  furnish(m.makeInitialCondition("Deep eastern fault block"), seed + 0.3);
  fill(m.getTemperatureTable(IFluidModel::TemperatureTableProperty::OilViscosity), seed + 0.4);
  fill(m.getTemperatureTable(IFluidModel::TemperatureTableProperty::VaporPressure), seed + 0.5, 2,
       3);
  if (auto* blackOil = dynamic_cast<IBlackOilModel*>(&m)) furnishBlackOil(*blackOil, seed);
  if (auto* compositional = dynamic_cast<ICompositionalModel*>(&m)) {
    furnishCompositional(*compositional, seed);
  }
}

void furnish(ISeparatorModel& m, double seed) {
  m.setGroupName("Export train of the northern platform");
  fill(m.makeStage(), seed + 0.1);
  fill(m.makeStage(), seed + 0.2);
}

void furnish(ITracerModel& m, double seed) {
  m.setComponentName("Water of the injected brine");
  using Type = ITracerModel::DepthTableType;
  fill(m.makeDepthTable(Type::FreePhaseConcentration, 0), seed + 0.1);
  fill(m.makeDepthTable(Type::FreePhaseConcentration, 1), seed + 0.2, 2);
  fill(m.makeDepthTable(Type::SolutionPhaseConcentration, 0), seed + 0.3, 1);
}

void furnish(IFluidModels& r, double seed) {
  furnish(r.makeBlackOilModel("North field black oil", false), seed + 0.01);
  furnish(r.makeBlackOilModel("North field black oil", true), seed + 0.015);
  furnish(r.makeCompositionalModel("South", false), seed + 0.02);
  furnish(r.makeSeparatorModel("Export"), seed + 0.03);
  furnish(r.makeSeparatorModel("Export"), seed + 0.04);
  furnish(r.makeTracerModel("Injected brine tracer of well I-4"), seed + 0.05);
  fill(r.makeTrackingModel(), seed + 0.06);
}

}  // namespace support
