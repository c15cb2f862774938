// The water floor (water properties, brine components, the brine property table), the
// initial conditions, and the flat row-by-component tables they and the models hold
// (temperature, depth, K-value and oil viscosity index tables).
#include <cmath>
#include <cstdio>
#include <string>
#include <typeinfo>

#include "Session.h"

namespace fuzz {

void Session::onWater(IWaterProperties& w, std::string const& key) {
  using W = IWaterProperties;
  static auto const scalars = fieldsOf(
      FIELD(W, SurfaceDensity), FIELD(W, Pressure), FIELD(W, FormationVolumeFactor),
      FIELD(W, Compressibility), FIELD(W, Viscosity), FIELD(W, Viscosibility),
      FIELD(W, KValueCoefficientA), FIELD(W, KValueCoefficientB), FIELD(W, KValueCoefficientC),
      FIELD(W, KValueCoefficientD), FIELD(W, KValueCoefficientE), FIELD(W, ReferenceTemperature),
      FIELD(W, ThermalExpansionCoefficient1), FIELD(W, ThermalExpansionCoefficient2));
  double const v = in.value();
  std::string const brine = key + "brine:/";
  auto const getBrine = [&w] { return w.getBrinePropertyTable(); };
  auto const salt = [&](int index) { return path(key, "salt", std::to_string(index)); };
  auto const keep = [&](int index, IBrineComponent& c) {
    refs.same(salt(index), c, [&w, index] { return &w.getBrineComponent(index); });
  };
  auto const type = [&] { return static_cast<IBrineComponent::SaltMoleculeType>(in.enumValue()); };
  auto const scalar = [&] { set(w, scalars[in.pick(14)], Args{0, v}); };
  // Brine components stay where they are for as long as the water lives.
  auto const component = [&] {
    int const count = w.getNumBrineComponents();
    int const index = count > 0 && in.flag() ? in.pick(count) : in.index();
    IBrineComponent* kept = refs.recorded<IBrineComponent>(salt(index));
    if (kept != nullptr && in.flag()) return kept->setSaltMoleculeType(kept->getSaltMoleculeType());
    attempt("getBrineComponent(index)", snap(w), [&] { keep(index, w.getBrineComponent(index)); });
  };
  auto const table = [&] {
    if (IBrinePropertyTable* t = getBrine()) onBrineTable(refs.same(brine, *t, getBrine));
  };
  choose(snap(w), {{nullptr, scalar},
                   {"makeBrineComponent",
                    [&] {
                      auto const made = type();
                      int const index = w.getNumBrineComponents();
                      keep(index, w.makeBrineComponent(made));
                    },
                    2},
                   {nullptr, component},
                   {"getBrineComponent(name)", [&] { w.getBrineComponent(in.name()); }},
                   {"setSaltMoleculeType",
                    [&] {
                      int const index = in.index();
                      auto const made = type();
                      w.getBrineComponent(index).setSaltMoleculeType(made);
                    }},
                   {"makeBrinePropertyTable",
                    [&] { refs.same(brine, w.makeBrinePropertyTable(), getBrine); }, brine},
                   {"deleteBrinePropertyTable", [&] { w.deleteBrinePropertyTable(); }, brine},
                   {nullptr, table, 4}});
}

void Session::onBrineTable(IBrinePropertyTable& t) {
  using B = IBrinePropertyTable;
  static auto const fields =
      fieldsOf(FIELD(B, ReferencePressure), FIELD(B, ReferenceSaltConcentration),
               FIELD(B, SaltConcentration), FIELD(B, BrineSurfaceDensity),
               FIELD(B, FormationVolumeFactor), FIELD(B, Compressibility), FIELD(B, Viscosity));
  Args const a{in.index(), in.value()};
  auto const fill = [&] {
    int const rows = 1 + in.pick(5);
    t.setTableSize(rows);
    for (int row = 0; row < rows; ++row) {
      t.setSaltConcentration(row, 0.5 * row);
      t.setViscosity(row, in.value());
    }
  };
  choose(snap(t),
         {{nullptr, [&] { resize(t, "setTableSize", &B::setTableSize, &B::getTableSize); }},
          {nullptr, [&](int k) { set(t, fields[k], a); }, 7},
          {"getViscosibility", [&] { t.getViscosibility(a.index); }},
          {nullptr, fill},
          {nullptr, [&] { exerciseCopies(&t, in.pick(4) == 0); }}});
}

void Session::onInitialCondition(IInitialCondition& ic, std::string const& key) {
  using C = IInitialCondition;
  static auto const scalars =
      fieldsOf(FIELD(C, DatumDepth), FIELD(C, DatumPressure), FIELD(C, GasOilContactDepth),
               FIELD(C, GasOilContactCapillaryPressure), FIELD(C, WaterContactDepth),
               FIELD(C, WaterContactCapillaryPressure));
  double const v = in.value();
  int const property = in.tableKey();
  auto const p = static_cast<C::Property>(property);
  std::string const tableKey = path(key, "dt", std::to_string(property));
  auto const table = [&] {
    auto* t = reach<IDepthTable>("getDepthTable", snap(ic), tableKey, [&] {
      return &refs.same(tableKey, ic.getDepthTable(p),
                        [&ic, p] { return &std::as_const(ic).getDepthTable(p); });
    });
    if (t != nullptr) onFlatTable(*t);
  };
  auto const scalar = [&] { set(ic, scalars[in.pick(6)], Args{0, v}); };
  choose(snap(ic), {{nullptr, scalar},
                    {"const getDepthTable", [&] { std::as_const(ic).getDepthTable(p); }},
                    {"deleteDepthTable", [&] { ic.deleteDepthTable(p); }, tableKey},
                    {nullptr, table, 5}});
}

// The operations every flat row-by-component table shares.
template <class T>
void Session::onFlat(T& t, Columns<T> const& c) {
  auto const before = snap(t);
  // A stored negative width makes a row resize fail after the keys were resized.
  bool const negativeWidth = t.getNumComponents() < 0;
  Field<T> const cells[] = {field(c.keyName, c.setKey, c.key),
                            field(c.valueName, c.setValue, c.value)};
  int const row = in.index();
  int const column = in.index();
  Args const a{row, in.value(), 0, column};
  // Sized and filled as a host fills it: components first, then rows, then values.
  // Every call is valid, so none may throw.
  auto const fill = [&] {
    int const components = 1 + in.pick(4);
    int const rows = 1 + in.pick(5);
    t.setNumComponents(components);
    (t.*c.setRows)(rows);
    std::vector<double> const keys = rowKeys(in, rows);
    for (int r = 0; r < rows; ++r) {
      (t.*c.setKey)(r, keys[static_cast<std::size_t>(r)]);
      for (int col = 0; col < components; ++col) (t.*c.setValue)(r, col, in.value());
    }
  };
  auto const extra = [&] {
    if constexpr (std::is_same_v<T, IDepthTable> || std::is_same_v<T, IKValueTable>) {
      flatExtra(t, before, negativeWidth);
    }
  };
  choose(
      before,
      {{nullptr, [&] { resize(t, c.rowsName, c.setRows, c.rows, lengthErrorIf(negativeWidth)); }},
       {nullptr,
        [&] { resize(t, "setNumComponents", &T::setNumComponents, &T::getNumComponents); }},
       {nullptr, [&](int k) { set(t, cells[k], a); }, 2},
       {"getValue", [&] { (t.*c.value)(a.index, a.entry); }},
       {nullptr, extra, 2},
       {nullptr, fill},
       {nullptr, [&] { exerciseCopies(&t, in.pick(4) == 0); }}});
}

void Session::onFlatTable(ITemperatureTable& t) {
  onFlat(t, COLUMNS(ITemperatureTable, NumTemperatures, Temperature, Property));
}
void Session::onFlatTable(IDepthTable& t) {
  onFlat(t, COLUMNS(IDepthTable, NumDepths, Depth, Property));
}
void Session::onFlatTable(IKValueTable& t) {
  onFlat(t, COLUMNS(IKValueTable, NumPressures, Pressure, KValue));
}
void Session::onFlatTable(IOilViscosityIndexTable& t) {
  onFlat(t, COLUMNS(IOilViscosityIndexTable, NumMolefractions, MoleFraction, OilViscosityIndex));
}

// The depth-table operations.
void Session::flatExtra(IDepthTable& t, Observe const& before, bool negativeWidth) {
  double const depth = in.value();
  bool const a = in.flag();
  bool const b = in.flag();
  int const index = in.index();
  auto const interpolated = [&](IDepthTable& x) {
    double const v = interpolate(x, depth, index, a);
    char text[32];
    std::snprintf(text, sizeof text, "%a", v);
    return std::isnan(v) ? std::string("nan") : std::string(text);  // any NaN reads alike
  };
  auto const truncated = [&](IDepthTable& x) { truncate(x, depth, a, b); };
  auto const normalized = [&](IDepthTable& x) { normalizeComposition(x, index); };
  if (typeid(t) == typeid(StdDepthTable)) {  // read directly: each operation as on a twin
    auto const& own = static_cast<StdDepthTable const&>(t);
    sameOnTwin<IDepthTable>("interpolate", own, interpolated);
    sameOnTwin<IDepthTable>("truncate", own, truncated);
    sameOnTwin<IDepthTable>("normalizeComposition", own, normalized);
  }
  choose(before, {{"interpolate", [&] { interpolated(t); }},
                  {nullptr,
                   [&] {
                     attempt(
                         "truncate", before, [&] { truncated(t); }, lengthErrorIf(negativeWidth));
                   }},
                  {"normalizeComposition", [&] { normalized(t); }}});
}

}  // namespace fuzz
