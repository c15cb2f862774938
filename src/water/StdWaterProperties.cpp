// The water properties: plain scalars, the brine's salts and the brine property table.
#include "Orv/Tess/Varnak/StdWaterProperties.h"

#include <cstddef>
#include <stdexcept>
#include <utility>

#include "Orv/Tess/Varnak/StdBrineComponent.h"
#include "Orv/Tess/Varnak/StdBrinePropertyTable.h"
#include "frame/Message.h"

namespace Orv::Tess::Varnak {

StdWaterProperties::StdWaterProperties() = default;

StdWaterProperties::StdWaterProperties(StdWaterProperties const& other)
    : IWaterProperties(other),
      surfaceDensity_(other.surfaceDensity_),
      pressure_(other.pressure_),
      formationVolumeFactor_(other.formationVolumeFactor_),
      compressibility_(other.compressibility_),
      viscosity_(other.viscosity_),
      viscosibility_(other.viscosibility_),
      kValueCoefficientA_(other.kValueCoefficientA_),
      kValueCoefficientB_(other.kValueCoefficientB_),
      kValueCoefficientC_(other.kValueCoefficientC_),
      kValueCoefficientD_(other.kValueCoefficientD_),
      kValueCoefficientE_(other.kValueCoefficientE_),
      referenceTemperature_(other.referenceTemperature_),
      thermalExpansionCoefficient1_(other.thermalExpansionCoefficient1_),
      thermalExpansionCoefficient2_(other.thermalExpansionCoefficient2_) {
  brineComponents_.reserve(other.brineComponents_.size());
  for (auto const& component : other.brineComponents_) {
    brineComponents_.push_back(std::make_unique<StdBrineComponent>(*component));
  }
  if (other.brinePropertyTable_) {
    brinePropertyTable_ = std::make_unique<StdBrinePropertyTable>(*other.brinePropertyTable_);
  }
}

StdWaterProperties::~StdWaterProperties() = default;

double StdWaterProperties::getSurfaceDensity() const { return surfaceDensity_; }
void StdWaterProperties::setSurfaceDensity(double value) { surfaceDensity_ = value; }
void StdWaterProperties::setPressure(double value) { pressure_ = value; }
double StdWaterProperties::getPressure() const { return pressure_; }
void StdWaterProperties::setFormationVolumeFactor(double value) { formationVolumeFactor_ = value; }
double StdWaterProperties::getFormationVolumeFactor() const { return formationVolumeFactor_; }
void StdWaterProperties::setCompressibility(double value) { compressibility_ = value; }
double StdWaterProperties::getCompressibility() const { return compressibility_; }
void StdWaterProperties::setViscosity(double value) { viscosity_ = value; }
double StdWaterProperties::getViscosity() const { return viscosity_; }
void StdWaterProperties::setViscosibility(double value) { viscosibility_ = value; }
double StdWaterProperties::getViscosibility() const { return viscosibility_; }

void StdWaterProperties::setKValueCoefficientA(double value) { kValueCoefficientA_ = value; }
double StdWaterProperties::getKValueCoefficientA() const { return kValueCoefficientA_; }
void StdWaterProperties::setKValueCoefficientB(double value) { kValueCoefficientB_ = value; }
double StdWaterProperties::getKValueCoefficientB() const { return kValueCoefficientB_; }
void StdWaterProperties::setKValueCoefficientC(double value) { kValueCoefficientC_ = value; }
double StdWaterProperties::getKValueCoefficientC() const { return kValueCoefficientC_; }
void StdWaterProperties::setKValueCoefficientD(double value) { kValueCoefficientD_ = value; }
double StdWaterProperties::getKValueCoefficientD() const { return kValueCoefficientD_; }
void StdWaterProperties::setKValueCoefficientE(double value) { kValueCoefficientE_ = value; }
double StdWaterProperties::getKValueCoefficientE() const { return kValueCoefficientE_; }

void StdWaterProperties::setReferenceTemperature(double value) { referenceTemperature_ = value; }
double StdWaterProperties::getReferenceTemperature() const { return referenceTemperature_; }
void StdWaterProperties::setThermalExpansionCoefficient1(double value) {
  thermalExpansionCoefficient1_ = value;
}
double StdWaterProperties::getThermalExpansionCoefficient1() const {
  return thermalExpansionCoefficient1_;
}
void StdWaterProperties::setThermalExpansionCoefficient2(double value) {
  thermalExpansionCoefficient2_ = value;
}
double StdWaterProperties::getThermalExpansionCoefficient2() const {
  return thermalExpansionCoefficient2_;
}

IBrineComponent& StdWaterProperties::makeBrineComponent(SaltMoleculeType const& type) {
  auto component = std::make_unique<StdBrineComponent>(type);
  if (hasBrineComponent(type)) {
    throw std::invalid_argument(
        detail::message("IWaterProperties cannot make a duplicate brine component named '",
                        component->getName(), "'"));
  }
  brineComponents_.push_back(std::move(component));
  return *brineComponents_.back();
}

int StdWaterProperties::getNumBrineComponents() const {
  return static_cast<int>(brineComponents_.size());
}

IBrineComponent& StdWaterProperties::getBrineComponent(std::string const& name) {
  for (auto const& component : brineComponents_) {
    if (component->getName() == name) return *component;
  }
  throw std::invalid_argument(
      detail::message("Water Properties does not contain brine component '", name, "'."));
}

IBrineComponent const& StdWaterProperties::getBrineComponent(std::string const& name) const {
  return const_cast<StdWaterProperties*>(this)->getBrineComponent(name);
}

IBrineComponent& StdWaterProperties::getBrineComponent(int index) {
  validateBrineComponentIndex(index);
  return *brineComponents_[static_cast<std::size_t>(index)];
}

IBrineComponent const& StdWaterProperties::getBrineComponent(int index) const {
  return const_cast<StdWaterProperties*>(this)->getBrineComponent(index);
}

bool StdWaterProperties::hasBrineComponent(SaltMoleculeType const& type) const {
  for (auto const& component : brineComponents_) {
    if (component->getSaltMoleculeType() == type) return true;
  }
  return false;
}

IBrinePropertyTable& StdWaterProperties::makeBrinePropertyTable() {
  brinePropertyTable_ = std::make_unique<StdBrinePropertyTable>();
  return *brinePropertyTable_;
}

IBrinePropertyTable* StdWaterProperties::getBrinePropertyTable() {
  return brinePropertyTable_.get();
}

IBrinePropertyTable const* StdWaterProperties::getBrinePropertyTable() const {
  return brinePropertyTable_.get();
}

void StdWaterProperties::deleteBrinePropertyTable() { brinePropertyTable_.reset(); }

void StdWaterProperties::validateBrineComponentIndex(int index) const {
  if (index < 0 || index >= getNumBrineComponents()) {
    throw std::range_error(
        detail::message("Invalid IBrineComponent index (", index, ") passed to IWaterProperties."));
  }
}

}  // namespace Orv::Tess::Varnak
