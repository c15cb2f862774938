// IFluidModels: the root of a fluid description.
//
// The registry holds four collections: fluid models of two kinds (black-oil and
// compositional) in one name space, separator models kept by name in numbered versions
// (0, 1, 2, … with no gaps), tracer models by name, and at most one tracking model. It
// creates every object it holds, hands out references or pointers, and destroys the
// objects on delete, on replacement or with itself; it never hands out ownership.
// Listings are ordered sets of names in byte order. A failed call changes nothing.
#ifndef ORV_TESS_VARNAK_IFLUIDMODELS_H
#define ORV_TESS_VARNAK_IFLUIDMODELS_H

#include <cstddef>
#include <set>
#include <string>

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class IBlackOilModel;
class ICompositionalModel;
class IFluidModel;
class ISeparatorModel;
class ITracerModel;
class ITrackingModel;

class ORV_TESS_VARNAK_API IFluidModels {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  IFluidModels() = default;
  IFluidModels(IFluidModels const&) = default;
  IFluidModels& operator=(IFluidModels const&) = default;
  virtual ~IFluidModels();

  // With `makeUnique` true, always makes a new black-oil model, named `name` when no
  // fluid model holds that name, otherwise `name` + "_" + k for the smallest free
  // k = 1, 2, … With `makeUnique` false, returns the black-oil model named `name` if
  // there is one, or makes it. Throws std::runtime_error "Could not find black oil fluid
  // '<name>'." when `makeUnique` is false and a compositional model holds the name.
  virtual IBlackOilModel& makeBlackOilModel(std::string const& name, bool makeUnique) = 0;
  // The same for a compositional model; a black-oil model holding the name throws
  // std::runtime_error "Could not find compositional fluid '<name>'.".
  virtual ICompositionalModel& makeCompositionalModel(std::string const& name, bool makeUnique) = 0;
  // Returns the fluid model (of either kind) named `name`.
  // Throws std::runtime_error "Fluid model '<name>' does not exist".
  virtual IFluidModel& getFluidModel(std::string const& name) = 0;
  virtual IFluidModel const& getFluidModel(std::string const& name) const = 0;
  // Destroys the fluid model named `name`; throws as getFluidModel.
  virtual void deleteFluidModel(std::string const& name) = 0;
  // Returns the names of all fluid models of both kinds.
  virtual std::set<std::string> getFluidModelNames() = 0;

  // Stores a deep copy of `model` as the next version of the name the copy reports, and
  // returns the copy. `model` must be the library's own StdSeparatorModel; any other
  // implementation throws std::bad_cast and nothing is stored.
  virtual ISeparatorModel& makeSeparatorModel(ISeparatorModel const& model) = 0;
  // Makes a new, empty separator model as the next version of `name` (version 0 for a
  // new name or a name whose versions were all deleted) and returns it.
  virtual ISeparatorModel& makeSeparatorModel(std::string const& name) = 0;
  // Returns version `version` of separator model `name`. Throws std::runtime_error
  // "Separator model '<name>', version '<version>' does not exist".
  virtual ISeparatorModel& getSeparatorModel(std::string const& name, std::size_t version) = 0;
  virtual ISeparatorModel const& getSeparatorModel(std::string const& name,
                                                   std::size_t version) const = 0;
  // Destroys that version; the versions behind it move down by one. The name stays
  // listed even when no version is left. Throws as getSeparatorModel.
  virtual void deleteSeparatorModel(std::string const& name, std::size_t version) = 0;
  // Returns every separator model name, including names whose versions were all deleted.
  virtual std::set<std::string> getSeparatorModelNames() = 0;
  // Returns true when separator model `name` has a version `version`.
  virtual bool hasSeparatorModel(std::string const& name, std::size_t version) const = 0;
  // Returns the number of versions of separator model `name` (0 for an unknown name).
  virtual std::size_t getNumSeparatorModelVersions(std::string const& name) const = 0;

  // Makes a new tracer model named `name`, replacing (and destroying) any tracer model of
  // that name, and returns it.
  virtual ITracerModel& makeTracerModel(std::string const& name) = 0;
  // Returns the tracer model named `name`.
  // Throws std::runtime_error "Tracer model '<name>' does not exist".
  virtual ITracerModel& getTracerModel(std::string const& name) = 0;
  virtual ITracerModel const& getTracerModel(std::string const& name) const = 0;
  // Destroys the tracer model named `name`; throws as getTracerModel.
  virtual void deleteTracerModel(std::string const& name) = 0;
  // Returns the names of all tracer models.
  virtual std::set<std::string> getTracerModelNames() = 0;

  // Makes a new tracking model with its defaults, replacing (and destroying) the current
  // one, and returns it.
  virtual ITrackingModel& makeTrackingModel() = 0;
  // Returns the tracking model, or null when there is none.
  virtual ITrackingModel* getTrackingModel() = 0;
  virtual ITrackingModel const* getTrackingModel() const = 0;
  // Destroys the tracking model; does nothing when there is none.
  virtual void deleteTrackingModel() = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_IFLUIDMODELS_H
