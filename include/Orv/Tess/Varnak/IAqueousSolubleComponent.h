// IAqueousSolubleComponent: a compositional component that also dissolves in water.
//
// Besides everything a component holds, it owns the tables that describe its solubility in
// water: at most one plain solubility table, at most one solubility table with water
// properties, and any number of named temperature, interaction and salt solubility tables
// (one name space per kind). Tables are made by the component, never removed one by one,
// and handed out by reference; a reference stays valid as long as any component object
// sharing the table lives. The compositional model makes such a component for
// IComponent::Type::AqueousSoluble.
#ifndef ORV_TESS_VARNAK_IAQUEOUSSOLUBLECOMPONENT_H
#define ORV_TESS_VARNAK_IAQUEOUSSOLUBLECOMPONENT_H

#include <set>
#include <string>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IComponent.h"

namespace Orv::Tess::Varnak {

class IInteractionSolubilityTable;
class ISaltSolubilityTable;
class ISolubilityTable;
class ISolubilityWaterPropertiesTable;
class ITemperatureSolubilityTable;

class ORV_TESS_VARNAK_API IAqueousSolubleComponent : public IComponent {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  IAqueousSolubleComponent() = default;
  IAqueousSolubleComponent(IAqueousSolubleComponent const&) = default;
  IAqueousSolubleComponent& operator=(IAqueousSolubleComponent const&) = default;
  ~IAqueousSolubleComponent() override;

  // Returns true when the component holds a solubility table of any kind.
  virtual bool hasAnySolubilityTables() const;

  // Returns the plain solubility table, making an empty one first when there is none.
  virtual ISolubilityTable& makeSolubilityTable() = 0;
  // Returns true when the component holds a plain solubility table.
  virtual bool hasSolubilityTable() const = 0;
  // Returns the plain solubility table. Throws std::range_error
  // "ISolubilityTable for aqueous component '<name>' does not exist." when there is none.
  virtual ISolubilityTable& getSolubilityTable() = 0;
  virtual ISolubilityTable const& getSolubilityTable() const = 0;

  // Returns the solubility table with water properties, making an empty one first when
  // there is none.
  virtual ISolubilityWaterPropertiesTable& makeSolubilityWaterPropertiesTable() = 0;
  // Returns true when the component holds a solubility table with water properties.
  virtual bool hasSolubilityWaterPropertiesTable() const = 0;
  // Returns the solubility table with water properties. Throws std::range_error
  // "ISolubilityWaterPropertiesTable for aqueous component '<name>' does not exist."
  virtual ISolubilityWaterPropertiesTable& getSolubilityWaterPropertiesTable() = 0;
  virtual ISolubilityWaterPropertiesTable const& getSolubilityWaterPropertiesTable() const = 0;

  // Returns the temperature solubility table named `name`, making an empty one first when
  // there is none (any name, the empty one included).
  virtual ITemperatureSolubilityTable& makeTemperatureSolubilityTable(std::string const& name) = 0;
  // Returns true when a temperature solubility table is named `name`.
  virtual bool hasTemperatureSolubilityTable(std::string const& name) const = 0;
  // Returns the temperature solubility table named `name`. Throws std::range_error
  // "ITemperatureSolubilityTable named '<name>' for aqueous component '<component>' does
  // not exist."
  virtual ITemperatureSolubilityTable& getTemperatureSolubilityTable(std::string const& name) = 0;
  virtual ITemperatureSolubilityTable const& getTemperatureSolubilityTable(
      std::string const& name) const = 0;
  // Returns the names of the temperature solubility tables, in byte order.
  virtual std::set<std::string> getTemperatureSolubilityTableNames() const = 0;

  // Returns the interaction solubility table named `name`, making an empty one first when
  // there is none.
  virtual IInteractionSolubilityTable& makeInteractionSolubilityTable(std::string const& name) = 0;
  // Returns true when an interaction solubility table is named `name`.
  virtual bool hasInteractionSolubilityTable(std::string const& name) const = 0;
  // Returns the interaction solubility table named `name`. Throws std::range_error
  // "IInteractionSolubilityTable named '<name>' for aqueous component '<component>' does
  // not exist."
  virtual IInteractionSolubilityTable& getInteractionSolubilityTable(std::string const& name) = 0;
  virtual IInteractionSolubilityTable const& getInteractionSolubilityTable(
      std::string const& name) const = 0;
  // Returns the names of the interaction solubility tables, in byte order.
  virtual std::set<std::string> getInteractionSolubilityTableNames() const = 0;

  // Returns the salt solubility table named `name`, making an empty one first when there
  // is none.
  virtual ISaltSolubilityTable& makeSaltSolubilityTable(std::string const& name) = 0;
  // Returns true when a salt solubility table is named `name`.
  virtual bool hasSaltSolubilityTable(std::string const& name) const = 0;
  // Returns the salt solubility table named `name`. Throws std::range_error
  // "ISaltSolubilityTable named '<name>' for aqueous component '<component>' does not
  // exist."
  virtual ISaltSolubilityTable& getSaltSolubilityTable(std::string const& name) = 0;
  virtual ISaltSolubilityTable const& getSaltSolubilityTable(std::string const& name) const = 0;
  // Returns the names of the salt solubility tables, in byte order.
  virtual std::set<std::string> getSaltSolubilityTableNames() const = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_IAQUEOUSSOLUBLECOMPONENT_H
