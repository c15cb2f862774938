// The K-value table operations, written once for the three table kinds over the shared
// flat row-by-component rules, and the library's three instantiations of them.
#include "Orv/Tess/Varnak/StdKValueTable.h"

#include <utility>

#include "frame/FlatTable.h"

namespace Orv::Tess::Varnak {

template <class T>
StdKValueTable<T>::StdKValueTable() : numComponents_(0) {}

template <class T>
StdKValueTable<T>::StdKValueTable(StdKValueTable const& other) = default;

template <class T>
StdKValueTable<T>::StdKValueTable(StdKValueTable&& other) noexcept
    : T(other),
      pressures_(std::move(other.pressures_)),
      kValues_(std::move(other.kValues_)),
      numComponents_(other.numComponents_) {}

// The arrays are copied before anything changes, so a failure leaves the table as it was.
template <class T>
StdKValueTable<T>& StdKValueTable<T>::operator=(StdKValueTable const& other) {
  std::vector<double> pressures(other.pressures_);
  std::vector<double> kValues(other.kValues_);
  T::operator=(other);
  detail::moveFlat(pressures_, kValues_, numComponents_, pressures, kValues, other.numComponents_);
  return *this;
}

template <class T>
StdKValueTable<T>& StdKValueTable<T>::operator=(StdKValueTable&& other) noexcept {
  T::operator=(other);
  detail::moveFlat(pressures_, kValues_, numComponents_, other.pressures_, other.kValues_,
                   other.numComponents_);
  return *this;
}

template <class T>
StdKValueTable<T>::~StdKValueTable() = default;

template <class T>
int StdKValueTable<T>::getNumPressures() const {
  return static_cast<int>(pressures_.size());
}

template <class T>
void StdKValueTable<T>::setNumPressures(int n) {
  detail::setNumRows(pressures_, kValues_, numComponents_, n);
}

template <class T>
int StdKValueTable<T>::getNumComponents() const {
  return numComponents_;
}

template <class T>
void StdKValueTable<T>::setNumComponents(int n) {
  detail::setNumComponents(pressures_, kValues_, numComponents_, n);
}

template <class T>
double StdKValueTable<T>::getPressure(int p) const {
  validate(p);
  return pressures_[static_cast<std::size_t>(p)];
}

template <class T>
void StdKValueTable<T>::setPressure(int p, double value) {
  validate(p);
  pressures_[static_cast<std::size_t>(p)] = value;
}

template <class T>
double StdKValueTable<T>::getKValue(int p, int c) const {
  validate(p, c);
  return kValues_[detail::flatPosition(p, numComponents_, c)];
}

template <class T>
void StdKValueTable<T>::setKValue(int p, int c, double value) {
  validate(p, c);
  kValues_[detail::flatPosition(p, numComponents_, c)] = value;
}

template <class T>
void StdKValueTable<T>::validate(int p) const {
  if (!detail::validIndex(p, pressures_.size())) {
    detail::throwRangeError("Invalid pressure index in StdKValueTable.");
  }
}

template <class T>
void StdKValueTable<T>::validate(int p, int c) const {
  validate(p);
  if (c < 0 || c >= numComponents_) {
    detail::throwRangeError("Invalid component index in StdKValueTable.");
  }
}

// Exported through the extern declarations in the public header (see Export.h).
template class StdKValueTable<IKValueTable>;
template class StdKValueTable<ITemperatureKValueTable>;
template class StdKValueTable<ICompositionKValueTable>;

}  // namespace Orv::Tess::Varnak
