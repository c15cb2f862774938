#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <set>
#include <string>
#include <typeinfo>
#include <vector>

#include "Orv/Tess/Varnak/IBlackOilModel.h"
#include "Orv/Tess/Varnak/ICompositionalModel.h"
#include "Orv/Tess/Varnak/ISeparatorStage.h"
#include "Orv/Tess/Varnak/ITracerDepthTable.h"
#include "Orv/Tess/Varnak/StdFluidModels.h"
#include "Orv/Tess/Varnak/StdSeparatorModel.h"
#include "Orv/Tess/Varnak/StdTracerModel.h"
#include "Orv/Tess/Varnak/StdTrackingModel.h"
#include "support/Expect.h"

using namespace Orv::Tess::Varnak;

namespace {

using Names = std::set<std::string>;

struct Case {
  char const* what;
  std::function<void()> call;
  std::string message;
};

// A host's own separator model: the registry cannot copy it.
class HostSeparatorModel : public ISeparatorModel {
 public:
  std::string getName() override { return "Host"; }
  int getNumStages() const override { return 0; }
  ISeparatorStage& makeStage() override { return stage_; }
  ISeparatorStage& getStage(int) override { return stage_; }
  ISeparatorStage const& getStage(int) const override { return stage_; }
  void deleteStage(int) override {}
  void setGroupName(std::string const&) override {}
  std::string getGroupName() override { return ""; }
  bool operator==(ISeparatorModel const&) const override { return false; }

 private:
  StdSeparatorStage stage_;
};

// A host's refinement of the registry that counts its non-const lookups.
class CountingRegistry : public StdFluidModels {
 public:
  using StdFluidModels::getFluidModel;
  using StdFluidModels::getSeparatorModel;
  using StdFluidModels::getTracerModel;
  IFluidModel& getFluidModel(std::string const& name) override {
    ++lookups;
    return StdFluidModels::getFluidModel(name);
  }
  ISeparatorModel& getSeparatorModel(std::string const& name, std::size_t version) override {
    ++lookups;
    return StdFluidModels::getSeparatorModel(name, version);
  }
  ITracerModel& getTracerModel(std::string const& name) override {
    ++lookups;
    return StdFluidModels::getTracerModel(name);
  }
  int lookups = 0;
};

bool isBlackOil(IFluidModel& model) { return dynamic_cast<IBlackOilModel*>(&model) != nullptr; }
bool isCompositional(IFluidModel& model) {
  return dynamic_cast<ICompositionalModel*>(&model) != nullptr;
}

}  // namespace

TEST(FluidModels, UniqueNamesTakeTheFirstFreeSuffixOfTheRequestedName) {
  StdFluidModels registry;
  for (char const* expected : {"Oil", "Oil_1", "Oil_2"}) {
    EXPECT_EQ(registry.makeBlackOilModel("Oil", true).getName(), expected);
  }
  // A gap left by a delete is filled first; the next name comes after the highest.
  registry.deleteFluidModel("Oil_1");
  EXPECT_EQ(registry.makeCompositionalModel("Oil", true).getName(), "Oil_1");
  EXPECT_TRUE(isCompositional(registry.getFluidModel("Oil_1")));
  EXPECT_EQ(registry.makeBlackOilModel("Oil", true).getName(), "Oil_3");
  // Suffixes go on the requested name, never on an earlier candidate.
  EXPECT_EQ(registry.makeBlackOilModel("Oil_1", true).getName(), "Oil_1_1");

  // Only fluid models count: separator and tracer names are another name space.
  registry.makeSeparatorModel("Gas");
  registry.makeTracerModel("Gas");
  EXPECT_EQ(registry.makeCompositionalModel("Gas", true).getName(), "Gas");
  EXPECT_EQ(registry.makeCompositionalModel("", true).getName(), "");
  EXPECT_EQ(registry.makeCompositionalModel("", true).getName(), "_1");

  EXPECT_EQ(registry.getFluidModelNames(),
            (Names{"", "Gas", "Oil", "Oil_1", "Oil_1_1", "Oil_2", "Oil_3", "_1"}));
}

TEST(FluidModels, WithoutUniqueNamingAnExistingModelOfTheSameKindIsReturned) {
  StdFluidModels registry;
  IBlackOilModel& first = registry.makeBlackOilModel("X", false);
  EXPECT_EQ(&registry.makeBlackOilModel("X", false), &first);
  ICompositionalModel& eos = registry.makeCompositionalModel("Y", false);
  EXPECT_EQ(&registry.makeCompositionalModel("Y", false), &eos);
  EXPECT_EQ(registry.getFluidModelNames(), (Names{"X", "Y"}));
  EXPECT_EQ(&registry.getFluidModel("X"), static_cast<IFluidModel*>(&first));
  EXPECT_TRUE(isBlackOil(registry.getFluidModel("X")));
  EXPECT_FALSE(isCompositional(registry.getFluidModel("X")));

  // A name held by the other kind is refused, not renamed, and nothing changes.
  std::vector<Case> const cases = {
      {"black-oil over compositional", [&] { registry.makeBlackOilModel("Y", false); },
       "Could not find black oil fluid 'Y'."},
      {"compositional over black-oil", [&] { registry.makeCompositionalModel("X", false); },
       "Could not find compositional fluid 'X'."},
  };
  for (Case const& c : cases) {
    EXPECT_THROW_EXACT(c.call(), std::runtime_error, c.message);
    EXPECT_EQ(registry.getFluidModelNames(), (Names{"X", "Y"})) << c.what;
    EXPECT_EQ(&registry.getFluidModel("Y"), static_cast<IFluidModel*>(&eos)) << c.what;
  }

  // With unique naming the same requests make new models beside the other kind.
  EXPECT_TRUE(isBlackOil(registry.makeBlackOilModel("Y", true)));
  EXPECT_EQ(registry.getFluidModelNames(), (Names{"X", "Y", "Y_1"}));
  EXPECT_TRUE(isBlackOil(registry.getFluidModel("Y_1")));
}

TEST(FluidModels, MissingObjectsRaiseTheirCollectionsErrorAndChangeNothing) {
  StdFluidModels registry;
  StdFluidModels const& view = registry;
  registry.makeBlackOilModel("B", false);
  registry.makeSeparatorModel("S");
  registry.makeSeparatorModel("S");
  registry.makeTracerModel("T");

  std::vector<Case> const cases = {
      {"get fluid", [&] { registry.getFluidModel(""); }, "Fluid model '' does not exist"},
      {"const get fluid", [&] { view.getFluidModel("b"); }, "Fluid model 'b' does not exist"},
      {"delete fluid", [&] { registry.deleteFluidModel("B "); }, "Fluid model 'B ' does not exist"},
      {"get separator", [&] { registry.getSeparatorModel("S", 5); },
       "Separator model 'S', version '5' does not exist"},
      {"const get separator", [&] { view.getSeparatorModel("S", 2); },
       "Separator model 'S', version '2' does not exist"},
      {"delete separator", [&] { registry.deleteSeparatorModel("s", 0); },
       "Separator model 's', version '0' does not exist"},
      {"huge version", [&] { registry.getSeparatorModel("S", static_cast<std::size_t>(-1)); },
       "Separator model 'S', version '18446744073709551615' does not exist"},
      {"get tracer", [&] { registry.getTracerModel("B"); }, "Tracer model 'B' does not exist"},
      {"const get tracer", [&] { view.getTracerModel("t"); }, "Tracer model 't' does not exist"},
      {"delete tracer", [&] { registry.deleteTracerModel(""); }, "Tracer model '' does not exist"},
  };
  for (Case const& c : cases) {
    EXPECT_THROW_EXACT(c.call(), std::runtime_error, c.message);
    EXPECT_EQ(registry.getFluidModelNames(), Names{"B"}) << c.what;
    EXPECT_EQ(registry.getNumSeparatorModelVersions("S"), 2u) << c.what;
    EXPECT_EQ(registry.getTracerModelNames(), Names{"T"}) << c.what;
  }

  registry.deleteFluidModel("B");
  EXPECT_TRUE(registry.getFluidModelNames().empty());
  EXPECT_THROW_EXACT(registry.getFluidModel("B"), std::runtime_error,
                     "Fluid model 'B' does not exist");
}

TEST(FluidModels, SeparatorVersionsStayConsecutiveAndEmptiedNamesStayListed) {
  StdFluidModels registry;
  StdFluidModels const& view = registry;
  ISeparatorModel& v0 = registry.makeSeparatorModel("S");
  ISeparatorModel& v1 = registry.makeSeparatorModel("S");
  v1.makeStage();
  EXPECT_NE(&v0, &v1);
  EXPECT_EQ(&registry.getSeparatorModel("S", 1), &v1);
  EXPECT_EQ(&view.getSeparatorModel("S", 0), &v0);
  EXPECT_EQ(registry.getNumSeparatorModelVersions("S"), 2u);
  EXPECT_EQ(registry.getNumSeparatorModelVersions("Unknown"), 0u);

  registry.deleteSeparatorModel("S", 0);
  EXPECT_EQ(&registry.getSeparatorModel("S", 0), &v1);  // the former version 1
  EXPECT_FALSE(registry.hasSeparatorModel("S", 1));
  EXPECT_EQ(registry.getNumSeparatorModelVersions("S"), 1u);

  registry.deleteSeparatorModel("S", 0);
  EXPECT_EQ(registry.getSeparatorModelNames(), Names{"S"});
  EXPECT_FALSE(registry.hasSeparatorModel("S", 0));
  EXPECT_EQ(registry.getNumSeparatorModelVersions("S"), 0u);
  EXPECT_THROW_EXACT(registry.getSeparatorModel("S", 0), std::runtime_error,
                     "Separator model 'S', version '0' does not exist");

  ISeparatorModel& again = registry.makeSeparatorModel("S");
  EXPECT_EQ(again.getNumStages(), 0);
  EXPECT_EQ(&registry.getSeparatorModel("S", 0), &again);
  registry.makeSeparatorModel("B");
  registry.makeSeparatorModel("a");
  EXPECT_EQ(registry.getSeparatorModelNames(), (Names{"B", "S", "a"}));
}

TEST(FluidModels, SeparatorModelsAreStoredAsDeepCopiesOfTheLibrarysOwnModel) {
  StdFluidModels registry;
  StdSeparatorModel train("Train");
  train.setGroupName("North");
  train.makeStage().setPressure(45.0);
  train.makeStage().setPressure(1.0);

  ISeparatorModel& stored = registry.makeSeparatorModel(train);
  EXPECT_NE(&stored, static_cast<ISeparatorModel*>(&train));
  EXPECT_TRUE(stored == train);
  EXPECT_EQ(&registry.getSeparatorModel("Train", 0), &stored);

  // The host's model and the stored copy go their own ways.
  train.getStage(1).setPressure(50.0);
  train.deleteStage(1);
  EXPECT_EQ(stored.getNumStages(), 2);
  EXPECT_EQ(stored.getStage(1).getPressure(), 45.0);

  // A stored version can be copied into the next version of its name.
  ISeparatorModel& next = registry.makeSeparatorModel(registry.getSeparatorModel("Train", 0));
  EXPECT_TRUE(next == stored);
  EXPECT_EQ(registry.getNumSeparatorModelVersions("Train"), 2u);

  HostSeparatorModel foreign;
  try {
    registry.makeSeparatorModel(foreign);
    ADD_FAILURE() << "a foreign separator model was accepted";
  } catch (std::exception const& e) {
    EXPECT_EQ(std::string(typeid(e).name()), std::string(typeid(std::bad_cast).name()));
  }
  EXPECT_EQ(registry.getSeparatorModelNames(), Names{"Train"});
  EXPECT_EQ(registry.getNumSeparatorModelVersions("Train"), 2u);
}

TEST(FluidModels, MakingATracerModelAgainReplacesItWithAFreshOne) {
  StdFluidModels registry;
  ITracerModel& first = registry.makeTracerModel("T");
  first.setComponentName("CO2");
  first.makeDepthTable(ITracerModel::DepthTableType::FreePhaseConcentration, 0).setNumDepths(2);
  registry.makeTracerModel("B");

  ITracerModel& second = registry.makeTracerModel("T");
  EXPECT_EQ(&registry.getTracerModel("T"), &second);
  EXPECT_EQ(second.getName(), "T");
  EXPECT_EQ(second.getComponentName(), "");
  EXPECT_EQ(second.getNumOfDepthTables(), 0);
  EXPECT_EQ(registry.getTracerModelNames(), (Names{"B", "T"}));

  registry.deleteTracerModel("T");
  EXPECT_EQ(registry.getTracerModelNames(), Names{"B"});
}

TEST(FluidModels, TheTrackingModelIsMadeFreshAndDeletedQuietly) {
  StdFluidModels registry;
  StdFluidModels const& view = registry;
  EXPECT_EQ(registry.getTrackingModel(), nullptr);
  registry.deleteTrackingModel();  // none there: nothing happens
  EXPECT_EQ(view.getTrackingModel(), nullptr);

  ITrackingModel& first = registry.makeTrackingModel();
  EXPECT_EQ(registry.getTrackingModel(), &first);
  first.setHasGOCTracking(false);
  first.setTrackingDepth(1500.0);
  first.setTrackedComponentNames({"C1"});

  ITrackingModel& second = registry.makeTrackingModel();
  EXPECT_EQ(view.getTrackingModel(), &second);
  EXPECT_TRUE(second.getHasGOCTracking());
  EXPECT_EQ(second.getTrackingDepth(), 0.0);
  EXPECT_TRUE(second.getTrackedComponentNames().empty());

  registry.deleteTrackingModel();
  EXPECT_EQ(registry.getTrackingModel(), nullptr);
}

TEST(FluidModels, ConstLookupsGoThroughTheOverridableOnes) {
  CountingRegistry registry;
  registry.makeBlackOilModel("B", false);
  registry.makeSeparatorModel("S");
  registry.makeTracerModel("T");
  CountingRegistry const& view = registry;
  EXPECT_EQ(&view.getFluidModel("B"), &registry.StdFluidModels::getFluidModel("B"));
  EXPECT_EQ(&view.getSeparatorModel("S", 0), &registry.StdFluidModels::getSeparatorModel("S", 0));
  EXPECT_EQ(&view.getTracerModel("T"), &registry.StdFluidModels::getTracerModel("T"));
  EXPECT_EQ(registry.lookups, 3);
}
