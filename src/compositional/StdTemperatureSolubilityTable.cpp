// The solubility table at one temperature: the rows are those of the contained
// water properties table, to which every row operation is passed on unchanged.
#include "Orv/Tess/Varnak/StdTemperatureSolubilityTable.h"

namespace Orv::Tess::Varnak {

StdTemperatureSolubilityTable::~StdTemperatureSolubilityTable() = default;

void StdTemperatureSolubilityTable::setNumPressures(int numPressures) {
  rows_.setNumPressures(numPressures);
}

int StdTemperatureSolubilityTable::getNumPressures() const { return rows_.getNumPressures(); }

void StdTemperatureSolubilityTable::setPressure(int index, double pressure) {
  rows_.setPressure(index, pressure);
}

double StdTemperatureSolubilityTable::getPressure(int index) const {
  return rows_.getPressure(index);
}

void StdTemperatureSolubilityTable::setSolutionRatio(int index, double solutionRatio) {
  rows_.setSolutionRatio(index, solutionRatio);
}

double StdTemperatureSolubilityTable::getSolutionRatio(int index) const {
  return rows_.getSolutionRatio(index);
}

void StdTemperatureSolubilityTable::setFormationVolume(int index, double formationVolume) {
  rows_.setFormationVolume(index, formationVolume);
}

double StdTemperatureSolubilityTable::getFormationVolume(int index) const {
  return rows_.getFormationVolume(index);
}

void StdTemperatureSolubilityTable::setViscosity(int index, double viscosity) {
  rows_.setViscosity(index, viscosity);
}

double StdTemperatureSolubilityTable::getViscosity(int index) const {
  return rows_.getViscosity(index);
}

void StdTemperatureSolubilityTable::setCompressibility(int index, double compressibility) {
  rows_.setCompressibility(index, compressibility);
}

double StdTemperatureSolubilityTable::getCompressibility(int index) const {
  return rows_.getCompressibility(index);
}

void StdTemperatureSolubilityTable::setTemperature(double temperature) {
  temperature_ = temperature;
}

double StdTemperatureSolubilityTable::getTemperature() const { return temperature_; }

}  // namespace Orv::Tess::Varnak
