// StdMisciblityTable: the library's implementation of IMiscibilityTable. (The class
// name is spelled so; its messages spell "Miscibility" in full.)
//
// The rows are one contiguous array of (oil pressure, miscibility). A value: copies
// duplicate every row. A new table has no rows and both mixing parameters 0.0.
#ifndef ORV_TESS_VARNAK_STDMISCIBLITYTABLE_H
#define ORV_TESS_VARNAK_STDMISCIBLITYTABLE_H

#include <vector>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IMiscibilityTable.h"

namespace Orv::Tess::Varnak {

namespace detail {
template <class T>
struct Access;
}  // namespace detail

class ORV_TESS_VARNAK_API StdMisciblityTable : public IMiscibilityTable {
 public:
  // Construction, copies and moves as the description at the top of this header says.
  StdMisciblityTable();
  StdMisciblityTable(StdMisciblityTable const& other);
  StdMisciblityTable(StdMisciblityTable&& other) noexcept;
  StdMisciblityTable& operator=(StdMisciblityTable const& other);
  StdMisciblityTable& operator=(StdMisciblityTable&& other) noexcept;
  ~StdMisciblityTable() override;

  int getSize() const override;
  double getViscosityMixingParameter() const override;
  double getDensityMixingParameter() const override;
  double getOilPressure(int i) const override;
  double getMiscibility(int i) const override;
  void setSize(int size) override;
  void setViscosityMixingParameter(double parameter) override;
  void setDensityMixingParameter(double parameter) override;
  void setOilPressure(int i, double pressure) override;
  void setMiscibility(int i, double miscibility) override;

 private:
  friend struct detail::Access<StdMisciblityTable>;  // the copies read the storage directly

  struct Row {
    double oilPressure;
    double miscibility;
  };

  // Throws std::range_error "Invalid index in StdMiscibilityTable" unless
  // 0 <= i < getSize().
  void validate(int i) const;

  double viscosityMixingParameter_;
  double densityMixingParameter_;
  std::vector<Row> rows_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDMISCIBLITYTABLE_H
