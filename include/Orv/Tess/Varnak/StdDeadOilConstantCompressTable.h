// StdDeadOilConstantCompressTable: the library's implementation of
// IDeadOilConstantCompressTable.
//
// Holds a StdDeadOilTable by value and answers every dead-oil operation from it (so a
// new table has the dead-oil table's one row and its defaults); beside it, the oil
// compressibility and oil viscosibility are two plain stored numbers, 0.0 at first.
//
// A value: copies duplicate the inner table and both numbers.
#ifndef ORV_TESS_VARNAK_STDDEADOILCONSTANTCOMPRESSTABLE_H
#define ORV_TESS_VARNAK_STDDEADOILCONSTANTCOMPRESSTABLE_H

#include <memory>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IDeadOilConstantCompressTable.h"
#include "Orv/Tess/Varnak/IOilTable.h"
#include "Orv/Tess/Varnak/StdDeadOilTable.h"

namespace Orv::Tess::Varnak {

namespace detail {
template <class T>
struct Access;
}  // namespace detail

class ORV_TESS_VARNAK_API StdDeadOilConstantCompressTable : public IDeadOilConstantCompressTable {
 public:
  // Construction, copies and moves as the description at the top of this header says.
  StdDeadOilConstantCompressTable();
  StdDeadOilConstantCompressTable(StdDeadOilConstantCompressTable const& other);
  StdDeadOilConstantCompressTable(StdDeadOilConstantCompressTable&& other) noexcept;
  StdDeadOilConstantCompressTable& operator=(StdDeadOilConstantCompressTable const& other);
  StdDeadOilConstantCompressTable& operator=(StdDeadOilConstantCompressTable&& other) noexcept;
  ~StdDeadOilConstantCompressTable() override;

  double getSurfaceDensity() const override;
  void setSurfaceDensity(double density) override;
  int getSaturatedSize() const override;
  int getUndersaturatedSize(int sat) const override;
  double getGasOilRatio(int sat) const override;
  double getPressure(int sat, int usat) const override;
  double getFormationVolumeFactor(int sat, int usat) const override;
  double getViscosity(int sat, int usat) const override;
  void setSaturatedSize(int size) override;
  void setUndersaturatedSize(int sat, int size) override;
  void setGasOilRatio(int sat, double ratio) override;
  void setPressure(int sat, int usat, double pressure) override;
  void setFormationVolumeFactor(int sat, int usat, double factor) override;
  void setViscosity(int sat, int usat, double viscosity) override;
  // Returns a new StdDeadOilConstantCompressTable copied from this one.
  std::unique_ptr<IOilTable> clone() const override;

  double getBubblePointPressure() const override;
  double getDissolvedGas() const override;
  void setBubblePointPressure(double pressure) override;
  void setDissolvedGas(double ratio) override;

  double getOilCompressibility() const override;
  double getOilViscosibility() const override;
  void setOilCompressibility(double compressibility) override;
  void setOilViscosibility(double viscosibility) override;

 private:
  friend struct detail::Access<StdDeadOilConstantCompressTable>;  // the copies read the storage
                                                                  // directly

  StdDeadOilTable table_;
  double oilCompressibility_;
  double oilViscosibility_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDDEADOILCONSTANTCOMPRESSTABLE_H
