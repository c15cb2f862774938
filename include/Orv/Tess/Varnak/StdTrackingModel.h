// StdTrackingModel: the library's tracking request, a plain record.
//
// A new model tracks by gas-oil contact only, at depth 0.0, without normalisation and
// with no component named. Copies take every member.
#ifndef ORV_TESS_VARNAK_STDTRACKINGMODEL_H
#define ORV_TESS_VARNAK_STDTRACKINGMODEL_H

#include <set>
#include <string>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/ITrackingModel.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API StdTrackingModel : public ITrackingModel {
 public:
  // Construction, copies and moves as the description at the top of this header says.
  StdTrackingModel();
  StdTrackingModel(StdTrackingModel const&) = default;
  StdTrackingModel(StdTrackingModel&&) = default;
  // Strong guarantee: on failure the target is left as it was.
  StdTrackingModel& operator=(StdTrackingModel const& other);
  // Copies and moves as the description at the top of this header says.
  StdTrackingModel& operator=(StdTrackingModel&&) = default;
  ~StdTrackingModel() override;

  bool getHasGOCTracking() const override;
  void setHasGOCTracking(bool on) override;
  bool getHasDEPTHTracking() const override;
  void setHasDEPTHTracking(bool on) override;
  bool getHasREGIONTracking() const override;
  void setHasREGIONTracking(bool on) override;
  double getTrackingDepth() const override;
  void setTrackingDepth(double depth) override;
  bool getNormalizeOutput() const override;
  void setNormalizeOutput(bool on) override;
  bool getTrackAllComponents() const override;
  void setTrackAllComponents(bool on) override;
  std::set<std::string> getTrackedComponentNames() override;
  void setTrackedComponentNames(std::set<std::string> const& names) override;

 private:
  bool hasGOCTracking_ = true;
  bool hasDEPTHTracking_ = false;
  bool hasREGIONTracking_ = false;
  double trackingDepth_ = 0.0;
  bool normalizeOutput_ = false;
  bool trackAllComponents_ = false;
  std::set<std::string> trackedComponentNames_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDTRACKINGMODEL_H
