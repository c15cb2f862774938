// The black-oil model: the tables of each PVT region, the gas table, the solvent and
// miscibility tables, and the two densities, on top of the common fluid-model part.
//
// Oil tables are shared between copies of a model (a model copied for a what-if run
// keeps editing the same regions), while the gas, solvent and miscibility tables are
// each model's own. Copy assignment builds every new table and map in locals before
// the common part is assigned, then commits with swaps, so a failure changes nothing.
#include "Orv/Tess/Varnak/StdBlackOilModel.h"

#include <utility>

#include "Orv/Tess/Varnak/StdCompressibleOilTable.h"
#include "Orv/Tess/Varnak/StdDeadOilConstantCompressTable.h"
#include "Orv/Tess/Varnak/StdDeadOilTable.h"
#include "Orv/Tess/Varnak/StdDryGasTable.h"
#include "Orv/Tess/Varnak/StdGasTable.h"
#include "Orv/Tess/Varnak/StdMisciblityTable.h"
#include "Orv/Tess/Varnak/StdOilTable.h"
#include "Orv/Tess/Varnak/StdSolventTable.h"
#include "fluidmodel/StdFluidModelImpl.h"

namespace Orv::Tess::Varnak {

// Exported through the instantiation declaration in StdBlackOilModel.h.
template class StdFluidModel<IBlackOilModel>;

namespace {

// An owned duplicate of `source`, or null when there is none.
template <class T>
std::unique_ptr<T> duplicate(std::unique_ptr<T> const& source) {
  return source ? std::make_unique<T>(*source) : nullptr;
}

std::unique_ptr<IGasTable> cloneOf(std::unique_ptr<IGasTable> const& source) {
  return source ? source->clone() : nullptr;
}

}  // namespace

StdBlackOilModel::StdBlackOilModel(std::string const& name)
    : StdFluidModel<IBlackOilModel>(name), gasDensity_(0.0), oilDensity_(0.0) {}

StdBlackOilModel::StdBlackOilModel(StdBlackOilModel const& other)
    : StdFluidModel<IBlackOilModel>(other),
      gasDensity_(other.gasDensity_),
      oilDensity_(other.oilDensity_),
      gasTable_(cloneOf(other.gasTable_)),
      oilTables_(other.oilTables_),
      solventTable_(duplicate(other.solventTable_)),
      miscibilityTable_(duplicate(other.miscibilityTable_)) {}

StdBlackOilModel& StdBlackOilModel::operator=(StdBlackOilModel const& other) {
  if (this == &other) return *this;
  auto gasTable = cloneOf(other.gasTable_);
  auto oilTables = other.oilTables_;
  auto solventTable = duplicate(other.solventTable_);
  auto miscibilityTable = duplicate(other.miscibilityTable_);
  StdFluidModel<IBlackOilModel>::operator=(other);
  gasDensity_ = other.gasDensity_;
  oilDensity_ = other.oilDensity_;
  gasTable_.swap(gasTable);
  oilTables_.swap(oilTables);
  solventTable_.swap(solventTable);
  miscibilityTable_.swap(miscibilityTable);
  return *this;
}

StdBlackOilModel::~StdBlackOilModel() = default;

IGasTable& StdBlackOilModel::makeGasTable() {
  gasTable_ = std::make_unique<StdGasTable>();
  return *gasTable_;
}

IDryGasTable& StdBlackOilModel::makeDryGasTable() {
  auto table = std::make_unique<StdDryGasTable>();
  IDryGasTable& made = *table;
  gasTable_ = std::move(table);
  return made;
}

IGasTable* StdBlackOilModel::getGasTable() { return gasTable_.get(); }
IGasTable const* StdBlackOilModel::getGasTable() const { return gasTable_.get(); }
void StdBlackOilModel::deleteGasTable() { gasTable_.reset(); }

template <class Table>
Table& StdBlackOilModel::storeOilTable(int region, std::shared_ptr<Table> table) {
  Table& made = *table;
  oilTables_.insert_or_assign(region, std::move(table));
  return made;
}

IOilTable& StdBlackOilModel::makeOilTable(int region) {
  return storeOilTable(region, std::make_shared<StdOilTable>());
}

ICompressibleOilTable& StdBlackOilModel::makeCompressibleOilTable(int region) {
  return storeOilTable(region, std::make_shared<StdCompressibleOilTable>());
}

IDeadOilTable& StdBlackOilModel::makeDeadOilTable(int region) {
  return storeOilTable(region, std::make_shared<StdDeadOilTable>());
}

IDeadOilConstantCompressTable& StdBlackOilModel::makeDeadOilConstantCompressTable(int region) {
  return storeOilTable(region, std::make_shared<StdDeadOilConstantCompressTable>());
}

IOilTable* StdBlackOilModel::getOilTable(int region) {
  auto const found = oilTables_.find(region);
  return found == oilTables_.end() ? nullptr : found->second.get();
}

IOilTable const* StdBlackOilModel::getOilTable(int region) const {
  auto const found = oilTables_.find(region);
  return found == oilTables_.end() ? nullptr : found->second.get();
}

void StdBlackOilModel::deleteOilTable(int region) { oilTables_.erase(region); }

int StdBlackOilModel::getNumOfOilTables() const { return static_cast<int>(oilTables_.size()); }

ISolventTable& StdBlackOilModel::makeSolventTable() {
  solventTable_ = std::make_unique<StdSolventTable>();
  return *solventTable_;
}

ISolventTable* StdBlackOilModel::getSolventTable() { return solventTable_.get(); }
ISolventTable const* StdBlackOilModel::getSolventTable() const { return solventTable_.get(); }
void StdBlackOilModel::deleteSolventTable() { solventTable_.reset(); }

IMiscibilityTable& StdBlackOilModel::makeMiscibilityTable() {
  miscibilityTable_ = std::make_unique<StdMisciblityTable>();
  return *miscibilityTable_;
}

IMiscibilityTable* StdBlackOilModel::getMiscibilityTable() { return miscibilityTable_.get(); }
IMiscibilityTable const* StdBlackOilModel::getMiscibilityTable() const {
  return miscibilityTable_.get();
}
void StdBlackOilModel::deleteMiscibilityTable() { miscibilityTable_.reset(); }

void StdBlackOilModel::gasDensity(double density) { gasDensity_ = density; }
double StdBlackOilModel::gasDensity() const { return gasDensity_; }
void StdBlackOilModel::oilDensity(double density) { oilDensity_ = density; }
double StdBlackOilModel::oilDensity() const { return oilDensity_; }

}  // namespace Orv::Tess::Varnak
