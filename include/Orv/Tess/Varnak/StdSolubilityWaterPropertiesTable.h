// StdSolubilityWaterPropertiesTable: the library's solubility table with water properties.
//
// It keeps the three water columns itself and contains a StdSolubilityTable for the
// pressure and solution-ratio columns; every index is checked by that contained table, so
// all five columns report a bad index alike. The temperature, salt and interaction tables
// in turn contain one of these. Copies are independent of their source.
#ifndef ORV_TESS_VARNAK_STDSOLUBILITYWATERPROPERTIESTABLE_H
#define ORV_TESS_VARNAK_STDSOLUBILITYWATERPROPERTIESTABLE_H

#include <vector>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/ISolubilityWaterPropertiesTable.h"
#include "Orv/Tess/Varnak/StdSolubilityTable.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API StdSolubilityWaterPropertiesTable
    : public virtual ISolubilityWaterPropertiesTable {
 public:
  // Makes an empty table (no rows).
  StdSolubilityWaterPropertiesTable() = default;
  // Copies and moves as the description at the top of this header says.
  StdSolubilityWaterPropertiesTable(StdSolubilityWaterPropertiesTable const&) = default;
  StdSolubilityWaterPropertiesTable(StdSolubilityWaterPropertiesTable&&) = default;
  // Strong guarantee: on failure the target is left as it was.
  StdSolubilityWaterPropertiesTable& operator=(StdSolubilityWaterPropertiesTable const& other);
  // Copies and moves as the description at the top of this header says.
  StdSolubilityWaterPropertiesTable& operator=(StdSolubilityWaterPropertiesTable&&) = default;
  ~StdSolubilityWaterPropertiesTable() override;

  void setNumPressures(int numPressures) override;
  int getNumPressures() const override;
  void setPressure(int index, double pressure) override;
  double getPressure(int index) const override;
  void setSolutionRatio(int index, double solutionRatio) override;
  double getSolutionRatio(int index) const override;

  void setFormationVolume(int index, double formationVolume) override;
  double getFormationVolume(int index) const override;
  void setViscosity(int index, double viscosity) override;
  double getViscosity(int index) const override;
  void setCompressibility(int index, double compressibility) override;
  double getCompressibility(int index) const override;

 private:
  std::vector<double> formationVolume_;
  std::vector<double> viscosity_;
  std::vector<double> compressibility_;
  StdSolubilityTable solubility_;  // pressure and solution-ratio columns; checks every index
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDSOLUBILITYWATERPROPERTIESTABLE_H
