// A separator train implemented by the host rather than by the library: one stage, no
// versions, no group. The registry cannot copy it and must refuse it unchanged; the unit
// tests, the allocation-failure sweep and the fuzzer all hand it over.
#ifndef ORV_TESS_VARNAK_TESTS_SUPPORT_HOSTSEPARATORMODEL_H
#define ORV_TESS_VARNAK_TESTS_SUPPORT_HOSTSEPARATORMODEL_H

#include <string>

#include "Orv/Tess/Varnak.h"

namespace support {

class HostSeparatorModel : public Orv::Tess::Varnak::ISeparatorModel {
 public:
  std::string getName() override { return "Host"; }
  int getNumStages() const override { return 0; }
  Orv::Tess::Varnak::ISeparatorStage& makeStage() override { return stage_; }
  Orv::Tess::Varnak::ISeparatorStage& getStage(int) override { return stage_; }
  Orv::Tess::Varnak::ISeparatorStage const& getStage(int) const override { return stage_; }
  void deleteStage(int) override {}
  void setGroupName(std::string const&) override {}
  std::string getGroupName() override { return {}; }
  bool operator==(Orv::Tess::Varnak::ISeparatorModel const&) const override { return false; }

 private:
  Orv::Tess::Varnak::StdSeparatorStage stage_;
};

}  // namespace support

#endif  // ORV_TESS_VARNAK_TESTS_SUPPORT_HOSTSEPARATORMODEL_H
