// StdSolventTable: the library's implementation of ISolventTable.
//
// The rows are one contiguous array of (pressure, formation volume factor, viscosity).
// A value: copies duplicate every row. A new table has no rows and surface density 0.0.
#ifndef ORV_TESS_VARNAK_STDSOLVENTTABLE_H
#define ORV_TESS_VARNAK_STDSOLVENTTABLE_H

#include <vector>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/ISolventTable.h"

namespace Orv::Tess::Varnak {

namespace detail {
template <class T>
struct Access;
}  // namespace detail

class ORV_TESS_VARNAK_API StdSolventTable : public ISolventTable {
 public:
  // Construction, copies and moves as the description at the top of this header says.
  StdSolventTable();
  StdSolventTable(StdSolventTable const& other);
  StdSolventTable(StdSolventTable&& other) noexcept;
  StdSolventTable& operator=(StdSolventTable const& other);
  StdSolventTable& operator=(StdSolventTable&& other) noexcept;
  ~StdSolventTable() override;

  double getSurfaceDensity() const override;
  void setSurfaceDensity(double density) override;
  int getSize() const override;
  double getPressure(int i) const override;
  double getFormationVolumeFactor(int i) const override;
  double getViscosity(int i) const override;
  void setSize(int size) override;
  void setPressure(int i, double pressure) override;
  void setFormationVolumeFactor(int i, double factor) override;
  void setViscosity(int i, double viscosity) override;

 private:
  friend struct detail::Access<StdSolventTable>;  // the copies read the storage directly

  struct Row {
    double pressure;
    double formationVolumeFactor;
    double viscosity;
  };

  // Throws std::range_error "Invalid index in StdSolventTable" unless 0 <= i < getSize().
  void validate(int i) const;

  double surfaceDensity_;
  std::vector<Row> rows_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDSOLVENTTABLE_H
