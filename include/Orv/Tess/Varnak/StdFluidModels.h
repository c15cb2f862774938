// StdFluidModels: the library's registry, the root of a fluid description.
//
// The host constructs one and keeps it; everything else is made through it and lives
// in it, in shared handles that are never handed out. The objects stored are always the
// library's own implementations (StdBlackOilModel, StdCompositionalModel,
// StdSeparatorModel, StdTracerModel, StdTrackingModel). Destroying the registry destroys
// everything it holds. It can be neither copied nor moved.
#ifndef ORV_TESS_VARNAK_STDFLUIDMODELS_H
#define ORV_TESS_VARNAK_STDFLUIDMODELS_H

#include <cstddef>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IFluidModels.h"

namespace Orv::Tess::Varnak {

class StdSeparatorModel;

class ORV_TESS_VARNAK_API StdFluidModels : public IFluidModels {
 public:
  // Construction, copies and moves as the description at the top of this header says.
  StdFluidModels();
  StdFluidModels(StdFluidModels const&) = delete;
  StdFluidModels& operator=(StdFluidModels const&) = delete;
  ~StdFluidModels() override;

  IBlackOilModel& makeBlackOilModel(std::string const& name, bool makeUnique) override;
  ICompositionalModel& makeCompositionalModel(std::string const& name, bool makeUnique) override;
  IFluidModel& getFluidModel(std::string const& name) override;
  IFluidModel const& getFluidModel(std::string const& name) const override;
  void deleteFluidModel(std::string const& name) override;
  std::set<std::string> getFluidModelNames() override;

  ISeparatorModel& makeSeparatorModel(ISeparatorModel const& model) override;
  ISeparatorModel& makeSeparatorModel(std::string const& name) override;
  ISeparatorModel& getSeparatorModel(std::string const& name, std::size_t version) override;
  ISeparatorModel const& getSeparatorModel(std::string const& name,
                                           std::size_t version) const override;
  void deleteSeparatorModel(std::string const& name, std::size_t version) override;
  std::set<std::string> getSeparatorModelNames() override;
  bool hasSeparatorModel(std::string const& name, std::size_t version) const override;
  std::size_t getNumSeparatorModelVersions(std::string const& name) const override;

  ITracerModel& makeTracerModel(std::string const& name) override;
  ITracerModel& getTracerModel(std::string const& name) override;
  ITracerModel const& getTracerModel(std::string const& name) const override;
  void deleteTracerModel(std::string const& name) override;
  std::set<std::string> getTracerModelNames() override;

  ITrackingModel& makeTrackingModel() override;
  ITrackingModel* getTrackingModel() override;
  ITrackingModel const* getTrackingModel() const override;
  void deleteTrackingModel() override;

 private:
  // Makes a fluid model of the kind `Model` implements (`Kind`) for makeBlackOilModel
  // and makeCompositionalModel; `kindText` names the kind in the cross-kind error.
  template <class Kind, class Model>
  Kind& makeFluidModel(std::string const& name, bool makeUnique, char const* kindText);
  // Returns `name` when no fluid model holds it, otherwise `name` + "_" + k for the
  // smallest k = 1, 2, … that no fluid model holds.
  std::string getUniqueName(std::string const& name) const;
  // Appends `model` as the next version of the name it reports and returns it.
  ISeparatorModel& appendSeparatorVersion(std::shared_ptr<StdSeparatorModel> model);
  // Each throws the registry's missing-object error for its collection.
  void validateFluid(std::string const& name) const;
  void validateSeparator(std::string const& name, std::size_t version) const;
  void validateTracer(std::string const& name) const;

  std::map<std::string, std::shared_ptr<IFluidModel>> fluidModels_;
  // The versions of each separator model; a version number is a position in its list.
  std::map<std::string, std::vector<std::shared_ptr<ISeparatorModel>>> separatorModels_;
  std::map<std::string, std::shared_ptr<ITracerModel>> tracerModels_;
  std::unique_ptr<ITrackingModel> trackingModel_;  // null when there is none
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDFLUIDMODELS_H
