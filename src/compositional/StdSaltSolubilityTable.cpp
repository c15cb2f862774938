// The solubility table measured in brine: the rows are those of the contained water
// properties table, to which every row operation is passed on unchanged.
#include "Orv/Tess/Varnak/StdSaltSolubilityTable.h"

namespace Orv::Tess::Varnak {

StdSaltSolubilityTable::~StdSaltSolubilityTable() = default;

void StdSaltSolubilityTable::setNumPressures(int numPressures) {
  rows_.setNumPressures(numPressures);
}

int StdSaltSolubilityTable::getNumPressures() const { return rows_.getNumPressures(); }

void StdSaltSolubilityTable::setPressure(int index, double pressure) {
  rows_.setPressure(index, pressure);
}

double StdSaltSolubilityTable::getPressure(int index) const { return rows_.getPressure(index); }

void StdSaltSolubilityTable::setSolutionRatio(int index, double solutionRatio) {
  rows_.setSolutionRatio(index, solutionRatio);
}

double StdSaltSolubilityTable::getSolutionRatio(int index) const {
  return rows_.getSolutionRatio(index);
}

void StdSaltSolubilityTable::setFormationVolume(int index, double formationVolume) {
  rows_.setFormationVolume(index, formationVolume);
}

double StdSaltSolubilityTable::getFormationVolume(int index) const {
  return rows_.getFormationVolume(index);
}

void StdSaltSolubilityTable::setViscosity(int index, double viscosity) {
  rows_.setViscosity(index, viscosity);
}

double StdSaltSolubilityTable::getViscosity(int index) const { return rows_.getViscosity(index); }

void StdSaltSolubilityTable::setCompressibility(int index, double compressibility) {
  rows_.setCompressibility(index, compressibility);
}

double StdSaltSolubilityTable::getCompressibility(int index) const {
  return rows_.getCompressibility(index);
}

void StdSaltSolubilityTable::setSaltConcentration(double saltConcentration) {
  saltConcentration_ = saltConcentration;
}

double StdSaltSolubilityTable::getSaltConcentration() const { return saltConcentration_; }

void StdSaltSolubilityTable::setBrineSurfaceDensity(double density) {
  brineSurfaceDensity_ = density;
}

double StdSaltSolubilityTable::getBrineSurfaceDensity() const { return brineSurfaceDensity_; }

void StdSaltSolubilityTable::setRefSaltConcentration(double saltConcentration) {
  refSaltConcentration_ = saltConcentration;
}

double StdSaltSolubilityTable::getRefSaltConcentration() const { return refSaltConcentration_; }

}  // namespace Orv::Tess::Varnak
