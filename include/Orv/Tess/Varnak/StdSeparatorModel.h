// StdSeparatorModel: the library's separator train, keeping its stages by value.
//
// Copy construction and copy assignment copy the name, the group name and every stage,
// so a copy is independent of its source; the registry stores new versions of a
// separator model this way.
#ifndef ORV_TESS_VARNAK_STDSEPARATORMODEL_H
#define ORV_TESS_VARNAK_STDSEPARATORMODEL_H

#include <string>
#include <vector>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/ISeparatorModel.h"
#include "Orv/Tess/Varnak/StdSeparatorStage.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API StdSeparatorModel : public ISeparatorModel {
 public:
  // Construction, copies and moves as the description at the top of this header says.
  explicit StdSeparatorModel(std::string const& name = "");
  StdSeparatorModel(StdSeparatorModel const&) = default;
  // Strong guarantee: on failure the target is left as it was.
  StdSeparatorModel& operator=(StdSeparatorModel const& other);
  // Copies and moves as the description at the top of this header says.
  ~StdSeparatorModel() override;

  std::string getName() override;
  int getNumStages() const override;
  ISeparatorStage& makeStage() override;
  ISeparatorStage& getStage(int k) override;
  ISeparatorStage const& getStage(int k) const override;
  void deleteStage(int i) override;
  void setGroupName(std::string const& name) override;
  std::string getGroupName() override;
  bool operator==(ISeparatorModel const& other) const override;

 private:
  // Throws the missing-stage error unless 0 <= position < getNumStages(). Takes 64 bits
  // so that getStage can pass k - 1 for every int k without overflow.
  void validate_stage_index(long long position) const;

  std::string name_;
  std::string groupName_;
  std::vector<StdSeparatorStage> stages_;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDSEPARATORMODEL_H
