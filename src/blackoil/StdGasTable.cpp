// The wet-gas table: the two-level storage with its keys named.
#include "Orv/Tess/Varnak/StdGasTable.h"

namespace Orv::Tess::Varnak {

StdGasTable::StdGasTable() = default;
StdGasTable::StdGasTable(StdGasTable const& other) = default;
StdGasTable::StdGasTable(StdGasTable&& other) noexcept = default;
StdGasTable& StdGasTable::operator=(StdGasTable const& other) = default;
StdGasTable& StdGasTable::operator=(StdGasTable&& other) noexcept = default;
StdGasTable::~StdGasTable() = default;

double StdGasTable::getPressure(int sat) const { return getSaturatedProperty(sat); }

double StdGasTable::getOilGasRatio(int sat, int usat) const {
  return getUndersaturatedProperty(sat, usat);
}

void StdGasTable::setPressure(int sat, double pressure) { setSaturatedProperty(sat, pressure); }

void StdGasTable::setOilGasRatio(int sat, int usat, double ratio) {
  setUndersaturatedProperty(sat, usat, ratio);
}

std::unique_ptr<IGasTable> StdGasTable::clone() const {
  return std::make_unique<StdGasTable>(*this);
}

}  // namespace Orv::Tess::Varnak
