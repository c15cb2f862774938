// StdDeadOilTable: the library's implementation of IDeadOilTable.
//
// Holds a StdOilTable by value and answers every IOilTable operation from it, with its
// indices checked and its messages; beside it, the dissolved gas and the bubble point
// pressure are two plain stored numbers. A new dead-oil table has one row (gas-oil
// ratio 0.0, no entries), surface density 0.0, dissolved gas 0.0 and bubble point
// pressure 1.0e-6; the row can be resized like any other.
//
// A value: copies duplicate the inner table and both numbers.
#ifndef ORV_TESS_VARNAK_STDDEADOILTABLE_H
#define ORV_TESS_VARNAK_STDDEADOILTABLE_H

#include <memory>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IDeadOilTable.h"
#include "Orv/Tess/Varnak/IOilTable.h"
#include "Orv/Tess/Varnak/StdOilTable.h"

namespace Orv::Tess::Varnak {

namespace detail {
template <class T>
struct Access;
}  // namespace detail

class ORV_TESS_VARNAK_API StdDeadOilTable : public IDeadOilTable {
 public:
  // Construction, copies and moves as the description at the top of this header says.
  StdDeadOilTable();
  StdDeadOilTable(StdDeadOilTable const& other);
  StdDeadOilTable(StdDeadOilTable&& other) noexcept;
  StdDeadOilTable& operator=(StdDeadOilTable const& other);
  StdDeadOilTable& operator=(StdDeadOilTable&& other) noexcept;
  ~StdDeadOilTable() override;

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
  // Returns a new StdDeadOilTable copied from this one.
  std::unique_ptr<IOilTable> clone() const override;

  double getBubblePointPressure() const override;
  double getDissolvedGas() const override;
  void setBubblePointPressure(double pressure) override;
  void setDissolvedGas(double ratio) override;

 private:
  friend struct detail::Access<StdDeadOilTable>;  // the copies read the storage directly

  StdOilTable table_;
  double dissolvedGas_;
  double bubblePointPressure_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDDEADOILTABLE_H
