// Allocation failures in the registry, root of a fluid description.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <typeinfo>

#include "Orv/Tess/Varnak/IBlackOilModel.h"
#include "Orv/Tess/Varnak/ICompositionalModel.h"
#include "Orv/Tess/Varnak/IOilTable.h"
#include "Orv/Tess/Varnak/ISeparatorStage.h"
#include "Orv/Tess/Varnak/ITracerModel.h"
#include "Orv/Tess/Varnak/ITrackingModel.h"
#include "Orv/Tess/Varnak/StdFluidModels.h"
#include "Orv/Tess/Varnak/StdSeparatorModel.h"
#include "Orv/Tess/Varnak/StdSeparatorStage.h"
#include "alloc/AllocationFailure.h"

namespace {

using namespace Orv::Tess::Varnak;
using alloc::check;
using alloc::Pair;

// A separator train implemented by the host rather than by the library.
class HostTrain : public ISeparatorModel {
 public:
  std::string getName() override { return "Host train"; }
  int getNumStages() const override { return 0; }
  ISeparatorStage& makeStage() override { return stage_; }
  ISeparatorStage& getStage(int) override { return stage_; }
  ISeparatorStage const& getStage(int) const override { return stage_; }
  void deleteStage(int) override {}
  void setGroupName(std::string const&) override {}
  std::string getGroupName() override { return {}; }
  bool operator==(ISeparatorModel const&) const override { return false; }

 private:
  StdSeparatorStage stage_;
};

// A small description: two fluids of each kind, two versions of a train, a tracer and
// the tracking request.
Pair<StdFluidModels, StdSeparatorModel> registries() {
  Pair<StdFluidModels, StdSeparatorModel> p{
      std::make_unique<StdFluidModels>(),
      std::make_unique<StdSeparatorModel>("Export train built by the host")};
  StdFluidModels& r = *p.object;
  r.makeBlackOilModel("Black oil, northern segment", false).makeOilTable(1).setSaturatedSize(2);
  r.makeBlackOilModel("Black oil, northern segment", true);
  r.makeCompositionalModel("Condensate", false).makeComponent("C1", IComponent::Type::Plain);
  r.makeSeparatorModel("Export train").makeStage().setPressure(30.0);
  r.makeSeparatorModel("Export train");
  r.makeTracerModel("Injected water tracer").setComponentName("Water");
  r.makeTrackingModel().setTrackedComponentNames({"C1", "CO2"});
  p.other->makeStage();
  p.other->makeStage();
  return p;
}

TEST(AllocationFailure, Registry) {
  std::string const s = "StdFluidModels ";
  check(s + "makeBlackOilModel new", registries,
        [](auto& p) { p.object->makeBlackOilModel("Black oil, southern segment", false); });
  check(s + "makeBlackOilModel existing", registries,
        [](auto& p) { p.object->makeBlackOilModel("Black oil, northern segment", false); });
  check(s + "makeBlackOilModel unique name", registries,
        [](auto& p) { p.object->makeBlackOilModel("Black oil, northern segment", true); });
  check(s + "makeBlackOilModel over a compositional model", registries, [](auto& p) {
    try {
      p.object->makeBlackOilModel("Condensate", false);
    } catch (std::runtime_error const&) {
    }
  });
  check(s + "makeCompositionalModel new", registries,
        [](auto& p) { p.object->makeCompositionalModel("Volatile oil of the crest", false); });
  check(s + "makeCompositionalModel unique name", registries,
        [](auto& p) { p.object->makeCompositionalModel("Condensate", true); });
  check(s + "getFluidModel missing", registries, [](auto& p) {
    try {
      p.object->getFluidModel("Dry gas of the flank");
    } catch (std::runtime_error const&) {
    }
  });
  check(s + "deleteFluidModel", registries,
        [](auto& p) { p.object->deleteFluidModel("Black oil, northern segment"); });
  check(s + "makeSeparatorModel by name, next version", registries,
        [](auto& p) { p.object->makeSeparatorModel("Export train"); });
  check(s + "makeSeparatorModel by name, new name", registries,
        [](auto& p) { p.object->makeSeparatorModel("Low-pressure test separator"); });
  check(s + "makeSeparatorModel from a model", registries,
        [](auto& p) { p.object->makeSeparatorModel(*p.other); });
  check(s + "makeSeparatorModel from a host's model", registries, [](auto& p) {
    HostTrain train;
    try {
      p.object->makeSeparatorModel(train);
    } catch (std::bad_cast const&) {
    }
  });
  check(s + "deleteSeparatorModel", registries,
        [](auto& p) { p.object->deleteSeparatorModel("Export train", 0); });
  check(s + "deleteSeparatorModel missing version", registries, [](auto& p) {
    try {
      p.object->deleteSeparatorModel("Export train", 2);
    } catch (std::runtime_error const&) {
    }
  });
  check(s + "makeTracerModel new", registries,
        [](auto& p) { p.object->makeTracerModel("Gas injection tracer, well G-2"); });
  check(s + "makeTracerModel replacing", registries,
        [](auto& p) { p.object->makeTracerModel("Injected water tracer"); });
  check(s + "deleteTracerModel", registries,
        [](auto& p) { p.object->deleteTracerModel("Injected water tracer"); });
  check(s + "getTracerModel missing", registries, [](auto& p) {
    try {
      p.object->getTracerModel("Salt tracer of the aquifer");
    } catch (std::runtime_error const&) {
    }
  });
  check(s + "makeTrackingModel replacing", registries,
        [](auto& p) { p.object->makeTrackingModel(); });
  check(s + "deleteTrackingModel", registries, [](auto& p) { p.object->deleteTrackingModel(); });
}

}  // namespace
