// ITrackingModel: the fluid description's single request for component tracking.
//
// It says which kinds of tracking are wanted (by gas-oil contact, by depth, by region),
// the tracking depth, whether the tracked output is normalised, and which components are
// tracked: all of them, or a named set. It is a plain record: the setters store what they
// are given, nothing is checked, and every setting is independent of the others. The
// registry holds at most one tracking model.
#ifndef ORV_TESS_VARNAK_ITRACKINGMODEL_H
#define ORV_TESS_VARNAK_ITRACKINGMODEL_H

#include <set>
#include <string>

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API ITrackingModel {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  ITrackingModel() = default;
  ITrackingModel(ITrackingModel const&) = default;
  ITrackingModel& operator=(ITrackingModel const&) = default;
  virtual ~ITrackingModel();

  // Tracking by gas-oil contact (on by default).
  virtual bool getHasGOCTracking() const = 0;
  virtual void setHasGOCTracking(bool on) = 0;
  // Tracking by depth (off by default).
  virtual bool getHasDEPTHTracking() const = 0;
  virtual void setHasDEPTHTracking(bool on) = 0;
  // Tracking by region (off by default).
  virtual bool getHasREGIONTracking() const = 0;
  virtual void setHasREGIONTracking(bool on) = 0;
  // The tracking depth (0.0 by default).
  virtual double getTrackingDepth() const = 0;
  virtual void setTrackingDepth(double depth) = 0;
  // Whether the tracked output is normalised (off by default).
  virtual bool getNormalizeOutput() const = 0;
  virtual void setNormalizeOutput(bool on) = 0;
  // Whether every component is tracked (off by default). Setting it leaves the set of
  // tracked component names as it is.
  virtual bool getTrackAllComponents() const = 0;
  virtual void setTrackAllComponents(bool on) = 0;
  // Returns a copy of the tracked component names, in byte order.
  virtual std::set<std::string> getTrackedComponentNames() = 0;
  // Makes the tracked component names equal to `names` (an empty set empties them). The
  // names are not checked against any component list.
  virtual void setTrackedComponentNames(std::set<std::string> const& names) = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_ITRACKINGMODEL_H
