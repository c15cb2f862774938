// ISeparatorModel: a surface separator train, a named and optionally grouped list of
// stages in the order in which they were made.
//
// Two numberings meet here and differ by one: stage positions (for deleteStage) and the
// stage indices that makeStage hands out count from 0, while getStage counts from 1, so
// getStage(1) is the first stage. The model owns its stages; a stage reference stays
// valid only until the next makeStage or deleteStage on the same model. The registry
// keeps separator models by name in numbered versions.
#ifndef ORV_TESS_VARNAK_ISEPARATORMODEL_H
#define ORV_TESS_VARNAK_ISEPARATORMODEL_H

#include <string>

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class ISeparatorStage;

class ORV_TESS_VARNAK_API ISeparatorModel {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  ISeparatorModel() = default;
  ISeparatorModel(ISeparatorModel const&) = default;
  ISeparatorModel& operator=(ISeparatorModel const&) = default;
  virtual ~ISeparatorModel();

  // Returns the model's name, fixed when the model was made.
  virtual std::string getName() = 0;
  // Returns the number of stages.
  virtual int getNumStages() const = 0;
  // Appends a stage with default values whose stage index is the number of stages
  // before the call, and returns it.
  virtual ISeparatorStage& makeStage() = 0;
  // Returns stage number k, counted from 1 (the stage at position k - 1). Throws
  // std::runtime_error "Separator stage with index '<k - 1>' does not exist" for k
  // outside 1 … getNumStages().
  virtual ISeparatorStage& getStage(int k) = 0;
  virtual ISeparatorStage const& getStage(int k) const = 0;
  // Removes the stage at position i, counted from 0; the stages behind it move forward
  // and every remaining stage gets its position as stage index (0, 1, 2, …), whatever
  // index it had. Throws std::runtime_error "Separator stage with index '<i>' does not
  // exist" for i outside 0 … getNumStages() - 1, and changes nothing then.
  virtual void deleteStage(int i) = 0;
  // Sets the name of the group the train belongs to (empty at first).
  virtual void setGroupName(std::string const& name) = 0;
  // Returns the group name.
  virtual std::string getGroupName() = 0;
  // Returns true when `other` has the same name, number of stages and group name, and
  // its stages compare equal one by one (ISeparatorStage::operator==). `other` is read
  // through this interface only.
  virtual bool operator==(ISeparatorModel const& other) const = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_ISEPARATORMODEL_H
