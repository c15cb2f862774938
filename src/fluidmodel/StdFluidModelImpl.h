// Member definitions of StdFluidModel<T>. A model kind includes this header in the one
// source file that instantiates StdFluidModel for its interface (the export comes from the
// extern declaration in the model's public header, see Export.h):
//
//     #include "fluidmodel/StdFluidModelImpl.h"
//     template class StdFluidModel<IBlackOilModel>;
#ifndef ORV_TESS_VARNAK_SRC_FLUIDMODEL_STDFLUIDMODELIMPL_H
#define ORV_TESS_VARNAK_SRC_FLUIDMODEL_STDFLUIDMODELIMPL_H

#include <stdexcept>
#include <utility>

#include "Orv/Tess/Varnak/StdFluidModel.h"
#include "Orv/Tess/Varnak/StdWaterProperties.h"
#include "frame/Message.h"

namespace Orv::Tess::Varnak {

template <class T>
StdFluidModel<T>::StdFluidModel(std::string const& name) : name_(name) {}

template <class T>
StdFluidModel<T>::StdFluidModel(StdFluidModel const& other)
    : T(other),
      name_(other.name_),
      waterProperties_(other.waterProperties_
                           ? std::make_unique<StdWaterProperties>(*other.waterProperties_)
                           : nullptr),
      initialConditions_(other.initialConditions_) {}

template <class T>
StdFluidModel<T>& StdFluidModel<T>::operator=(StdFluidModel const& other) {
  if (this == &other) return *this;
  std::string name = other.name_;
  auto water = other.waterProperties_
                   ? std::make_unique<StdWaterProperties>(*other.waterProperties_)
                   : nullptr;
  auto initialConditions = other.initialConditions_;
  T::operator=(other);
  name_.swap(name);
  waterProperties_.swap(water);
  initialConditions_.swap(initialConditions);
  return *this;
}

template <class T>
StdFluidModel<T>::~StdFluidModel() = default;

template <class T>
std::string StdFluidModel<T>::getName() {
  return name_;
}

template <class T>
IWaterProperties& StdFluidModel<T>::makeWaterProperties() {
  waterProperties_ = std::make_unique<StdWaterProperties>();
  return *getWaterProperties();
}

template <class T>
IWaterProperties* StdFluidModel<T>::getWaterProperties() {
  return waterProperties_.get();
}

template <class T>
IWaterProperties const* StdFluidModel<T>::getWaterProperties() const {
  return waterProperties_.get();
}

template <class T>
void StdFluidModel<T>::deleteWaterProperties() {
  waterProperties_.reset();
}

template <class T>
IInitialCondition& StdFluidModel<T>::makeInitialCondition(std::string const& name) {
  // A taken name gets the smallest free suffix "_1", "_2", …, always appended to the
  // requested name itself, so names freed by deletions are reused.
  std::string unique = name;
  for (unsigned long long k = 1; initialConditions_.count(unique) != 0; ++k) {
    unique = detail::message(name, "_", k);
  }
  StdInitialCondition made(unique);
  std::string key = made.getName();
  return initialConditions_.emplace(std::move(key), std::move(made)).first->second;
}

template <class T>
IInitialCondition& StdFluidModel<T>::getInitialCondition(std::string const& name) {
  validate(name);
  return initialConditions_.find(name)->second;
}

template <class T>
IInitialCondition const& StdFluidModel<T>::getInitialCondition(std::string const& name) const {
  return const_cast<StdFluidModel*>(this)->getInitialCondition(name);
}

template <class T>
void StdFluidModel<T>::deleteInitialCondition(std::string const& name) {
  validate(name);
  initialConditions_.erase(name);
}

template <class T>
std::set<std::string> StdFluidModel<T>::getInitialConditionNames() {
  std::set<std::string> names;
  for (auto const& entry : initialConditions_) names.insert(names.end(), entry.first);
  return names;
}

template <class T>
bool StdFluidModel<T>::hasTemperatureTable(TemperatureTableProperty property) const {
  return temperatureTables_.count(property) != 0;
}

template <class T>
ITemperatureTable& StdFluidModel<T>::getTemperatureTable(TemperatureTableProperty property) {
  return temperatureTables_.try_emplace(property).first->second;
}

template <class T>
ITemperatureTable const& StdFluidModel<T>::getTemperatureTable(
    TemperatureTableProperty property) const {
  auto const found = temperatureTables_.find(property);
  if (found == temperatureTables_.end()) {
    throw std::range_error(
        detail::message("Fluid does not have Temperature table ", static_cast<int>(property)));
  }
  return found->second;
}

template <class T>
void StdFluidModel<T>::deleteTemperatureTable(TemperatureTableProperty property) {
  temperatureTables_.erase(property);
}

template <class T>
void StdFluidModel<T>::validate(std::string const& name) const {
  if (initialConditions_.count(name) == 0) {
    throw std::runtime_error(detail::message("Initial condition '", name, "' does not exist"));
  }
}

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_SRC_FLUIDMODEL_STDFLUIDMODELIMPL_H
