// StdAqueousSolubleComponent: the library's aqueous-soluble component.
//
// It derives from its interface and, side by side, from StdComponent, so it holds two
// separate IComponent bases. All component data live in the StdComponent base; every
// IComponent operation of the interface is passed on to that base, so both views answer
// alike. Because there are two IComponent bases, converting to IComponent& is ambiguous
// and must go through one named base: the library converts through IAqueousSolubleComponent
// (static_cast<IAqueousSolubleComponent&>(c)), and the same holds for
// isSolubleInAqueousPhase, called through either base.
//
// The solubility tables are held under shared ownership: a copy of the component shares
// the very same table objects with its source (a change through one is seen through the
// other); a move hands them over and leaves the source without tables. The deep `copy`
// function makes independent tables.
#ifndef ORV_TESS_VARNAK_STDAQUEOUSSOLUBLECOMPONENT_H
#define ORV_TESS_VARNAK_STDAQUEOUSSOLUBLECOMPONENT_H

#include <map>
#include <memory>
#include <set>
#include <string>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IAqueousSolubleComponent.h"
#include "Orv/Tess/Varnak/StdComponent.h"

namespace Orv::Tess::Varnak {

class StdInteractionSolubilityTable;
class StdSaltSolubilityTable;
class StdSolubilityTable;
class StdSolubilityWaterPropertiesTable;
class StdTemperatureSolubilityTable;

class ORV_TESS_VARNAK_API StdAqueousSolubleComponent : public IAqueousSolubleComponent,
                                                       public StdComponent {
 public:
  // Makes an aqueous-soluble component (IComponent::Type::AqueousSoluble) named `name`,
  // with the component defaults and no solubility tables.
  explicit StdAqueousSolubleComponent(std::string const& name);
  // Copies the component data and shares every solubility table with `other`.
  StdAqueousSolubleComponent(StdAqueousSolubleComponent const& other);
  // Strong guarantee: on failure the target is left as it was.
  StdAqueousSolubleComponent& operator=(StdAqueousSolubleComponent const& other);
  // Takes over the component data and the tables; `other` is left with no tables.
  StdAqueousSolubleComponent(StdAqueousSolubleComponent&& other);
  StdAqueousSolubleComponent& operator=(StdAqueousSolubleComponent&& other);
  ~StdAqueousSolubleComponent() override;

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

  ISolubilityTable& makeSolubilityTable() override;
  bool hasSolubilityTable() const override;
  ISolubilityTable& getSolubilityTable() override;
  ISolubilityTable const& getSolubilityTable() const override;

  ISolubilityWaterPropertiesTable& makeSolubilityWaterPropertiesTable() override;
  bool hasSolubilityWaterPropertiesTable() const override;
  ISolubilityWaterPropertiesTable& getSolubilityWaterPropertiesTable() override;
  ISolubilityWaterPropertiesTable const& getSolubilityWaterPropertiesTable() const override;

  ITemperatureSolubilityTable& makeTemperatureSolubilityTable(std::string const& name) override;
  bool hasTemperatureSolubilityTable(std::string const& name) const override;
  ITemperatureSolubilityTable& getTemperatureSolubilityTable(std::string const& name) override;
  ITemperatureSolubilityTable const& getTemperatureSolubilityTable(
      std::string const& name) const override;
  std::set<std::string> getTemperatureSolubilityTableNames() const override;

  IInteractionSolubilityTable& makeInteractionSolubilityTable(std::string const& name) override;
  bool hasInteractionSolubilityTable(std::string const& name) const override;
  IInteractionSolubilityTable& getInteractionSolubilityTable(std::string const& name) override;
  IInteractionSolubilityTable const& getInteractionSolubilityTable(
      std::string const& name) const override;
  std::set<std::string> getInteractionSolubilityTableNames() const override;

  ISaltSolubilityTable& makeSaltSolubilityTable(std::string const& name) override;
  bool hasSaltSolubilityTable(std::string const& name) const override;
  ISaltSolubilityTable& getSaltSolubilityTable(std::string const& name) override;
  ISaltSolubilityTable const& getSaltSolubilityTable(std::string const& name) const override;
  std::set<std::string> getSaltSolubilityTableNames() const override;

 private:
  std::shared_ptr<StdSolubilityTable> solubilityTable_;
  std::shared_ptr<StdSolubilityWaterPropertiesTable> solubilityWaterPropertiesTable_;
  std::map<std::string, std::shared_ptr<StdTemperatureSolubilityTable>> temperatureTables_;
  std::map<std::string, std::shared_ptr<StdInteractionSolubilityTable>> interactionTables_;
  std::map<std::string, std::shared_ptr<StdSaltSolubilityTable>> saltTables_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDAQUEOUSSOLUBLECOMPONENT_H
