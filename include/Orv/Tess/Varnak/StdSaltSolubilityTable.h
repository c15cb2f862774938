// StdSaltSolubilityTable: the library's solubility table measured in brine.
//
// The rows live in a contained StdSolubilityWaterPropertiesTable, to which every row
// operation is passed on; the table adds the salt concentration, the brine surface density
// and the reference salt concentration. Copies are independent of their source.
#ifndef ORV_TESS_VARNAK_STDSALTSOLUBILITYTABLE_H
#define ORV_TESS_VARNAK_STDSALTSOLUBILITYTABLE_H

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/ISaltSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSolubilityWaterPropertiesTable.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API StdSaltSolubilityTable : public ISaltSolubilityTable {
 public:
  // Makes an empty table (no rows) with the three salt values at 0.0.
  StdSaltSolubilityTable() = default;
  // Copies and moves as the description at the top of this header says.
  StdSaltSolubilityTable(StdSaltSolubilityTable const&) = default;
  StdSaltSolubilityTable(StdSaltSolubilityTable&&) = default;
  // Strong guarantee: on failure the target is left as it was.
  StdSaltSolubilityTable& operator=(StdSaltSolubilityTable const& other);
  // Copies and moves as the description at the top of this header says.
  StdSaltSolubilityTable& operator=(StdSaltSolubilityTable&&) = default;
  ~StdSaltSolubilityTable() override;

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

  void setSaltConcentration(double saltConcentration) override;
  double getSaltConcentration() const override;
  void setBrineSurfaceDensity(double density) override;
  double getBrineSurfaceDensity() const override;
  void setRefSaltConcentration(double saltConcentration) override;
  double getRefSaltConcentration() const override;

 private:
  StdSolubilityWaterPropertiesTable rows_;
  double saltConcentration_ = 0.0;
  double brineSurfaceDensity_ = 0.0;
  double refSaltConcentration_ = 0.0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDSALTSOLUBILITYTABLE_H
