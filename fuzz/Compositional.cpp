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
    IComponent* c = nullptr;
    attempt("getComponent", snap(m),
            [&] { c = &component(in.flag() ? m.getComponent(in.index()) : m.getComponent(name)); });
    if (c != nullptr) onComponent(*c);
  };
  auto const aqueous = [&] {
    IAqueousSolubleComponent* c = nullptr;
    int const index = in.index();
    int const how = in.pick(3);
    attempt("get aqueous-soluble component", snap(m), [&] {
      c = how == 0   ? &m.getComponentAsAqueousSolubleComponent(index)
          : how == 1 ? &m.getComponentAsAqueousSolubleComponent(name)
                     : &m.getAqueousSolubleComponent(index);
    });
    if (c != nullptr) onAqueousComponent(*c);
  };
  auto const bics = [&] {
    int const n = in.pick(8) == 0 ? in.index() : 1 + in.pick(3);
    IBinaryInteractionCoefficients* b = nullptr;
    attempt("get BICs", snap(m), [&] { b = in.flag() ? &m.getBICs() : &m.getAqueousBICs(n); });
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
    IKValueTable* table = nullptr;
    int const which = in.pick(3);
    attempt("get K-value table", snap(m), [&] {
      table =
          which == 0 ? &m.getSimpleKValueTable()
          : which == 1
              ? static_cast<IKValueTable*>(&m.getTemperatureKValueTable(
                    chooseName(in, m.getTemperatureKValueTableNames())))
              : &m.getCompositionKValueTable(chooseName(in, m.getCompositionKValueTableNames()));
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
    IReaction* r = nullptr;
    attempt("getReaction", snap(m), [&] { r = &m.getReaction(index); });
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
  auto const before = snap(c);
  auto const property = static_cast<C::Property>(in.propertyKey());
  Args const a{0, in.value(), in.enumValue()};
  auto const phase = static_cast<C::PhaseType>(in.pick(5) - 1);
  switch (in.pick(8)) {
    case 0:
      attempt("setProperty", before, [&] {
        c.setProperty(property, *a.value);
        if (!c.hasProperty(property)) fail("setProperty", "not stored");
        checkStored("setProperty", c.getProperty(property), *a.value);
      });
      break;
    case 1:
      attempt("deleteProperty", before, [&] { c.deleteProperty(property); });
      break;
    case 2:
      attempt("getProperty", before, [&] { c.getProperty(property); });
      break;
    case 3:
      attempt("setDensityType", before, [&] {
        c.setDensityType(phase, static_cast<C::DensityType>(a.integer));
        checkStored("setDensityType", c.getDensityType(phase),
                    static_cast<C::DensityType>(a.integer));
      });
      break;
    case 4:
      attempt("setViscosityType", before, [&] {
        c.setViscosityType(phase, static_cast<C::ViscosityType>(a.integer));
        checkStored("setViscosityType", c.getViscosityType(phase),
                    static_cast<C::ViscosityType>(a.integer));
      });
      break;
    case 5:
      setAll("modelling choices", c,
             {FIELD(C, VolatilityType), FIELD(C, CompressibilityType),
              FIELD(C, OilViscosityCorrelation), FIELD(C, OilViscosityCorrelationUsage)},
             a);
      break;
    case 6:
      if (auto* aqueous = dynamic_cast<IAqueousSolubleComponent*>(&c)) {
        exerciseCopies(*aqueous, false);
      } else {
        exerciseCopies(c, false);
      }
      break;
    default:
      if (auto* aqueous = dynamic_cast<IAqueousSolubleComponent*>(&c)) onAqueousComponent(*aqueous);
      break;
  }
}

void Session::onAqueousComponent(IAqueousSolubleComponent& c) {
  using Make = std::function<ISolubilityTable&()>;
  std::string const name = in.name();
  std::pair<char const*, Make> const calls[] = {
      {"makeSolubilityTable", [&]() -> ISolubilityTable& { return c.makeSolubilityTable(); }},
      {"makeSolubilityWaterPropertiesTable",
       [&]() -> ISolubilityTable& { return c.makeSolubilityWaterPropertiesTable(); }},
      {"makeTemperatureSolubilityTable",
       [&]() -> ISolubilityTable& { return c.makeTemperatureSolubilityTable(name); }},
      {"makeInteractionSolubilityTable",
       [&]() -> ISolubilityTable& { return c.makeInteractionSolubilityTable(name); }},
      {"makeSaltSolubilityTable",
       [&]() -> ISolubilityTable& { return c.makeSaltSolubilityTable(name); }},
      {"getSolubilityTable", [&]() -> ISolubilityTable& { return c.getSolubilityTable(); }},
      {"getSolubilityWaterPropertiesTable",
       [&]() -> ISolubilityTable& { return c.getSolubilityWaterPropertiesTable(); }},
      {"getTemperatureSolubilityTable",
       [&]() -> ISolubilityTable& {
         return c.getTemperatureSolubilityTable(
             chooseName(in, c.getTemperatureSolubilityTableNames()));
       }},
      {"getInteractionSolubilityTable",
       [&]() -> ISolubilityTable& {
         return c.getInteractionSolubilityTable(
             chooseName(in, c.getInteractionSolubilityTableNames()));
       }},
      {"getSaltSolubilityTable", [&]() -> ISolubilityTable& {
         return c.getSaltSolubilityTable(chooseName(in, c.getSaltSolubilityTableNames()));
       }}};
  auto const& call = calls[in.pick(10)];
  ISolubilityTable* table = nullptr;
  attempt(call.first, snap(c), [&] { table = &call.second(); });
  if (table != nullptr) onSolubilityTable(*table);
}

void Session::onSolubilityTable(ISolubilityTable& t) {
  using S = ISolubilityTable;
  using W = ISolubilityWaterPropertiesTable;
  auto const before = snap(t);
  Args const a{in.index(), in.value()};
  double const v = *a.value;
  auto* water = dynamic_cast<W*>(&t);
  switch (in.pick(7)) {
    case 0:
      resize(t, "setNumPressures", &S::setNumPressures, &S::getNumPressures);
      break;
    case 1:
      set(t, FIELD(S, Pressure), a);
      break;
    case 2:
      set(t, FIELD(S, SolutionRatio), a);
      break;
    case 3:
      if (water != nullptr) {
        static auto const columns =
            fieldsOf(FIELD(W, FormationVolume), FIELD(W, Viscosity), FIELD(W, Compressibility));
        set(*water, columns[in.pick(3)], a);
      }
      break;
    case 4:
      attempt("solubility scalars", before, [&] {
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
      });
      break;
    case 5: {
      int const rows = 1 + in.pick(5);
      t.setNumPressures(rows);
      std::vector<double> const pressures = rowKeys(in, rows);
      for (int row = 0; row < rows; ++row) {
        t.setPressure(row, pressures[static_cast<std::size_t>(row)]);
        t.setSolutionRatio(row, in.value());
        if (water != nullptr) water->setViscosity(row, in.value());
      }
      break;
    }
    default:
      exerciseCopies(t, in.pick(4) == 0);
      break;
  }
}

void Session::onReaction(IReaction& r) {
  using R = IReaction;
  auto const before = snap(r);
  int const c = in.index();
  double const v = in.value();
  int const e = in.enumValue();
  Args const a{c, v, e};
  switch (in.pick(8)) {
    case 0: {
      int const n = in.count();
      // A negative count is stored before the arrays refuse it.
      attempt(
          "reaction setNumComponents", before, [&] { r.setNumComponents(n); },
          [&](std::exception const& error) { return n < 0 && isLengthError(error); });
      if (r.getNumComponents() != n) fail("reaction setNumComponents", "count not taken");
      break;
    }
    case 1: {
      static auto const perComponent =
          fieldsOf(FIELD(R, RateComponentOrder), FIELD(R, ReactantStoichiometricCoefficient),
                   FIELD(R, ProductStoichiometricCoefficient), FIELD(R, ReactingComponentPhase));
      set(r, perComponent[in.pick(4)], a);
      break;
    }
    case 2:
      attempt("per-component reads", before, [&] {
        r.getReactingComponentPhaseAsString(c);
        r.getRateComponentOrder(c);
      });
      break;
    case 3:
      setAll("rate law", r,
             {FIELD(R, RateConstant), FIELD(R, MolarEnthalpy), FIELD(R, ActivationMolarEnergy),
              FIELD(R, RatePorosityOrder)},
             a);
      break;
    case 6: {
      int const n = 1 + in.pick(5);
      r.setNumComponents(n);
      for (int k = 0; k < n; ++k) {
        r.setReactantStoichiometricCoefficient(k, in.value());
        r.setReactingComponentPhase(k, static_cast<R::ReactingComponentPhase>(in.enumValue()));
      }
      break;
    }
    case 7:
      exerciseCopies(r, false);
      break;
    default:
      attempt("equilibrium", before, [&] {
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
      });
      break;
  }
}

}  // namespace fuzz
