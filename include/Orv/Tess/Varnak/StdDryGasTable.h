// StdDryGasTable: the library's implementation of IDryGasTable.
//
// Holds a StdGasTable by value and answers every IGasTable operation from it, with its
// indices checked and its messages; beside it, the vaporised oil and the dew point
// pressure are two plain stored numbers. A new dry-gas table has no rows, surface
// density 0.0, vaporised oil 0.0 and dew point pressure 0.0.
//
// A value: copies duplicate the inner table and both numbers.
#ifndef ORV_TESS_VARNAK_STDDRYGASTABLE_H
#define ORV_TESS_VARNAK_STDDRYGASTABLE_H

#include <memory>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IDryGasTable.h"
#include "Orv/Tess/Varnak/IGasTable.h"
#include "Orv/Tess/Varnak/StdGasTable.h"

namespace Orv::Tess::Varnak {

namespace detail {
template <class T>
struct Access;
}  // namespace detail

class ORV_TESS_VARNAK_API StdDryGasTable : public IDryGasTable {
 public:
  // Construction, copies and moves as the description at the top of this header says.
  StdDryGasTable();
  StdDryGasTable(StdDryGasTable const& other);
  StdDryGasTable(StdDryGasTable&& other) noexcept;
  StdDryGasTable& operator=(StdDryGasTable const& other);
  StdDryGasTable& operator=(StdDryGasTable&& other) noexcept;
  ~StdDryGasTable() override;

  double getSurfaceDensity() const override;
  void setSurfaceDensity(double density) override;
  int getSaturatedSize() const override;
  int getUndersaturatedSize(int sat) const override;
  double getPressure(int sat) const override;
  double getOilGasRatio(int sat, int usat) const override;
  double getFormationVolumeFactor(int sat, int usat) const override;
  double getViscosity(int sat, int usat) const override;
  void setSaturatedSize(int size) override;
  void setUndersaturatedSize(int sat, int size) override;
  void setPressure(int sat, double pressure) override;
  void setOilGasRatio(int sat, int usat, double ratio) override;
  void setFormationVolumeFactor(int sat, int usat, double factor) override;
  void setViscosity(int sat, int usat, double viscosity) override;
  // Returns a new StdDryGasTable copied from this one.
  std::unique_ptr<IGasTable> clone() const override;

  double getDewPointPressure() const override;
  double getVaporizedOil() const override;
  void setDewPointPressure(double pressure) override;
  void setVaporizedOil(double ratio) override;

 private:
  friend struct detail::Access<StdDryGasTable>;  // the copies read the storage directly

  StdGasTable table_;
  double vaporizedOil_;
  double dewPointPressure_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDDRYGASTABLE_H
