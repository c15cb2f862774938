// StdOilTable: the live-oil table, the library's plain implementation of IOilTable.
//
// Rows are keyed by dissolved gas-oil ratio; each undersaturated entry holds a pressure,
// a formation volume factor and a viscosity. The storage is StdBaseTable<IOilTable>;
// this class only names its saturated value (gas-oil ratio) and undersaturated value
// (pressure). The other oil table kinds hold a StdOilTable inside.
//
// A value: copies duplicate every row. A new table has no rows and surface density 0.0.
#ifndef ORV_TESS_VARNAK_STDOILTABLE_H
#define ORV_TESS_VARNAK_STDOILTABLE_H

#include <memory>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IOilTable.h"
#include "Orv/Tess/Varnak/StdBaseTable.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API StdOilTable : public StdBaseTable<IOilTable> {
 public:
  // Construction, copies and moves as the description at the top of this header says.
  StdOilTable();
  StdOilTable(StdOilTable const& other);
  StdOilTable(StdOilTable&& other) noexcept;
  StdOilTable& operator=(StdOilTable const& other);
  StdOilTable& operator=(StdOilTable&& other) noexcept;
  ~StdOilTable() override;

  double getGasOilRatio(int sat) const override;
  double getPressure(int sat, int usat) const override;
  void setGasOilRatio(int sat, double ratio) override;
  void setPressure(int sat, int usat, double pressure) override;

  // Returns a new StdOilTable copied from this one.
  std::unique_ptr<IOilTable> clone() const override;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDOILTABLE_H
