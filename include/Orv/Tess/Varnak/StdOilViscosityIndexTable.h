// StdOilViscosityIndexTable: the oil viscosity index table as one mole fraction per row,
// a component count and one flat array of indices at position row × (number of
// components) + component. Changing the row count appends or cuts rows at the end;
// changing the component count resizes the flat array as a whole, so that with several
// rows the values keep their flat positions. Copies are independent. The table holds its
// arrays itself; constructing or moving one allocates nothing.
#ifndef ORV_TESS_VARNAK_STDOILVISCOSITYINDEXTABLE_H
#define ORV_TESS_VARNAK_STDOILVISCOSITYINDEXTABLE_H

#include <vector>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IOilViscosityIndexTable.h"

namespace Orv::Tess::Varnak {

namespace detail {
template <class T>
struct Access;
}  // namespace detail

class ORV_TESS_VARNAK_API StdOilViscosityIndexTable : public IOilViscosityIndexTable {
 public:
  // An empty table: no mole fractions, no components.
  StdOilViscosityIndexTable();
  // Copies and moves as the description at the top of this header says.
  StdOilViscosityIndexTable(StdOilViscosityIndexTable const& other);
  StdOilViscosityIndexTable(StdOilViscosityIndexTable&& other) noexcept;
  StdOilViscosityIndexTable& operator=(StdOilViscosityIndexTable const& other);
  StdOilViscosityIndexTable& operator=(StdOilViscosityIndexTable&& other) noexcept;
  ~StdOilViscosityIndexTable() override;

  int getNumMolefractions() const override;
  void setNumMolefractions(int n) override;
  int getNumComponents() const override;
  void setNumComponents(int n) override;
  double getMoleFraction(int f) const override;
  void setMoleFraction(int f, double value) override;
  double getOilViscosityIndex(int f, int c) const override;
  void setOilViscosityIndex(int f, int c, double value) override;

 private:
  // Throws std::range_error "Invalid mole fraction index used for oil viscosity index
  // table." for a bad f.
  void validate(int f) const;
  // validate(f) first, then std::range_error "Invalid component index used for oil
  // viscosity index table." for a bad c.
  void validate(int f, int c) const;

  friend struct detail::Access<StdOilViscosityIndexTable>;  // the copies read the arrays

  int numComponents_;
  std::vector<double> moleFractions_;  // one per row
  std::vector<double> indices_;        // row f, component c at f × numComponents_ + c
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDOILVISCOSITYINDEXTABLE_H
