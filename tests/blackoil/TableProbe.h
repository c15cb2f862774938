// Test helpers that read and write every black-oil table kind the same way.
//
// The oil and gas interfaces name their two keys differently (gas-oil ratio and pressure
// for oil, pressure and oil-gas ratio for gas); key()/setKey() and under()/setUnder()
// hide the difference, so one test can run over all six kinds. A Snapshot holds the
// whole observable state of a table, the extra fields of its kind included, so a test
// can show that a failed call changed nothing.
#ifndef ORV_TESS_VARNAK_TESTS_BLACKOIL_TABLEPROBE_H
#define ORV_TESS_VARNAK_TESTS_BLACKOIL_TABLEPROBE_H

#include <array>
#include <ostream>
#include <vector>

#include "Orv/Tess/Varnak/IGasTable.h"
#include "Orv/Tess/Varnak/IOilTable.h"
#include "Orv/Tess/Varnak/StdCompressibleOilTable.h"
#include "Orv/Tess/Varnak/StdDeadOilConstantCompressTable.h"
#include "Orv/Tess/Varnak/StdDeadOilTable.h"
#include "Orv/Tess/Varnak/StdDryGasTable.h"
#include "Orv/Tess/Varnak/StdGasTable.h"
#include "Orv/Tess/Varnak/StdOilTable.h"

namespace probe {

namespace ovt = Orv::Tess::Varnak;

inline double key(ovt::IOilTable const& t, int i) { return t.getGasOilRatio(i); }
inline double key(ovt::IGasTable const& t, int i) { return t.getPressure(i); }
inline void setKey(ovt::IOilTable& t, int i, double v) { t.setGasOilRatio(i, v); }
inline void setKey(ovt::IGasTable& t, int i, double v) { t.setPressure(i, v); }
inline double under(ovt::IOilTable const& t, int i, int j) { return t.getPressure(i, j); }
inline double under(ovt::IGasTable const& t, int i, int j) { return t.getOilGasRatio(i, j); }
inline void setUnder(ovt::IOilTable& t, int i, int j, double v) { t.setPressure(i, j, v); }
inline void setUnder(ovt::IGasTable& t, int i, int j, double v) { t.setOilGasRatio(i, j, v); }

// The fields a kind holds beside its rows, in a fixed order (none for a plain table).
inline std::vector<double> extras(ovt::IOilTable const&) { return {}; }
inline std::vector<double> extras(ovt::IGasTable const&) { return {}; }
inline std::vector<double> extras(ovt::IDeadOilTable const& t) {
  return {t.getBubblePointPressure(), t.getDissolvedGas()};
}
inline std::vector<double> extras(ovt::IDeadOilConstantCompressTable const& t) {
  return {t.getBubblePointPressure(), t.getDissolvedGas(), t.getOilCompressibility(),
          t.getOilViscosibility()};
}
inline std::vector<double> extras(ovt::ICompressibleOilTable const& t) {
  std::vector<double> v{t.getMolecularWeight(), t.getSpecificHeat(),
                        t.getTemperatureExpansionCoefficient(),
                        t.getTemperatureSquaredExpansionCoefficient()};
  for (int i = 0; i < t.getSaturatedSize(); ++i) {
    v.push_back(t.getCompressibility(i));
    v.push_back(t.getViscosibility(i));
  }
  return v;
}
inline std::vector<double> extras(ovt::IDryGasTable const& t) {
  return {t.getDewPointPressure(), t.getVaporizedOil()};
}

// Gives every extra field a value derived from `seed`.
inline void setExtras(ovt::IOilTable&, double) {}
inline void setExtras(ovt::IGasTable&, double) {}
inline void setExtras(ovt::IDeadOilTable& t, double seed) {
  t.setBubblePointPressure(seed + 1.0);
  t.setDissolvedGas(seed + 2.0);
}
inline void setExtras(ovt::IDeadOilConstantCompressTable& t, double seed) {
  t.setBubblePointPressure(seed + 1.0);
  t.setDissolvedGas(seed + 2.0);
  t.setOilCompressibility(seed + 3.0);
  t.setOilViscosibility(seed + 4.0);
}
inline void setExtras(ovt::ICompressibleOilTable& t, double seed) {
  t.setMolecularWeight(seed + 1.0);
  t.setSpecificHeat(seed + 2.0);
  t.setTemperatureExpansionCoefficient(seed + 3.0);
  t.setTemperatureSquaredExpansionCoefficient(seed + 4.0);
  for (int i = 0; i < t.getSaturatedSize(); ++i) {
    t.setCompressibility(i, seed + 10.0 + i);
    t.setViscosibility(i, seed + 20.0 + i);
  }
}
inline void setExtras(ovt::IDryGasTable& t, double seed) {
  t.setDewPointPressure(seed + 1.0);
  t.setVaporizedOil(seed + 2.0);
}

struct Row {
  double key;
  std::vector<std::array<double, 3>> entries;  // undersaturated value, B, viscosity
  bool operator==(Row const& o) const { return key == o.key && entries == o.entries; }
};

struct Snapshot {
  double surfaceDensity;
  std::vector<Row> rows;
  std::vector<double> extras;
  bool operator==(Snapshot const& o) const {
    return surfaceDensity == o.surfaceDensity && rows == o.rows && extras == o.extras;
  }
};

inline std::ostream& operator<<(std::ostream& out, Snapshot const& s) {
  out << "{density " << s.surfaceDensity << ";";
  for (Row const& r : s.rows) {
    out << " [" << r.key << ":";
    for (auto const& e : r.entries) out << " (" << e[0] << " " << e[1] << " " << e[2] << ")";
    out << "]";
  }
  out << "; extras";
  for (double x : s.extras) out << " " << x;
  return out << "}";
}

template <class Table>
Snapshot snapshot(Table const& t) {
  Snapshot s{t.getSurfaceDensity(), {}, extras(t)};
  for (int i = 0; i < t.getSaturatedSize(); ++i) {
    Row row{key(t, i), {}};
    for (int j = 0; j < t.getUndersaturatedSize(i); ++j) {
      row.entries.push_back(
          {under(t, i, j), t.getFormationVolumeFactor(i, j), t.getViscosity(i, j)});
    }
    s.rows.push_back(row);
  }
  return s;
}

// Fills `t` with three rows of 3, 0 and 2 entries, every value distinct and derived
// from `seed`, and sets its extra fields.
template <class Table>
void fill(Table& t, double seed) {
  t.setSurfaceDensity(seed + 0.5);
  t.setSaturatedSize(3);
  int const sizes[] = {3, 0, 2};
  for (int i = 0; i < 3; ++i) {
    setKey(t, i, seed + 100.0 * (i + 1));
    t.setUndersaturatedSize(i, sizes[i]);
    for (int j = 0; j < sizes[i]; ++j) {
      setUnder(t, i, j, seed + 1000.0 * (i + 1) + j);
      t.setFormationVolumeFactor(i, j, seed + 1.0 + 0.01 * j);
      t.setViscosity(i, j, seed + 0.5 + 0.1 * j);
    }
  }
  setExtras(t, seed);
}

}  // namespace probe

#endif  // ORV_TESS_VARNAK_TESTS_BLACKOIL_TABLEPROBE_H
