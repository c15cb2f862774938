// StdInteractionSolubilityTable: the library's solubility table measured with a second
// dissolved component present.
//
// The rows live in a contained StdSolubilityWaterPropertiesTable, to which every row
// operation is passed on; the table adds the interacting component's name and mole
// fraction. Copies are independent of their source.
#ifndef ORV_TESS_VARNAK_STDINTERACTIONSOLUBILITYTABLE_H
#define ORV_TESS_VARNAK_STDINTERACTIONSOLUBILITYTABLE_H

#include <string>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IInteractionSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSolubilityWaterPropertiesTable.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API StdInteractionSolubilityTable : public IInteractionSolubilityTable {
 public:
  // Makes an empty table (no rows), with an empty component name and mole fraction 0.0.
  StdInteractionSolubilityTable() = default;
  // Copies and moves as the description at the top of this header says.
  StdInteractionSolubilityTable(StdInteractionSolubilityTable const&) = default;
  StdInteractionSolubilityTable(StdInteractionSolubilityTable&&) = default;
  // Strong guarantee: on failure the target is left as it was.
  StdInteractionSolubilityTable& operator=(StdInteractionSolubilityTable const& other);
  // Copies and moves as the description at the top of this header says.
  StdInteractionSolubilityTable& operator=(StdInteractionSolubilityTable&&) = default;
  ~StdInteractionSolubilityTable() override;

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

  void setInteractionComponentName(std::string const& name) override;
  std::string const& getInteractionComponentName() const override;
  void setInteractionComponentMoleFraction(double moleFraction) override;
  double getInteractionComponentMoleFraction() const override;

 private:
  StdSolubilityWaterPropertiesTable rows_;
  std::string interactionComponentName_;
  double interactionComponentMoleFraction_ = 0.0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDINTERACTIONSOLUBILITYTABLE_H
