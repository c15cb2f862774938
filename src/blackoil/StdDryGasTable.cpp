// The dry-gas table: a gas table plus the constant vaporised oil and dew point.
//
// The memberwise copy assignment keeps the strong guarantee: only the inner table can
// fail, it is assigned first, and its own assignment changes nothing when it fails.
#include "Orv/Tess/Varnak/StdDryGasTable.h"

namespace Orv::Tess::Varnak {

StdDryGasTable::StdDryGasTable() : table_(), vaporizedOil_(0.0), dewPointPressure_(0.0) {}

StdDryGasTable::StdDryGasTable(StdDryGasTable const& other) = default;
StdDryGasTable::StdDryGasTable(StdDryGasTable&& other) noexcept = default;
StdDryGasTable& StdDryGasTable::operator=(StdDryGasTable const& other) = default;
StdDryGasTable& StdDryGasTable::operator=(StdDryGasTable&& other) noexcept = default;
StdDryGasTable::~StdDryGasTable() = default;

double StdDryGasTable::getSurfaceDensity() const { return table_.getSurfaceDensity(); }
void StdDryGasTable::setSurfaceDensity(double density) { table_.setSurfaceDensity(density); }
int StdDryGasTable::getSaturatedSize() const { return table_.getSaturatedSize(); }
int StdDryGasTable::getUndersaturatedSize(int sat) const {
  return table_.getUndersaturatedSize(sat);
}
double StdDryGasTable::getPressure(int sat) const { return table_.getPressure(sat); }
double StdDryGasTable::getOilGasRatio(int sat, int usat) const {
  return table_.getOilGasRatio(sat, usat);
}
double StdDryGasTable::getFormationVolumeFactor(int sat, int usat) const {
  return table_.getFormationVolumeFactor(sat, usat);
}
double StdDryGasTable::getViscosity(int sat, int usat) const {
  return table_.getViscosity(sat, usat);
}
void StdDryGasTable::setSaturatedSize(int size) { table_.setSaturatedSize(size); }
void StdDryGasTable::setUndersaturatedSize(int sat, int size) {
  table_.setUndersaturatedSize(sat, size);
}
void StdDryGasTable::setPressure(int sat, double pressure) { table_.setPressure(sat, pressure); }
void StdDryGasTable::setOilGasRatio(int sat, int usat, double ratio) {
  table_.setOilGasRatio(sat, usat, ratio);
}
void StdDryGasTable::setFormationVolumeFactor(int sat, int usat, double factor) {
  table_.setFormationVolumeFactor(sat, usat, factor);
}
void StdDryGasTable::setViscosity(int sat, int usat, double viscosity) {
  table_.setViscosity(sat, usat, viscosity);
}
std::unique_ptr<IGasTable> StdDryGasTable::clone() const {
  return std::make_unique<StdDryGasTable>(*this);
}

double StdDryGasTable::getDewPointPressure() const { return dewPointPressure_; }
double StdDryGasTable::getVaporizedOil() const { return vaporizedOil_; }
void StdDryGasTable::setDewPointPressure(double pressure) { dewPointPressure_ = pressure; }
void StdDryGasTable::setVaporizedOil(double ratio) { vaporizedOil_ = ratio; }

}  // namespace Orv::Tess::Varnak
