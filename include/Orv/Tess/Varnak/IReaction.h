// IReaction: one chemical reaction among the components of a compositional model.
//
// A reaction carries its rate law (rate constant, molar enthalpy, activation energy,
// porosity order and, per component, a rate order, the phase the component reacts in and
// its stoichiometric coefficients as reactant and as product) and its equilibrium
// description (deviation terms, model type, liquid and vapour component, order,
// direction, K-value index and the five coefficients of the K-value correlation). It
// holds plain values: nothing is checked against the model, and its component count is
// set by the caller. The compositional model makes, numbers and owns every reaction.
#ifndef ORV_TESS_VARNAK_IREACTION_H
#define ORV_TESS_VARNAK_IREACTION_H

#include <string>

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API IReaction {
 public:
  // Which way an equilibrium reaction may proceed. Any other value reads as "BOTH".
  enum class EquilibriumReactionDirection : int {
    Forward = 0,   // "FORWARD": reactants to products only
    Backward = 1,  // "BACKWARD": products to reactants only
    Both = 2,      // "BOTH": either way, towards equilibrium
  };

  // The phase in which a component takes part in the reaction rate. Any other value,
  // negative ones included, reads as "ALL".
  enum class ReactingComponentPhase : int {
    AllPhases = 0,           // "ALL": the component's total concentration
    Oil = 1,                 // "OIL": its concentration in the oil phase
    Gas = 2,                 // "GAS": its concentration in the gas phase
    GasPartialPressure = 3,  // "GPP": its partial pressure in the gas phase
    Water = 4,               // "WAT": its concentration in the water phase
    NoPhase = 5,             // "NONE": the component does not enter the rate
  };

  // The interface holds no data; its implementations copy, move and destroy theirs.
  IReaction() = default;
  IReaction(IReaction const&) = default;
  IReaction& operator=(IReaction const&) = default;
  virtual ~IReaction();

  // Returns the reaction's name, fixed when it was made.
  virtual std::string const& getName() const = 0;
  // Returns the number of components the per-component values are held for.
  virtual int getNumComponents() const = 0;
  // Stores n, then resizes the four per-component arrays to n, keeping the entries in
  // front and filling new ones with 0.0 (phases with "ALL"). A negative n is stored and
  // then raises std::length_error "vector<T> too long", the arrays unchanged.
  virtual void setNumComponents(int n) = 0;

  // The rate constant of the reaction rate law.
  virtual double getRateConstant() const = 0;
  virtual void setRateConstant(double value) = 0;
  // The molar enthalpy (heat) of reaction.
  virtual double getMolarEnthalpy() const = 0;
  virtual void setMolarEnthalpy(double value) = 0;
  // The activation energy per mole, for the temperature dependence of the rate.
  virtual double getActivationMolarEnergy() const = 0;
  virtual void setActivationMolarEnergy(double value) = 0;
  // The exponent of porosity in the rate law.
  virtual double getRatePorosityOrder() const = 0;
  // Stores the porosity order and marks it as set, even when the value is unchanged.
  virtual void setRatePorosityOrder(double value) = 0;
  // Returns true once setRatePorosityOrder has been called; nothing clears it.
  virtual bool getRatePorosityOrderIsSet() const = 0;

  // Per-component values. Each throws std::range_error
  // "Invalid component index in StdReaction." unless 0 <= c < getNumComponents().
  // The exponent of component c's concentration in the rate law.
  virtual double getRateComponentOrder(int c) const = 0;
  virtual void setRateComponentOrder(int c, double value) = 0;
  // The phase component c reacts in; the setter stores any value.
  virtual ReactingComponentPhase getReactingComponentPhase(int c) const = 0;
  virtual void setReactingComponentPhase(int c, ReactingComponentPhase phase) = 0;
  // Returns the phase of component c as "ALL", "OIL", "GAS", "GPP", "WAT" or "NONE".
  virtual std::string getReactingComponentPhaseAsString(int c) const = 0;
  // Moles of component c consumed per unit of reaction.
  virtual double getReactantStoichiometricCoefficient(int c) const = 0;
  virtual void setReactantStoichiometricCoefficient(int c, double value) = 0;
  // Moles of component c produced per unit of reaction.
  virtual double getProductStoichiometricCoefficient(int c) const = 0;
  virtual void setProductStoichiometricCoefficient(int c, double value) = 0;

  // Equilibrium description: plain stored values.
  virtual bool getHasEquilibriumDeviationTerms() const = 0;
  virtual void setHasEquilibriumDeviationTerms(bool value) = 0;
  virtual int getEquilibriumModelType() const = 0;
  virtual void setEquilibriumModelType(int value) = 0;
  // The component whose liquid mole fraction enters the equilibrium.
  virtual int getEquilibriumLiquidComponentIndex() const = 0;
  virtual void setEquilibriumLiquidComponentIndex(int value) = 0;
  // The component whose vapour mole fraction enters the equilibrium.
  virtual int getEquilibriumVapourComponentIndex() const = 0;
  virtual void setEquilibriumVapourComponentIndex(int value) = 0;
  virtual double getEquilibriumOrder() const = 0;
  virtual void setEquilibriumOrder(double value) = 0;
  virtual EquilibriumReactionDirection getEquilibriumReactionDirection() const = 0;
  // Stores any value, also one without a name.
  virtual void setEquilibriumReactionDirection(EquilibriumReactionDirection direction) = 0;
  // Returns the direction as "FORWARD", "BACKWARD" or "BOTH" (any other value).
  virtual std::string getEquilibriumReactionDirectionAsString() const = 0;
  virtual int getEquilibriumKValueIndex() const = 0;
  virtual void setEquilibriumKValueIndex(int value) = 0;
  // The coefficients A to E of the equilibrium K-value correlation.
  virtual double getEquilibriumKValueCR_A() const = 0;
  virtual void setEquilibriumKValueCR_A(double value) = 0;
  virtual double getEquilibriumKValueCR_B() const = 0;
  virtual void setEquilibriumKValueCR_B(double value) = 0;
  virtual double getEquilibriumKValueCR_C() const = 0;
  virtual void setEquilibriumKValueCR_C(double value) = 0;
  virtual double getEquilibriumKValueCR_D() const = 0;
  virtual void setEquilibriumKValueCR_D(double value) = 0;
  virtual double getEquilibriumKValueCR_E() const = 0;
  virtual void setEquilibriumKValueCR_E(double value) = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_IREACTION_H
