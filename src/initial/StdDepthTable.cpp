// The depth table: depths as row keys over the shared flat row-by-component storage.
#include "Orv/Tess/Varnak/StdDepthTable.h"

#include <stdexcept>
#include <utility>

#include "frame/FlatTable.h"

namespace Orv::Tess::Varnak {

using Flat = detail::FlatTable<double>;

StdDepthTable::StdDepthTable() : table_(std::make_unique<Flat>()) {}

StdDepthTable::StdDepthTable(StdDepthTable const& other)
    : IDepthTable(other), table_(std::make_unique<Flat>(*other.table_)) {}

// The source keeps a storage of its own (emptied by the move), so it stays usable.
StdDepthTable::StdDepthTable(StdDepthTable&& other)
    : IDepthTable(other), table_(std::make_unique<Flat>(std::move(*other.table_))) {}

StdDepthTable& StdDepthTable::operator=(StdDepthTable const& other) {
  if (this != &other) {
    auto copy = std::make_unique<Flat>(*other.table_);
    table_ = std::move(copy);
  }
  return *this;
}

StdDepthTable& StdDepthTable::operator=(StdDepthTable&& other) noexcept {
  if (this != &other) *table_ = std::move(*other.table_);
  return *this;
}

StdDepthTable::~StdDepthTable() = default;

int StdDepthTable::getNumDepths() const { return table_->numRows(); }
void StdDepthTable::setNumDepths(int n) { table_->setNumRows(n); }
int StdDepthTable::getNumComponents() const { return table_->numComponents(); }
void StdDepthTable::setNumComponents(int n) { table_->setNumComponents(n); }

double StdDepthTable::getDepth(int d) const {
  validate(d);
  return table_->key(d);
}

void StdDepthTable::setDepth(int d, double value) {
  validate(d);
  table_->setKey(d, value);
}

double StdDepthTable::getProperty(int d, int c) const {
  validate(d, c);
  return table_->value(d, c);
}

void StdDepthTable::setProperty(int d, int c, double value) {
  validate(d, c);
  table_->setValue(d, c, value);
}

void StdDepthTable::validate(int d) const {
  if (!table_->validRow(d)) throw std::range_error("Invalid depth index in StdDepthTable");
}

void StdDepthTable::validate(int d, int c) const {
  validate(d);
  if (!table_->validComponent(c)) {
    throw std::range_error("Invalid component index in StdDepthTable");
  }
}

}  // namespace Orv::Tess::Varnak
