#include "Orv/Tess/Varnak/StdOilViscosityIndexTable.h"

#include <stdexcept>
#include <utility>

#include "frame/FlatTable.h"

namespace Orv::Tess::Varnak {

StdOilViscosityIndexTable::StdOilViscosityIndexTable()
    : table_(std::make_unique<detail::FlatTable<double>>()) {}

StdOilViscosityIndexTable::StdOilViscosityIndexTable(StdOilViscosityIndexTable const& other)
    : IOilViscosityIndexTable(other),
      table_(std::make_unique<detail::FlatTable<double>>(*other.table_)) {}

// The source keeps a storage of its own (emptied by the move), so it stays usable.
StdOilViscosityIndexTable::StdOilViscosityIndexTable(StdOilViscosityIndexTable&& other)
    : IOilViscosityIndexTable(other),
      table_(std::make_unique<detail::FlatTable<double>>(std::move(*other.table_))) {}

StdOilViscosityIndexTable& StdOilViscosityIndexTable::operator=(
    StdOilViscosityIndexTable const& other) {
  detail::FlatTable<double> copy(*other.table_);
  *table_ = std::move(copy);
  return *this;
}

StdOilViscosityIndexTable& StdOilViscosityIndexTable::operator=(StdOilViscosityIndexTable&& other) {
  *table_ = std::move(*other.table_);
  return *this;
}

StdOilViscosityIndexTable::~StdOilViscosityIndexTable() = default;

int StdOilViscosityIndexTable::getNumMolefractions() const { return table_->numRows(); }

void StdOilViscosityIndexTable::setNumMolefractions(int n) { table_->setNumRows(n); }

int StdOilViscosityIndexTable::getNumComponents() const { return table_->numComponents(); }

void StdOilViscosityIndexTable::setNumComponents(int n) { table_->setNumComponents(n); }

double StdOilViscosityIndexTable::getMoleFraction(int f) const {
  validate(f);
  return table_->key(f);
}

void StdOilViscosityIndexTable::setMoleFraction(int f, double value) {
  validate(f);
  table_->setKey(f, value);
}

double StdOilViscosityIndexTable::getOilViscosityIndex(int f, int c) const {
  validate(f, c);
  return table_->value(f, c);
}

void StdOilViscosityIndexTable::setOilViscosityIndex(int f, int c, double value) {
  validate(f, c);
  table_->setValue(f, c, value);
}

void StdOilViscosityIndexTable::validate(int f) const {
  if (!table_->validRow(f)) {
    throw std::range_error("Invalid mole fraction index used for oil viscosity index table.");
  }
}

void StdOilViscosityIndexTable::validate(int f, int c) const {
  validate(f);
  if (!table_->validComponent(c)) {
    throw std::range_error("Invalid component index used for oil viscosity index table.");
  }
}

}  // namespace Orv::Tess::Varnak
