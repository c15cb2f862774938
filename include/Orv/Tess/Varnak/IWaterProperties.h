// IWaterProperties: the water phase of a fluid model.
//
// Holds the water's scalar properties at a reference pressure (surface density, formation
// volume factor, compressibility, viscosity and viscosibility), five K-value coefficients
// (A to E), a reference temperature with two thermal-expansion coefficients, the salts
// dissolved in the brine and an optional brine property table. Values are stored as
// given, without units or checks. The water properties own their brine components and
// their brine property table; callers receive references or pointers only. A brine
// component stays at its address for as long as the water properties live; the brine
// property table until it is deleted or replaced.
#ifndef ORV_TESS_VARNAK_IWATERPROPERTIES_H
#define ORV_TESS_VARNAK_IWATERPROPERTIES_H

#include <string>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IBrineComponent.h"

namespace Orv::Tess::Varnak {

class IBrinePropertyTable;

class ORV_TESS_VARNAK_API IWaterProperties {
 public:
  // The salt a brine component stands for (IBrineComponent::SaltMoleculeType).
  using SaltMoleculeType = IBrineComponent::SaltMoleculeType;

  // The interface holds no data; its implementations copy, move and destroy theirs.
  IWaterProperties() = default;
  IWaterProperties(IWaterProperties const&) = default;
  IWaterProperties& operator=(IWaterProperties const&) = default;
  virtual ~IWaterProperties();

  // The water density at surface conditions (0.0 at first); stored as given.
  virtual double getSurfaceDensity() const = 0;
  virtual void setSurfaceDensity(double value) = 0;
  // Reference pressure at which the formation volume factor and viscosity are given.
  virtual void setPressure(double value) = 0;
  virtual double getPressure() const = 0;
  virtual void setFormationVolumeFactor(double value) = 0;
  virtual double getFormationVolumeFactor() const = 0;
  virtual void setCompressibility(double value) = 0;
  virtual double getCompressibility() const = 0;
  virtual void setViscosity(double value) = 0;
  virtual double getViscosity() const = 0;
  // Relative change of viscosity with pressure.
  virtual void setViscosibility(double value) = 0;
  virtual double getViscosibility() const = 0;

  // Coefficients of the water K-value correlation.
  virtual void setKValueCoefficientA(double value) = 0;
  virtual double getKValueCoefficientA() const = 0;
  virtual void setKValueCoefficientB(double value) = 0;
  virtual double getKValueCoefficientB() const = 0;
  virtual void setKValueCoefficientC(double value) = 0;
  virtual double getKValueCoefficientC() const = 0;
  virtual void setKValueCoefficientD(double value) = 0;
  virtual double getKValueCoefficientD() const = 0;
  virtual void setKValueCoefficientE(double value) = 0;
  virtual double getKValueCoefficientE() const = 0;

  // Reference temperature and the two coefficients of the water's thermal expansion.
  virtual void setReferenceTemperature(double value) = 0;
  virtual double getReferenceTemperature() const = 0;
  virtual void setThermalExpansionCoefficient1(double value) = 0;
  virtual double getThermalExpansionCoefficient1() const = 0;
  virtual void setThermalExpansionCoefficient2(double value) = 0;
  virtual double getThermalExpansionCoefficient2() const = 0;

  // Appends a brine component of the given salt kind and returns it; its index is the
  // previous count. Throws std::invalid_argument
  // "IWaterProperties cannot make a duplicate brine component named '<name>'" when a
  // component of that kind exists (nothing is added).
  virtual IBrineComponent& makeBrineComponent(SaltMoleculeType const& type) = 0;
  // Returns the number of brine components.
  virtual int getNumBrineComponents() const = 0;
  // Returns the first component (in order of making) whose name is `name`, compared
  // byte for byte. Throws std::invalid_argument
  // "Water Properties does not contain brine component '<name>'." when none has it.
  virtual IBrineComponent& getBrineComponent(std::string const& name) = 0;
  virtual IBrineComponent const& getBrineComponent(std::string const& name) const = 0;
  // Returns the component at `index`. Throws std::range_error
  // "Invalid IBrineComponent index (<index>) passed to IWaterProperties." unless
  // 0 <= index < count.
  virtual IBrineComponent& getBrineComponent(int index) = 0;
  virtual IBrineComponent const& getBrineComponent(int index) const = 0;
  // Returns true when some component is of the given salt kind (kinds, not names, compared).
  virtual bool hasBrineComponent(SaltMoleculeType const& type) const = 0;

  // Makes a new, empty brine property table in place of the present one (which is
  // destroyed) and returns it. Never refuses.
  virtual IBrinePropertyTable& makeBrinePropertyTable() = 0;
  // Returns the brine property table, or null when there is none.
  virtual IBrinePropertyTable* getBrinePropertyTable() = 0;
  virtual IBrinePropertyTable const* getBrinePropertyTable() const = 0;
  // Destroys the brine property table; does nothing when there is none.
  virtual void deleteBrinePropertyTable() = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_IWATERPROPERTIES_H
