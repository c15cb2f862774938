// The oil viscosity index table: mole fractions as row keys under the shared flat
// row-by-component rules.
#include "Orv/Tess/Varnak/StdOilViscosityIndexTable.h"

#include <utility>

#include "frame/FlatTable.h"

namespace Orv::Tess::Varnak {

StdOilViscosityIndexTable::StdOilViscosityIndexTable() : numComponents_(0) {}

StdOilViscosityIndexTable::StdOilViscosityIndexTable(StdOilViscosityIndexTable const& other) =
    default;

StdOilViscosityIndexTable::StdOilViscosityIndexTable(StdOilViscosityIndexTable&& other) noexcept
    : IOilViscosityIndexTable(other),
      numComponents_(other.numComponents_),
      moleFractions_(std::move(other.moleFractions_)),
      indices_(std::move(other.indices_)) {}

StdOilViscosityIndexTable& StdOilViscosityIndexTable::operator=(
    StdOilViscosityIndexTable const& other) {
  StdOilViscosityIndexTable copy(other);
  return *this = std::move(copy);
}

StdOilViscosityIndexTable& StdOilViscosityIndexTable::operator=(
    StdOilViscosityIndexTable&& other) noexcept {
  detail::moveFlat(moleFractions_, indices_, numComponents_, other.moleFractions_, other.indices_,
                   other.numComponents_);
  return *this;
}

StdOilViscosityIndexTable::~StdOilViscosityIndexTable() = default;

int StdOilViscosityIndexTable::getNumMolefractions() const {
  return static_cast<int>(moleFractions_.size());
}

void StdOilViscosityIndexTable::setNumMolefractions(int n) {
  detail::setNumRows(moleFractions_, indices_, numComponents_, n);
}

int StdOilViscosityIndexTable::getNumComponents() const { return numComponents_; }

void StdOilViscosityIndexTable::setNumComponents(int n) {
  detail::setNumComponents(moleFractions_, indices_, numComponents_, n);
}

double StdOilViscosityIndexTable::getMoleFraction(int f) const {
  validate(f);
  return moleFractions_[static_cast<std::size_t>(f)];
}

void StdOilViscosityIndexTable::setMoleFraction(int f, double value) {
  validate(f);
  moleFractions_[static_cast<std::size_t>(f)] = value;
}

double StdOilViscosityIndexTable::getOilViscosityIndex(int f, int c) const {
  validate(f, c);
  return indices_[detail::flatPosition(f, numComponents_, c)];
}

void StdOilViscosityIndexTable::setOilViscosityIndex(int f, int c, double value) {
  validate(f, c);
  indices_[detail::flatPosition(f, numComponents_, c)] = value;
}

void StdOilViscosityIndexTable::validate(int f) const {
  if (!detail::validIndex(f, moleFractions_.size())) {
    detail::throwRangeError("Invalid mole fraction index used for oil viscosity index table.");
  }
}

void StdOilViscosityIndexTable::validate(int f, int c) const {
  validate(f);
  if (c < 0 || c >= numComponents_) {
    detail::throwRangeError("Invalid component index used for oil viscosity index table.");
  }
}

}  // namespace Orv::Tess::Varnak
