#include "Orv/Tess/Varnak/StdCompositionalModel.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "Orv/Tess/Varnak/IAqueousSolubleComponent.h"
#include "Orv/Tess/Varnak/StdCompositionKValueTable.h"
#include "Orv/Tess/Varnak/StdKValueTable.h"
#include "Orv/Tess/Varnak/StdOilViscosityIndexTable.h"
#include "Orv/Tess/Varnak/StdReaction.h"
#include "Orv/Tess/Varnak/StdTemperatureKValueTable.h"
#include "compositional/ComponentKinds.h"
#include "frame/Message.h"

namespace Orv::Tess::Varnak {

namespace {

using detail::asAqueousSolubleComponent;

std::runtime_error notAqueousSoluble(int index) {
  return std::runtime_error(detail::message("Component at index ", index,
                                            " is not of type IAqueousSolubleComponent (type is ",
                                            detail::kComponentPointerTypeText, ")"));
}

}  // namespace

StdCompositionalModel::StdCompositionalModel(std::string const& name)
    : StdFluidModel<ICompositionalModel>(name) {}

StdCompositionalModel::~StdCompositionalModel() = default;

void StdCompositionalModel::setEquationOfState(EquationOfState eos) { equationOfState_ = eos; }

ICompositionalModel::EquationOfState StdCompositionalModel::getEquationOfState() const {
  return equationOfState_;
}

void StdCompositionalModel::setViscosityModel(ViscosityModel model) { viscosityModel_ = model; }

ICompositionalModel::ViscosityModel StdCompositionalModel::getViscosityModel() const {
  return viscosityModel_;
}

// Components ------------------------------------------------------------------------------

IComponent& StdCompositionalModel::makeComponent(std::string const& name, IComponent::Type type) {
  if (hasComponent(name)) {
    throw std::invalid_argument(detail::message(
        "ICompositionalModel cannot make a duplicate component named '", name, "'"));
  }
  std::unique_ptr<IComponent> component = detail::makeComponentOfType(name, type);
  if (component == nullptr) {
    throw std::invalid_argument(detail::message("ICompositionalModel cannot make component '", name,
                                                "' of type ", static_cast<int>(type)));
  }
  components_.push_back(std::move(component));
  return *components_.back();
}

int StdCompositionalModel::getNumComponents() const { return static_cast<int>(components_.size()); }

IComponent& StdCompositionalModel::getComponent(std::string const& name) {
  int const index = getComponentIndex(name);
  if (index < 0) {
    throw std::invalid_argument(detail::message("Compositional Fluid Model ", getName(),
                                                " does not contain component '", name, "'."));
  }
  return *components_[static_cast<std::size_t>(index)];
}

IComponent const& StdCompositionalModel::getComponent(std::string const& name) const {
  return const_cast<StdCompositionalModel*>(this)->getComponent(name);
}

IComponent& StdCompositionalModel::getComponent(int index) {
  validateComponentIndex(index);
  return *components_[static_cast<std::size_t>(index)];
}

IComponent const& StdCompositionalModel::getComponent(int index) const {
  return const_cast<StdCompositionalModel*>(this)->getComponent(index);
}

IAqueousSolubleComponent& StdCompositionalModel::getComponentAsAqueousSolubleComponent(
    std::string const& name) {
  for (auto const& component : components_) {
    if (component->isSolubleInAqueousPhase() && component->getName() == name) {
      if (IAqueousSolubleComponent* aqueous = asAqueousSolubleComponent(*component))
        return *aqueous;
      throw std::runtime_error(detail::message(
          "Component '", name, "' is not of type IAqueousSolubleComponent (type is ",
          detail::kComponentPointerTypeText, ")"));
    }
  }
  throw std::runtime_error(
      detail::message("No IAqueousSolubleComponent  '", name, "' found in ICompositionalModel."));
}

IAqueousSolubleComponent const& StdCompositionalModel::getComponentAsAqueousSolubleComponent(
    std::string const& name) const {
  return const_cast<StdCompositionalModel*>(this)->getComponentAsAqueousSolubleComponent(name);
}

IAqueousSolubleComponent& StdCompositionalModel::getComponentAsAqueousSolubleComponent(int index) {
  validateComponentIndex(index);
  IAqueousSolubleComponent* aqueous =
      asAqueousSolubleComponent(*components_[static_cast<std::size_t>(index)]);
  if (aqueous == nullptr) throw notAqueousSoluble(index);
  return *aqueous;
}

IAqueousSolubleComponent const& StdCompositionalModel::getComponentAsAqueousSolubleComponent(
    int index) const {
  return const_cast<StdCompositionalModel*>(this)->getComponentAsAqueousSolubleComponent(index);
}

bool StdCompositionalModel::hasComponent(std::string const& name) const {
  return getComponentIndex(name) >= 0;
}

bool StdCompositionalModel::hasAqueousSolubleComponent(std::string const& name) const {
  return std::any_of(components_.begin(), components_.end(), [&](auto const& component) {
    return component->isSolubleInAqueousPhase() && component->getName() == name &&
           asAqueousSolubleComponent(*component) != nullptr;
  });
}

int StdCompositionalModel::getComponentIndex(std::string const& name) const {
  auto const found =
      std::find_if(components_.begin(), components_.end(),
                   [&](auto const& component) { return component->getName() == name; });
  return found == components_.end() ? -1 : static_cast<int>(found - components_.begin());
}

void StdCompositionalModel::deleteComponent(int index) {
  validateComponentIndex(index);
  int const d = index;
  int const n = getNumComponents() - 1;  // the number of components after the deletion

  // Close the gap in the interaction coefficients: row i takes the old row i + 1, with the
  // old column d left out (column j reads the old column j below d, j + 1 from d on).
  // Only pairs below the diagonal are visited; symmetry carries the rest. Rows rise, so a
  // row is always read before it is overwritten. The matrix is rewritten as a copy and
  // committed with the removal, so a failure leaves the model as it was.
  StdBinaryInteractionCoefficients bics(bics_);
  for (int i = d; i < n; ++i) {
    for (int j = 0; j < i; ++j) {
      int const s = j < d ? j : j + 1;
      bics.setBIC(i, j, bics.getBIC(i + 1, s));
    }
  }
  for (int j = 0; j < n; ++j) bics.setBIC(n, j, 0.0);  // the old last row is gone

  components_.erase(components_.begin() + d);
  bics_ = std::move(bics);
}

int StdCompositionalModel::getNumAqueousSolubleComponents() const {
  return static_cast<int>(std::count_if(components_.begin(), components_.end(), [](auto const& c) {
    return c->isSolubleInAqueousPhase();
  }));
}

IAqueousSolubleComponent& StdCompositionalModel::getAqueousSolubleComponent(int aqueousIndex) {
  validateAqueousSolubleComponentIndex(aqueousIndex);
  // The aqueous index counts the aqueous-soluble components only, in index order.
  int count = 0;
  for (auto const& component : components_) {
    if (component->getType() != IComponent::Type::AqueousSoluble) continue;
    if (count == aqueousIndex) {
      IAqueousSolubleComponent* aqueous = asAqueousSolubleComponent(*component);
      if (aqueous == nullptr) throw notAqueousSoluble(aqueousIndex);
      return *aqueous;
    }
    ++count;
  }
  throw std::range_error(detail::message("Invalid IAqueousSolubleComponent index (", aqueousIndex,
                                         ") in StdCompositionalModel."));
}

IAqueousSolubleComponent const& StdCompositionalModel::getAqueousSolubleComponent(
    int aqueousIndex) const {
  return const_cast<StdCompositionalModel*>(this)->getAqueousSolubleComponent(aqueousIndex);
}

// Coefficient matrices --------------------------------------------------------------------

IBinaryInteractionCoefficients& StdCompositionalModel::getBICs() { return bics_; }

IBinaryInteractionCoefficients const& StdCompositionalModel::getBICs() const { return bics_; }

IBinaryInteractionCoefficients& StdCompositionalModel::getAqueousBICs(int n) {
  validateAqueousBICsCoeffNum(n);
  return aqueousBics_[static_cast<std::size_t>(n - 1)];
}

IBinaryInteractionCoefficients const& StdCompositionalModel::getAqueousBICs(int n) const {
  return const_cast<StdCompositionalModel*>(this)->getAqueousBICs(n);
}

// K-value tables --------------------------------------------------------------------------

bool StdCompositionalModel::hasAnyKValueTables() const {
  return simpleKValueTable_ != nullptr || !temperatureKValueTables_.empty() ||
         !compositionKValueTables_.empty();
}

IKValueTable& StdCompositionalModel::makeSimpleKValueTable() {
  if (simpleKValueTable_ == nullptr) {
    simpleKValueTable_ = std::make_shared<StdKValueTable<IKValueTable>>();
  }
  return *simpleKValueTable_;
}

bool StdCompositionalModel::hasSimpleKValueTable() const { return simpleKValueTable_ != nullptr; }

IKValueTable& StdCompositionalModel::getSimpleKValueTable() {
  if (simpleKValueTable_ == nullptr) {
    throw std::range_error(
        detail::message("K-Value table for PVT region '", getName(), "' does not exist."));
  }
  return *simpleKValueTable_;
}

IKValueTable const& StdCompositionalModel::getSimpleKValueTable() const {
  return const_cast<StdCompositionalModel*>(this)->getSimpleKValueTable();
}

namespace {

// make…: the table under `name`, made empty first when there is none.
template <class Table>
Table& findOrMake(std::map<std::string, std::shared_ptr<Table>>& tables, std::string const& name) {
  auto found = tables.find(name);
  if (found == tables.end()) {
    found = tables.emplace(name, std::make_shared<Table>()).first;
  }
  return *found->second;
}

template <class Table>
std::set<std::string> namesOf(std::map<std::string, std::shared_ptr<Table>> const& tables) {
  std::set<std::string> names;
  for (auto const& entry : tables) names.insert(names.end(), entry.first);
  return names;
}

}  // namespace

ITemperatureKValueTable& StdCompositionalModel::makeTemperatureKValueTable(
    std::string const& name) {
  return findOrMake(temperatureKValueTables_, name);
}

ITemperatureKValueTable& StdCompositionalModel::getTemperatureKValueTable(std::string const& name) {
  auto const found = temperatureKValueTables_.find(name);
  if (found == temperatureKValueTables_.end()) {
    throw std::range_error(
        detail::message("Temperature K-Value table '", name, "' does not exist."));
  }
  return *found->second;
}

ITemperatureKValueTable const& StdCompositionalModel::getTemperatureKValueTable(
    std::string const& name) const {
  return const_cast<StdCompositionalModel*>(this)->getTemperatureKValueTable(name);
}

std::set<std::string> StdCompositionalModel::getTemperatureKValueTableNames() const {
  return namesOf(temperatureKValueTables_);
}

ICompositionKValueTable& StdCompositionalModel::makeCompositionKValueTable(
    std::string const& name) {
  return findOrMake(compositionKValueTables_, name);
}

ICompositionKValueTable& StdCompositionalModel::getCompositionKValueTable(std::string const& name) {
  auto const found = compositionKValueTables_.find(name);
  if (found == compositionKValueTables_.end()) {
    throw std::range_error(
        detail::message("Composition K-Value table '", name, "' does not exist."));
  }
  return *found->second;
}

ICompositionKValueTable const& StdCompositionalModel::getCompositionKValueTable(
    std::string const& name) const {
  return const_cast<StdCompositionalModel*>(this)->getCompositionKValueTable(name);
}

std::set<std::string> StdCompositionalModel::getCompositionKValueTableNames() const {
  return namesOf(compositionKValueTables_);
}

// Oil viscosity index table and scalar settings -------------------------------------------

IOilViscosityIndexTable& StdCompositionalModel::makeOilViscosityIndexTable() {
  oilViscosityIndexTable_ = std::make_unique<StdOilViscosityIndexTable>();
  return *oilViscosityIndexTable_;
}

IOilViscosityIndexTable* StdCompositionalModel::getOilViscosityIndexTable() {
  return oilViscosityIndexTable_.get();
}

IOilViscosityIndexTable const* StdCompositionalModel::getOilViscosityIndexTable() const {
  return oilViscosityIndexTable_.get();
}

void StdCompositionalModel::deleteOilViscosityIndexTable() { oilViscosityIndexTable_.reset(); }

void StdCompositionalModel::setOilViscosityCorrelationT1(double value) {
  oilViscosityCorrelationT1_ = value;
}
double StdCompositionalModel::getOilViscosityCorrelationT1() const {
  return oilViscosityCorrelationT1_;
}
void StdCompositionalModel::setOilViscosityCorrelationT2(double value) {
  oilViscosityCorrelationT2_ = value;
}
double StdCompositionalModel::getOilViscosityCorrelationT2() const {
  return oilViscosityCorrelationT2_;
}

void StdCompositionalModel::setSalinity(double value) { salinity_ = value; }
double StdCompositionalModel::getSalinity() const { return salinity_; }

void StdCompositionalModel::setPedersenViscosityTuningParameter1(double value) {
  pedersenViscosityTuningParameters_[0] = value;
}
void StdCompositionalModel::setPedersenViscosityTuningParameter2(double value) {
  pedersenViscosityTuningParameters_[1] = value;
}
void StdCompositionalModel::setPedersenViscosityTuningParameter3(double value) {
  pedersenViscosityTuningParameters_[2] = value;
}
void StdCompositionalModel::setPedersenViscosityTuningParameter4(double value) {
  pedersenViscosityTuningParameters_[3] = value;
}
void StdCompositionalModel::setPedersenViscosityTuningParameter5(double value) {
  pedersenViscosityTuningParameters_[4] = value;
}
void StdCompositionalModel::setPedersenViscosityTuningParameter6(double value) {
  pedersenViscosityTuningParameters_[5] = value;
}
double StdCompositionalModel::getPedersenViscosityTuningParameter1() const {
  return pedersenViscosityTuningParameters_[0];
}
double StdCompositionalModel::getPedersenViscosityTuningParameter2() const {
  return pedersenViscosityTuningParameters_[1];
}
double StdCompositionalModel::getPedersenViscosityTuningParameter3() const {
  return pedersenViscosityTuningParameters_[2];
}
double StdCompositionalModel::getPedersenViscosityTuningParameter4() const {
  return pedersenViscosityTuningParameters_[3];
}
double StdCompositionalModel::getPedersenViscosityTuningParameter5() const {
  return pedersenViscosityTuningParameters_[4];
}
double StdCompositionalModel::getPedersenViscosityTuningParameter6() const {
  return pedersenViscosityTuningParameters_[5];
}

void StdCompositionalModel::setUsesLiCorrelationLimits(bool value) {
  usesLiCorrelationLimits_ = value;
}
bool StdCompositionalModel::getUsesLiCorrelationLimits() const { return usesLiCorrelationLimits_; }
void StdCompositionalModel::setLiCorrelationUpperLimit(double value) {
  liCorrelationUpperLimit_ = value;
}
void StdCompositionalModel::setLiCorrelationLowerLimit(double value) {
  liCorrelationLowerLimit_ = value;
}
double StdCompositionalModel::getLiCorrelationUpperLimit() const {
  return liCorrelationUpperLimit_;
}
double StdCompositionalModel::getLiCorrelationLowerLimit() const {
  return liCorrelationLowerLimit_;
}

// Reactions -------------------------------------------------------------------------------

unsigned long long StdCompositionalModel::getNumReactions() const { return reactions_.size(); }

IReaction& StdCompositionalModel::makeReaction(std::string const& name) {
  if (hasReaction(name)) {
    throw std::invalid_argument(
        detail::message("ICompositionalModel cannot make a duplicate reaction named '", name, "'"));
  }
  auto reaction = std::make_unique<StdReaction>(name);
  reactions_.push_back(std::move(reaction));
  return *reactions_.back();
}

bool StdCompositionalModel::hasReaction(std::string const& name) const {
  return std::any_of(reactions_.begin(), reactions_.end(),
                     [&](auto const& reaction) { return reaction->getName() == name; });
}

IReaction& StdCompositionalModel::getReaction(unsigned long long index) {
  validateReactionIndex(index);
  return *reactions_[static_cast<std::size_t>(index)];
}

IReaction const& StdCompositionalModel::getReaction(unsigned long long index) const {
  return const_cast<StdCompositionalModel*>(this)->getReaction(index);
}

// Checks ----------------------------------------------------------------------------------

void StdCompositionalModel::validateComponentIndex(int index) const {
  if (index < 0 || index >= getNumComponents()) {
    throw std::range_error(
        detail::message("Invalid IComponent index (", index, ") passed to ICompositionalModel."));
  }
}

void StdCompositionalModel::validateAqueousSolubleComponentIndex(int aqueousIndex) const {
  if (aqueousIndex < 0 || aqueousIndex >= getNumAqueousSolubleComponents()) {
    throw std::range_error(detail::message("Invalid IAqueousSolubleComponent index (", aqueousIndex,
                                           ") passed to ICompositionalModel."));
  }
}

void StdCompositionalModel::validateAqueousBICsCoeffNum(int n) const {
  if (n < 1 || n > 3) {
    throw std::range_error(
        detail::message("Invalid aqueous IBinaryInteractionCoefficients coefficient number (", n,
                        ") : must be 1, 2 or 3."));
  }
}

void StdCompositionalModel::validateReactionIndex(unsigned long long index) const {
  if (index >= getNumReactions()) {
    throw std::range_error(
        detail::message("Invalid IReaction index (", index, ") passed to ICompositionalModel."));
  }
}

}  // namespace Orv::Tess::Varnak
