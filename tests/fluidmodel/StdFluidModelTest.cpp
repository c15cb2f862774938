// The fluid-model base is compiled into the library once per model kind; here it is
// instantiated for the bare fluid-model interface, which it implements completely.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "Orv/Tess/Varnak.h"
#include "fluidmodel/StdFluidModelImpl.h"
#include "support/Support.h"

namespace Orv::Tess::Varnak {
template class StdFluidModel<IFluidModel>;
}  // namespace Orv::Tess::Varnak

using namespace Orv::Tess::Varnak;
using support::observe;
using Model = StdFluidModel<IFluidModel>;
using TemperatureProperty = IFluidModel::TemperatureTableProperty;
using Names = std::set<std::string>;

namespace {

TemperatureProperty temperatureKey(int value) { return static_cast<TemperatureProperty>(value); }

// A furnished model (water, two initial conditions, two temperature tables) without its
// temperature tables: what a copy of a furnished model holds.
Model furnishedWithoutTemperatureTables(double seed) {
  Model m("Field");
  support::furnish(m, seed);
  for (int key : support::tableKeys()) m.deleteTemperatureTable(temperatureKey(key));
  return m;
}

}  // namespace

TEST(StdFluidModel, OwnsAtMostOneWaterPropertiesAndNamesInitialConditionsUniquely) {
  Model model("Field");
  Model const& view = model;
  EXPECT_EQ(Model().getName(), "");
  EXPECT_EQ(observe(model), observe(Model("Field")));
  model.deleteWaterProperties();  // nothing to delete
  IWaterProperties& first = model.makeWaterProperties();
  support::furnish(first, 1.0);
  IWaterProperties& second = model.makeWaterProperties();  // replaces the present ones
  EXPECT_EQ(view.getWaterProperties(), &second);
  EXPECT_EQ(observe(second), observe(StdWaterProperties()));
  model.deleteWaterProperties();
  EXPECT_EQ(model.getWaterProperties(), nullptr);

  // A taken name gets the smallest free suffix on the requested name itself; names sort
  // by byte value.
  for (auto [request, made] : std::vector<std::pair<char const*, char const*>>{{"IC", "IC"},
                                                                               {"IC", "IC_1"},
                                                                               {"IC", "IC_2"},
                                                                               {"IC_1", "IC_1_1"},
                                                                               {"", ""},
                                                                               {"", "_1"},
                                                                               {"b", "b"},
                                                                               {"B", "B"}}) {
    EXPECT_EQ(model.makeInitialCondition(request).getName(), made) << request;
  }
  model.deleteInitialCondition("IC_1");
  EXPECT_EQ(model.makeInitialCondition("IC").getName(), "IC_1");
  EXPECT_EQ(model.makeInitialCondition("IC").getName(), "IC_3");
  EXPECT_EQ(model.getInitialConditionNames(),
            (Names{"", "B", "IC", "IC_1", "IC_1_1", "IC_2", "IC_3", "_1", "b"}));
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

  auto const before = observe(model);
  for (std::string name : {"north", "West", "", "North "}) {
    std::string const text = "Initial condition '" + name + "' does not exist";
    EXPECT_THROW_EXACT(model.getInitialCondition(name), std::runtime_error, text);
    EXPECT_THROW_EXACT(view.getInitialCondition(name), std::runtime_error, text);
    EXPECT_THROW_EXACT(model.deleteInitialCondition(name), std::runtime_error, text);
  }
  EXPECT_EQ(observe(model), before);
  model.deleteInitialCondition("South");
  EXPECT_EQ(model.getInitialConditionNames(), (Names{"North", "North_1"}));
}

TEST(StdFluidModel, MakesTemperatureTablesOnDemandAndReportsMissingOnes) {
  Model model("Field");
  Model const& view = model;
  auto const before = observe(model);
  for (int p : {0, 6, -1, 42}) {
    EXPECT_FALSE(view.hasTemperatureTable(temperatureKey(p)));
    EXPECT_THROW_EXACT(view.getTemperatureTable(temperatureKey(p)), std::range_error,
                       "Fluid does not have Temperature table " + std::to_string(p));
  }
  EXPECT_EQ(observe(model), before);

  ITemperatureTable& gas = model.getTemperatureTable(TemperatureProperty::GasViscosity);
  EXPECT_EQ(gas.getNumTemperatures(), 0);
  EXPECT_TRUE(model.hasTemperatureTable(temperatureKey(1)));
  EXPECT_EQ(&view.getTemperatureTable(TemperatureProperty::GasViscosity), &gas);
  EXPECT_EQ(&model.getTemperatureTable(TemperatureProperty::GasViscosity), &gas);
  model.getTemperatureTable(temperatureKey(-1));                    // any integer is a key
  model.deleteTemperatureTable(TemperatureProperty::OilViscosity);  // absent: nothing happens
  model.deleteTemperatureTable(temperatureKey(-1));
  EXPECT_FALSE(model.hasTemperatureTable(temperatureKey(-1)));
  EXPECT_EQ(&view.getTemperatureTable(TemperatureProperty::GasViscosity), &gas);
}

TEST(StdFluidModel, CopiesDuplicateAllButTheTemperatureTables) {
  Model source("Field");
  support::furnish(source, 1.0);
  auto const sourceState = observe(source);
  auto const copied = observe(furnishedWithoutTemperatureTables(1.0));

  Model copy(source);
  EXPECT_EQ(observe(copy), copied);
  // The copy's children are its own.
  Names const conditions = copy.getInitialConditionNames();
  ASSERT_EQ(conditions.size(), 2u);
  copy.getWaterProperties()->setViscosity(9.0);
  copy.getInitialCondition(*conditions.begin()).setDatumDepth(-1.0);
  copy.deleteInitialCondition(*conditions.rbegin());
  EXPECT_EQ(observe(source), sourceState);
  Model const dry("Dry");
  EXPECT_EQ(Model(dry).getWaterProperties(), nullptr);

  // Assignment replaces everything but the target's temperature tables.
  Model target("Target");
  target.makeInitialCondition("Old");
  target.makeWaterProperties();
  support::fill(target.getTemperatureTable(TemperatureProperty::GasViscosity), 2.0);
  Model expected = furnishedWithoutTemperatureTables(1.0);
  support::fill(expected.getTemperatureTable(TemperatureProperty::GasViscosity), 2.0);
  target = source;
  EXPECT_EQ(observe(target), observe(expected));
  target.getWaterProperties()->setViscosity(9.0);
  EXPECT_EQ(observe(source), sourceState);

  // A source without water properties takes the target's away.
  target = dry;
  Model expectedDry("Dry");
  support::fill(expectedDry.getTemperatureTable(TemperatureProperty::GasViscosity), 2.0);
  EXPECT_EQ(observe(target), observe(expectedDry));

  // Assigning a model to itself keeps everything, the references included.
  IWaterProperties* water = source.getWaterProperties();
  Model const& alias = source;
  source = alias;
  EXPECT_EQ(observe(source), sourceState);
  EXPECT_EQ(source.getWaterProperties(), water);
}
