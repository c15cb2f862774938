// The dead-oil table: an oil table plus the constant dissolved gas and bubble point.
//
// The memberwise copy assignment keeps the strong guarantee: only the inner table can
// fail, it is assigned first, and its own assignment changes nothing when it fails.
#include "Orv/Tess/Varnak/StdDeadOilTable.h"

namespace Orv::Tess::Varnak {

StdDeadOilTable::StdDeadOilTable() : table_(), dissolvedGas_(0.0), bubblePointPressure_(1.0e-6) {
  // Dead oil is described by a single saturated state.
  table_.setSaturatedSize(1);
}

StdDeadOilTable::StdDeadOilTable(StdDeadOilTable const& other) = default;
StdDeadOilTable::StdDeadOilTable(StdDeadOilTable&& other) noexcept = default;
StdDeadOilTable& StdDeadOilTable::operator=(StdDeadOilTable const& other) = default;
StdDeadOilTable& StdDeadOilTable::operator=(StdDeadOilTable&& other) noexcept = default;
StdDeadOilTable::~StdDeadOilTable() = default;

double StdDeadOilTable::getSurfaceDensity() const { return table_.getSurfaceDensity(); }
void StdDeadOilTable::setSurfaceDensity(double density) { table_.setSurfaceDensity(density); }
int StdDeadOilTable::getSaturatedSize() const { return table_.getSaturatedSize(); }
int StdDeadOilTable::getUndersaturatedSize(int sat) const {
  return table_.getUndersaturatedSize(sat);
}
double StdDeadOilTable::getGasOilRatio(int sat) const { return table_.getGasOilRatio(sat); }
double StdDeadOilTable::getPressure(int sat, int usat) const {
  return table_.getPressure(sat, usat);
}
double StdDeadOilTable::getFormationVolumeFactor(int sat, int usat) const {
  return table_.getFormationVolumeFactor(sat, usat);
}
double StdDeadOilTable::getViscosity(int sat, int usat) const {
  return table_.getViscosity(sat, usat);
}
void StdDeadOilTable::setSaturatedSize(int size) { table_.setSaturatedSize(size); }
void StdDeadOilTable::setUndersaturatedSize(int sat, int size) {
  table_.setUndersaturatedSize(sat, size);
}
void StdDeadOilTable::setGasOilRatio(int sat, double ratio) { table_.setGasOilRatio(sat, ratio); }
void StdDeadOilTable::setPressure(int sat, int usat, double pressure) {
  table_.setPressure(sat, usat, pressure);
}
void StdDeadOilTable::setFormationVolumeFactor(int sat, int usat, double factor) {
  table_.setFormationVolumeFactor(sat, usat, factor);
}
void StdDeadOilTable::setViscosity(int sat, int usat, double viscosity) {
  table_.setViscosity(sat, usat, viscosity);
}
std::unique_ptr<IOilTable> StdDeadOilTable::clone() const {
  return std::make_unique<StdDeadOilTable>(*this);
}

double StdDeadOilTable::getBubblePointPressure() const { return bubblePointPressure_; }
double StdDeadOilTable::getDissolvedGas() const { return dissolvedGas_; }
void StdDeadOilTable::setBubblePointPressure(double pressure) { bubblePointPressure_ = pressure; }
void StdDeadOilTable::setDissolvedGas(double ratio) { dissolvedGas_ = ratio; }

}  // namespace Orv::Tess::Varnak
