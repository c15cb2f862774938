// StdSolubilityTable: the library's plain solubility table, two columns of equal length.
//
// It is also the row store of every richer solubility table: those contain one and leave
// the pressure and solution-ratio columns, and the index check of all their columns, to
// it. Copies are independent of their source.
#ifndef ORV_TESS_VARNAK_STDSOLUBILITYTABLE_H
#define ORV_TESS_VARNAK_STDSOLUBILITYTABLE_H

#include <vector>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/ISolubilityTable.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API StdSolubilityTable : public ISolubilityTable {
 public:
  // Makes an empty table (no rows).
  StdSolubilityTable() = default;
  // Copies and moves as the description at the top of this header says.
  StdSolubilityTable(StdSolubilityTable const&) = default;
  StdSolubilityTable(StdSolubilityTable&&) = default;
  // Strong guarantee: on failure the target is left as it was.
  StdSolubilityTable& operator=(StdSolubilityTable const& other);
  // Copies and moves as the description at the top of this header says.
  StdSolubilityTable& operator=(StdSolubilityTable&&) = default;
  ~StdSolubilityTable() override;

  void setNumPressures(int numPressures) override;
  int getNumPressures() const override;
  void setPressure(int index, double pressure) override;
  double getPressure(int index) const override;
  void setSolutionRatio(int index, double solutionRatio) override;
  double getSolutionRatio(int index) const override;

  // Returns when 0 <= index < getNumPressures(); otherwise throws std::range_error
  // "Invalid index (<index>) in StdSolubilityTable.".
  void validateIndex(int index) const;

 private:
  std::vector<double> pressure_;
  std::vector<double> solutionRatio_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDSOLUBILITYTABLE_H
