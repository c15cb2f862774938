// The compositional floor: components (and the aqueous-soluble ones with their
// solubility tables), interaction coefficients, K-value tables, the oil viscosity index
// table, reactions and the model's own settings.
#include "Session.h"

namespace fuzz {

void Session::onCompositional(ICompositionalModel& m, std::string const& key) {
  using M = ICompositionalModel;
  static auto const settings = fieldsOf(
      FIELD(M, EquationOfState), FIELD(M, ViscosityModel), FIELD(M, OilViscosityCorrelationT1),
      FIELD(M, OilViscosityCorrelationT2), FIELD(M, Salinity),
      FIELD(M, PedersenViscosityTuningParameter1), FIELD(M, PedersenViscosityTuningParameter2),
      FIELD(M, PedersenViscosityTuningParameter3), FIELD(M, PedersenViscosityTuningParameter4),
      FIELD(M, PedersenViscosityTuningParameter5), FIELD(M, PedersenViscosityTuningParameter6),
      FIELD(M, UsesLiCorrelationLimits));
  std::string const name = in.name();
  std::string const viscosityIndex = key + "viscosityIndex:/";
  auto const getViscosityIndex = [&m] { return m.getOilViscosityIndexTable(); };
  auto const component = [&](IComponent& c) -> IComponent& {
    std::string const made = c.getName();
    return refs.same(path(key, "component", made), c, [&m, made] { return &m.getComponent(made); });
  };
  auto const makeComponent = [&] {
    auto const type = static_cast<IComponent::Type>(in.pick(8) == 0 ? in.enumValue() : in.pick(2));
    attempt("makeComponent", snap(m), [&] { component(m.makeComponent(name, type)); });
  };
  auto const deleteComponent = [&] {
    int const index = in.index();
    std::string const gone =
        index >= 0 && index < m.getNumComponents() ? m.getComponent(index).getName() : "";
    attempt("deleteComponent", snap(m), [&] { m.deleteComponent(index); });
    refs.forget(path(key, "component", gone));
  };
  auto const getComponent = [&] {
    auto* c = fetch("getComponent", snap(m), [&] {
      return &component(in.flag() ? m.getComponent(in.index()) : m.getComponent(name));
    });
    if (c != nullptr) onComponent(*c);
  };
  auto const aqueous = [&] {
    int const index = in.index();
    int const how = in.pick(3);
    auto* c = fetch("get aqueous-soluble component", snap(m), [&] {
      return how == 0   ? &m.getComponentAsAqueousSolubleComponent(index)
             : how == 1 ? &m.getComponentAsAqueousSolubleComponent(name)
                        : &m.getAqueousSolubleComponent(index);
    });
    if (c != nullptr) onAqueousComponent(*c);
  };
  auto const bics = [&] {
    int const n = in.pick(8) == 0 ? in.index() : 1 + in.pick(3);
    auto* b =
        fetch("get BICs", snap(m), [&] { return in.flag() ? &m.getBICs() : &m.getAqueousBICs(n); });
    if (b == nullptr) return;
    int const i = in.pairIndex();
    int const j = in.pairIndex();
    double const v = in.value();
    attempt("setBIC", snap(*b), [&] {
      b->setBIC(i, j, v);
      // The matrix is symmetric, and its diagonal always zero.
      checkStored("setBIC", b->getBIC(i, j), i == j ? 0.0 : v);
      checkStored("setBIC (symmetric)", b->getBIC(j, i), i == j ? 0.0 : v);
    });
  };
  auto const makeKValueTable = [&] {
    if (in.flag()) {
      refs.same(path(key, "temperatureK", name), m.makeTemperatureKValueTable(name),
                [&m, name] { return &m.getTemperatureKValueTable(name); });
    } else {
      refs.same(path(key, "compositionK", name), m.makeCompositionKValueTable(name),
                [&m, name] { return &m.getCompositionKValueTable(name); });
    }
  };
  auto const kValueTable = [&] {
    int const which = in.pick(3);
    auto* table = fetch("get K-value table", snap(m), [&]() -> IKValueTable* {
      if (which == 0) return &m.getSimpleKValueTable();
      if (which == 1) {
        return &m.getTemperatureKValueTable(chooseName(in, m.getTemperatureKValueTableNames()));
      }
      return &m.getCompositionKValueTable(chooseName(in, m.getCompositionKValueTableNames()));
    });
    if (table != nullptr) onFlatTable(*table);
  };
  auto const viscosityIndexTable = [&] {
    if (auto* table = getViscosityIndex()) {
      onFlatTable(refs.same(viscosityIndex, *table, getViscosityIndex));
    }
  };
  auto const reaction = [&] {
    unsigned long long const index = in.size();
    auto* r = fetch("getReaction", snap(m), [&] { return &m.getReaction(index); });
    if (r != nullptr) onReaction(*r);
  };
  auto const setting = [&] {
    Args const a{0, in.value(), in.enumValue()};
    int const call = in.pick(13);
    if (call < 12) return set(m, settings[call], a);
    setAll("Li correlation limits", m,
           {FIELD(M, LiCorrelationUpperLimit), FIELD(M, LiCorrelationLowerLimit)}, a);
  };
  choose(
      snap(static_cast<IFluidModel const&>(m)),
      {{nullptr, makeComponent, 2},
       {nullptr, deleteComponent},
       {nullptr, getComponent, 2},
       {nullptr, aqueous},
       {nullptr, bics},
       {"makeSimpleKValueTable",
        [&] {
          refs.same(key + "simpleK:/", m.makeSimpleKValueTable(),
                    [&m] { return &m.getSimpleKValueTable(); });
        }},
       {"make K-value table", makeKValueTable},
       {nullptr, kValueTable},
       {"makeOilViscosityIndexTable",
        [&] { refs.same(viscosityIndex, m.makeOilViscosityIndexTable(), getViscosityIndex); },
        viscosityIndex},
       {"deleteOilViscosityIndexTable", [&] { m.deleteOilViscosityIndexTable(); }, viscosityIndex},
       {nullptr, viscosityIndexTable},
       {"makeReaction", [&] { m.makeReaction(name); }},
       {nullptr, reaction},
       {nullptr, setting}});
}

// The K-value tables' own values: the temperature, or the composition and its component.
void Session::flatExtra(IKValueTable& t, Observe const&, bool) {
  Args const a{0, in.value(), in.anyInt()};
  if (auto* temperature = dynamic_cast<ITemperatureKValueTable*>(&t)) {
    using T = ITemperatureKValueTable;
    set(*temperature, FIELD(T, Temperature), a);
  } else if (auto* composition = dynamic_cast<ICompositionKValueTable*>(&t)) {
    using C = ICompositionKValueTable;
    setAll("setComposition", *composition, {FIELD(C, Composition), FIELD(C, NominatedComponent)},
           a);
  }
}

void Session::onComponent(IComponent& c) {
  using C = IComponent;
  static auto const byPhase = fieldsOf(FIELD(C, DensityType), FIELD(C, ViscosityType));
  auto const property = static_cast<C::Property>(in.propertyKey());
  double const v = in.value();
  int const e = in.enumValue();
  Args const a{in.pick(5) - 1, v, e};  // the phase, the value, the type
  auto* aqueous = dynamic_cast<IAqueousSolubleComponent*>(&c);
  auto const setProperty = [&] {
    c.setProperty(property, v);
    if (!c.hasProperty(property)) fail("setProperty", "not stored");
    checkStored("setProperty", c.getProperty(property), v);
  };
  auto const choices = [&] {
    setAll("modelling choices", c,
           {FIELD(C, VolatilityType), FIELD(C, CompressibilityType),
            FIELD(C, OilViscosityCorrelation), FIELD(C, OilViscosityCorrelationUsage)},
           a);
  };
  choose(snap(c),
         {{"setProperty", setProperty},
          {"deleteProperty", [&] { c.deleteProperty(property); }},
          {"getProperty", [&] { c.getProperty(property); }},
          {nullptr, [&](int k) { set(c, byPhase[k], a); }, 2},
          {nullptr, choices},
          {nullptr, [&] { aqueous ? exerciseCopies(aqueous, false) : exerciseCopies(&c, false); }},
          {nullptr, [&] {
             if (aqueous != nullptr) onAqueousComponent(*aqueous);
           }}});
}

void Session::onAqueousComponent(IAqueousSolubleComponent& c) {
  std::string const name = in.name();
  ISolubilityTable* table = nullptr;
  auto const got = [&table](ISolubilityTable& t) { table = &t; };
  choose(
      snap(c),
      {{"makeSolubilityTable", [&] { got(c.makeSolubilityTable()); }},
       {"makeSolubilityWaterPropertiesTable", [&] { got(c.makeSolubilityWaterPropertiesTable()); }},
       {"makeTemperatureSolubilityTable", [&] { got(c.makeTemperatureSolubilityTable(name)); }},
       {"makeInteractionSolubilityTable", [&] { got(c.makeInteractionSolubilityTable(name)); }},
       {"makeSaltSolubilityTable", [&] { got(c.makeSaltSolubilityTable(name)); }},
       {"getSolubilityTable", [&] { got(c.getSolubilityTable()); }},
       {"getSolubilityWaterPropertiesTable", [&] { got(c.getSolubilityWaterPropertiesTable()); }},
       {"getTemperatureSolubilityTable",
        [&] {
          got(c.getTemperatureSolubilityTable(
              chooseName(in, c.getTemperatureSolubilityTableNames())));
        }},
       {"getInteractionSolubilityTable",
        [&] {
          got(c.getInteractionSolubilityTable(
              chooseName(in, c.getInteractionSolubilityTableNames())));
        }},
       {"getSaltSolubilityTable",
        [&] { got(c.getSaltSolubilityTable(chooseName(in, c.getSaltSolubilityTableNames()))); }}});
  if (table != nullptr) onSolubilityTable(*table);
}

void Session::onSolubilityTable(ISolubilityTable& t) {
  using S = ISolubilityTable;
  using W = ISolubilityWaterPropertiesTable;
  static auto const columns = fieldsOf(FIELD(S, Pressure), FIELD(S, SolutionRatio));
  static auto const waterColumns =
      fieldsOf(FIELD(W, FormationVolume), FIELD(W, Viscosity), FIELD(W, Compressibility));
  Args const a{in.index(), in.value()};
  double const v = *a.value;
  auto* water = dynamic_cast<W*>(&t);
  auto const scalars = [&] {
    if (auto* temperature = dynamic_cast<ITemperatureSolubilityTable*>(&t))
      temperature->setTemperature(v);
    if (auto* salt = dynamic_cast<ISaltSolubilityTable*>(&t)) {
      salt->setSaltConcentration(v);
      salt->setBrineSurfaceDensity(v);
      salt->setRefSaltConcentration(v);
    }
    if (auto* interaction = dynamic_cast<IInteractionSolubilityTable*>(&t)) {
      interaction->setInteractionComponentName(in.name());
      interaction->setInteractionComponentMoleFraction(v);
    }
  };
  auto const fill = [&] {
    int const rows = 1 + in.pick(5);
    t.setNumPressures(rows);
    std::vector<double> const pressures = rowKeys(in, rows);
    for (int row = 0; row < rows; ++row) {
      t.setPressure(row, pressures[static_cast<std::size_t>(row)]);
      t.setSolutionRatio(row, in.value());
      if (water != nullptr) water->setViscosity(row, in.value());
    }
  };
  choose(
      snap(t),
      {{nullptr, [&] { resize(t, "setNumPressures", &S::setNumPressures, &S::getNumPressures); }},
       {nullptr, [&](int k) { set(t, columns[k], a); }, 2},
       {nullptr,
        [&] {
          if (water != nullptr) set(*water, waterColumns[in.pick(3)], a);
        }},
       {"solubility scalars", scalars},
       {nullptr, fill},
       {nullptr, [&] { exerciseCopies(&t, in.pick(4) == 0); }}});
}

void Session::onReaction(IReaction& r) {
  using R = IReaction;
  static auto const perComponent =
      fieldsOf(FIELD(R, RateComponentOrder), FIELD(R, ReactantStoichiometricCoefficient),
               FIELD(R, ProductStoichiometricCoefficient), FIELD(R, ReactingComponentPhase));
  int const c = in.index();
  double const v = in.value();
  int const e = in.enumValue();
  Args const a{c, v, e};
  auto const count = [&] {
    int const n = in.count();
    // A negative count is stored before the arrays refuse it.
    attempt(
        "reaction setNumComponents", snap(r), [&] { r.setNumComponents(n); }, lengthErrorIf(n < 0));
    if (r.getNumComponents() != n) fail("reaction setNumComponents", "count not taken");
  };
  auto const reads = [&] {
    r.getReactingComponentPhaseAsString(c);
    r.getRateComponentOrder(c);
  };
  auto const rateLaw = [&] {
    setAll("rate law", r,
           {FIELD(R, RateConstant), FIELD(R, MolarEnthalpy), FIELD(R, ActivationMolarEnergy),
            FIELD(R, RatePorosityOrder)},
           a);
  };
  auto const equilibrium = [&] {
    r.setHasEquilibriumDeviationTerms(in.flag());
    r.setEquilibriumModelType(e);
    r.setEquilibriumLiquidComponentIndex(c);
    r.setEquilibriumVapourComponentIndex(e);
    r.setEquilibriumOrder(v);
    r.setEquilibriumReactionDirection(static_cast<R::EquilibriumReactionDirection>(e));
    r.getEquilibriumReactionDirectionAsString();
    r.setEquilibriumKValueIndex(c);
    r.setEquilibriumKValueCR_A(v);
    r.setEquilibriumKValueCR_E(v);
  };
  auto const fill = [&] {
    int const n = 1 + in.pick(5);
    r.setNumComponents(n);
    for (int k = 0; k < n; ++k) {
      r.setReactantStoichiometricCoefficient(k, in.value());
      r.setReactingComponentPhase(k, static_cast<R::ReactingComponentPhase>(in.enumValue()));
    }
  };
  choose(snap(r), {{nullptr, count},
                   {nullptr, [&] { set(r, perComponent[in.pick(4)], a); }},
                   {"per-component reads", reads},
                   {nullptr, rateLaw},
                   {"equilibrium", equilibrium, 2},
                   {nullptr, fill},
                   {nullptr, [&] { exerciseCopies(&r, false); }}});
}

}  // namespace fuzz
