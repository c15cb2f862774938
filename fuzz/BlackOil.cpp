// The black-oil floor: a black-oil model's oil tables by region, its gas, solvent and
// miscibility tables, and the table analyses.
#include <memory>
#include <typeinfo>

#include "Session.h"

namespace fuzz {

void Session::onBlackOil(IBlackOilModel& m, std::string const& key) {
  using S = ISolventTable;
  using M = IMiscibilityTable;
  static auto const solventFields = fieldsOf(FIELD(S, Pressure), FIELD(S, FormationVolumeFactor),
                                             FIELD(S, Viscosity), FIELD(S, SurfaceDensity));
  static auto const miscibilityFields =
      fieldsOf(FIELD(M, OilPressure), FIELD(M, Miscibility), FIELD(M, ViscosityMixingParameter),
               FIELD(M, DensityMixingParameter));
  int const region = in.tableKey();
  std::string const oilKey = path(key, "oil", std::to_string(region));
  std::string const gasKey = key + "gas:/";
  std::string const solventKey = key + "solvent:/";
  std::string const miscibilityKey = key + "miscibility:/";
  auto const getOil = [&m, region] { return m.getOilTable(region); };
  auto const getGas = [&m] { return m.getGasTable(); };
  auto const getSolvent = [&m] { return m.getSolventTable(); };
  auto const getMiscibility = [&m] { return m.getMiscibilityTable(); };
  auto const makeOil = [&] {
    int const kind = in.pick(4);
    IOilTable& made = kind == 0   ? m.makeOilTable(region)
                      : kind == 1 ? static_cast<IOilTable&>(m.makeCompressibleOilTable(region))
                      : kind == 2 ? static_cast<IOilTable&>(m.makeDeadOilTable(region))
                                  : m.makeDeadOilConstantCompressTable(region);
    refs.same(oilKey, made, getOil);
  };
  auto const oil = [&] {
    IOilTable* table = in.flag() ? refs.recorded<IOilTable>(oilKey) : nullptr;
    if (table == nullptr && getOil() != nullptr) table = &refs.same(oilKey, *getOil(), getOil);
    if (table != nullptr) onOilTable(*table);
  };
  auto const gas = [&] {
    IGasTable* table = in.flag() ? refs.recorded<IGasTable>(gasKey) : nullptr;
    if (table == nullptr && getGas() != nullptr) table = &refs.same(gasKey, *getGas(), getGas);
    if (table != nullptr) onGasTable(*table);
  };
  auto const sized = [&](auto* table, std::string const& k, auto const& fields) {
    if (table != nullptr) onSizedTable(refs.same(k, *table), fields);
  };
  auto const deleteOne = [&] {
    in.flag() ? m.deleteSolventTable() : m.deleteMiscibilityTable();
    refs.forget(miscibilityKey);
  };
  auto const densities = [&] {
    double const v = in.value();
    in.flag() ? m.gasDensity(v) : m.oilDensity(v);
  };
  choose(snap(static_cast<IFluidModel const&>(m)),
         {{"makeGasTable", [&] { refs.same<IGasTable>(gasKey, m.makeGasTable(), getGas); }, gasKey},
          {"makeDryGasTable", [&] { refs.same<IGasTable>(gasKey, m.makeDryGasTable(), getGas); },
           gasKey},
          {"deleteGasTable", [&] { m.deleteGasTable(); }, gasKey},
          {"make oil table", makeOil, oilKey},
          {"deleteOilTable", [&] { m.deleteOilTable(region); }, oilKey},
          {"makeSolventTable", [&] { refs.same(solventKey, m.makeSolventTable(), getSolvent); },
           solventKey},
          {"makeMiscibilityTable",
           [&] { refs.same(miscibilityKey, m.makeMiscibilityTable(), getMiscibility); },
           miscibilityKey},
          {"delete solvent or miscibility table", deleteOne, solventKey},
          {"densities", densities},
          {nullptr, oil, 2},
          {nullptr, gas},
          {nullptr, [&] { sized(getSolvent(), solventKey, solventFields); }},
          {nullptr, [&] { sized(getMiscibility(), miscibilityKey, miscibilityFields); }}});
}

// A table of one sized column set (solvent, miscibility): its size, or one of `fields`.
template <class T>
void Session::onSizedTable(T& t, std::vector<Field<T>> const& fields) {
  Args const a{in.index(), in.value()};
  int const call = in.pick(static_cast<int>(fields.size()) + 1);
  if (call == 0) return resize(t, "setSize", &T::setSize, &T::getSize);
  set(t, fields[static_cast<std::size_t>(call - 1)], a);
}

// The two-level table operations, for oil and gas tables: the saturated rows (by solution
// gas-oil ratio of oil, by pressure of gas) and their undersaturated entries (by pressure of
// oil, by vaporised oil-gas ratio of gas).
template <class T>
void Session::onTwoLevelTable(T& t, Columns<T> const& c) {
  auto const before = snap(t);
  int const s = in.index();
  int const u = in.index();
  Args const a{s, in.value(), 0, u};
  Field<T> const fields[] = {
      field(c.keyName, c.setKey, c.key), field(c.valueName, c.setValue, c.value),
      FIELD(T, FormationVolumeFactor), FIELD(T, Viscosity), FIELD(T, SurfaceDensity)};
  auto const undersaturatedSize = [&] {
    int const n = in.count();
    t.setUndersaturatedSize(s, n);
    if (t.getUndersaturatedSize(s) != n) fail("setUndersaturatedSize", "size not taken");
  };
  auto const get = [&] {
    (t.*c.key)(s);
    (t.*c.value)(s, u);
    t.getViscosity(s, u);
  };
  // A clone is an independent table of the same kind with the same content.
  auto const clone = [&] {
    std::string const source = before();
    auto copy = std::as_const(t).clone();
    if (support::observe(*copy) != source) fail("clone", "differs from its source");
    if (typeid(*copy) != typeid(t)) fail("clone", "of another kind");
  };
  // Sized and filled as a host fills it; every call is valid.
  auto const fill = [&] {
    int const rows = 1 + in.pick(4);
    (t.*c.setRows)(rows);
    std::vector<double> const keys = rowKeys(in, rows);
    for (int row = 0; row < rows; ++row) {
      (t.*c.setKey)(row, keys[static_cast<std::size_t>(row)]);
      int const entries = in.pick(5);
      t.setUndersaturatedSize(row, entries);
      std::vector<double> const pressures = rowKeys(in, entries);
      for (int e = 0; e < entries; ++e) {
        (t.*c.setValue)(row, e, pressures[static_cast<std::size_t>(e)]);
        t.setFormationVolumeFactor(row, e, in.flag() ? 1.2 - 0.01 * e : in.value());
        t.setViscosity(row, e, in.flag() ? 0.8 + 0.02 * e : in.value());
      }
    }
  };
  choose(before, {{nullptr, [&] { resize(t, c.rowsName, c.setRows, c.rows); }},
                  {"setUndersaturatedSize", undersaturatedSize},
                  {nullptr, [&](int k) { set(t, fields[k], a); }, 5},
                  {"get", get},
                  {nullptr, clone},
                  {nullptr, fill},
                  {nullptr, [&] { exerciseCopies(&t, in.pick(4) == 0); }}});
}

void Session::onOilTable(IOilTable& t) {
  auto const before = snap(t);
  int const part = in.pick(4);
  if (part >= 2) {
    return onTwoLevelTable(t, COLUMNS(IOilTable, SaturatedSize, GasOilRatio, Pressure));
  }
  if (part == 0) {
    double dissolved = 0.0;
    double bubble = 0.0;
    attempt("isDeadOil", before,
            [&] { isDeadOil(t, in.flag() ? &dissolved : nullptr, in.flag() ? &bubble : nullptr); });
    int const s = in.index();
    double residual = 0.0;
    attempt("findConstantUndersaturatedCompressibility", before, [&] {
      findConstantUndersaturatedCompressibility(t, s, &residual);
      findConstantUndersaturatedViscosibility(t, s, nullptr);
      hasConstantUndersaturatedCompressibility(t);
    });
    return;
  }
  // The values of each kind.
  Args const a{0, in.value()};
  int const s = in.index();
  if (auto* dead = dynamic_cast<IDeadOilTable*>(&t)) {
    using D = IDeadOilTable;
    setAll("dead-oil values", *dead, {FIELD(D, BubblePointPressure), FIELD(D, DissolvedGas)}, a);
  }
  if (auto* constant = dynamic_cast<IDeadOilConstantCompressTable*>(&t)) {
    using D = IDeadOilConstantCompressTable;
    setAll("constant compressibility", *constant,
           {FIELD(D, OilCompressibility), FIELD(D, OilViscosibility)}, a);
  }
  if (auto* compressible = dynamic_cast<ICompressibleOilTable*>(&t)) {
    using C = ICompressibleOilTable;
    set(*compressible, in.flag() ? FIELD(C, Compressibility) : FIELD(C, Viscosibility),
        Args{s, a.value});
    setAll("thermal values", *compressible,
           {FIELD(C, MolecularWeight), FIELD(C, SpecificHeat),
            FIELD(C, TemperatureExpansionCoefficient),
            FIELD(C, TemperatureSquaredExpansionCoefficient)},
           a);
  }
}

void Session::onGasTable(IGasTable& t) {
  if (in.pick(4) != 0) {
    return onTwoLevelTable(t, COLUMNS(IGasTable, SaturatedSize, Pressure, OilGasRatio));
  }
  double vaporized = 0.0;
  double dew = 0.0;
  attempt("isDryGas", snap(t), [&] { isDryGas(t, &vaporized, in.flag() ? &dew : nullptr); });
  if (auto* dry = dynamic_cast<IDryGasTable*>(&t)) {
    using D = IDryGasTable;
    setAll("dry-gas values", *dry, {FIELD(D, DewPointPressure), FIELD(D, VaporizedOil)},
           Args{0, in.value()});
  }
}

}  // namespace fuzz
