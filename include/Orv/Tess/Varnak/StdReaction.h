// StdReaction: a reaction as plain values. Copies are independent and carry every value,
// the name included; a move carries them too and leaves the source with no components.
#ifndef ORV_TESS_VARNAK_STDREACTION_H
#define ORV_TESS_VARNAK_STDREACTION_H

#include <string>
#include <vector>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IReaction.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API StdReaction : public IReaction {
 public:
  // A reaction named `name` with no components and every value 0 (direction "FORWARD").
  explicit StdReaction(std::string const& name);
  // Copies and moves as the description at the top of this header says.
  StdReaction(StdReaction const& other);
  StdReaction(StdReaction&& other) noexcept;
  StdReaction& operator=(StdReaction const& other);
  StdReaction& operator=(StdReaction&& other) noexcept;
  ~StdReaction() override;

  std::string const& getName() const override;
  int getNumComponents() const override;
  void setNumComponents(int n) override;

  double getRateConstant() const override;
  void setRateConstant(double value) override;
  double getMolarEnthalpy() const override;
  void setMolarEnthalpy(double value) override;
  double getActivationMolarEnergy() const override;
  void setActivationMolarEnergy(double value) override;
  double getRatePorosityOrder() const override;
  void setRatePorosityOrder(double value) override;
  bool getRatePorosityOrderIsSet() const override;

  double getRateComponentOrder(int c) const override;
  void setRateComponentOrder(int c, double value) override;
  ReactingComponentPhase getReactingComponentPhase(int c) const override;
  void setReactingComponentPhase(int c, ReactingComponentPhase phase) override;
  std::string getReactingComponentPhaseAsString(int c) const override;
  double getReactantStoichiometricCoefficient(int c) const override;
  void setReactantStoichiometricCoefficient(int c, double value) override;
  double getProductStoichiometricCoefficient(int c) const override;
  void setProductStoichiometricCoefficient(int c, double value) override;

  bool getHasEquilibriumDeviationTerms() const override;
  void setHasEquilibriumDeviationTerms(bool value) override;
  int getEquilibriumModelType() const override;
  void setEquilibriumModelType(int value) override;
  int getEquilibriumLiquidComponentIndex() const override;
  void setEquilibriumLiquidComponentIndex(int value) override;
  int getEquilibriumVapourComponentIndex() const override;
  void setEquilibriumVapourComponentIndex(int value) override;
  double getEquilibriumOrder() const override;
  void setEquilibriumOrder(double value) override;
  EquilibriumReactionDirection getEquilibriumReactionDirection() const override;
  void setEquilibriumReactionDirection(EquilibriumReactionDirection direction) override;
  std::string getEquilibriumReactionDirectionAsString() const override;
  int getEquilibriumKValueIndex() const override;
  void setEquilibriumKValueIndex(int value) override;
  double getEquilibriumKValueCR_A() const override;
  void setEquilibriumKValueCR_A(double value) override;
  double getEquilibriumKValueCR_B() const override;
  void setEquilibriumKValueCR_B(double value) override;
  double getEquilibriumKValueCR_C() const override;
  void setEquilibriumKValueCR_C(double value) override;
  double getEquilibriumKValueCR_D() const override;
  void setEquilibriumKValueCR_D(double value) override;
  double getEquilibriumKValueCR_E() const override;
  void setEquilibriumKValueCR_E(double value) override;

 private:
  // Throws std::range_error "Invalid component index in StdReaction." unless
  // 0 <= c < number of components.
  void validate(int c) const;

  std::string name_;
  int numComponents_ = 0;
  double rateConstant_ = 0.0;
  double molarEnthalpy_ = 0.0;
  double activationMolarEnergy_ = 0.0;
  double ratePorosityOrder_ = 0.0;
  bool ratePorosityOrderIsSet_ = false;
  std::vector<double> rateComponentOrders_;
  std::vector<ReactingComponentPhase> reactingComponentPhases_;
  std::vector<double> reactantStoichiometricCoefficients_;
  std::vector<double> productStoichiometricCoefficients_;
  bool hasEquilibriumDeviationTerms_ = false;
  int equilibriumModelType_ = 0;
  int equilibriumLiquidComponentIndex_ = 0;
  int equilibriumVapourComponentIndex_ = 0;
  double equilibriumOrder_ = 0.0;
  EquilibriumReactionDirection equilibriumReactionDirection_ =
      EquilibriumReactionDirection::Forward;
  int equilibriumKValueIndex_ = 0;
  double equilibriumKValueCR_A_ = 0.0;
  double equilibriumKValueCR_B_ = 0.0;
  double equilibriumKValueCR_C_ = 0.0;
  double equilibriumKValueCR_D_ = 0.0;
  double equilibriumKValueCR_E_ = 0.0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDREACTION_H
