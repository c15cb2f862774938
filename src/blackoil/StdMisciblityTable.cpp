// The miscibility table: one (oil pressure, miscibility) row per pressure, and the two
// mixing parameters.
#include "Orv/Tess/Varnak/StdMisciblityTable.h"

#include <cstddef>
#include <stdexcept>
#include <utility>

#include "frame/Message.h"
#include "frame/Resize.h"

namespace Orv::Tess::Varnak {

StdMisciblityTable::StdMisciblityTable()
    : viscosityMixingParameter_(0.0), densityMixingParameter_(0.0), rows_() {}
StdMisciblityTable::StdMisciblityTable(StdMisciblityTable const& other) = default;
StdMisciblityTable::StdMisciblityTable(StdMisciblityTable&& other) noexcept = default;
// Copies into a local first: the scalars stand before the rows, so a memberwise
// assignment would change them before the row copy could fail on memory.
StdMisciblityTable& StdMisciblityTable::operator=(StdMisciblityTable const& other) {
  StdMisciblityTable copy(other);
  *this = std::move(copy);
  return *this;
}
StdMisciblityTable& StdMisciblityTable::operator=(StdMisciblityTable&& other) noexcept = default;
StdMisciblityTable::~StdMisciblityTable() = default;

int StdMisciblityTable::getSize() const { return static_cast<int>(rows_.size()); }
double StdMisciblityTable::getViscosityMixingParameter() const { return viscosityMixingParameter_; }
double StdMisciblityTable::getDensityMixingParameter() const { return densityMixingParameter_; }

double StdMisciblityTable::getOilPressure(int i) const {
  validate(i);
  return rows_[static_cast<std::size_t>(i)].oilPressure;
}
double StdMisciblityTable::getMiscibility(int i) const {
  validate(i);
  return rows_[static_cast<std::size_t>(i)].miscibility;
}

void StdMisciblityTable::setSize(int size) { detail::resize(rows_, size); }
void StdMisciblityTable::setViscosityMixingParameter(double parameter) {
  viscosityMixingParameter_ = parameter;
}
void StdMisciblityTable::setDensityMixingParameter(double parameter) {
  densityMixingParameter_ = parameter;
}

void StdMisciblityTable::setOilPressure(int i, double pressure) {
  validate(i);
  rows_[static_cast<std::size_t>(i)].oilPressure = pressure;
}
void StdMisciblityTable::setMiscibility(int i, double miscibility) {
  validate(i);
  rows_[static_cast<std::size_t>(i)].miscibility = miscibility;
}

void StdMisciblityTable::validate(int i) const {
  if (i < 0 || static_cast<std::size_t>(i) >= rows_.size()) {
    throw std::range_error(detail::message("Invalid index in StdMiscibilityTable"));
  }
}

}  // namespace Orv::Tess::Varnak
