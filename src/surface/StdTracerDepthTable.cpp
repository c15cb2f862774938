// The tracer depth table: two parallel columns resized together.
#include "Orv/Tess/Varnak/StdTracerDepthTable.h"

#include <cstddef>
#include <stdexcept>

#include "frame/Resize.h"

namespace Orv::Tess::Varnak {

StdTracerDepthTable::StdTracerDepthTable() = default;

StdTracerDepthTable::~StdTracerDepthTable() = default;

int StdTracerDepthTable::getNumDepths() const { return static_cast<int>(depths_.size()); }

void StdTracerDepthTable::setNumDepths(int n) {
  // Both columns are resized in copies and swapped in, so that a failure on either
  // leaves the two columns as they were and of equal length.
  std::vector<double> depths(depths_);
  std::vector<double> concentrations(concentrations_);
  detail::resize(depths, n);
  detail::resize(concentrations, n);
  depths_.swap(depths);
  concentrations_.swap(concentrations);
}

double StdTracerDepthTable::getDepth(int i) const {
  validate(i);
  return depths_[static_cast<std::size_t>(i)];
}

void StdTracerDepthTable::setDepth(int i, double value) {
  validate(i);
  depths_[static_cast<std::size_t>(i)] = value;
}

double StdTracerDepthTable::getConcentration(int i) const {
  validate(i);
  return concentrations_[static_cast<std::size_t>(i)];
}

void StdTracerDepthTable::setConcentration(int i, double value) {
  validate(i);
  concentrations_[static_cast<std::size_t>(i)] = value;
}

void StdTracerDepthTable::validate(int i) const {
  if (i < 0 || i >= getNumDepths()) {
    throw std::range_error("Invalid depth index in StdTracerDepthTable");
  }
}

}  // namespace Orv::Tess::Varnak
