// The separator train: stages in a growable array, positions from 0, getStage from 1.
#include "Orv/Tess/Varnak/StdSeparatorModel.h"

#include <stdexcept>

#include "frame/Message.h"

namespace Orv::Tess::Varnak {

StdSeparatorModel::StdSeparatorModel(std::string const& name) : name_(name) {}

StdSeparatorModel::~StdSeparatorModel() = default;

std::string StdSeparatorModel::getName() { return name_; }

int StdSeparatorModel::getNumStages() const { return static_cast<int>(stages_.size()); }

ISeparatorStage& StdSeparatorModel::makeStage() {
  stages_.emplace_back(getNumStages());
  return stages_.back();
}

ISeparatorStage& StdSeparatorModel::getStage(int k) {
  long long const position = static_cast<long long>(k) - 1;
  validate_stage_index(position);
  return stages_[static_cast<std::size_t>(position)];
}

ISeparatorStage const& StdSeparatorModel::getStage(int k) const {
  // Through the virtual slot, so that a derived model's getStage serves both.
  return const_cast<StdSeparatorModel*>(this)->getStage(k);
}

void StdSeparatorModel::deleteStage(int i) {
  validate_stage_index(i);
  stages_.erase(stages_.begin() + i);
  // Stage indices follow positions again, even where the host had set other values:
  // destinations name stages by index, and the host re-links them after a delete.
  int position = 0;
  for (StdSeparatorStage& stage : stages_) stage.setStageIndex(position++);
}

void StdSeparatorModel::setGroupName(std::string const& name) { groupName_ = name; }

std::string StdSeparatorModel::getGroupName() { return groupName_; }

bool StdSeparatorModel::operator==(ISeparatorModel const& other) const {
  // getName and getGroupName change nothing but are not const in the interface.
  ISeparatorModel& that = const_cast<ISeparatorModel&>(other);
  if (name_ != that.getName()) return false;
  if (getNumStages() != other.getNumStages()) return false;
  if (groupName_ != that.getGroupName()) return false;
  for (int k = 1; k <= getNumStages(); ++k) {
    if (!(getStage(k) == other.getStage(k))) return false;
  }
  return true;
}

void StdSeparatorModel::validate_stage_index(long long position) const {
  if (position < 0 || position >= static_cast<long long>(stages_.size())) {
    throw std::runtime_error(
        detail::message("Separator stage with index '", position, "' does not exist"));
  }
}

}  // namespace Orv::Tess::Varnak
