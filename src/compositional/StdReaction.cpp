#include "Orv/Tess/Varnak/StdReaction.h"

#include <cstddef>
#include <stdexcept>
#include <utility>

#include "frame/Resize.h"

namespace Orv::Tess::Varnak {

namespace {

// The keyword-style texts of the reacting phases, by their integer value.
char const* phaseText(IReaction::ReactingComponentPhase phase) {
  switch (static_cast<int>(phase)) {
    case 1:
      return "OIL";
    case 2:
      return "GAS";
    case 3:
      return "GPP";
    case 4:
      return "WAT";
    case 5:
      return "NONE";
    default:  // 0 and every value without a name react in all phases
      return "ALL";
  }
}

char const* directionText(IReaction::EquilibriumReactionDirection direction) {
  switch (static_cast<int>(direction)) {
    case 0:
      return "FORWARD";
    case 1:
      return "BACKWARD";
    default:  // 2 and every value without a name
      return "BOTH";
  }
}

}  // namespace

StdReaction::StdReaction(std::string const& name) : name_(name) {}
StdReaction::StdReaction(StdReaction const&) = default;

// The members start empty and take the source's values by the move assignment.
StdReaction::StdReaction(StdReaction&& other) noexcept : IReaction(other) {
  *this = std::move(other);
}

StdReaction& StdReaction::operator=(StdReaction const& other) {
  StdReaction copy(other);  // copy first: a failed copy leaves the target as it was
  *this = std::move(copy);
  return *this;
}

// Member by member, except that the per-component arrays go with their count: the source
// is left with no components, so that it never claims entries its arrays no longer hold.
StdReaction& StdReaction::operator=(StdReaction&& other) noexcept {
  if (this == &other) return *this;
  name_ = std::move(other.name_);
  numComponents_ = std::exchange(other.numComponents_, 0);
  rateConstant_ = other.rateConstant_;
  molarEnthalpy_ = other.molarEnthalpy_;
  activationMolarEnergy_ = other.activationMolarEnergy_;
  ratePorosityOrder_ = other.ratePorosityOrder_;
  ratePorosityOrderIsSet_ = other.ratePorosityOrderIsSet_;
  rateComponentOrders_ = std::exchange(other.rateComponentOrders_, {});
  reactingComponentPhases_ = std::exchange(other.reactingComponentPhases_, {});
  reactantStoichiometricCoefficients_ =
      std::exchange(other.reactantStoichiometricCoefficients_, {});
  productStoichiometricCoefficients_ = std::exchange(other.productStoichiometricCoefficients_, {});
  hasEquilibriumDeviationTerms_ = other.hasEquilibriumDeviationTerms_;
  equilibriumModelType_ = other.equilibriumModelType_;
  equilibriumLiquidComponentIndex_ = other.equilibriumLiquidComponentIndex_;
  equilibriumVapourComponentIndex_ = other.equilibriumVapourComponentIndex_;
  equilibriumOrder_ = other.equilibriumOrder_;
  equilibriumReactionDirection_ = other.equilibriumReactionDirection_;
  equilibriumKValueIndex_ = other.equilibriumKValueIndex_;
  equilibriumKValueCR_A_ = other.equilibriumKValueCR_A_;
  equilibriumKValueCR_B_ = other.equilibriumKValueCR_B_;
  equilibriumKValueCR_C_ = other.equilibriumKValueCR_C_;
  equilibriumKValueCR_D_ = other.equilibriumKValueCR_D_;
  equilibriumKValueCR_E_ = other.equilibriumKValueCR_E_;
  return *this;
}
StdReaction::~StdReaction() = default;

std::string const& StdReaction::getName() const { return name_; }

int StdReaction::getNumComponents() const { return numComponents_; }

void StdReaction::setNumComponents(int n) {
  // A negative count is stored and then fails as the first array is resized, with every
  // array unchanged; no component index is valid afterwards.
  if (n < 0) {
    numComponents_ = n;
    detail::checkLength(rateComponentOrders_, n);
  }
  // The arrays are resized as copies and swapped in together, so that they never differ
  // in length from each other or from the count, even when memory runs out.
  auto orders = rateComponentOrders_;
  auto phases = reactingComponentPhases_;
  auto reactants = reactantStoichiometricCoefficients_;
  auto products = productStoichiometricCoefficients_;
  detail::resize(orders, n);
  detail::resize(phases, n);
  detail::resize(reactants, n);
  detail::resize(products, n);
  rateComponentOrders_.swap(orders);
  reactingComponentPhases_.swap(phases);
  reactantStoichiometricCoefficients_.swap(reactants);
  productStoichiometricCoefficients_.swap(products);
  numComponents_ = n;
}

double StdReaction::getRateConstant() const { return rateConstant_; }
void StdReaction::setRateConstant(double value) { rateConstant_ = value; }
double StdReaction::getMolarEnthalpy() const { return molarEnthalpy_; }
void StdReaction::setMolarEnthalpy(double value) { molarEnthalpy_ = value; }
double StdReaction::getActivationMolarEnergy() const { return activationMolarEnergy_; }
void StdReaction::setActivationMolarEnergy(double value) { activationMolarEnergy_ = value; }
double StdReaction::getRatePorosityOrder() const { return ratePorosityOrder_; }

void StdReaction::setRatePorosityOrder(double value) {
  ratePorosityOrder_ = value;
  ratePorosityOrderIsSet_ = true;
}

bool StdReaction::getRatePorosityOrderIsSet() const { return ratePorosityOrderIsSet_; }

double StdReaction::getRateComponentOrder(int c) const {
  validate(c);
  return rateComponentOrders_[static_cast<std::size_t>(c)];
}

void StdReaction::setRateComponentOrder(int c, double value) {
  validate(c);
  rateComponentOrders_[static_cast<std::size_t>(c)] = value;
}

IReaction::ReactingComponentPhase StdReaction::getReactingComponentPhase(int c) const {
  validate(c);
  return reactingComponentPhases_[static_cast<std::size_t>(c)];
}

void StdReaction::setReactingComponentPhase(int c, ReactingComponentPhase phase) {
  validate(c);
  reactingComponentPhases_[static_cast<std::size_t>(c)] = phase;
}

std::string StdReaction::getReactingComponentPhaseAsString(int c) const {
  validate(c);
  return phaseText(reactingComponentPhases_[static_cast<std::size_t>(c)]);
}

double StdReaction::getReactantStoichiometricCoefficient(int c) const {
  validate(c);
  return reactantStoichiometricCoefficients_[static_cast<std::size_t>(c)];
}

void StdReaction::setReactantStoichiometricCoefficient(int c, double value) {
  validate(c);
  reactantStoichiometricCoefficients_[static_cast<std::size_t>(c)] = value;
}

double StdReaction::getProductStoichiometricCoefficient(int c) const {
  validate(c);
  return productStoichiometricCoefficients_[static_cast<std::size_t>(c)];
}

void StdReaction::setProductStoichiometricCoefficient(int c, double value) {
  validate(c);
  productStoichiometricCoefficients_[static_cast<std::size_t>(c)] = value;
}

bool StdReaction::getHasEquilibriumDeviationTerms() const { return hasEquilibriumDeviationTerms_; }
void StdReaction::setHasEquilibriumDeviationTerms(bool value) {
  hasEquilibriumDeviationTerms_ = value;
}
int StdReaction::getEquilibriumModelType() const { return equilibriumModelType_; }
void StdReaction::setEquilibriumModelType(int value) { equilibriumModelType_ = value; }
int StdReaction::getEquilibriumLiquidComponentIndex() const {
  return equilibriumLiquidComponentIndex_;
}
void StdReaction::setEquilibriumLiquidComponentIndex(int value) {
  equilibriumLiquidComponentIndex_ = value;
}
int StdReaction::getEquilibriumVapourComponentIndex() const {
  return equilibriumVapourComponentIndex_;
}
void StdReaction::setEquilibriumVapourComponentIndex(int value) {
  equilibriumVapourComponentIndex_ = value;
}
double StdReaction::getEquilibriumOrder() const { return equilibriumOrder_; }
void StdReaction::setEquilibriumOrder(double value) { equilibriumOrder_ = value; }

IReaction::EquilibriumReactionDirection StdReaction::getEquilibriumReactionDirection() const {
  return equilibriumReactionDirection_;
}
void StdReaction::setEquilibriumReactionDirection(EquilibriumReactionDirection direction) {
  equilibriumReactionDirection_ = direction;
}
std::string StdReaction::getEquilibriumReactionDirectionAsString() const {
  return directionText(equilibriumReactionDirection_);
}

int StdReaction::getEquilibriumKValueIndex() const { return equilibriumKValueIndex_; }
void StdReaction::setEquilibriumKValueIndex(int value) { equilibriumKValueIndex_ = value; }
double StdReaction::getEquilibriumKValueCR_A() const { return equilibriumKValueCR_A_; }
void StdReaction::setEquilibriumKValueCR_A(double value) { equilibriumKValueCR_A_ = value; }
double StdReaction::getEquilibriumKValueCR_B() const { return equilibriumKValueCR_B_; }
void StdReaction::setEquilibriumKValueCR_B(double value) { equilibriumKValueCR_B_ = value; }
double StdReaction::getEquilibriumKValueCR_C() const { return equilibriumKValueCR_C_; }
void StdReaction::setEquilibriumKValueCR_C(double value) { equilibriumKValueCR_C_ = value; }
double StdReaction::getEquilibriumKValueCR_D() const { return equilibriumKValueCR_D_; }
void StdReaction::setEquilibriumKValueCR_D(double value) { equilibriumKValueCR_D_ = value; }
double StdReaction::getEquilibriumKValueCR_E() const { return equilibriumKValueCR_E_; }
void StdReaction::setEquilibriumKValueCR_E(double value) { equilibriumKValueCR_E_ = value; }

void StdReaction::validate(int c) const {
  if (c < 0 || c >= numComponents_) {
    throw std::range_error("Invalid component index in StdReaction.");
  }
}

}  // namespace Orv::Tess::Varnak
