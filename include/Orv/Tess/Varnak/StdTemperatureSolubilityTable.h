// StdTemperatureSolubilityTable: the library's solubility table at one temperature.
//
// The rows live in a contained StdSolubilityWaterPropertiesTable, to which every row
// operation is passed on; the table adds only the temperature. Copies are independent of
// their source.
#ifndef ORV_TESS_VARNAK_STDTEMPERATURESOLUBILITYTABLE_H
#define ORV_TESS_VARNAK_STDTEMPERATURESOLUBILITYTABLE_H

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/ITemperatureSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSolubilityWaterPropertiesTable.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API StdTemperatureSolubilityTable : public ITemperatureSolubilityTable {
 public:
  // Makes an empty table (no rows) at temperature 0.0.
  StdTemperatureSolubilityTable() = default;
  // Copies and moves as the description at the top of this header says.
  StdTemperatureSolubilityTable(StdTemperatureSolubilityTable const&) = default;
  StdTemperatureSolubilityTable(StdTemperatureSolubilityTable&&) = default;
  // Strong guarantee: on failure the target is left as it was.
  StdTemperatureSolubilityTable& operator=(StdTemperatureSolubilityTable const& other);
  // Copies and moves as the description at the top of this header says.
  StdTemperatureSolubilityTable& operator=(StdTemperatureSolubilityTable&&) = default;
  ~StdTemperatureSolubilityTable() override;

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

  void setTemperature(double temperature) override;
  double getTemperature() const override;

 private:
  StdSolubilityWaterPropertiesTable rows_;
  double temperature_ = 0.0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDTEMPERATURESOLUBILITYTABLE_H
