// The solvent PVT table: one row of three values per pressure.
#include "Orv/Tess/Varnak/StdSolventTable.h"

#include <cstddef>
#include <stdexcept>
#include <utility>

#include "frame/Message.h"
#include "frame/Resize.h"

namespace Orv::Tess::Varnak {

StdSolventTable::StdSolventTable() : surfaceDensity_(0.0), rows_() {}
StdSolventTable::StdSolventTable(StdSolventTable const& other) = default;
StdSolventTable::StdSolventTable(StdSolventTable&& other) noexcept = default;
// Copies into a local first: the scalars stand before the rows, so a memberwise
// assignment would change them before the row copy could fail on memory.
StdSolventTable& StdSolventTable::operator=(StdSolventTable const& other) {
  StdSolventTable copy(other);
  *this = std::move(copy);
  return *this;
}
StdSolventTable& StdSolventTable::operator=(StdSolventTable&& other) noexcept = default;
StdSolventTable::~StdSolventTable() = default;

double StdSolventTable::getSurfaceDensity() const { return surfaceDensity_; }
void StdSolventTable::setSurfaceDensity(double density) { surfaceDensity_ = density; }
int StdSolventTable::getSize() const { return static_cast<int>(rows_.size()); }

double StdSolventTable::getPressure(int i) const {
  validate(i);
  return rows_[static_cast<std::size_t>(i)].pressure;
}
double StdSolventTable::getFormationVolumeFactor(int i) const {
  validate(i);
  return rows_[static_cast<std::size_t>(i)].formationVolumeFactor;
}
double StdSolventTable::getViscosity(int i) const {
  validate(i);
  return rows_[static_cast<std::size_t>(i)].viscosity;
}

void StdSolventTable::setSize(int size) { detail::resize(rows_, size); }

void StdSolventTable::setPressure(int i, double pressure) {
  validate(i);
  rows_[static_cast<std::size_t>(i)].pressure = pressure;
}
void StdSolventTable::setFormationVolumeFactor(int i, double factor) {
  validate(i);
  rows_[static_cast<std::size_t>(i)].formationVolumeFactor = factor;
}
void StdSolventTable::setViscosity(int i, double viscosity) {
  validate(i);
  rows_[static_cast<std::size_t>(i)].viscosity = viscosity;
}

void StdSolventTable::validate(int i) const {
  if (i < 0 || static_cast<std::size_t>(i) >= rows_.size()) {
    throw std::range_error(detail::message("Invalid index in StdSolventTable"));
  }
}

}  // namespace Orv::Tess::Varnak
