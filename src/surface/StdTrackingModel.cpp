// The tracking request: stores what it is given.
#include "Orv/Tess/Varnak/StdTrackingModel.h"

namespace Orv::Tess::Varnak {

StdTrackingModel::StdTrackingModel() = default;

StdTrackingModel::~StdTrackingModel() = default;

bool StdTrackingModel::getHasGOCTracking() const { return hasGOCTracking_; }
void StdTrackingModel::setHasGOCTracking(bool on) { hasGOCTracking_ = on; }
bool StdTrackingModel::getHasDEPTHTracking() const { return hasDEPTHTracking_; }
void StdTrackingModel::setHasDEPTHTracking(bool on) { hasDEPTHTracking_ = on; }
bool StdTrackingModel::getHasREGIONTracking() const { return hasREGIONTracking_; }
void StdTrackingModel::setHasREGIONTracking(bool on) { hasREGIONTracking_ = on; }
double StdTrackingModel::getTrackingDepth() const { return trackingDepth_; }
void StdTrackingModel::setTrackingDepth(double depth) { trackingDepth_ = depth; }
bool StdTrackingModel::getNormalizeOutput() const { return normalizeOutput_; }
void StdTrackingModel::setNormalizeOutput(bool on) { normalizeOutput_ = on; }
bool StdTrackingModel::getTrackAllComponents() const { return trackAllComponents_; }
void StdTrackingModel::setTrackAllComponents(bool on) { trackAllComponents_ = on; }

std::set<std::string> StdTrackingModel::getTrackedComponentNames() {
  return trackedComponentNames_;
}

void StdTrackingModel::setTrackedComponentNames(std::set<std::string> const& names) {
  std::set<std::string> copy(names);  // built first: a failed copy leaves the set as it was
  trackedComponentNames_.swap(copy);
}

}  // namespace Orv::Tess::Varnak
