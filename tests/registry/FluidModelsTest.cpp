#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <set>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak.h"
#include "support/HostSeparatorModel.h"
#include "support/Support.h"

using namespace Orv::Tess::Varnak;
using support::observe;
using Names = std::set<std::string>;

namespace {

using Cases = std::vector<std::pair<std::function<void()>, std::string>>;

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

// A fluid model of each kind ("North", "South"), separator "Export" in two versions and
// tracer "Brine", each with content.
void furnish(StdFluidModels& registry) {
  support::furnish(registry.makeBlackOilModel("North", false), 1.0);
  support::furnish(registry.makeCompositionalModel("South", false), 2.0);
  support::furnish(registry.makeSeparatorModel("Export"), 3.0);
  support::furnish(registry.makeSeparatorModel("Export"), 4.0);
  support::furnish(registry.makeTracerModel("Brine"), 5.0);
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
  EXPECT_FALSE(isBlackOil(registry.getFluidModel("Oil_1")));
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
  EXPECT_EQ(&registry.getFluidModel("X"), static_cast<IFluidModel*>(&first));
  EXPECT_EQ(&registry.getFluidModel("Y"), static_cast<IFluidModel*>(&eos));

  // A name held by the other kind is refused, not renamed, and nothing changes.
  std::string const before = observe(registry);
  Cases const cases = {
      {[&] { registry.makeBlackOilModel("Y", false); }, "Could not find black oil fluid 'Y'."},
      {[&] { registry.makeCompositionalModel("X", false); },
       "Could not find compositional fluid 'X'."}};
  for (auto const& [call, message] : cases) {
    EXPECT_THROW_EXACT(call(), std::runtime_error, message);
    EXPECT_EQ(observe(registry), before);
  }
  // With unique naming the same request makes a new model beside the other kind.
  EXPECT_TRUE(isBlackOil(registry.makeBlackOilModel("Y", true)));
  EXPECT_EQ(registry.getFluidModelNames(), (Names{"X", "Y", "Y_1"}));
  EXPECT_TRUE(isBlackOil(registry.getFluidModel("Y_1")));
}

TEST(FluidModels, MissingObjectsRaiseTheirCollectionsErrorAndChangeNothing) {
  StdFluidModels registry;
  StdFluidModels const& view = registry;
  furnish(registry);
  std::string const before = observe(registry);
  Cases const cases = {
      {[&] { registry.getFluidModel(""); }, "Fluid model '' does not exist"},
      {[&] { view.getFluidModel("south"); }, "Fluid model 'south' does not exist"},
      {[&] { registry.deleteFluidModel("South "); }, "Fluid model 'South ' does not exist"},
      {[&] { registry.getSeparatorModel("Export", 2); },
       "Separator model 'Export', version '2' does not exist"},
      {[&] { view.getSeparatorModel("Export", 5); },
       "Separator model 'Export', version '5' does not exist"},
      {[&] { registry.deleteSeparatorModel("export", 0); },
       "Separator model 'export', version '0' does not exist"},
      {[&] { registry.getSeparatorModel("Export", static_cast<std::size_t>(-1)); },
       "Separator model 'Export', version '18446744073709551615' does not exist"},
      {[&] { registry.getTracerModel("South"); }, "Tracer model 'South' does not exist"},
      {[&] { view.getTracerModel("brine"); }, "Tracer model 'brine' does not exist"},
      {[&] { registry.deleteTracerModel(""); }, "Tracer model '' does not exist"},
  };
  for (auto const& [call, message] : cases) {
    EXPECT_THROW_EXACT(call(), std::runtime_error, message);
    EXPECT_EQ(observe(registry), before);
  }
  registry.deleteFluidModel("South");
  EXPECT_EQ(registry.getFluidModelNames(), Names{"North"});
  registry.deleteTracerModel("Brine");
  EXPECT_TRUE(registry.getTracerModelNames().empty());
}

TEST(FluidModels, SeparatorVersionsStayConsecutiveAndEmptiedNamesStayListed) {
  StdFluidModels registry;
  StdFluidModels const& view = registry;
  ISeparatorModel& v0 = registry.makeSeparatorModel("S");
  ISeparatorModel& v1 = registry.makeSeparatorModel("S");
  EXPECT_NE(&v0, &v1);
  EXPECT_EQ(&registry.getSeparatorModel("S", 1), &v1);
  EXPECT_EQ(&view.getSeparatorModel("S", 0), &v0);
  EXPECT_EQ(registry.getNumSeparatorModelVersions("Unknown"), 0u);
  registry.deleteSeparatorModel("S", 0);
  EXPECT_EQ(&registry.getSeparatorModel("S", 0), &v1);  // the former version 1
  EXPECT_FALSE(registry.hasSeparatorModel("S", 1));
  EXPECT_EQ(registry.getNumSeparatorModelVersions("S"), 1u);
  registry.deleteSeparatorModel("S", 0);
  EXPECT_EQ(registry.getSeparatorModelNames(), Names{"S"});
  EXPECT_FALSE(registry.hasSeparatorModel("S", 0));
  EXPECT_EQ(registry.getNumSeparatorModelVersions("S"), 0u);
  ISeparatorModel& again = registry.makeSeparatorModel("S");
  EXPECT_EQ(&registry.getSeparatorModel("S", 0), &again);
  registry.makeSeparatorModel("B");
  registry.makeSeparatorModel("a");
  EXPECT_EQ(registry.getSeparatorModelNames(), (Names{"B", "S", "a"}));

  // A library model is stored as a deep copy, as the next version of its name.
  StdSeparatorModel train("S");
  support::furnish(train, 1.0);
  ISeparatorModel& stored = registry.makeSeparatorModel(train);
  EXPECT_TRUE(stored == train);
  EXPECT_EQ(&registry.getSeparatorModel("S", 1), &stored);
  std::string const storedState = observe(stored);
  train.deleteStage(0);
  EXPECT_EQ(observe(stored), storedState);
  ISeparatorModel& next = registry.makeSeparatorModel(stored);  // a stored version too
  EXPECT_TRUE(next == stored);
  // A host's own model cannot be copied: std::bad_cast, and nothing is stored.
  std::string const before = observe(registry);
  support::HostSeparatorModel foreign;
  try {
    registry.makeSeparatorModel(foreign);
    ADD_FAILURE() << "a foreign separator model was accepted";
  } catch (std::exception const& e) {
    EXPECT_EQ(std::string(typeid(e).name()), std::string(typeid(std::bad_cast).name()));
  }
  EXPECT_EQ(observe(registry), before);
}

TEST(FluidModels, TracerAndTrackingModelsAreMadeFreshAndDeletedQuietly) {
  StdFluidModels registry;
  StdFluidModels const& view = registry;
  support::furnish(registry.makeTracerModel("T"), 1.0);
  registry.makeTracerModel("B");
  ITracerModel& second = registry.makeTracerModel("T");  // replaces the first
  EXPECT_EQ(&registry.getTracerModel("T"), &second);
  EXPECT_EQ(observe(second), observe(StdTracerModel("T")));
  EXPECT_EQ(registry.getTracerModelNames(), (Names{"B", "T"}));

  EXPECT_EQ(registry.getTrackingModel(), nullptr);
  registry.deleteTrackingModel();  // none there: nothing happens
  support::fill(registry.makeTrackingModel(), 1.0);
  ITrackingModel& fresh = registry.makeTrackingModel();
  EXPECT_EQ(view.getTrackingModel(), &fresh);
  EXPECT_EQ(observe(fresh), observe(StdTrackingModel()));
  registry.deleteTrackingModel();
  EXPECT_EQ(view.getTrackingModel(), nullptr);
}

TEST(FluidModels, ConstLookupsGoThroughTheOverridableOnes) {
  CountingRegistry registry;
  furnish(registry);
  CountingRegistry const& view = registry;
  EXPECT_EQ(&view.getFluidModel("South"), &registry.StdFluidModels::getFluidModel("South"));
  EXPECT_EQ(&view.getSeparatorModel("Export", 1),
            &registry.StdFluidModels::getSeparatorModel("Export", 1));
  EXPECT_EQ(&view.getTracerModel("Brine"), &registry.StdFluidModels::getTracerModel("Brine"));
  EXPECT_EQ(registry.lookups, 3);
}
