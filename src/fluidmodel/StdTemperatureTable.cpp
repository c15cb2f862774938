// The temperature table: temperatures as row keys under the shared flat row-by-component
// rules.
#include "Orv/Tess/Varnak/StdTemperatureTable.h"

#include <utility>

#include "frame/FlatTable.h"

namespace Orv::Tess::Varnak {

StdTemperatureTable::StdTemperatureTable() : numComponents_(0) {}

StdTemperatureTable::StdTemperatureTable(StdTemperatureTable const& other) = default;

StdTemperatureTable::StdTemperatureTable(StdTemperatureTable&& other) noexcept
    : ITemperatureTable(other),
      temperatures_(std::move(other.temperatures_)),
      properties_(std::move(other.properties_)),
      numComponents_(other.numComponents_) {}

StdTemperatureTable& StdTemperatureTable::operator=(StdTemperatureTable const& other) {
  StdTemperatureTable copy(other);
  return *this = std::move(copy);
}

StdTemperatureTable& StdTemperatureTable::operator=(StdTemperatureTable&& other) noexcept {
  detail::moveFlat(temperatures_, properties_, numComponents_, other.temperatures_,
                   other.properties_, other.numComponents_);
  return *this;
}

StdTemperatureTable::~StdTemperatureTable() = default;

int StdTemperatureTable::getNumTemperatures() const {
  return static_cast<int>(temperatures_.size());
}
void StdTemperatureTable::setNumTemperatures(int n) {
  detail::setNumRows(temperatures_, properties_, numComponents_, n);
}
int StdTemperatureTable::getNumComponents() const { return numComponents_; }
void StdTemperatureTable::setNumComponents(int n) {
  detail::setNumComponents(temperatures_, properties_, numComponents_, n);
}

double StdTemperatureTable::getTemperature(int t) const {
  validate(t);
  return temperatures_[static_cast<std::size_t>(t)];
}

void StdTemperatureTable::setTemperature(int t, double value) {
  validate(t);
  temperatures_[static_cast<std::size_t>(t)] = value;
}

double StdTemperatureTable::getProperty(int t, int c) const {
  validate(t, c);
  return properties_[detail::flatPosition(t, numComponents_, c)];
}

void StdTemperatureTable::setProperty(int t, int c, double value) {
  validate(t, c);
  properties_[detail::flatPosition(t, numComponents_, c)] = value;
}

void StdTemperatureTable::validate(int t) const {
  if (!detail::validIndex(t, temperatures_.size())) {
    detail::throwRangeError("Invalid temp index in StdTemperatureTable");
  }
}

void StdTemperatureTable::validate(int t, int c) const {
  validate(t);
  if (c < 0 || c >= numComponents_) {
    detail::throwRangeError("Invalid component index in StdTemperatureTable");
  }
}

}  // namespace Orv::Tess::Varnak
