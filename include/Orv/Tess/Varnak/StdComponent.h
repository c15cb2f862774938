// StdComponent: the library's component, a plain value holding everything IComponent
// reports.
//
// Properties live in an ordered map, so only the properties that were set are present; the
// per-phase density and viscosity types live in two ordered maps keyed by phase. Copies and
// moves carry every field, the name and the type included. The compositional model owns
// its components exclusively and destroys them through IComponent.
#ifndef ORV_TESS_VARNAK_STDCOMPONENT_H
#define ORV_TESS_VARNAK_STDCOMPONENT_H

#include <map>
#include <string>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IComponent.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API StdComponent : public IComponent {
 public:
  // Makes a component named `name` of kind `type`, with no properties, no per-phase
  // choices and the default modelling choices.
  StdComponent(std::string const& name, Type type);
  // Copies and moves as the description at the top of this header says.
  StdComponent(StdComponent const&) = default;
  StdComponent(StdComponent&&) = default;
  // Strong guarantee: on failure the target is left as it was.
  StdComponent& operator=(StdComponent const& other);
  // Copies and moves as the description at the top of this header says.
  StdComponent& operator=(StdComponent&&) = default;
  ~StdComponent() override;

  std::string const& getName() const override;
  Type getType() const override;

  bool hasProperty(Property property) const override;
  double getProperty(Property property) const override;
  void setProperty(Property property, double value) override;
  void deleteProperty(Property property) override;

  VolatilityType getVolatilityType() const override;
  void setVolatilityType(VolatilityType type) override;
  CompressibilityType getCompressibilityType() const override;
  void setCompressibilityType(CompressibilityType type) override;
  OilViscosityCorrelation getOilViscosityCorrelation() const override;
  void setOilViscosityCorrelation(OilViscosityCorrelation correlation) override;
  OilViscosityCorrelationUsage getOilViscosityCorrelationUsage() const override;
  void setOilViscosityCorrelationUsage(OilViscosityCorrelationUsage usage) override;

  DensityType getDensityType(PhaseType phase) const override;
  void setDensityType(PhaseType phase, DensityType type) override;
  ViscosityType getViscosityType(PhaseType phase) const override;
  void setViscosityType(PhaseType phase, ViscosityType type) override;

 private:
  std::string name_;
  Type type_;
  std::map<Property, double> properties_;
  VolatilityType volatilityType_ = VolatilityType{0};
  CompressibilityType compressibilityType_ = CompressibilityType{0};
  OilViscosityCorrelation oilViscosityCorrelation_ = OilViscosityCorrelation{1};
  OilViscosityCorrelationUsage oilViscosityCorrelationUsage_ = OilViscosityCorrelationUsage{0};
  std::map<PhaseType, DensityType> densityTypes_;
  std::map<PhaseType, ViscosityType> viscosityTypes_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDCOMPONENT_H
