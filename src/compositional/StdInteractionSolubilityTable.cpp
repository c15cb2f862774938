// The solubility table measured with a second dissolved component: the rows are those
// of the contained water properties table, to which every row operation is passed on
// unchanged.
#include "Orv/Tess/Varnak/StdInteractionSolubilityTable.h"

namespace Orv::Tess::Varnak {

StdInteractionSolubilityTable::~StdInteractionSolubilityTable() = default;

void StdInteractionSolubilityTable::setNumPressures(int numPressures) {
  rows_.setNumPressures(numPressures);
}

int StdInteractionSolubilityTable::getNumPressures() const { return rows_.getNumPressures(); }

void StdInteractionSolubilityTable::setPressure(int index, double pressure) {
  rows_.setPressure(index, pressure);
}

double StdInteractionSolubilityTable::getPressure(int index) const {
  return rows_.getPressure(index);
}

void StdInteractionSolubilityTable::setSolutionRatio(int index, double solutionRatio) {
  rows_.setSolutionRatio(index, solutionRatio);
}

double StdInteractionSolubilityTable::getSolutionRatio(int index) const {
  return rows_.getSolutionRatio(index);
}

void StdInteractionSolubilityTable::setFormationVolume(int index, double formationVolume) {
  rows_.setFormationVolume(index, formationVolume);
}

double StdInteractionSolubilityTable::getFormationVolume(int index) const {
  return rows_.getFormationVolume(index);
}

void StdInteractionSolubilityTable::setViscosity(int index, double viscosity) {
  rows_.setViscosity(index, viscosity);
}

double StdInteractionSolubilityTable::getViscosity(int index) const {
  return rows_.getViscosity(index);
}

void StdInteractionSolubilityTable::setCompressibility(int index, double compressibility) {
  rows_.setCompressibility(index, compressibility);
}

double StdInteractionSolubilityTable::getCompressibility(int index) const {
  return rows_.getCompressibility(index);
}

void StdInteractionSolubilityTable::setInteractionComponentName(std::string const& name) {
  interactionComponentName_ = name;
}

std::string const& StdInteractionSolubilityTable::getInteractionComponentName() const {
  return interactionComponentName_;
}

void StdInteractionSolubilityTable::setInteractionComponentMoleFraction(double moleFraction) {
  interactionComponentMoleFraction_ = moleFraction;
}

double StdInteractionSolubilityTable::getInteractionComponentMoleFraction() const {
  return interactionComponentMoleFraction_;
}

}  // namespace Orv::Tess::Varnak
