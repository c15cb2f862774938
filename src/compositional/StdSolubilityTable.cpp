// The plain solubility table: a pressure column and a solution-ratio column of equal
// length, and the index check that every solubility table kind uses.
#include "Orv/Tess/Varnak/StdSolubilityTable.h"

#include <stdexcept>

#include "compositional/SolubilityColumn.h"
#include "frame/Message.h"

namespace Orv::Tess::Varnak {

StdSolubilityTable::~StdSolubilityTable() = default;

void StdSolubilityTable::setNumPressures(int numPressures) {
  std::vector<double> pressure = detail::resizedColumn(pressure_, numPressures);
  std::vector<double> solutionRatio = detail::resizedColumn(solutionRatio_, numPressures);
  pressure_.swap(pressure);
  solutionRatio_.swap(solutionRatio);
}

int StdSolubilityTable::getNumPressures() const { return static_cast<int>(pressure_.size()); }

void StdSolubilityTable::setPressure(int index, double pressure) {
  validateIndex(index);
  pressure_[static_cast<std::size_t>(index)] = pressure;
}

double StdSolubilityTable::getPressure(int index) const {
  validateIndex(index);
  return pressure_[static_cast<std::size_t>(index)];
}

void StdSolubilityTable::setSolutionRatio(int index, double solutionRatio) {
  validateIndex(index);
  solutionRatio_[static_cast<std::size_t>(index)] = solutionRatio;
}

double StdSolubilityTable::getSolutionRatio(int index) const {
  validateIndex(index);
  return solutionRatio_[static_cast<std::size_t>(index)];
}

void StdSolubilityTable::validateIndex(int index) const {
  if (index < 0 || index >= getNumPressures()) {
    throw std::range_error(detail::message("Invalid index (", index, ") in StdSolubilityTable."));
  }
}

}  // namespace Orv::Tess::Varnak
