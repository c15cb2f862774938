// The solubility table with water properties: three water columns of its own, and the
// pressure and solution-ratio columns in a contained plain table that also checks every
// index.
#include "Orv/Tess/Varnak/StdSolubilityWaterPropertiesTable.h"

#include <utility>

#include "compositional/SolubilityColumn.h"

namespace Orv::Tess::Varnak {

StdSolubilityWaterPropertiesTable::~StdSolubilityWaterPropertiesTable() = default;

// The contained table is resized first, so a negative count fails there, on the pressure
// column; all five columns are resized in locals and swapped in together.
void StdSolubilityWaterPropertiesTable::setNumPressures(int numPressures) {
  StdSolubilityTable solubility(solubility_);
  solubility.setNumPressures(numPressures);
  std::vector<double> formationVolume = detail::resizedColumn(formationVolume_, numPressures);
  std::vector<double> viscosity = detail::resizedColumn(viscosity_, numPressures);
  std::vector<double> compressibility = detail::resizedColumn(compressibility_, numPressures);
  solubility_ = std::move(solubility);
  formationVolume_.swap(formationVolume);
  viscosity_.swap(viscosity);
  compressibility_.swap(compressibility);
}

int StdSolubilityWaterPropertiesTable::getNumPressures() const {
  return solubility_.getNumPressures();
}

void StdSolubilityWaterPropertiesTable::setPressure(int index, double pressure) {
  solubility_.setPressure(index, pressure);
}

double StdSolubilityWaterPropertiesTable::getPressure(int index) const {
  return solubility_.getPressure(index);
}

void StdSolubilityWaterPropertiesTable::setSolutionRatio(int index, double solutionRatio) {
  solubility_.setSolutionRatio(index, solutionRatio);
}

double StdSolubilityWaterPropertiesTable::getSolutionRatio(int index) const {
  return solubility_.getSolutionRatio(index);
}

void StdSolubilityWaterPropertiesTable::setFormationVolume(int index, double formationVolume) {
  solubility_.validateIndex(index);
  formationVolume_[static_cast<std::size_t>(index)] = formationVolume;
}

double StdSolubilityWaterPropertiesTable::getFormationVolume(int index) const {
  solubility_.validateIndex(index);
  return formationVolume_[static_cast<std::size_t>(index)];
}

void StdSolubilityWaterPropertiesTable::setViscosity(int index, double viscosity) {
  solubility_.validateIndex(index);
  viscosity_[static_cast<std::size_t>(index)] = viscosity;
}

double StdSolubilityWaterPropertiesTable::getViscosity(int index) const {
  solubility_.validateIndex(index);
  return viscosity_[static_cast<std::size_t>(index)];
}

void StdSolubilityWaterPropertiesTable::setCompressibility(int index, double compressibility) {
  solubility_.validateIndex(index);
  compressibility_[static_cast<std::size_t>(index)] = compressibility;
}

double StdSolubilityWaterPropertiesTable::getCompressibility(int index) const {
  solubility_.validateIndex(index);
  return compressibility_[static_cast<std::size_t>(index)];
}

}  // namespace Orv::Tess::Varnak
