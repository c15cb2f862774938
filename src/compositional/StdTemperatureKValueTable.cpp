#include "Orv/Tess/Varnak/StdTemperatureKValueTable.h"

namespace Orv::Tess::Varnak {

StdTemperatureKValueTable::StdTemperatureKValueTable() = default;
StdTemperatureKValueTable::StdTemperatureKValueTable(StdTemperatureKValueTable const&) = default;
StdTemperatureKValueTable::StdTemperatureKValueTable(StdTemperatureKValueTable&&) noexcept =
    default;
StdTemperatureKValueTable& StdTemperatureKValueTable::operator=(StdTemperatureKValueTable const&) =
    default;
StdTemperatureKValueTable& StdTemperatureKValueTable::operator=(
    StdTemperatureKValueTable&&) noexcept = default;
StdTemperatureKValueTable::~StdTemperatureKValueTable() = default;

double StdTemperatureKValueTable::getTemperature() const { return temperature_; }

void StdTemperatureKValueTable::setTemperature(double value) { temperature_ = value; }

}  // namespace Orv::Tess::Varnak
