// The temperature table: temperatures as row keys over the shared flat row-by-component
// storage.
#include "Orv/Tess/Varnak/StdTemperatureTable.h"

#include <stdexcept>
#include <utility>

#include "frame/FlatTable.h"

namespace Orv::Tess::Varnak {

using Flat = detail::FlatTable<double>;

StdTemperatureTable::StdTemperatureTable() : table_(std::make_unique<Flat>()) {}

StdTemperatureTable::StdTemperatureTable(StdTemperatureTable const& other)
    : ITemperatureTable(other), table_(std::make_unique<Flat>(*other.table_)) {}

// The source keeps a storage of its own (emptied by the move), so it stays usable.
StdTemperatureTable::StdTemperatureTable(StdTemperatureTable&& other)
    : ITemperatureTable(other), table_(std::make_unique<Flat>(std::move(*other.table_))) {}

StdTemperatureTable& StdTemperatureTable::operator=(StdTemperatureTable const& other) {
  if (this != &other) {
    auto copy = std::make_unique<Flat>(*other.table_);
    table_ = std::move(copy);
  }
  return *this;
}

StdTemperatureTable& StdTemperatureTable::operator=(StdTemperatureTable&& other) noexcept {
  if (this != &other) *table_ = std::move(*other.table_);
  return *this;
}

StdTemperatureTable::~StdTemperatureTable() = default;

int StdTemperatureTable::getNumTemperatures() const { return table_->numRows(); }
void StdTemperatureTable::setNumTemperatures(int n) { table_->setNumRows(n); }
int StdTemperatureTable::getNumComponents() const { return table_->numComponents(); }
void StdTemperatureTable::setNumComponents(int n) { table_->setNumComponents(n); }

double StdTemperatureTable::getTemperature(int t) const {
  validate(t);
  return table_->key(t);
}

void StdTemperatureTable::setTemperature(int t, double value) {
  validate(t);
  table_->setKey(t, value);
}

double StdTemperatureTable::getProperty(int t, int c) const {
  validate(t, c);
  return table_->value(t, c);
}

void StdTemperatureTable::setProperty(int t, int c, double value) {
  validate(t, c);
  table_->setValue(t, c, value);
}

void StdTemperatureTable::validate(int t) const {
  if (!table_->validRow(t)) throw std::range_error("Invalid temp index in StdTemperatureTable");
}

void StdTemperatureTable::validate(int t, int c) const {
  validate(t);
  if (!table_->validComponent(c)) {
    throw std::range_error("Invalid component index in StdTemperatureTable");
  }
}

}  // namespace Orv::Tess::Varnak
