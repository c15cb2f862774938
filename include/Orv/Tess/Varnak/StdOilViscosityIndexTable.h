// StdOilViscosityIndexTable: the oil viscosity index table as one mole fraction per row,
// a component count and one flat array of indices at position row × (number of
// components) + component. Changing the row count appends or cuts rows at the end;
// changing the component count resizes the flat array as a whole, so that with several
// rows the values keep their flat positions. Copies are independent.
#ifndef ORV_TESS_VARNAK_STDOILVISCOSITYINDEXTABLE_H
#define ORV_TESS_VARNAK_STDOILVISCOSITYINDEXTABLE_H

#include <memory>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IOilViscosityIndexTable.h"

namespace Orv::Tess::Varnak {

namespace detail {
template <class Value>
class FlatTable;
}  // namespace detail

class ORV_TESS_VARNAK_API StdOilViscosityIndexTable : public IOilViscosityIndexTable {
 public:
  // An empty table: no mole fractions, no components.
  StdOilViscosityIndexTable();
  // Copies and moves as the description at the top of this header says.
  StdOilViscosityIndexTable(StdOilViscosityIndexTable const& other);
  StdOilViscosityIndexTable(StdOilViscosityIndexTable&& other);
  StdOilViscosityIndexTable& operator=(StdOilViscosityIndexTable const& other);
  StdOilViscosityIndexTable& operator=(StdOilViscosityIndexTable&& other);
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

  // Mole fractions (the row keys) and the flat indices; never null.
  std::unique_ptr<detail::FlatTable<double>> table_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDOILVISCOSITYINDEXTABLE_H
