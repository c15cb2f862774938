// IBrinePropertyTable: brine properties tabulated against salt concentration.
//
// Each row gives, for one salt concentration, the brine's surface density, formation
// volume factor, compressibility, viscosity and viscosibility; the table also holds the
// reference pressure and reference salt concentration the rows refer to. Values are
// stored as given, without units. The table is owned by its water properties
// (IWaterProperties::makeBrinePropertyTable).
#ifndef ORV_TESS_VARNAK_IBRINEPROPERTYTABLE_H
#define ORV_TESS_VARNAK_IBRINEPROPERTYTABLE_H

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API IBrinePropertyTable {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  IBrinePropertyTable() = default;
  IBrinePropertyTable(IBrinePropertyTable const&) = default;
  IBrinePropertyTable& operator=(IBrinePropertyTable const&) = default;
  virtual ~IBrinePropertyTable();

  // Resizes every column to n rows: rows below n keep their values, new rows read 0.0.
  // Throws std::length_error "vector<T> too long" for a negative n (nothing changes).
  virtual void setTableSize(int n) = 0;
  // Returns the number of rows.
  virtual int getTableSize() const = 0;

  // The reference pressure and salt concentration the rows refer to (0.0 at first);
  // stored as given.
  virtual void setReferencePressure(double value) = 0;
  virtual double getReferencePressure() const = 0;
  virtual void setReferenceSaltConcentration(double value) = 0;
  virtual double getReferenceSaltConcentration() const = 0;

  // Row accessors. Each throws std::range_error
  // "Invalid index (<index>) in StdBrinePropertyTable." unless 0 <= index < table size.
  virtual void setSaltConcentration(int index, double value) = 0;
  virtual double getSaltConcentration(int index) const = 0;
  virtual void setBrineSurfaceDensity(int index, double value) = 0;
  virtual double getBrineSurfaceDensity(int index) const = 0;
  virtual void setFormationVolumeFactor(int index, double value) = 0;
  virtual double getFormationVolumeFactor(int index) const = 0;
  virtual void setCompressibility(int index, double value) = 0;
  virtual double getCompressibility(int index) const = 0;
  virtual void setViscosity(int index, double value) = 0;
  virtual double getViscosity(int index) const = 0;
  virtual void setViscosibility(int index, double value) = 0;
  virtual double getViscosibility(int index) const = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_IBRINEPROPERTYTABLE_H
