// The registry: fluid models in one name space with unique naming, separator models in
// numbered versions, tracer models by name and the single tracking model. Every new
// object is fully built before it is stored, and every check runs before anything
// changes.
#include "Orv/Tess/Varnak/StdFluidModels.h"

#include <stdexcept>
#include <typeinfo>
#include <utility>

#include "Orv/Tess/Varnak/IBlackOilModel.h"
#include "Orv/Tess/Varnak/ICompositionalModel.h"
#include "Orv/Tess/Varnak/IFluidModel.h"
#include "Orv/Tess/Varnak/ISeparatorModel.h"
#include "Orv/Tess/Varnak/ITracerModel.h"
#include "Orv/Tess/Varnak/ITrackingModel.h"
#include "Orv/Tess/Varnak/StdBlackOilModel.h"
#include "Orv/Tess/Varnak/StdCompositionalModel.h"
#include "Orv/Tess/Varnak/StdSeparatorModel.h"
#include "Orv/Tess/Varnak/StdTracerModel.h"
#include "Orv/Tess/Varnak/StdTrackingModel.h"
#include "frame/Message.h"

namespace Orv::Tess::Varnak {

namespace {

template <class Map>
std::set<std::string> namesOf(Map const& map) {
  std::set<std::string> names;
  for (auto const& entry : map) names.insert(names.end(), entry.first);
  return names;
}

}  // namespace

StdFluidModels::StdFluidModels() = default;

StdFluidModels::~StdFluidModels() = default;

template <class Kind, class Model>
Kind& StdFluidModels::makeFluidModel(std::string const& name, bool makeUnique,
                                     char const* kindText) {
  if (!makeUnique) {
    auto const found = fluidModels_.find(name);
    if (found != fluidModels_.end()) {
      // Both kinds share one name space; a name held by the other kind is an error
      // rather than a reason to rename.
      if (auto* existing = dynamic_cast<Kind*>(found->second.get())) return *existing;
      throw std::runtime_error(
          detail::message("Could not find ", kindText, " fluid '", name, "'."));
    }
  }
  auto model = std::make_shared<Model>(getUniqueName(name));
  Kind& result = *model;
  std::string key = model->getName();
  fluidModels_.emplace(std::move(key), std::move(model));
  return result;
}

IBlackOilModel& StdFluidModels::makeBlackOilModel(std::string const& name, bool makeUnique) {
  return makeFluidModel<IBlackOilModel, StdBlackOilModel>(name, makeUnique, "black oil");
}

ICompositionalModel& StdFluidModels::makeCompositionalModel(std::string const& name,
                                                            bool makeUnique) {
  return makeFluidModel<ICompositionalModel, StdCompositionalModel>(name, makeUnique,
                                                                    "compositional");
}

IFluidModel& StdFluidModels::getFluidModel(std::string const& name) {
  validateFluid(name);
  return *fluidModels_.find(name)->second;
}

IFluidModel const& StdFluidModels::getFluidModel(std::string const& name) const {
  // Through the virtual slot, so that a derived registry's lookup serves both.
  return const_cast<StdFluidModels*>(this)->getFluidModel(name);
}

void StdFluidModels::deleteFluidModel(std::string const& name) {
  validateFluid(name);
  fluidModels_.erase(name);
}

std::set<std::string> StdFluidModels::getFluidModelNames() { return namesOf(fluidModels_); }

std::string StdFluidModels::getUniqueName(std::string const& name) const {
  // Each candidate is built from `name` itself (Oil_1, Oil_2, …, never Oil_1_1), and the
  // first free one wins, so a gap left by a deleted model is filled again.
  std::string candidate = name;
  for (unsigned long long k = 1; fluidModels_.count(candidate) != 0; ++k) {
    candidate = detail::message(name, "_", k);
  }
  return candidate;
}

void StdFluidModels::validateFluid(std::string const& name) const {
  if (fluidModels_.count(name) == 0) {
    throw std::runtime_error(detail::message("Fluid model '", name, "' does not exist"));
  }
}

ISeparatorModel& StdFluidModels::makeSeparatorModel(ISeparatorModel const& model) {
  // Only the library's own separator model can be copied deeply; the cast raises
  // std::bad_cast for any other implementation before anything is stored.
  auto const& source = dynamic_cast<StdSeparatorModel const&>(model);
  return appendSeparatorVersion(std::make_shared<StdSeparatorModel>(source));
}

ISeparatorModel& StdFluidModels::makeSeparatorModel(std::string const& name) {
  return appendSeparatorVersion(std::make_shared<StdSeparatorModel>(name));
}

ISeparatorModel& StdFluidModels::appendSeparatorVersion(std::shared_ptr<StdSeparatorModel> model) {
  ISeparatorModel& result = *model;
  std::string name = model->getName();
  auto const found = separatorModels_.find(name);
  if (found != separatorModels_.end()) {
    found->second.push_back(std::move(model));  // leaves the list as it was if it throws
  } else {
    std::vector<std::shared_ptr<ISeparatorModel>> versions{std::move(model)};
    separatorModels_.emplace(std::move(name), std::move(versions));
  }
  return result;
}

ISeparatorModel& StdFluidModels::getSeparatorModel(std::string const& name, std::size_t version) {
  validateSeparator(name, version);
  return *separatorModels_.find(name)->second[version];
}

ISeparatorModel const& StdFluidModels::getSeparatorModel(std::string const& name,
                                                         std::size_t version) const {
  return const_cast<StdFluidModels*>(this)->getSeparatorModel(name, version);
}

void StdFluidModels::deleteSeparatorModel(std::string const& name, std::size_t version) {
  validateSeparator(name, version);
  auto& versions = separatorModels_.find(name)->second;
  // Later versions move down by one, so version numbers stay consecutive from 0. The
  // name stays listed even when its last version goes.
  versions.erase(versions.begin() + static_cast<std::ptrdiff_t>(version));
}

std::set<std::string> StdFluidModels::getSeparatorModelNames() { return namesOf(separatorModels_); }

bool StdFluidModels::hasSeparatorModel(std::string const& name, std::size_t version) const {
  auto const found = separatorModels_.find(name);
  return found != separatorModels_.end() && version < found->second.size();
}

std::size_t StdFluidModels::getNumSeparatorModelVersions(std::string const& name) const {
  auto const found = separatorModels_.find(name);
  return found == separatorModels_.end() ? 0 : found->second.size();
}

void StdFluidModels::validateSeparator(std::string const& name, std::size_t version) const {
  if (!hasSeparatorModel(name, version)) {
    throw std::runtime_error(
        detail::message("Separator model '", name, "', version '", version, "' does not exist"));
  }
}

ITracerModel& StdFluidModels::makeTracerModel(std::string const& name) {
  std::shared_ptr<ITracerModel> model = std::make_shared<StdTracerModel>(name);
  ITracerModel& result = *model;
  std::string const key = model->getName();
  // An existing tracer of that name is released (with `model`) when this returns.
  tracerModels_[key].swap(model);
  return result;
}

ITracerModel& StdFluidModels::getTracerModel(std::string const& name) {
  validateTracer(name);
  return *tracerModels_.find(name)->second;
}

ITracerModel const& StdFluidModels::getTracerModel(std::string const& name) const {
  return const_cast<StdFluidModels*>(this)->getTracerModel(name);
}

void StdFluidModels::deleteTracerModel(std::string const& name) {
  validateTracer(name);
  tracerModels_.erase(name);
}

std::set<std::string> StdFluidModels::getTracerModelNames() { return namesOf(tracerModels_); }

void StdFluidModels::validateTracer(std::string const& name) const {
  if (tracerModels_.count(name) == 0) {
    throw std::runtime_error(detail::message("Tracer model '", name, "' does not exist"));
  }
}

ITrackingModel& StdFluidModels::makeTrackingModel() {
  std::unique_ptr<ITrackingModel> model = std::make_unique<StdTrackingModel>();
  trackingModel_.swap(model);  // the former model, if any, is destroyed with `model`
  return *getTrackingModel();
}

ITrackingModel* StdFluidModels::getTrackingModel() { return trackingModel_.get(); }

ITrackingModel const* StdFluidModels::getTrackingModel() const { return trackingModel_.get(); }

void StdFluidModels::deleteTrackingModel() { trackingModel_.reset(); }

}  // namespace Orv::Tess::Varnak
