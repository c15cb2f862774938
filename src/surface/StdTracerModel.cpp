// The tracer model: depth tables per (type, region) in shared handles, with the rule
// that the regions of one type form an unbroken run from 0.
#include "Orv/Tess/Varnak/StdTracerModel.h"

#include <climits>
#include <iterator>
#include <stdexcept>

#include "Orv/Tess/Varnak/StdTracerDepthTable.h"
#include "frame/Message.h"

namespace Orv::Tess::Varnak {

StdTracerModel::StdTracerModel(std::string const& name) : name_(name) {}

StdTracerModel::~StdTracerModel() = default;

std::string StdTracerModel::getName() { return name_; }

std::string StdTracerModel::getComponentName() { return componentName_; }

void StdTracerModel::setComponentName(std::string const& name) { componentName_ = name; }

ITracerDepthTable& StdTracerModel::makeDepthTable(DepthTableType type, int region) {
  validateRegionNumber(type, region);
  auto table = std::make_shared<StdTracerDepthTable>();
  // Other models sharing the old table keep it; this model lets go of it.
  depthTables_[Key(type, region)].swap(table);
  return *getDepthTable(type, region);
}

ITracerDepthTable* StdTracerModel::getDepthTable(DepthTableType type, int region) {
  validateRegionNumber(type, region);
  auto const found = depthTables_.find(Key(type, region));
  return found == depthTables_.end() ? nullptr : found->second.get();
}

ITracerDepthTable const* StdTracerModel::getDepthTable(DepthTableType type, int region) const {
  validateRegionNumber(type, region);
  auto const found = depthTables_.find(Key(type, region));
  return found == depthTables_.end() ? nullptr : found->second.get();
}

void StdTracerModel::deleteDepthTable(DepthTableType type, int region) {
  validateRegionNumber(type, region);
  depthTables_.erase(Key(type, region));
}

int StdTracerModel::getNumOfDepthTables() const { return static_cast<int>(depthTables_.size()); }

int StdTracerModel::getNumOfDepthTablesOfType(DepthTableType type) const {
  auto const first = depthTables_.lower_bound(Key(type, INT_MIN));
  auto const last = depthTables_.upper_bound(Key(type, INT_MAX));
  return static_cast<int>(std::distance(first, last));
}

bool StdTracerModel::hasDepthTablesOfType(DepthTableType type) const {
  return getNumOfDepthTablesOfType(type) > 0;
}

void StdTracerModel::validateRegionNumber(DepthTableType type, int region) const {
  if (region < 0) {
    throw std::range_error(detail::message("'Error in Tracer vs. Depth table for tracer '", name_,
                                           "'.  Region number '", region, "' is invalid.'"));
  }
  if (region > 0 && depthTables_.count(Key(type, region - 1)) == 0) {
    throw std::range_error(detail::message(
        "'Error in Tracer vs. Depth table for tracer '", name_, "'.  Region number '", region,
        "' is invalid as region '", region - 1, "' does not exist.'"));
  }
}

}  // namespace Orv::Tess::Varnak
