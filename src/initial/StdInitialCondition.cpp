// The initial condition: six plain numbers and the depth tables, one per property.
#include "Orv/Tess/Varnak/StdInitialCondition.h"

#include <stdexcept>
#include <utility>

#include "frame/Message.h"

namespace Orv::Tess::Varnak {

StdInitialCondition::StdInitialCondition(std::string const& name) : name_(name) {}
StdInitialCondition::StdInitialCondition(StdInitialCondition const&) = default;
StdInitialCondition::StdInitialCondition(StdInitialCondition&&) = default;
StdInitialCondition& StdInitialCondition::operator=(StdInitialCondition&&) noexcept = default;
StdInitialCondition::~StdInitialCondition() = default;

StdInitialCondition& StdInitialCondition::operator=(StdInitialCondition const& other) {
  if (this != &other) {
    StdInitialCondition copy(other);
    *this = std::move(copy);
  }
  return *this;
}

std::string StdInitialCondition::getName() { return name_; }

double StdInitialCondition::getDatumDepth() const { return datumDepth_; }
void StdInitialCondition::setDatumDepth(double value) { datumDepth_ = value; }
double StdInitialCondition::getDatumPressure() const { return datumPressure_; }
void StdInitialCondition::setDatumPressure(double value) { datumPressure_ = value; }
double StdInitialCondition::getGasOilContactDepth() const { return gasOilContactDepth_; }
void StdInitialCondition::setGasOilContactDepth(double value) { gasOilContactDepth_ = value; }
double StdInitialCondition::getGasOilContactCapillaryPressure() const {
  return gasOilContactCapillaryPressure_;
}
void StdInitialCondition::setGasOilContactCapillaryPressure(double value) {
  gasOilContactCapillaryPressure_ = value;
}
double StdInitialCondition::getWaterContactDepth() const { return waterContactDepth_; }
void StdInitialCondition::setWaterContactDepth(double value) { waterContactDepth_ = value; }
double StdInitialCondition::getWaterContactCapillaryPressure() const {
  return waterContactCapillaryPressure_;
}
void StdInitialCondition::setWaterContactCapillaryPressure(double value) {
  waterContactCapillaryPressure_ = value;
}

bool StdInitialCondition::hasDepthTable(Property property) const {
  return depthTables_.count(property) != 0;
}

IDepthTable& StdInitialCondition::getDepthTable(Property property) {
  return depthTables_.try_emplace(property).first->second;
}

IDepthTable const& StdInitialCondition::getDepthTable(Property property) const {
  auto const found = depthTables_.find(property);
  if (found == depthTables_.end()) {
    throw std::range_error(detail::message("Initial condition does not have depth table ",
                                           static_cast<int>(property)));
  }
  return found->second;
}

void StdInitialCondition::deleteDepthTable(Property property) { depthTables_.erase(property); }

}  // namespace Orv::Tess::Varnak
