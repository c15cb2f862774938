// The two-level storage of the oil and gas tables, and its two instantiations.
//
// Reads and writes are a bounds check and one indexed access into a row's contiguous
// block of entries. The throwing path is kept out of line so the checks stay small.
// Resizes go through std::vector::resize, which either succeeds or leaves the vector as
// it was (rows and entries move without throwing), so a failed resize changes nothing.
#include "Orv/Tess/Varnak/StdBaseTable.h"

#include <cstddef>
#include <stdexcept>
#include <utility>

#include "frame/Message.h"

namespace Orv::Tess::Varnak {

namespace {

[[noreturn]] void throwRangeError(char const* text) {
  throw std::range_error(detail::message(text));
}

}  // namespace

template <class T>
StdBaseTable<T>::StdBaseTable() : rows_(), surfaceDensity_(0.0) {}

template <class T>
StdBaseTable<T>::StdBaseTable(StdBaseTable const& other)
    : T(other), rows_(other.rows_), surfaceDensity_(other.surfaceDensity_) {}

template <class T>
StdBaseTable<T>::StdBaseTable(StdBaseTable&& other) noexcept
    : T(other), rows_(std::move(other.rows_)), surfaceDensity_(other.surfaceDensity_) {
  other.rows_.clear();
}

template <class T>
StdBaseTable<T>& StdBaseTable<T>::operator=(StdBaseTable const& other) {
  std::vector<Row> rows(other.rows_);
  rows_.swap(rows);
  surfaceDensity_ = other.surfaceDensity_;
  return *this;
}

template <class T>
StdBaseTable<T>& StdBaseTable<T>::operator=(StdBaseTable&& other) noexcept {
  if (this != &other) {
    rows_ = std::move(other.rows_);
    other.rows_.clear();
    surfaceDensity_ = other.surfaceDensity_;
  }
  return *this;
}

template <class T>
StdBaseTable<T>::~StdBaseTable() = default;

template <class T>
double StdBaseTable<T>::getSurfaceDensity() const {
  return surfaceDensity_;
}

template <class T>
void StdBaseTable<T>::setSurfaceDensity(double density) {
  surfaceDensity_ = density;
}

template <class T>
int StdBaseTable<T>::getSaturatedSize() const {
  return static_cast<int>(rows_.size());
}

template <class T>
int StdBaseTable<T>::getUndersaturatedSize(int sat) const {
  validate(sat);
  return static_cast<int>(rows_[static_cast<std::size_t>(sat)].entries.size());
}

template <class T>
double StdBaseTable<T>::getFormationVolumeFactor(int sat, int usat) const {
  return entry(sat, usat).formationVolumeFactor;
}

template <class T>
double StdBaseTable<T>::getViscosity(int sat, int usat) const {
  return entry(sat, usat).viscosity;
}

template <class T>
void StdBaseTable<T>::setSaturatedSize(int size) {
  if (size < 0) throwRangeError("Invalid size in StdBaseTable::setSaturatedSize");
  rows_.resize(static_cast<std::size_t>(size), Row{0.0, {}});
}

template <class T>
void StdBaseTable<T>::setUndersaturatedSize(int sat, int size) {
  validate(sat);
  if (size < 0) throwRangeError("Invalid size in StdBaseTable::setUndersaturatedSize");
  rows_[static_cast<std::size_t>(sat)].entries.resize(static_cast<std::size_t>(size),
                                                      Entry{0.0, 0.0, 0.0});
}

template <class T>
void StdBaseTable<T>::setFormationVolumeFactor(int sat, int usat, double factor) {
  entry(sat, usat).formationVolumeFactor = factor;
}

template <class T>
void StdBaseTable<T>::setViscosity(int sat, int usat, double viscosity) {
  entry(sat, usat).viscosity = viscosity;
}

template <class T>
void StdBaseTable<T>::validate(int sat) const {
  if (sat < 0 || static_cast<std::size_t>(sat) >= rows_.size()) {
    throwRangeError("Invalid sat_index in StdBaseTable");
  }
}

template <class T>
void StdBaseTable<T>::validate(int sat, int usat) const {
  validate(sat);
  if (usat < 0 ||
      static_cast<std::size_t>(usat) >= rows_[static_cast<std::size_t>(sat)].entries.size()) {
    throwRangeError("Invalid usat_index in StdBaseTable");
  }
}

template <class T>
double StdBaseTable<T>::getSaturatedProperty(int sat) const {
  validate(sat);
  return rows_[static_cast<std::size_t>(sat)].saturated;
}

template <class T>
void StdBaseTable<T>::setSaturatedProperty(int sat, double value) {
  validate(sat);
  rows_[static_cast<std::size_t>(sat)].saturated = value;
}

template <class T>
double StdBaseTable<T>::getUndersaturatedProperty(int sat, int usat) const {
  return entry(sat, usat).undersaturated;
}

template <class T>
void StdBaseTable<T>::setUndersaturatedProperty(int sat, int usat, double value) {
  entry(sat, usat).undersaturated = value;
}

template <class T>
typename StdBaseTable<T>::Entry const& StdBaseTable<T>::entry(int sat, int usat) const {
  validate(sat, usat);
  return rows_[static_cast<std::size_t>(sat)].entries[static_cast<std::size_t>(usat)];
}

template <class T>
typename StdBaseTable<T>::Entry& StdBaseTable<T>::entry(int sat, int usat) {
  validate(sat, usat);
  return rows_[static_cast<std::size_t>(sat)].entries[static_cast<std::size_t>(usat)];
}

// Exported through the instantiation declarations in the public header.
template class StdBaseTable<IOilTable>;
template class StdBaseTable<IGasTable>;

}  // namespace Orv::Tess::Varnak
