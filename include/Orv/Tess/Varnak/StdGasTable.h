// StdGasTable: the wet-gas table, the library's plain implementation of IGasTable.
//
// Rows are keyed by pressure; each undersaturated entry holds a vaporised oil-gas ratio,
// a formation volume factor and a viscosity. The storage is StdBaseTable<IGasTable>;
// this class only names its saturated value (pressure) and undersaturated value (oil-gas
// ratio). StdDryGasTable holds a StdGasTable inside.
//
// A value: copies duplicate every row. A new table has no rows and surface density 0.0.
#ifndef ORV_TESS_VARNAK_STDGASTABLE_H
#define ORV_TESS_VARNAK_STDGASTABLE_H

#include <memory>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IGasTable.h"
#include "Orv/Tess/Varnak/StdBaseTable.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API StdGasTable : public StdBaseTable<IGasTable> {
 public:
  // Construction, copies and moves as the description at the top of this header says.
  StdGasTable();
  StdGasTable(StdGasTable const& other);
  StdGasTable(StdGasTable&& other) noexcept;
  StdGasTable& operator=(StdGasTable const& other);
  StdGasTable& operator=(StdGasTable&& other) noexcept;
  ~StdGasTable() override;

  double getPressure(int sat) const override;
  double getOilGasRatio(int sat, int usat) const override;
  void setPressure(int sat, double pressure) override;
  void setOilGasRatio(int sat, int usat, double ratio) override;

  // Returns a new StdGasTable copied from this one.
  std::unique_ptr<IGasTable> clone() const override;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDGASTABLE_H
