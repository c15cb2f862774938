// The brine property table: six equally long columns of brine properties by salt
// concentration.
#include "Orv/Tess/Varnak/StdBrinePropertyTable.h"

#include <cstddef>
#include <stdexcept>
#include <utility>

#include "frame/Message.h"
#include "frame/Resize.h"

namespace Orv::Tess::Varnak {

StdBrinePropertyTable::StdBrinePropertyTable() = default;
StdBrinePropertyTable::StdBrinePropertyTable(StdBrinePropertyTable const&) = default;
StdBrinePropertyTable::StdBrinePropertyTable(StdBrinePropertyTable&&) noexcept = default;
StdBrinePropertyTable& StdBrinePropertyTable::operator=(StdBrinePropertyTable&&) noexcept = default;
StdBrinePropertyTable::~StdBrinePropertyTable() = default;

StdBrinePropertyTable& StdBrinePropertyTable::operator=(StdBrinePropertyTable const& other) {
  if (this != &other) {
    StdBrinePropertyTable copy(other);
    *this = std::move(copy);
  }
  return *this;
}

void StdBrinePropertyTable::setTableSize(int n) {
  // The columns are resized in copies and swapped in, so that a failure (a negative size,
  // or memory running out half-way) leaves every column as it was.
  auto resized = columns_;
  for (auto& column : resized) detail::resize(column, n);
  columns_.swap(resized);
}

int StdBrinePropertyTable::getTableSize() const {
  return static_cast<int>(columns_[kSaltConcentration].size());
}

void StdBrinePropertyTable::setReferencePressure(double value) { referencePressure_ = value; }
double StdBrinePropertyTable::getReferencePressure() const { return referencePressure_; }
void StdBrinePropertyTable::setReferenceSaltConcentration(double value) {
  referenceSaltConcentration_ = value;
}
double StdBrinePropertyTable::getReferenceSaltConcentration() const {
  return referenceSaltConcentration_;
}

void StdBrinePropertyTable::setSaltConcentration(int index, double value) {
  set(kSaltConcentration, index, value);
}
double StdBrinePropertyTable::getSaltConcentration(int index) const {
  return get(kSaltConcentration, index);
}
void StdBrinePropertyTable::setBrineSurfaceDensity(int index, double value) {
  set(kSurfaceDensity, index, value);
}
double StdBrinePropertyTable::getBrineSurfaceDensity(int index) const {
  return get(kSurfaceDensity, index);
}
void StdBrinePropertyTable::setFormationVolumeFactor(int index, double value) {
  set(kFormationVolumeFactor, index, value);
}
double StdBrinePropertyTable::getFormationVolumeFactor(int index) const {
  return get(kFormationVolumeFactor, index);
}
void StdBrinePropertyTable::setCompressibility(int index, double value) {
  set(kCompressibility, index, value);
}
double StdBrinePropertyTable::getCompressibility(int index) const {
  return get(kCompressibility, index);
}
void StdBrinePropertyTable::setViscosity(int index, double value) { set(kViscosity, index, value); }
double StdBrinePropertyTable::getViscosity(int index) const { return get(kViscosity, index); }
void StdBrinePropertyTable::setViscosibility(int index, double value) {
  set(kViscosibility, index, value);
}
double StdBrinePropertyTable::getViscosibility(int index) const {
  return get(kViscosibility, index);
}

void StdBrinePropertyTable::validateIndex(int index) const {
  if (index < 0 || index >= getTableSize()) {
    throw std::range_error(
        detail::message("Invalid index (", index, ") in StdBrinePropertyTable."));
  }
}

void StdBrinePropertyTable::set(Column column, int index, double value) {
  validateIndex(index);
  columns_[column][static_cast<std::size_t>(index)] = value;
}

double StdBrinePropertyTable::get(Column column, int index) const {
  validateIndex(index);
  return columns_[column][static_cast<std::size_t>(index)];
}

}  // namespace Orv::Tess::Varnak
