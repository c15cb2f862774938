// StdBrinePropertyTable: the library's brine property table.
//
// Six columns of equal length (salt concentration, brine surface density, formation
// volume factor, compressibility, viscosity, viscosibility) and two reference values.
// Copies and moves are member by member. A new table has no rows and both references 0.0.
#ifndef ORV_TESS_VARNAK_STDBRINEPROPERTYTABLE_H
#define ORV_TESS_VARNAK_STDBRINEPROPERTYTABLE_H

#include <array>
#include <vector>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IBrinePropertyTable.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API StdBrinePropertyTable : public IBrinePropertyTable {
 public:
  // Construction, copies and moves as the description at the top of this header says.
  StdBrinePropertyTable();
  StdBrinePropertyTable(StdBrinePropertyTable const&);
  StdBrinePropertyTable(StdBrinePropertyTable&&) noexcept;
  // Strong guarantee: on failure the target is left as it was.
  StdBrinePropertyTable& operator=(StdBrinePropertyTable const&);
  // Copies and moves as the description at the top of this header says.
  StdBrinePropertyTable& operator=(StdBrinePropertyTable&&) noexcept;
  ~StdBrinePropertyTable() override;

  void setTableSize(int n) override;
  int getTableSize() const override;

  // The reference pressure and salt concentration (0.0 at first), stored as given.
  void setReferencePressure(double value) override;
  double getReferencePressure() const override;
  void setReferenceSaltConcentration(double value) override;
  double getReferenceSaltConcentration() const override;

  void setSaltConcentration(int index, double value) override;
  double getSaltConcentration(int index) const override;
  void setBrineSurfaceDensity(int index, double value) override;
  double getBrineSurfaceDensity(int index) const override;
  void setFormationVolumeFactor(int index, double value) override;
  double getFormationVolumeFactor(int index) const override;
  void setCompressibility(int index, double value) override;
  double getCompressibility(int index) const override;
  void setViscosity(int index, double value) override;
  double getViscosity(int index) const override;
  void setViscosibility(int index, double value) override;
  double getViscosibility(int index) const override;

  // Throws std::range_error "Invalid index (<index>) in StdBrinePropertyTable." unless
  // 0 <= index < getTableSize().
  void validateIndex(int index) const;

 private:
  // The columns, in the order they are resized.
  enum Column {
    kSaltConcentration,
    kSurfaceDensity,
    kFormationVolumeFactor,
    kCompressibility,
    kViscosity,
    kViscosibility,
    kNumColumns
  };

  void set(Column column, int index, double value);
  double get(Column column, int index) const;

  double referencePressure_ = 0.0;
  double referenceSaltConcentration_ = 0.0;
  std::array<std::vector<double>, kNumColumns> columns_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDBRINEPROPERTYTABLE_H
