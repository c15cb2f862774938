// The deck import as a host uses it: decks written for these tests (beside this file, and
// small failing ones inline), imported into a registry, read back through the interfaces.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Orv/Tess/Varnak.h"
#include "Orv/Tess/Varnak/Deck/DeckImport.h"

namespace {

using namespace Orv::Tess::Varnak;
using Deck::DeckError;
using Deck::ImportReport;
using Property = IInitialCondition::Property;

std::string deckPath(std::string const& name) { return std::string(ORV_DECK_DIR) + "/" + name; }

IBlackOilModel& blackOil(IFluidModels& models, std::string const& name) {
  return dynamic_cast<IBlackOilModel&>(models.getFluidModel(name));
}

// Depth and value of each row of a one-component depth table, flattened.
std::vector<double> rows(IDepthTable const& table) {
  std::vector<double> values;
  for (int d = 0; d < table.getNumDepths(); ++d) {
    values.push_back(table.getDepth(d));
    values.push_back(table.getProperty(d, 0));
  }
  return values;
}

TEST(DeckImport, MetricDeckFillsEveryTableInTheDecksUnits) {
  StdFluidModels models;
  ImportReport const report = Deck::importDeckFile(models, deckPath("METRIC.DATA"), "CASE");
  EXPECT_EQ(report.unitSystem, "METRIC");
  EXPECT_EQ(report.modelName, "CASE");
  EXPECT_EQ(report.initialConditions, (std::vector<std::string>{"EQUIL_1", "EQUIL_2"}));
  EXPECT_EQ(report.tracers, (std::vector<std::string>{"SEA"}));
  EXPECT_EQ(report.notImported, (std::vector<std::string>{
                                    "DENSITY (region 2): gas and water", "PVTG (region 2)",
                                    "PVTW (region 2)", "PVTWSALT (region 2)", "BDENSITY (region 2)",
                                    "SDENSITY (region 2)", "PVDS (region 2)", "ZMFVD"}));

  auto& model = blackOil(models, "CASE");
  EXPECT_EQ(model.oilDensity(), 850.0);
  EXPECT_EQ(model.gasDensity(), 0.90);
  ASSERT_EQ(model.getNumOfOilTables(), 2);
  auto const& oil1 = *model.getOilTable(1);
  EXPECT_EQ(oil1.getSurfaceDensity(), 850.0);
  ASSERT_EQ(oil1.getSaturatedSize(), 2);
  ASSERT_EQ(oil1.getUndersaturatedSize(0), 3);
  EXPECT_EQ(oil1.getUndersaturatedSize(1), 2);
  EXPECT_DOUBLE_EQ(oil1.getGasOilRatio(1), 60.0);
  EXPECT_DOUBLE_EQ(oil1.getPressure(0, 2), 250.0);
  EXPECT_DOUBLE_EQ(oil1.getFormationVolumeFactor(0, 1), 1.08);
  EXPECT_DOUBLE_EQ(oil1.getViscosity(1, 1), 1.00);
  auto const& oil2 = *model.getOilTable(2);
  EXPECT_EQ(oil2.getSurfaceDensity(), 870.0);
  EXPECT_DOUBLE_EQ(oil2.getPressure(0, 1), 180.0);

  auto const* gas = model.getGasTable();
  ASSERT_NE(gas, nullptr);
  EXPECT_EQ(dynamic_cast<IDryGasTable const*>(gas), nullptr);
  ASSERT_EQ(gas->getSaturatedSize(), 2);
  EXPECT_DOUBLE_EQ(gas->getPressure(1), 150.0);
  EXPECT_DOUBLE_EQ(gas->getOilGasRatio(1, 0), 0.0004);
  EXPECT_DOUBLE_EQ(gas->getFormationVolumeFactor(0, 1), 0.0238);
  EXPECT_DOUBLE_EQ(gas->getViscosity(1, 1), 0.0185);
  EXPECT_EQ(gas->getSurfaceDensity(), 0.90);

  auto const* water = model.getWaterProperties();
  ASSERT_NE(water, nullptr);
  EXPECT_EQ(water->getSurfaceDensity(), 1010.0);
  EXPECT_DOUBLE_EQ(water->getPressure(), 200.0);
  EXPECT_DOUBLE_EQ(water->getFormationVolumeFactor(), 1.02);
  EXPECT_DOUBLE_EQ(water->getCompressibility(), 4.5e-5);
  EXPECT_DOUBLE_EQ(water->getViscosity(), 0.50);
  EXPECT_DOUBLE_EQ(water->getViscosibility(), 1.0e-5);
  EXPECT_TRUE(water->hasBrineComponent(IBrineComponent::SaltMoleculeType::NACL));
  auto const* brine = water->getBrinePropertyTable();
  ASSERT_NE(brine, nullptr);
  ASSERT_EQ(brine->getTableSize(), 2);
  EXPECT_DOUBLE_EQ(brine->getReferencePressure(), 200.0);
  EXPECT_DOUBLE_EQ(brine->getSaltConcentration(1), 50.0);
  EXPECT_DOUBLE_EQ(brine->getBrineSurfaceDensity(1), 1045.0);
  EXPECT_DOUBLE_EQ(brine->getCompressibility(1), 4.0e-5);
  EXPECT_DOUBLE_EQ(brine->getViscosity(1), 0.60);

  auto const* solvent = model.getSolventTable();
  ASSERT_NE(solvent, nullptr);
  EXPECT_DOUBLE_EQ(solvent->getSurfaceDensity(), 1.1);
  ASSERT_EQ(solvent->getSize(), 2);
  EXPECT_DOUBLE_EQ(solvent->getPressure(1), 150.0);
  EXPECT_DOUBLE_EQ(solvent->getFormationVolumeFactor(1), 0.007);
  auto const* miscibility = model.getMiscibilityTable();
  ASSERT_NE(miscibility, nullptr);
  EXPECT_DOUBLE_EQ(miscibility->getViscosityMixingParameter(), 0.6);
  EXPECT_DOUBLE_EQ(miscibility->getDensityMixingParameter(), 0.7);
  ASSERT_EQ(miscibility->getSize(), 2);
  EXPECT_DOUBLE_EQ(miscibility->getOilPressure(1), 200.0);
  EXPECT_DOUBLE_EQ(miscibility->getMiscibility(1), 1.0);

  auto const& second = static_cast<IBlackOilModel const&>(model).getInitialCondition("EQUIL_2");
  EXPECT_DOUBLE_EQ(second.getDatumDepth(), 2300.0);
  EXPECT_DOUBLE_EQ(second.getDatumPressure(), 230.0);
  EXPECT_DOUBLE_EQ(second.getWaterContactDepth(), 2400.0);
  EXPECT_DOUBLE_EQ(second.getGasOilContactDepth(), 2250.0);
  auto const& first = static_cast<IBlackOilModel const&>(model).getInitialCondition("EQUIL_1");
  EXPECT_DOUBLE_EQ(first.getWaterContactCapillaryPressure(), 0.1);
  EXPECT_DOUBLE_EQ(first.getGasOilContactCapillaryPressure(), 0.2);
  struct Expected {
    Property property;
    std::vector<double> rows;
  };
  for (auto const& expected :
       std::vector<Expected>{{Property::SolutionGasOilRatio, {2200, 30, 2400, 28}},
                             {Property::VaporizedOilGasRatio, {2200, 0.0003, 2400, 0.0002}},
                             {Property::BubblePointPressure, {2200, 80, 2400, 75}},
                             {Property::DewPointPressure, {2200, 160, 2400, 155}},
                             {Property::SaltConcentration, {2200, 30, 2400, 40}},
                             {Property::Temperature, {2200, 90, 2400, 95}}}) {
    auto const actual = rows(second.getDepthTable(expected.property));
    ASSERT_EQ(actual.size(), expected.rows.size()) << static_cast<int>(expected.property);
    for (std::size_t i = 0; i < actual.size(); ++i) {
      EXPECT_NEAR(actual[i], expected.rows[i], 1e-9 * std::abs(expected.rows[i]))
          << static_cast<int>(expected.property);
    }
  }

  auto& tracer = models.getTracerModel("SEA");
  EXPECT_EQ(tracer.getComponentName(), "WATER");
  auto const* concentration =
      tracer.getDepthTable(ITracerModel::DepthTableType::FreePhaseConcentration, 0);
  ASSERT_NE(concentration, nullptr);
  ASSERT_EQ(concentration->getNumDepths(), 2);
  EXPECT_DOUBLE_EQ(concentration->getDepth(1), 2400.0);
  EXPECT_DOUBLE_EQ(concentration->getConcentration(1), 1.0);
}

TEST(DeckImport, FieldDeckKeepsFieldUnitsAndDeadKinds) {
  StdFluidModels models;
  models.makeBlackOilModel("CASE", false);
  ImportReport const report = Deck::importDeckFile(models, deckPath("FIELD.DATA"), "CASE");
  EXPECT_EQ(report.unitSystem, "FIELD");
  EXPECT_EQ(report.modelName, "CASE_1");  // the name was taken
  EXPECT_EQ(report.notImported,
            (std::vector<std::string>{"GRAVITY (region 2): gas and water", "PVDG (region 2)",
                                      "PVTW (region 2)", "OILVISCT"}));
  auto& model = blackOil(models, "CASE_1");
  // GRAVITY: API 35 is 141.5 / (131.5 + 35) times the density of water, 62.428 lb/ft3.
  EXPECT_NEAR(model.oilDensity(), 141.5 / 166.5 * 62.428, 0.01);
  for (int region : {1, 2}) {
    auto const* dead = dynamic_cast<IDeadOilTable const*>(model.getOilTable(region));
    ASSERT_NE(dead, nullptr) << region;
    EXPECT_DOUBLE_EQ(dead->getDissolvedGas(), 0.35);  // RSCONST, Mscf/stb
    EXPECT_DOUBLE_EQ(dead->getBubblePointPressure(), 900.0);
    ASSERT_EQ(dead->getSaturatedSize(), 1);
    EXPECT_DOUBLE_EQ(dead->getGasOilRatio(0), 0.35);
    ASSERT_EQ(dead->getUndersaturatedSize(0), 2);
  }
  auto const& region2 = *model.getOilTable(2);
  EXPECT_DOUBLE_EQ(region2.getPressure(0, 1), 4000.0);
  EXPECT_DOUBLE_EQ(region2.getFormationVolumeFactor(0, 1), 1.22);
  EXPECT_DOUBLE_EQ(region2.getViscosity(0, 1), 1.55);
  EXPECT_GT(region2.getSurfaceDensity(), model.getOilTable(1)->getSurfaceDensity());

  auto const* gas = dynamic_cast<IDryGasTable const*>(model.getGasTable());
  ASSERT_NE(gas, nullptr);
  EXPECT_DOUBLE_EQ(gas->getVaporizedOil(), 0.002);  // RVCONST, stb/Mscf
  EXPECT_DOUBLE_EQ(gas->getDewPointPressure(), 950.0);
  ASSERT_EQ(gas->getSaturatedSize(), 2);
  EXPECT_DOUBLE_EQ(gas->getPressure(1), 3000.0);
  EXPECT_DOUBLE_EQ(gas->getFormationVolumeFactor(0, 0), 3.00);  // rb/Mscf
  EXPECT_DOUBLE_EQ(gas->getOilGasRatio(1, 0), 0.002);

  EXPECT_DOUBLE_EQ(model.getWaterProperties()->getCompressibility(), 3.0e-6);  // 1/psi
  auto const& condition = static_cast<IBlackOilModel const&>(model).getInitialCondition("EQUIL_1");
  EXPECT_DOUBLE_EQ(condition.getDatumDepth(), 7000.0);
  EXPECT_DOUBLE_EQ(condition.getDatumPressure(), 3000.0);
  auto const temperature = rows(condition.getDepthTable(Property::Temperature));
  ASSERT_EQ(temperature.size(), 4u);
  EXPECT_NEAR(temperature[3], 190.0, 1e-9);  // deg F
}

// What a host can see of a registry: its model names and a tracer's content.
struct RegistryState {
  std::set<std::string> models;
  std::set<std::string> tracers;
  std::string seaComponent;
  int seaTables;
  bool operator==(RegistryState const& other) const {
    return models == other.models && tracers == other.tracers &&
           seaComponent == other.seaComponent && seaTables == other.seaTables;
  }
};

RegistryState stateOf(IFluidModels& models) {
  auto& sea = models.getTracerModel("SEA");
  return {models.getFluidModelNames(), models.getTracerModelNames(), sea.getComponentName(),
          sea.getNumOfDepthTables()};
}

std::string const kHead =
    "RUNSPEC\nMETRIC\nTABDIMS\n 1 1 /\nEQLDIMS\n 1 /\nTRACERS\n 0 1 0 /\nPROPS\n"
    "TRACER\n SEA WAT /\n/\n";

TEST(DeckImport, EachFailureRaisesDeckErrorAndLeavesTheRegistryAsItWas) {
  struct Case {
    char const* what;
    std::string deck;  // deck text, or a path when `isPath`
    bool isPath;
    std::vector<std::string> messageParts;
  };
  std::vector<Case> const cases = {
      {"missing file",
       deckPath("NO_SUCH.DATA"),
       true,
       {"Could not open deck file '", "NO_SUCH.DATA'"}},
      {"a directory", deckPath(""), true, {"Could not open deck file '"}},
      {"parse error",
       kHead + "PVDG\n 100 1.0 0.01\n 200 x 0.02 /\n",
       false,
       {"Problem with keyword PVDG", "line 13", "Malformed floating point number 'x'"}},
      {"more tables than TABDIMS allows",
       kHead + "PVDG\n 100 1.0 0.01 /\n 200 0.5 0.02 /\n",
       false,
       {"Problem with keyword PVDG", "line 15", "Too many records"}},
      {"fewer tables than TABDIMS asks",
       "RUNSPEC\nTABDIMS\n 1 2 /\nPROPS\nPVDG\n 100 1.0 0.01 /\nPVTW\n 1 1 1 1 1 /\n",
       false,
       {"Problem with keyword PVDG", "line 5", "Malformed floating point number 'PVTW'"}},
      {"a row that does not fill its columns",
       kHead + "PVDG\n 100 1.0 0.01 7 /\n",
       false,
       {"Number of input table elements (4) is not a multiple", "(3)"}},
      {"pressures OPM rejects",
       kHead + "PVDG\n 200 1.0 0.01\n 100 2.0 0.02 /\n",
       false,
       {"Problem with keyword PVDG", "line 13", "Incorrect ordering of values in column: P"}},
  };
  for (auto const& c : cases) {
    StdFluidModels models;
    models.makeBlackOilModel("CASE", false);
    auto& sea = models.makeTracerModel("SEA");
    sea.setComponentName("OIL");
    sea.makeDepthTable(ITracerModel::DepthTableType::FreePhaseConcentration, 0);
    RegistryState const before = stateOf(models);
    try {
      if (c.isPath) {
        Deck::importDeckFile(models, c.deck, "CASE");
      } else {
        Deck::importDeckString(models, c.deck, "CASE");
      }
      ADD_FAILURE() << c.what << ": no exception";
    } catch (DeckError const& e) {
      for (auto const& part : c.messageParts) {
        EXPECT_NE(std::string(e.what()).find(part), std::string::npos)
            << c.what << ": '" << part << "' not in: " << e.what();
      }
    }
    EXPECT_TRUE(stateOf(models) == before) << c.what;
  }
}

TEST(DeckImport, ImportReplacesTracersOfTheSameNameAndReportsUnknownKeywords) {
  StdFluidModels models;
  models.makeTracerModel("SEA").setComponentName("OIL");
  auto const report = Deck::importDeckString(
      models, kHead + "NOSUCHKW\n 1 2 3 /\nPVDG\n 100 1.0 0.01\n 200 0.5 0.02 /\n", "CASE");
  EXPECT_EQ(report.notImported, std::vector<std::string>{"NOSUCHKW"});
  EXPECT_EQ(models.getTracerModel("SEA").getComponentName(), "WATER");
  EXPECT_TRUE(report.initialConditions.empty());
  auto const* gas = dynamic_cast<IDryGasTable const*>(blackOil(models, "CASE").getGasTable());
  ASSERT_NE(gas, nullptr);
  EXPECT_DOUBLE_EQ(gas->getDewPointPressure(), 100.0);  // no RVCONST: the first pressure
}

}  // namespace
