// The live-oil table: the two-level storage with its keys named.
#include "Orv/Tess/Varnak/StdOilTable.h"

namespace Orv::Tess::Varnak {

StdOilTable::StdOilTable() = default;
StdOilTable::StdOilTable(StdOilTable const& other) = default;
StdOilTable::StdOilTable(StdOilTable&& other) noexcept = default;
StdOilTable& StdOilTable::operator=(StdOilTable const& other) = default;
StdOilTable& StdOilTable::operator=(StdOilTable&& other) noexcept = default;
StdOilTable::~StdOilTable() = default;

double StdOilTable::getGasOilRatio(int sat) const { return getSaturatedProperty(sat); }

double StdOilTable::getPressure(int sat, int usat) const {
  return getUndersaturatedProperty(sat, usat);
}

void StdOilTable::setGasOilRatio(int sat, double ratio) { setSaturatedProperty(sat, ratio); }

void StdOilTable::setPressure(int sat, int usat, double pressure) {
  setUndersaturatedProperty(sat, usat, pressure);
}

std::unique_ptr<IOilTable> StdOilTable::clone() const {
  return std::make_unique<StdOilTable>(*this);
}

}  // namespace Orv::Tess::Varnak
