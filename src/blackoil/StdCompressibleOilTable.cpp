// The oil table with a compressibility and a viscosibility per saturated row.
//
// The rows live in the inner oil table, the pairs beside them; the two arrays always
// have the same length. Operations that touch both reserve or copy everything that can
// fail first, so a failure leaves rows and pairs as they were.
#include "Orv/Tess/Varnak/StdCompressibleOilTable.h"

#include <cstddef>
#include <stdexcept>
#include <utility>

#include "frame/Message.h"

namespace Orv::Tess::Varnak {

StdCompressibleOilTable::StdCompressibleOilTable()
    : table_(),
      coefficients_(),
      molecularWeight_(0.0),
      specificHeat_(0.0),
      temperatureExpansionCoefficient_(0.0),
      temperatureSquaredExpansionCoefficient_(0.0) {}

StdCompressibleOilTable::StdCompressibleOilTable(StdCompressibleOilTable const& other) = default;
StdCompressibleOilTable::StdCompressibleOilTable(StdCompressibleOilTable&& other) noexcept =
    default;

StdCompressibleOilTable& StdCompressibleOilTable::operator=(StdCompressibleOilTable const& other) {
  StdCompressibleOilTable copy(other);
  *this = std::move(copy);
  return *this;
}

// Written out for the self-move: a vector moved into itself comes out empty, while the
// inner table keeps its rows, so a defaulted assignment would leave rows without pairs.
StdCompressibleOilTable& StdCompressibleOilTable::operator=(
    StdCompressibleOilTable&& other) noexcept {
  if (this != &other) {
    table_ = std::move(other.table_);
    coefficients_ = std::move(other.coefficients_);
    other.coefficients_.clear();  // the source keeps one pair per row: none
    molecularWeight_ = other.molecularWeight_;
    specificHeat_ = other.specificHeat_;
    temperatureExpansionCoefficient_ = other.temperatureExpansionCoefficient_;
    temperatureSquaredExpansionCoefficient_ = other.temperatureSquaredExpansionCoefficient_;
  }
  return *this;
}
StdCompressibleOilTable::~StdCompressibleOilTable() = default;

double StdCompressibleOilTable::getSurfaceDensity() const { return table_.getSurfaceDensity(); }
void StdCompressibleOilTable::setSurfaceDensity(double density) {
  table_.setSurfaceDensity(density);
}
int StdCompressibleOilTable::getSaturatedSize() const { return table_.getSaturatedSize(); }
int StdCompressibleOilTable::getUndersaturatedSize(int sat) const {
  return table_.getUndersaturatedSize(sat);
}
double StdCompressibleOilTable::getGasOilRatio(int sat) const { return table_.getGasOilRatio(sat); }
double StdCompressibleOilTable::getPressure(int sat, int usat) const {
  return table_.getPressure(sat, usat);
}
double StdCompressibleOilTable::getFormationVolumeFactor(int sat, int usat) const {
  return table_.getFormationVolumeFactor(sat, usat);
}
double StdCompressibleOilTable::getViscosity(int sat, int usat) const {
  return table_.getViscosity(sat, usat);
}

void StdCompressibleOilTable::setSaturatedSize(int size) {
  // Room for the pairs is made before the rows change, so that the second resize cannot
  // fail once the first has succeeded. A negative size is the inner table's to report.
  if (size > 0) coefficients_.reserve(static_cast<std::size_t>(size));
  table_.setSaturatedSize(size);
  coefficients_.resize(static_cast<std::size_t>(size), {0.0, 0.0});
}

void StdCompressibleOilTable::setUndersaturatedSize(int sat, int size) {
  table_.setUndersaturatedSize(sat, size);
}
void StdCompressibleOilTable::setGasOilRatio(int sat, double ratio) {
  table_.setGasOilRatio(sat, ratio);
}
void StdCompressibleOilTable::setPressure(int sat, int usat, double pressure) {
  table_.setPressure(sat, usat, pressure);
}
void StdCompressibleOilTable::setFormationVolumeFactor(int sat, int usat, double factor) {
  table_.setFormationVolumeFactor(sat, usat, factor);
}
void StdCompressibleOilTable::setViscosity(int sat, int usat, double viscosity) {
  table_.setViscosity(sat, usat, viscosity);
}
std::unique_ptr<IOilTable> StdCompressibleOilTable::clone() const {
  return std::make_unique<StdCompressibleOilTable>(*this);
}

double StdCompressibleOilTable::getCompressibility(int sat) const {
  validateCoefficients(sat);
  return coefficients_[static_cast<std::size_t>(sat)].first;
}
double StdCompressibleOilTable::getViscosibility(int sat) const {
  validateCoefficients(sat);
  return coefficients_[static_cast<std::size_t>(sat)].second;
}
void StdCompressibleOilTable::setCompressibility(int sat, double compressibility) {
  validateCoefficients(sat);
  coefficients_[static_cast<std::size_t>(sat)].first = compressibility;
}
void StdCompressibleOilTable::setViscosibility(int sat, double viscosibility) {
  validateCoefficients(sat);
  coefficients_[static_cast<std::size_t>(sat)].second = viscosibility;
}

double StdCompressibleOilTable::getMolecularWeight() const { return molecularWeight_; }
double StdCompressibleOilTable::getSpecificHeat() const { return specificHeat_; }
double StdCompressibleOilTable::getTemperatureExpansionCoefficient() const {
  return temperatureExpansionCoefficient_;
}
double StdCompressibleOilTable::getTemperatureSquaredExpansionCoefficient() const {
  return temperatureSquaredExpansionCoefficient_;
}
void StdCompressibleOilTable::setMolecularWeight(double weight) { molecularWeight_ = weight; }
void StdCompressibleOilTable::setSpecificHeat(double heat) { specificHeat_ = heat; }
void StdCompressibleOilTable::setTemperatureExpansionCoefficient(double coefficient) {
  temperatureExpansionCoefficient_ = coefficient;
}
void StdCompressibleOilTable::setTemperatureSquaredExpansionCoefficient(double coefficient) {
  temperatureSquaredExpansionCoefficient_ = coefficient;
}

void StdCompressibleOilTable::validateCoefficients(int sat) const {
  if (sat < 0 || static_cast<std::size_t>(sat) >= coefficients_.size()) {
    throw std::range_error(detail::message("Invalid sat_index in StdCompressibleOilTable"));
  }
}

}  // namespace Orv::Tess::Varnak
