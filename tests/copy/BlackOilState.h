// Snapshots of black-oil tables and models as a host observes them, split into what the
// copies transfer (the rows) and what they must leave alone (each kind's own values).
#ifndef ORV_TESS_VARNAK_TESTS_COPY_BLACKOILSTATE_H
#define ORV_TESS_VARNAK_TESTS_COPY_BLACKOILSTATE_H

#include <map>
#include <optional>
#include <string>
#include <typeinfo>
#include <vector>

#include "Orv/Tess/Varnak/IBlackOilModel.h"
#include "Orv/Tess/Varnak/IMiscibilityTable.h"
#include "Orv/Tess/Varnak/ISolventTable.h"
#include "Orv/Tess/Varnak/StdCompressibleOilTable.h"
#include "Orv/Tess/Varnak/StdDeadOilConstantCompressTable.h"
#include "Orv/Tess/Varnak/StdDeadOilTable.h"
#include "Orv/Tess/Varnak/StdDryGasTable.h"
#include "Orv/Tess/Varnak/StdGasTable.h"
#include "Orv/Tess/Varnak/StdOilTable.h"
#include "copy/FluidState.h"

namespace blackoilstate {

using namespace Orv::Tess::Varnak;

inline double key(IOilTable const& t, int i) { return t.getGasOilRatio(i); }
inline double key(IGasTable const& t, int i) { return t.getPressure(i); }
inline void setKey(IOilTable& t, int i, double v) { t.setGasOilRatio(i, v); }
inline void setKey(IGasTable& t, int i, double v) { t.setPressure(i, v); }
inline double under(IOilTable const& t, int i, int j) { return t.getPressure(i, j); }
inline double under(IGasTable const& t, int i, int j) { return t.getOilGasRatio(i, j); }
inline void setUnder(IOilTable& t, int i, int j, double v) { t.setPressure(i, j, v); }
inline void setUnder(IGasTable& t, int i, int j, double v) { t.setOilGasRatio(i, j, v); }

// Surface density, row count, then each row: its key, its entry count and its entries.
template <class Table>
std::vector<double> rows(Table const& t) {
  std::vector<double> s{t.getSurfaceDensity(), static_cast<double>(t.getSaturatedSize())};
  for (int i = 0; i < t.getSaturatedSize(); ++i) {
    s.push_back(key(t, i));
    s.push_back(t.getUndersaturatedSize(i));
    for (int j = 0; j < t.getUndersaturatedSize(i); ++j) {
      s.insert(s.end(), {under(t, i, j), t.getFormationVolumeFactor(i, j), t.getViscosity(i, j)});
    }
  }
  return s;
}

// Gives the table one row per entry count in `entries`, every value derived from `seed`.
template <class Table>
void fill(Table& t, std::vector<int> const& entries, double seed) {
  t.setSaturatedSize(static_cast<int>(entries.size()));
  for (int i = 0; i < t.getSaturatedSize(); ++i) {
    setKey(t, i, seed + 10 * i);
    t.setUndersaturatedSize(i, entries[static_cast<std::size_t>(i)]);
    for (int j = 0; j < entries[static_cast<std::size_t>(i)]; ++j) {
      setUnder(t, i, j, seed + 10 * i + j + 1);
      t.setFormationVolumeFactor(i, j, 1.0 + 0.01 * (seed + i + j));
      t.setViscosity(i, j, 0.1 * (seed + i + j));
    }
  }
  t.setSurfaceDensity(seed + 0.5);
}

// The implementation class, which a copy must never change for an existing table.
inline std::string kind(IOilTable const& t) {
  if (typeid(t) == typeid(StdOilTable)) return "StdOilTable";
  if (typeid(t) == typeid(StdCompressibleOilTable)) return "StdCompressibleOilTable";
  if (typeid(t) == typeid(StdDeadOilTable)) return "StdDeadOilTable";
  if (typeid(t) == typeid(StdDeadOilConstantCompressTable))
    return "StdDeadOilConstantCompressTable";
  return typeid(t).name();
}
inline std::string kind(IGasTable const& t) {
  if (typeid(t) == typeid(StdGasTable)) return "StdGasTable";
  if (typeid(t) == typeid(StdDryGasTable)) return "StdDryGasTable";
  return typeid(t).name();
}

// The values a kind holds beside its rows (the per-row pairs of a compressible table are
// in `pairs`).
inline std::vector<double> extras(IOilTable const& t) {
  if (auto const* d = dynamic_cast<IDeadOilConstantCompressTable const*>(&t)) {
    return {d->getBubblePointPressure(), d->getDissolvedGas(), d->getOilCompressibility(),
            d->getOilViscosibility()};
  }
  if (auto const* d = dynamic_cast<IDeadOilTable const*>(&t)) {
    return {d->getBubblePointPressure(), d->getDissolvedGas()};
  }
  if (auto const* c = dynamic_cast<ICompressibleOilTable const*>(&t)) {
    return {c->getMolecularWeight(), c->getSpecificHeat(), c->getTemperatureExpansionCoefficient(),
            c->getTemperatureSquaredExpansionCoefficient()};
  }
  return {};
}
inline std::vector<double> extras(IGasTable const& t) {
  if (auto const* d = dynamic_cast<IDryGasTable const*>(&t)) {
    return {d->getDewPointPressure(), d->getVaporizedOil()};
  }
  return {};
}
inline std::vector<double> pairs(IOilTable const& t) {
  std::vector<double> s;
  if (auto const* c = dynamic_cast<ICompressibleOilTable const*>(&t)) {
    for (int i = 0; i < c->getSaturatedSize(); ++i) {
      s.insert(s.end(), {c->getCompressibility(i), c->getViscosibility(i)});
    }
  }
  return s;
}

// Gives every value of the kind's own a value derived from `seed`.
inline void fillExtras(IOilTable& t, double seed) {
  if (auto* d = dynamic_cast<IDeadOilConstantCompressTable*>(&t)) {
    d->setOilCompressibility(seed + 3);
    d->setOilViscosibility(seed + 4);
  }
  if (auto* d = dynamic_cast<IDeadOilTable*>(&t)) {
    d->setBubblePointPressure(seed + 1);
    d->setDissolvedGas(seed + 2);
  }
  if (auto* c = dynamic_cast<ICompressibleOilTable*>(&t)) {
    c->setMolecularWeight(seed + 1);
    c->setSpecificHeat(seed + 2);
    c->setTemperatureExpansionCoefficient(seed + 3);
    c->setTemperatureSquaredExpansionCoefficient(seed + 4);
    for (int i = 0; i < c->getSaturatedSize(); ++i) {
      c->setCompressibility(i, seed + 0.1 * (i + 1));
      c->setViscosibility(i, seed + 0.2 * (i + 1));
    }
  }
}
inline void fillExtras(IGasTable& t, double seed) {
  if (auto* d = dynamic_cast<IDryGasTable*>(&t)) {
    d->setDewPointPressure(seed + 1);
    d->setVaporizedOil(seed + 2);
  }
}

struct TableState {
  std::string kind;
  std::vector<double> rows;
  std::vector<double> extras;
  std::vector<double> pairs;

  bool operator==(TableState const& o) const {
    return kind == o.kind && rows == o.rows && extras == o.extras && pairs == o.pairs;
  }
};

inline TableState snapshot(IOilTable const& t) { return {kind(t), rows(t), extras(t), pairs(t)}; }
inline TableState snapshot(IGasTable const& t) { return {kind(t), rows(t), extras(t), {}}; }

inline std::vector<double> snapshot(ISolventTable const& t) {
  std::vector<double> s{t.getSurfaceDensity(), static_cast<double>(t.getSize())};
  for (int i = 0; i < t.getSize(); ++i) {
    s.insert(s.end(), {t.getPressure(i), t.getFormationVolumeFactor(i), t.getViscosity(i)});
  }
  return s;
}
inline std::vector<double> snapshot(IMiscibilityTable const& t) {
  std::vector<double> s{t.getViscosityMixingParameter(), t.getDensityMixingParameter(),
                        static_cast<double>(t.getSize())};
  for (int i = 0; i < t.getSize(); ++i) {
    s.insert(s.end(), {t.getOilPressure(i), t.getMiscibility(i)});
  }
  return s;
}

// Oil-table keys looked at: the regions a host would use, with 0 and negatives.
constexpr int kFirstRegion = -2;
constexpr int kLastRegion = 8;

struct ModelState {
  fluidstate::FluidState fluid;
  double gasDensity = 0.0;
  double oilDensity = 0.0;
  std::optional<TableState> gas;
  std::map<int, TableState> oil;
  std::optional<std::vector<double>> solvent;
  std::optional<std::vector<double>> miscibility;

  bool operator==(ModelState const& o) const {
    return fluid == o.fluid && gasDensity == o.gasDensity && oilDensity == o.oilDensity &&
           gas == o.gas && oil == o.oil && solvent == o.solvent && miscibility == o.miscibility;
  }
};

inline ModelState snapshot(IBlackOilModel& model) {
  IBlackOilModel const& view = model;
  ModelState s;
  s.fluid = fluidstate::snapshot(model);
  s.gasDensity = view.gasDensity();
  s.oilDensity = view.oilDensity();
  if (IGasTable const* gas = view.getGasTable()) s.gas = snapshot(*gas);
  for (int region = kFirstRegion; region <= kLastRegion; ++region) {
    if (IOilTable const* oil = view.getOilTable(region)) s.oil[region] = snapshot(*oil);
  }
  if (ISolventTable const* t = view.getSolventTable()) s.solvent = snapshot(*t);
  if (IMiscibilityTable const* t = view.getMiscibilityTable()) s.miscibility = snapshot(*t);
  return s;
}

}  // namespace blackoilstate

#endif  // ORV_TESS_VARNAK_TESTS_COPY_BLACKOILSTATE_H
