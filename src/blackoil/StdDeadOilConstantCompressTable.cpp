// The dead-oil table with one constant compressibility and viscosibility.
//
// The memberwise copy assignment keeps the strong guarantee: only the inner dead-oil
// table can fail, it is assigned first, and its assignment changes nothing when it fails.
#include "Orv/Tess/Varnak/StdDeadOilConstantCompressTable.h"

namespace Orv::Tess::Varnak {

StdDeadOilConstantCompressTable::StdDeadOilConstantCompressTable()
    : table_(), oilCompressibility_(0.0), oilViscosibility_(0.0) {
  table_.setSaturatedSize(1);  // already one row: keeps the dead-oil table's single row
}

StdDeadOilConstantCompressTable::StdDeadOilConstantCompressTable(
    StdDeadOilConstantCompressTable const& other) = default;
StdDeadOilConstantCompressTable::StdDeadOilConstantCompressTable(
    StdDeadOilConstantCompressTable&& other) noexcept = default;
StdDeadOilConstantCompressTable& StdDeadOilConstantCompressTable::operator=(
    StdDeadOilConstantCompressTable const& other) = default;
StdDeadOilConstantCompressTable& StdDeadOilConstantCompressTable::operator=(
    StdDeadOilConstantCompressTable&& other) noexcept = default;
StdDeadOilConstantCompressTable::~StdDeadOilConstantCompressTable() = default;

double StdDeadOilConstantCompressTable::getSurfaceDensity() const {
  return table_.getSurfaceDensity();
}
void StdDeadOilConstantCompressTable::setSurfaceDensity(double density) {
  table_.setSurfaceDensity(density);
}
int StdDeadOilConstantCompressTable::getSaturatedSize() const { return table_.getSaturatedSize(); }
int StdDeadOilConstantCompressTable::getUndersaturatedSize(int sat) const {
  return table_.getUndersaturatedSize(sat);
}
double StdDeadOilConstantCompressTable::getGasOilRatio(int sat) const {
  return table_.getGasOilRatio(sat);
}
double StdDeadOilConstantCompressTable::getPressure(int sat, int usat) const {
  return table_.getPressure(sat, usat);
}
double StdDeadOilConstantCompressTable::getFormationVolumeFactor(int sat, int usat) const {
  return table_.getFormationVolumeFactor(sat, usat);
}
double StdDeadOilConstantCompressTable::getViscosity(int sat, int usat) const {
  return table_.getViscosity(sat, usat);
}
void StdDeadOilConstantCompressTable::setSaturatedSize(int size) { table_.setSaturatedSize(size); }
void StdDeadOilConstantCompressTable::setUndersaturatedSize(int sat, int size) {
  table_.setUndersaturatedSize(sat, size);
}
void StdDeadOilConstantCompressTable::setGasOilRatio(int sat, double ratio) {
  table_.setGasOilRatio(sat, ratio);
}
void StdDeadOilConstantCompressTable::setPressure(int sat, int usat, double pressure) {
  table_.setPressure(sat, usat, pressure);
}
void StdDeadOilConstantCompressTable::setFormationVolumeFactor(int sat, int usat, double factor) {
  table_.setFormationVolumeFactor(sat, usat, factor);
}
void StdDeadOilConstantCompressTable::setViscosity(int sat, int usat, double viscosity) {
  table_.setViscosity(sat, usat, viscosity);
}
std::unique_ptr<IOilTable> StdDeadOilConstantCompressTable::clone() const {
  return std::make_unique<StdDeadOilConstantCompressTable>(*this);
}

double StdDeadOilConstantCompressTable::getBubblePointPressure() const {
  return table_.getBubblePointPressure();
}
double StdDeadOilConstantCompressTable::getDissolvedGas() const { return table_.getDissolvedGas(); }
void StdDeadOilConstantCompressTable::setBubblePointPressure(double pressure) {
  table_.setBubblePointPressure(pressure);
}
void StdDeadOilConstantCompressTable::setDissolvedGas(double ratio) {
  table_.setDissolvedGas(ratio);
}

double StdDeadOilConstantCompressTable::getOilCompressibility() const {
  return oilCompressibility_;
}
double StdDeadOilConstantCompressTable::getOilViscosibility() const { return oilViscosibility_; }
void StdDeadOilConstantCompressTable::setOilCompressibility(double compressibility) {
  oilCompressibility_ = compressibility;
}
void StdDeadOilConstantCompressTable::setOilViscosibility(double viscosibility) {
  oilViscosibility_ = viscosibility;
}

}  // namespace Orv::Tess::Varnak
