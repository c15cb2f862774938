// IGasTable: the gas PVT table of a black-oil model, read and written as a two-level table.
//
// The outer level is a list of saturated rows, each keyed by a pressure: the dew point
// of the saturated gas. Under each row hangs a list of undersaturated entries, the gas
// at that pressure carrying less vaporised oil: each entry holds an oil-gas ratio, a
// formation volume factor and a viscosity. Rows may have different numbers of entries.
// One surface density belongs to the whole table. Units are the host's; the table
// stores numbers as given and enforces no ordering.
//
// The operations stand at the same places as those of IOilTable: the saturated key
// (here a pressure) and the undersaturated value (here an oil-gas ratio) take the places
// of the oil table's gas-oil ratio and pressure. Indexed calls check their indices
// against the sizes as they stand and throw std::range_error, leaving the table
// unchanged: "Invalid sat_index in StdBaseTable" for a bad row index and
// "Invalid usat_index in StdBaseTable" for a bad entry index.
//
// The owner of a table keeps it; clone() hands out an independent copy of the same kind.
#ifndef ORV_TESS_VARNAK_IGASTABLE_H
#define ORV_TESS_VARNAK_IGASTABLE_H

#include <memory>

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API IGasTable {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  IGasTable() = default;
  IGasTable(IGasTable const&) = default;
  IGasTable& operator=(IGasTable const&) = default;
  virtual ~IGasTable();

  // Returns the gas density at surface conditions.
  virtual double getSurfaceDensity() const = 0;
  // Stores the gas density at surface conditions; any value is accepted.
  virtual void setSurfaceDensity(double density) = 0;

  // Returns the number of saturated rows.
  virtual int getSaturatedSize() const = 0;
  // Returns the number of undersaturated entries of row `sat`. Throws on a bad row.
  virtual int getUndersaturatedSize(int sat) const = 0;
  // Returns the pressure of row `sat`. Throws on a bad row.
  virtual double getPressure(int sat) const = 0;
  // Returns the vaporised oil-gas ratio of entry `usat` of row `sat`. Throws on a bad
  // row or entry.
  virtual double getOilGasRatio(int sat, int usat) const = 0;
  // Returns the formation volume factor of entry `usat` of row `sat`. Throws as
  // getOilGasRatio.
  virtual double getFormationVolumeFactor(int sat, int usat) const = 0;
  // Returns the viscosity of entry `usat` of row `sat`. Throws as getOilGasRatio.
  virtual double getViscosity(int sat, int usat) const = 0;

  // Resizes the list of rows to `size`: rows from `size` on are dropped with their
  // entries, new rows have pressure 0.0 and no entries. Throws std::range_error
  // "Invalid size in StdBaseTable::setSaturatedSize" for a negative size.
  virtual void setSaturatedSize(int size) = 0;
  // Resizes the entries of row `sat` to `size` the same way (new entries are all 0.0).
  // Checks the row first; then throws std::range_error
  // "Invalid size in StdBaseTable::setUndersaturatedSize" for a negative size.
  virtual void setUndersaturatedSize(int sat, int size) = 0;
  // Stores the pressure of row `sat`. Throws on a bad row.
  virtual void setPressure(int sat, double pressure) = 0;
  // Stores the oil-gas ratio of entry `usat` of row `sat`. Throws on a bad row or entry.
  virtual void setOilGasRatio(int sat, int usat, double ratio) = 0;
  // Stores the formation volume factor of entry `usat` of row `sat`. Throws as
  // setOilGasRatio.
  virtual void setFormationVolumeFactor(int sat, int usat, double factor) = 0;
  // Stores the viscosity of entry `usat` of row `sat`. Throws as setOilGasRatio.
  virtual void setViscosity(int sat, int usat, double viscosity) = 0;

  // Returns an independent copy of this table, of the same kind and with the same content.
  virtual std::unique_ptr<IGasTable> clone() const = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_IGASTABLE_H
