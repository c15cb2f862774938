// The depth table: depths as row keys over the shared flat row-by-component rules, and
// the counts of how neighbouring depths compare, which tell the depth-table operations
// when they may bisect.
#include "Orv/Tess/Varnak/StdDepthTable.h"

#include <cmath>
#include <utility>

#include "frame/FlatTable.h"

namespace Orv::Tess::Varnak {

StdDepthTable::StdDepthTable()
    : numComponents_(0), risingPairs_(0), fallingPairs_(0), unorderedPairs_(0) {}

StdDepthTable::StdDepthTable(StdDepthTable const& other) = default;

StdDepthTable::StdDepthTable(StdDepthTable&& other) noexcept
    : IDepthTable(other),
      depths_(std::move(other.depths_)),
      properties_(std::move(other.properties_)),
      numComponents_(other.numComponents_),
      risingPairs_(std::exchange(other.risingPairs_, 0)),
      fallingPairs_(std::exchange(other.fallingPairs_, 0)),
      unorderedPairs_(std::exchange(other.unorderedPairs_, 0)) {}

StdDepthTable& StdDepthTable::operator=(StdDepthTable const& other) {
  if (this != &other) {
    StdDepthTable copy(other);
    *this = std::move(copy);
  }
  return *this;
}

StdDepthTable& StdDepthTable::operator=(StdDepthTable&& other) noexcept {
  if (this != &other) {
    detail::moveFlat(depths_, properties_, numComponents_, other.depths_, other.properties_,
                     other.numComponents_);
    risingPairs_ = std::exchange(other.risingPairs_, 0);
    fallingPairs_ = std::exchange(other.fallingPairs_, 0);
    unorderedPairs_ = std::exchange(other.unorderedPairs_, 0);
  }
  return *this;
}

StdDepthTable::~StdDepthTable() = default;

int StdDepthTable::getNumDepths() const { return static_cast<int>(depths_.size()); }

// The pairs that leave with cut rows are counted out before the cut; those that come with
// new rows are counted in once the depths are resized, which may have happened even when
// the values then fail to resize.
void StdDepthTable::setNumDepths(int n) {
  int const before = getNumDepths();
  if (n >= 0 && n < before) countPairs(n > 0 ? n - 1 : 0, before - 1, -1);
  auto const countNewRows = [this, before] {
    if (getNumDepths() > before) countPairs(before > 0 ? before - 1 : 0, getNumDepths() - 1, 1);
  };
  try {
    detail::setNumRows(depths_, properties_, numComponents_, n);
  } catch (...) {
    countNewRows();
    throw;
  }
  countNewRows();
}

int StdDepthTable::getNumComponents() const { return numComponents_; }

void StdDepthTable::setNumComponents(int n) {
  detail::setNumComponents(depths_, properties_, numComponents_, n);
}

double StdDepthTable::getDepth(int d) const {
  validate(d);
  return depths_[static_cast<std::size_t>(d)];
}

void StdDepthTable::setDepth(int d, double value) {
  validate(d);
  int const from = d > 0 ? d - 1 : 0;
  int const to = d + 1 < getNumDepths() ? d + 1 : d;
  countPairs(from, to, -1);
  depths_[static_cast<std::size_t>(d)] = value;
  countPairs(from, to, 1);
}

double StdDepthTable::getProperty(int d, int c) const {
  validate(d, c);
  return properties_[detail::flatPosition(d, numComponents_, c)];
}

void StdDepthTable::setProperty(int d, int c, double value) {
  validate(d, c);
  properties_[detail::flatPosition(d, numComponents_, c)] = value;
}

void StdDepthTable::validate(int d) const {
  if (!detail::validIndex(d, depths_.size())) {
    detail::throwRangeError("Invalid depth index in StdDepthTable");
  }
}

void StdDepthTable::validate(int d, int c) const {
  validate(d);
  if (c < 0 || c >= numComponents_) {
    detail::throwRangeError("Invalid component index in StdDepthTable");
  }
}

// Counted without branches: setDepth runs this for the two pairs around its row.
void StdDepthTable::countPairs(int from, int to, int sign) {
  for (int d = from; d < to; ++d) {
    double const upper = depths_[static_cast<std::size_t>(d)];
    double const lower = depths_[static_cast<std::size_t>(d) + 1];
    risingPairs_ += sign * static_cast<int>(upper < lower);
    fallingPairs_ += sign * static_cast<int>(upper > lower);
    unorderedPairs_ += sign * static_cast<int>(std::isunordered(upper, lower));
  }
}

}  // namespace Orv::Tess::Varnak
