// The library's component: a name, a type, a sparse property map and the modelling
// choices, stored exactly as given.
#include "Orv/Tess/Varnak/StdComponent.h"

#include <stdexcept>

#include "frame/Message.h"

namespace Orv::Tess::Varnak {

StdComponent::StdComponent(std::string const& name, Type type) : name_(name), type_(type) {}

StdComponent::~StdComponent() = default;

std::string const& StdComponent::getName() const { return name_; }

IComponent::Type StdComponent::getType() const { return type_; }

bool StdComponent::hasProperty(Property property) const {
  return properties_.find(property) != properties_.end();
}

double StdComponent::getProperty(Property property) const {
  auto const found = properties_.find(property);
  if (found == properties_.end()) {
    throw std::range_error(detail::message("Component '", name_, "' does not have property ",
                                           static_cast<int>(property)));
  }
  return found->second;
}

void StdComponent::setProperty(Property property, double value) { properties_[property] = value; }

void StdComponent::deleteProperty(Property property) { properties_.erase(property); }

IComponent::VolatilityType StdComponent::getVolatilityType() const { return volatilityType_; }

void StdComponent::setVolatilityType(VolatilityType type) { volatilityType_ = type; }

IComponent::CompressibilityType StdComponent::getCompressibilityType() const {
  return compressibilityType_;
}

void StdComponent::setCompressibilityType(CompressibilityType type) { compressibilityType_ = type; }

IComponent::OilViscosityCorrelation StdComponent::getOilViscosityCorrelation() const {
  return oilViscosityCorrelation_;
}

void StdComponent::setOilViscosityCorrelation(OilViscosityCorrelation correlation) {
  oilViscosityCorrelation_ = correlation;
}

IComponent::OilViscosityCorrelationUsage StdComponent::getOilViscosityCorrelationUsage() const {
  return oilViscosityCorrelationUsage_;
}

void StdComponent::setOilViscosityCorrelationUsage(OilViscosityCorrelationUsage usage) {
  oilViscosityCorrelationUsage_ = usage;
}

// A phase without an entry reports 0, the "not chosen" value of both per-phase types.
IComponent::DensityType StdComponent::getDensityType(PhaseType phase) const {
  auto const found = densityTypes_.find(phase);
  return found == densityTypes_.end() ? DensityType{0} : found->second;
}

void StdComponent::setDensityType(PhaseType phase, DensityType type) {
  densityTypes_[phase] = type;
}

IComponent::ViscosityType StdComponent::getViscosityType(PhaseType phase) const {
  auto const found = viscosityTypes_.find(phase);
  return found == viscosityTypes_.end() ? ViscosityType{0} : found->second;
}

void StdComponent::setViscosityType(PhaseType phase, ViscosityType type) {
  viscosityTypes_[phase] = type;
}

}  // namespace Orv::Tess::Varnak
