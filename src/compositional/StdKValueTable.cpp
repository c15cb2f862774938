// The K-value table operations, written once for the three table kinds, and the
// library's three instantiations of them.
#include "Orv/Tess/Varnak/StdKValueTable.h"

#include <stdexcept>
#include <utility>

#include "frame/FlatTable.h"

namespace Orv::Tess::Varnak {

template <class T>
StdKValueTable<T>::StdKValueTable() : table_(std::make_unique<detail::FlatTable<double>>()) {}

template <class T>
StdKValueTable<T>::StdKValueTable(StdKValueTable const& other)
    : T(other), table_(std::make_unique<detail::FlatTable<double>>(*other.table_)) {}

// The source keeps a storage of its own (emptied by the move), so it stays usable.
template <class T>
StdKValueTable<T>::StdKValueTable(StdKValueTable&& other)
    : T(other), table_(std::make_unique<detail::FlatTable<double>>(std::move(*other.table_))) {}

template <class T>
StdKValueTable<T>& StdKValueTable<T>::operator=(StdKValueTable const& other) {
  detail::FlatTable<double> copy(*other.table_);
  T::operator=(other);
  *table_ = std::move(copy);
  return *this;
}

template <class T>
StdKValueTable<T>& StdKValueTable<T>::operator=(StdKValueTable&& other) {
  T::operator=(other);
  *table_ = std::move(*other.table_);
  return *this;
}

template <class T>
StdKValueTable<T>::~StdKValueTable() = default;

template <class T>
int StdKValueTable<T>::getNumPressures() const {
  return table_->numRows();
}

template <class T>
void StdKValueTable<T>::setNumPressures(int n) {
  table_->setNumRows(n);
}

template <class T>
int StdKValueTable<T>::getNumComponents() const {
  return table_->numComponents();
}

template <class T>
void StdKValueTable<T>::setNumComponents(int n) {
  table_->setNumComponents(n);
}

template <class T>
double StdKValueTable<T>::getPressure(int p) const {
  validate(p);
  return table_->key(p);
}

template <class T>
void StdKValueTable<T>::setPressure(int p, double value) {
  validate(p);
  table_->setKey(p, value);
}

template <class T>
double StdKValueTable<T>::getKValue(int p, int c) const {
  validate(p, c);
  return table_->value(p, c);
}

template <class T>
void StdKValueTable<T>::setKValue(int p, int c, double value) {
  validate(p, c);
  table_->setValue(p, c, value);
}

template <class T>
void StdKValueTable<T>::validate(int p) const {
  if (!table_->validRow(p)) throw std::range_error("Invalid pressure index in StdKValueTable.");
}

template <class T>
void StdKValueTable<T>::validate(int p, int c) const {
  validate(p);
  if (!table_->validComponent(c)) {
    throw std::range_error("Invalid component index in StdKValueTable.");
  }
}

// Exported through the extern declarations in the public header (see Export.h).
template class StdKValueTable<IKValueTable>;
template class StdKValueTable<ITemperatureKValueTable>;
template class StdKValueTable<ICompositionKValueTable>;

}  // namespace Orv::Tess::Varnak
