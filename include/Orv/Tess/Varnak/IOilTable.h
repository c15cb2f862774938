// IOilTable: the oil PVT table of one PVT region, read and written as a two-level table.
//
// The outer level is a list of saturated rows. A saturated row is one bubble point: its
// key is the dissolved gas-oil ratio of the saturated oil. Under each row hangs a list
// of undersaturated entries, the same oil compressed above its bubble point: each entry
// holds a pressure, a formation volume factor and a viscosity. Rows may have different
// numbers of entries. One surface density belongs to the whole table. Units are the
// host's; the table stores numbers as given and enforces no ordering.
//
// Size the table first (setSaturatedSize, then setUndersaturatedSize per row), then fill
// it: every indexed call checks its indices against the sizes as they stand and throws
// std::range_error otherwise, leaving the table unchanged. The messages are
// "Invalid sat_index in StdBaseTable" for a bad row index and
// "Invalid usat_index in StdBaseTable" for a bad entry index.
//
// The owner of a table (a black-oil model, or the host for a table it constructed)
// keeps it; clone() hands out an independent copy of the same kind.
#ifndef ORV_TESS_VARNAK_IOILTABLE_H
#define ORV_TESS_VARNAK_IOILTABLE_H

#include <memory>

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API IOilTable {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  IOilTable() = default;
  IOilTable(IOilTable const&) = default;
  IOilTable& operator=(IOilTable const&) = default;
  virtual ~IOilTable();

  // Returns the oil density at surface conditions.
  virtual double getSurfaceDensity() const = 0;
  // Stores the oil density at surface conditions; any value is accepted.
  virtual void setSurfaceDensity(double density) = 0;

  // Returns the number of saturated rows.
  virtual int getSaturatedSize() const = 0;
  // Returns the number of undersaturated entries of row `sat`. Throws on a bad row.
  virtual int getUndersaturatedSize(int sat) const = 0;
  // Returns the dissolved gas-oil ratio of row `sat`. Throws on a bad row.
  virtual double getGasOilRatio(int sat) const = 0;
  // Returns the pressure of entry `usat` of row `sat`. Throws on a bad row or entry.
  virtual double getPressure(int sat, int usat) const = 0;
  // Returns the formation volume factor of entry `usat` of row `sat`. Throws as getPressure.
  virtual double getFormationVolumeFactor(int sat, int usat) const = 0;
  // Returns the viscosity of entry `usat` of row `sat`. Throws as getPressure.
  virtual double getViscosity(int sat, int usat) const = 0;

  // Resizes the list of rows to `size`: rows from `size` on are dropped with their
  // entries, new rows have gas-oil ratio 0.0 and no entries. Throws std::range_error
  // "Invalid size in StdBaseTable::setSaturatedSize" for a negative size.
  virtual void setSaturatedSize(int size) = 0;
  // Resizes the entries of row `sat` to `size` the same way (new entries are all 0.0).
  // Checks the row first; then throws std::range_error
  // "Invalid size in StdBaseTable::setUndersaturatedSize" for a negative size.
  virtual void setUndersaturatedSize(int sat, int size) = 0;
  // Stores the dissolved gas-oil ratio of row `sat`. Throws on a bad row.
  virtual void setGasOilRatio(int sat, double ratio) = 0;
  // Stores the pressure of entry `usat` of row `sat`. Throws on a bad row or entry.
  virtual void setPressure(int sat, int usat, double pressure) = 0;
  // Stores the formation volume factor of entry `usat` of row `sat`. Throws as setPressure.
  virtual void setFormationVolumeFactor(int sat, int usat, double factor) = 0;
  // Stores the viscosity of entry `usat` of row `sat`. Throws as setPressure.
  virtual void setViscosity(int sat, int usat, double viscosity) = 0;

  // Returns an independent copy of this table, of the same kind and with the same content.
  virtual std::unique_ptr<IOilTable> clone() const = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_IOILTABLE_H
