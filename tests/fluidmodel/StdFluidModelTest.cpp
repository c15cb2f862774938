// The fluid-model base is compiled into the library once per model kind; here it is
// instantiated for the bare fluid-model interface, which it implements completely.
#include <gtest/gtest.h>

#include <locale>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "Orv/Tess/Varnak/IDepthTable.h"
#include "Orv/Tess/Varnak/ITemperatureTable.h"
#include "fluidmodel/StdFluidModelImpl.h"
#include "initial/DepthTableState.h"
#include "support/Expect.h"
#include "water/WaterState.h"

namespace Orv::Tess::Varnak {
template class StdFluidModel<IFluidModel>;
}  // namespace Orv::Tess::Varnak

using namespace Orv::Tess::Varnak;
using Model = StdFluidModel<IFluidModel>;
using TemperatureProperty = IFluidModel::TemperatureTableProperty;
using DepthProperty = IInitialCondition::Property;

namespace {

TemperatureProperty temperatureKey(int value) { return static_cast<TemperatureProperty>(value); }

// Groups digits in threes with a comma, as many national locales do.
struct ThousandsGrouping : std::numpunct<char> {
  char do_thousands_sep() const override { return ','; }
  std::string do_grouping() const override { return "\3"; }
};

// Installs a grouping global locale, as a host program may, for one test.
class GroupingGlobalLocale {
 public:
  // The locale owns (and deletes) the facet it is given.
  GroupingGlobalLocale()
      : saved_(std::locale::global(std::locale(std::locale::classic(), new ThousandsGrouping))) {}
  ~GroupingGlobalLocale() { std::locale::global(saved_); }
  GroupingGlobalLocale(GroupingGlobalLocale const&) = delete;
  GroupingGlobalLocale& operator=(GroupingGlobalLocale const&) = delete;

 private:
  std::locale saved_;
};

// Everything a host can observe of a model, through its interface alone.
struct ModelState {
  std::string name;
  bool hasWater = false;
  waterstate::WaterState water;
  std::set<std::string> initialConditions;
  std::vector<std::vector<double>> initialConditionContent;
  std::vector<std::vector<double>> temperatureTables;  // key, then the table

  bool operator==(ModelState const& o) const {
    return name == o.name && hasWater == o.hasWater && water == o.water &&
           initialConditions == o.initialConditions &&
           initialConditionContent == o.initialConditionContent &&
           temperatureTables == o.temperatureTables;
  }
};

ModelState snapshot(IFluidModel& model) {
  ModelState s;
  s.name = model.getName();
  if (IWaterProperties const* water = model.getWaterProperties()) {
    s.hasWater = true;
    s.water = waterstate::snapshot(*water);
  }
  s.initialConditions = model.getInitialConditionNames();
  for (auto const& name : s.initialConditions) {
    IInitialCondition const& ic = static_cast<IFluidModel const&>(model).getInitialCondition(name);
    std::vector<double> content{ic.getDatumDepth(), ic.getDatumPressure(),
                                ic.getGasOilContactDepth(), ic.getWaterContactDepth()};
    for (int p = 0; p < 12; ++p) {
      auto const key = static_cast<DepthProperty>(p);
      if (!ic.hasDepthTable(key)) continue;
      content.push_back(p);
      auto const table = depthstate::snapshot(ic.getDepthTable(key));
      content.insert(content.end(), table.begin(), table.end());
    }
    s.initialConditionContent.push_back(content);
  }
  IFluidModel const& view = model;
  for (int p = -2; p < 10; ++p) {
    if (!view.hasTemperatureTable(temperatureKey(p))) continue;
    ITemperatureTable const& t = view.getTemperatureTable(temperatureKey(p));
    std::vector<double> row{static_cast<double>(p), static_cast<double>(t.getNumTemperatures()),
                            static_cast<double>(t.getNumComponents())};
    for (int r = 0; r < t.getNumTemperatures(); ++r) {
      row.push_back(t.getTemperature(r));
      for (int c = 0; c < t.getNumComponents(); ++c) row.push_back(t.getProperty(r, c));
    }
    s.temperatureTables.push_back(row);
  }
  return s;
}

// A model with a bit of everything: water with a salt, two initial conditions (one with
// a depth table) and a viscosity-temperature table.
void furnish(IFluidModel& model) {
  IWaterProperties& water = model.makeWaterProperties();
  water.setViscosity(0.45);
  water.makeBrineComponent(IBrineComponent::SaltMoleculeType::NACL);
  IInitialCondition& ic = model.makeInitialCondition("EQL");
  ic.setDatumDepth(2000.0);
  depthstate::fill(ic.getDepthTable(DepthProperty::SolutionGasOilRatio),
                   {{1900.0, 90.0}, {2100.0, 110.0}});
  model.makeInitialCondition("EQL");
  ITemperatureTable& t = model.getTemperatureTable(TemperatureProperty::OilViscosity);
  t.setNumComponents(1);
  t.setNumTemperatures(1);
  t.setTemperature(0, 80.0);
  t.setProperty(0, 0, 1.8);
}

}  // namespace

TEST(StdFluidModel, StartsWithOnlyItsName) {
  Model model("Field");
  EXPECT_EQ(model.getName(), "Field");
  EXPECT_EQ(Model().getName(), "");
  EXPECT_EQ(model.getWaterProperties(), nullptr);
  EXPECT_EQ(static_cast<Model const&>(model).getWaterProperties(), nullptr);
  EXPECT_TRUE(model.getInitialConditionNames().empty());
  EXPECT_TRUE(snapshot(model).temperatureTables.empty());
}

TEST(StdFluidModel, MakingWaterPropertiesReplacesThePresentOnes) {
  Model model("Field");
  model.deleteWaterProperties();  // nothing to delete
  IWaterProperties& first = model.makeWaterProperties();
  EXPECT_EQ(model.getWaterProperties(), &first);
  first.setSurfaceDensity(1025.0);
  first.makeBrineComponent(IBrineComponent::SaltMoleculeType::KCL);

  IWaterProperties& second = model.makeWaterProperties();
  EXPECT_EQ(model.getWaterProperties(), &second);
  EXPECT_EQ(waterstate::snapshot(second), waterstate::snapshot(StdWaterProperties()));
  EXPECT_EQ(static_cast<Model const&>(model).getWaterProperties(), &second);
  model.deleteWaterProperties();
  EXPECT_EQ(model.getWaterProperties(), nullptr);
}

TEST(StdFluidModel, NamesInitialConditionsUniquelyAndReusesFreedSuffixes) {
  Model model("Field");
  struct Step {
    char const* request;
    char const* made;
  };
  for (Step step : std::vector<Step>{{"IC", "IC"},
                                     {"IC", "IC_1"},
                                     {"IC", "IC_2"},
                                     {"IC_1", "IC_1_1"},
                                     {"", ""},
                                     {"", "_1"}}) {
    EXPECT_EQ(model.makeInitialCondition(step.request).getName(), step.made) << step.request;
  }
  model.deleteInitialCondition("IC_1");
  EXPECT_EQ(model.makeInitialCondition("IC").getName(), "IC_1");
  EXPECT_EQ(model.makeInitialCondition("IC").getName(), "IC_3");
  EXPECT_EQ(model.getInitialConditionNames(),
            (std::set<std::string>{"", "IC", "IC_1", "IC_1_1", "IC_2", "IC_3", "_1"}));

  // Names sort by byte value: upper case before lower case.
  Model sorted("Sorted");
  for (char const* name : {"b", "a", "B"}) sorted.makeInitialCondition(name);
  EXPECT_EQ(*sorted.getInitialConditionNames().begin(), "B");
}

TEST(StdFluidModel, LooksUpInitialConditionsByNameAndReportsMissingOnes) {
  Model model("Field");
  IInitialCondition& north = model.makeInitialCondition("North");
  model.makeInitialCondition("South");
  Model const& view = model;
  EXPECT_EQ(&model.getInitialCondition("North"), &north);
  EXPECT_EQ(&view.getInitialCondition("North"), &north);
  model.makeInitialCondition("North");  // a new "North_1": the first one stays in place
  EXPECT_EQ(&model.getInitialCondition("North"), &north);

  auto const before = snapshot(model);
  for (std::string name : {"north", "West", "", "North "}) {
    std::string const text = "Initial condition '" + name + "' does not exist";
    EXPECT_THROW_EXACT(model.getInitialCondition(name), std::runtime_error, text);
    EXPECT_THROW_EXACT(view.getInitialCondition(name), std::runtime_error, text);
    EXPECT_THROW_EXACT(model.deleteInitialCondition(name), std::runtime_error, text);
  }
  EXPECT_EQ(snapshot(model), before);

  model.deleteInitialCondition("South");
  EXPECT_EQ(model.getInitialConditionNames(), (std::set<std::string>{"North", "North_1"}));
}

TEST(StdFluidModel, MakesTemperatureTablesOnDemandAndReportsMissingOnes) {
  Model model("Field");
  Model const& view = model;
  auto const before = snapshot(model);
  for (int p : {0, 6, -1, 42}) {
    EXPECT_FALSE(view.hasTemperatureTable(temperatureKey(p)));
    EXPECT_THROW_EXACT(view.getTemperatureTable(temperatureKey(p)), std::range_error,
                       "Fluid does not have Temperature table " + std::to_string(p));
  }
  EXPECT_EQ(snapshot(model), before);

  ITemperatureTable& gas = model.getTemperatureTable(TemperatureProperty::GasViscosity);
  EXPECT_EQ(gas.getNumTemperatures(), 0);
  EXPECT_EQ(gas.getNumComponents(), 0);
  EXPECT_TRUE(model.hasTemperatureTable(temperatureKey(1)));
  EXPECT_EQ(&view.getTemperatureTable(TemperatureProperty::GasViscosity), &gas);
  EXPECT_EQ(&model.getTemperatureTable(TemperatureProperty::GasViscosity), &gas);

  model.getTemperatureTable(temperatureKey(-1));                    // any integer is a key
  model.deleteTemperatureTable(TemperatureProperty::OilViscosity);  // absent: nothing happens
  model.deleteTemperatureTable(temperatureKey(-1));
  EXPECT_FALSE(model.hasTemperatureTable(temperatureKey(-1)));
  EXPECT_EQ(&view.getTemperatureTable(TemperatureProperty::GasViscosity), &gas);
}

TEST(StdFluidModel, CopyConstructionDuplicatesAllButTheTemperatureTables) {
  Model source("Field");
  furnish(source);
  auto const sourceState = snapshot(source);

  Model copy(source);
  auto expected = sourceState;
  expected.temperatureTables.clear();
  EXPECT_EQ(snapshot(copy), expected);
  EXPECT_NE(copy.getWaterProperties(), source.getWaterProperties());
  EXPECT_NE(&copy.getInitialCondition("EQL"), &source.getInitialCondition("EQL"));

  // The copy's children are its own.
  copy.getWaterProperties()->setViscosity(9.0);
  copy.getInitialCondition("EQL")
      .getDepthTable(DepthProperty::SolutionGasOilRatio)
      .setDepth(0, 0.0);
  copy.deleteInitialCondition("EQL_1");
  EXPECT_EQ(snapshot(source), sourceState);

  Model dry("Dry");
  EXPECT_EQ(Model(dry).getWaterProperties(), nullptr);
}

TEST(StdFluidModel, CopyAssignmentReplacesAllButTheTargetsTemperatureTables) {
  Model source("Field");
  furnish(source);
  Model target("Target");
  target.makeInitialCondition("Old");
  target.makeWaterProperties().setPressure(1.0);
  target.getTemperatureTable(TemperatureProperty::VaporPressure).setNumComponents(4);
  auto const targetTables = snapshot(target).temperatureTables;

  target = source;
  auto expected = snapshot(source);
  expected.temperatureTables = targetTables;
  EXPECT_EQ(snapshot(target), expected);
  EXPECT_NE(target.getWaterProperties(), source.getWaterProperties());

  // A source without water properties takes the target's away.
  Model dry("Dry");
  target = dry;
  EXPECT_EQ(target.getName(), "Dry");
  EXPECT_EQ(target.getWaterProperties(), nullptr);
  EXPECT_TRUE(target.getInitialConditionNames().empty());
  EXPECT_EQ(snapshot(target).temperatureTables, targetTables);

  // Assigning a model to itself keeps everything, the references included.
  IWaterProperties* water = source.getWaterProperties();
  auto const state = snapshot(source);
  Model const& alias = source;
  source = alias;
  EXPECT_EQ(snapshot(source), state);
  EXPECT_EQ(source.getWaterProperties(), water);
}

TEST(StdFluidModel, WritesNumbersInPlainDecimalWhateverTheHostsLocale) {
  GroupingGlobalLocale grouping;
  Model model("Field");
  Model const& view = model;
  IWaterProperties& water = model.makeWaterProperties();
  water.makeBrinePropertyTable();
  IBrinePropertyTable const& brine = *water.getBrinePropertyTable();
  IInitialCondition const& ic = model.makeInitialCondition("IC");

  EXPECT_THROW_EXACT(view.getTemperatureTable(temperatureKey(12345)), std::range_error,
                     "Fluid does not have Temperature table 12345");
  EXPECT_THROW_EXACT(ic.getDepthTable(static_cast<DepthProperty>(-5000)), std::range_error,
                     "Initial condition does not have depth table -5000");
  EXPECT_THROW_EXACT(brine.getViscosity(1234567), std::range_error,
                     "Invalid index (1234567) in StdBrinePropertyTable.");
  EXPECT_THROW_EXACT(water.getBrineComponent(-2000), std::range_error,
                     "Invalid IBrineComponent index (-2000) passed to IWaterProperties.");

  // The suffixes of taken initial-condition names are numbers too.
  for (int k = 1; k < 1000; ++k) model.makeInitialCondition("IC");
  EXPECT_EQ(model.makeInitialCondition("IC").getName(), "IC_1000");
}
