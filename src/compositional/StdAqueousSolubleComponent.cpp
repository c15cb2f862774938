// The aqueous-soluble component: a StdComponent base that holds every component datum, to
// which the interface's component operations are passed on, and the solubility tables under
// shared ownership.
#include "Orv/Tess/Varnak/StdAqueousSolubleComponent.h"

#include <stdexcept>
#include <utility>

#include "Orv/Tess/Varnak/StdInteractionSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSaltSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSolubilityTable.h"
#include "Orv/Tess/Varnak/StdSolubilityWaterPropertiesTable.h"
#include "Orv/Tess/Varnak/StdTemperatureSolubilityTable.h"
#include "frame/Message.h"

namespace Orv::Tess::Varnak {

namespace {

template <class Table>
using NamedTables = std::map<std::string, std::shared_ptr<Table>>;

// Returns the table under `name`, entering a new empty one first when the name is free.
template <class Table>
Table& makeNamed(NamedTables<Table>& tables, std::string const& name) {
  auto found = tables.find(name);
  if (found == tables.end()) found = tables.emplace(name, std::make_shared<Table>()).first;
  return *found->second;
}

// Returns the table under `name`; `kind` names its interface in the message.
template <class Table>
Table& getNamed(NamedTables<Table> const& tables, std::string const& name, char const* kind,
                std::string const& component) {
  auto const found = tables.find(name);
  if (found == tables.end()) {
    throw std::range_error(detail::message(kind, " named '", name, "' for aqueous component '",
                                           component, "' does not exist."));
  }
  return *found->second;
}

template <class Table>
std::set<std::string> namesOf(NamedTables<Table> const& tables) {
  std::set<std::string> names;
  for (auto const& entry : tables) names.insert(names.end(), entry.first);
  return names;
}

std::range_error missingSingle(char const* kind, std::string const& component) {
  return std::range_error(
      detail::message(kind, " for aqueous component '", component, "' does not exist."));
}

}  // namespace

StdAqueousSolubleComponent::StdAqueousSolubleComponent(std::string const& name)
    : StdComponent(name, Type::AqueousSoluble) {}

StdAqueousSolubleComponent::StdAqueousSolubleComponent(StdAqueousSolubleComponent const& other) =
    default;

// The copy is made first and then moved in (the move throws nothing: it moves the
// component data and the table handles), so that a failed copy leaves the target as it
// was.
StdAqueousSolubleComponent& StdAqueousSolubleComponent::operator=(
    StdAqueousSolubleComponent const& other) {
  StdAqueousSolubleComponent copy(other);
  return *this = std::move(copy);
}

// Moved-from maps are only "valid but unspecified"; they are cleared so that the source is
// left with no tables, as documented. Only the StdComponent part of `other` is moved by
// the base's move (hence the cast); its tables are taken one by one after it.
StdAqueousSolubleComponent::StdAqueousSolubleComponent(StdAqueousSolubleComponent&& other)
    : IAqueousSolubleComponent(other),
      StdComponent(static_cast<StdComponent&&>(other)),
      solubilityTable_(std::move(other.solubilityTable_)),
      solubilityWaterPropertiesTable_(std::move(other.solubilityWaterPropertiesTable_)),
      temperatureTables_(std::move(other.temperatureTables_)),
      interactionTables_(std::move(other.interactionTables_)),
      saltTables_(std::move(other.saltTables_)) {
  other.temperatureTables_.clear();
  other.interactionTables_.clear();
  other.saltTables_.clear();
}

StdAqueousSolubleComponent& StdAqueousSolubleComponent::operator=(
    StdAqueousSolubleComponent&& other) {
  if (this == &other) return *this;
  StdComponent::operator=(static_cast<StdComponent&&>(other));
  solubilityTable_ = std::move(other.solubilityTable_);
  solubilityWaterPropertiesTable_ = std::move(other.solubilityWaterPropertiesTable_);
  temperatureTables_ = std::move(other.temperatureTables_);
  interactionTables_ = std::move(other.interactionTables_);
  saltTables_ = std::move(other.saltTables_);
  other.temperatureTables_.clear();
  other.interactionTables_.clear();
  other.saltTables_.clear();
  return *this;
}

StdAqueousSolubleComponent::~StdAqueousSolubleComponent() = default;

std::string const& StdAqueousSolubleComponent::getName() const { return StdComponent::getName(); }

IComponent::Type StdAqueousSolubleComponent::getType() const { return StdComponent::getType(); }

bool StdAqueousSolubleComponent::hasProperty(Property property) const {
  return StdComponent::hasProperty(property);
}

double StdAqueousSolubleComponent::getProperty(Property property) const {
  return StdComponent::getProperty(property);
}

void StdAqueousSolubleComponent::setProperty(Property property, double value) {
  StdComponent::setProperty(property, value);
}

void StdAqueousSolubleComponent::deleteProperty(Property property) {
  StdComponent::deleteProperty(property);
}

IComponent::VolatilityType StdAqueousSolubleComponent::getVolatilityType() const {
  return StdComponent::getVolatilityType();
}

void StdAqueousSolubleComponent::setVolatilityType(VolatilityType type) {
  StdComponent::setVolatilityType(type);
}

IComponent::CompressibilityType StdAqueousSolubleComponent::getCompressibilityType() const {
  return StdComponent::getCompressibilityType();
}

void StdAqueousSolubleComponent::setCompressibilityType(CompressibilityType type) {
  StdComponent::setCompressibilityType(type);
}

IComponent::OilViscosityCorrelation StdAqueousSolubleComponent::getOilViscosityCorrelation() const {
  return StdComponent::getOilViscosityCorrelation();
}

void StdAqueousSolubleComponent::setOilViscosityCorrelation(OilViscosityCorrelation correlation) {
  StdComponent::setOilViscosityCorrelation(correlation);
}

IComponent::OilViscosityCorrelationUsage
StdAqueousSolubleComponent::getOilViscosityCorrelationUsage() const {
  return StdComponent::getOilViscosityCorrelationUsage();
}

void StdAqueousSolubleComponent::setOilViscosityCorrelationUsage(
    OilViscosityCorrelationUsage usage) {
  StdComponent::setOilViscosityCorrelationUsage(usage);
}

IComponent::DensityType StdAqueousSolubleComponent::getDensityType(PhaseType phase) const {
  return StdComponent::getDensityType(phase);
}

void StdAqueousSolubleComponent::setDensityType(PhaseType phase, DensityType type) {
  StdComponent::setDensityType(phase, type);
}

IComponent::ViscosityType StdAqueousSolubleComponent::getViscosityType(PhaseType phase) const {
  return StdComponent::getViscosityType(phase);
}

void StdAqueousSolubleComponent::setViscosityType(PhaseType phase, ViscosityType type) {
  StdComponent::setViscosityType(phase, type);
}

// The two single tables. A second make returns the table already there.

ISolubilityTable& StdAqueousSolubleComponent::makeSolubilityTable() {
  if (!solubilityTable_) solubilityTable_ = std::make_shared<StdSolubilityTable>();
  return *solubilityTable_;
}

bool StdAqueousSolubleComponent::hasSolubilityTable() const { return solubilityTable_ != nullptr; }

ISolubilityTable& StdAqueousSolubleComponent::getSolubilityTable() {
  if (!solubilityTable_) throw missingSingle("ISolubilityTable", getName());
  return *solubilityTable_;
}

ISolubilityTable const& StdAqueousSolubleComponent::getSolubilityTable() const {
  return const_cast<StdAqueousSolubleComponent*>(this)->getSolubilityTable();
}

ISolubilityWaterPropertiesTable& StdAqueousSolubleComponent::makeSolubilityWaterPropertiesTable() {
  if (!solubilityWaterPropertiesTable_) {
    solubilityWaterPropertiesTable_ = std::make_shared<StdSolubilityWaterPropertiesTable>();
  }
  return *solubilityWaterPropertiesTable_;
}

bool StdAqueousSolubleComponent::hasSolubilityWaterPropertiesTable() const {
  return solubilityWaterPropertiesTable_ != nullptr;
}

ISolubilityWaterPropertiesTable& StdAqueousSolubleComponent::getSolubilityWaterPropertiesTable() {
  if (!solubilityWaterPropertiesTable_) {
    throw missingSingle("ISolubilityWaterPropertiesTable", getName());
  }
  return *solubilityWaterPropertiesTable_;
}

ISolubilityWaterPropertiesTable const&
StdAqueousSolubleComponent::getSolubilityWaterPropertiesTable() const {
  return const_cast<StdAqueousSolubleComponent*>(this)->getSolubilityWaterPropertiesTable();
}

// The three named kinds, each in its own name space. A make of a taken name returns the
// table already there.

ITemperatureSolubilityTable& StdAqueousSolubleComponent::makeTemperatureSolubilityTable(
    std::string const& name) {
  return makeNamed(temperatureTables_, name);
}

bool StdAqueousSolubleComponent::hasTemperatureSolubilityTable(std::string const& name) const {
  return temperatureTables_.count(name) != 0;
}

ITemperatureSolubilityTable& StdAqueousSolubleComponent::getTemperatureSolubilityTable(
    std::string const& name) {
  return getNamed(temperatureTables_, name, "ITemperatureSolubilityTable", getName());
}

ITemperatureSolubilityTable const& StdAqueousSolubleComponent::getTemperatureSolubilityTable(
    std::string const& name) const {
  return const_cast<StdAqueousSolubleComponent*>(this)->getTemperatureSolubilityTable(name);
}

std::set<std::string> StdAqueousSolubleComponent::getTemperatureSolubilityTableNames() const {
  return namesOf(temperatureTables_);
}

IInteractionSolubilityTable& StdAqueousSolubleComponent::makeInteractionSolubilityTable(
    std::string const& name) {
  return makeNamed(interactionTables_, name);
}

bool StdAqueousSolubleComponent::hasInteractionSolubilityTable(std::string const& name) const {
  return interactionTables_.count(name) != 0;
}

IInteractionSolubilityTable& StdAqueousSolubleComponent::getInteractionSolubilityTable(
    std::string const& name) {
  return getNamed(interactionTables_, name, "IInteractionSolubilityTable", getName());
}

IInteractionSolubilityTable const& StdAqueousSolubleComponent::getInteractionSolubilityTable(
    std::string const& name) const {
  return const_cast<StdAqueousSolubleComponent*>(this)->getInteractionSolubilityTable(name);
}

std::set<std::string> StdAqueousSolubleComponent::getInteractionSolubilityTableNames() const {
  return namesOf(interactionTables_);
}

ISaltSolubilityTable& StdAqueousSolubleComponent::makeSaltSolubilityTable(std::string const& name) {
  return makeNamed(saltTables_, name);
}

bool StdAqueousSolubleComponent::hasSaltSolubilityTable(std::string const& name) const {
  return saltTables_.count(name) != 0;
}

ISaltSolubilityTable& StdAqueousSolubleComponent::getSaltSolubilityTable(std::string const& name) {
  return getNamed(saltTables_, name, "ISaltSolubilityTable", getName());
}

ISaltSolubilityTable const& StdAqueousSolubleComponent::getSaltSolubilityTable(
    std::string const& name) const {
  return const_cast<StdAqueousSolubleComponent*>(this)->getSaltSolubilityTable(name);
}

std::set<std::string> StdAqueousSolubleComponent::getSaltSolubilityTableNames() const {
  return namesOf(saltTables_);
}

}  // namespace Orv::Tess::Varnak
