// The deck import as a host uses it: decks written for these tests (beside this file, and
// small failing ones inline), imported into a registry, read back through the interfaces.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak.h"
#include "Orv/Tess/Varnak/Deck/DeckImport.h"
#include "support/Observe.h"

namespace {

using namespace Orv::Tess::Varnak;
using Deck::DeckError;
using Deck::ImportReport;
using Property = IInitialCondition::Property;
using Strings = std::vector<std::string>;

std::string deckPath(std::string const& name) { return std::string(ORV_DECK_DIR) + "/" + name; }

IBlackOilModel const& blackOil(IFluidModels const& models, std::string const& name) {
  return dynamic_cast<IBlackOilModel const&>(models.getFluidModel(name));
}

// A child the deck must have made; a missing one fails the test instead of crashing it.
template <typename T>
T const& made(T const* child) {
  if (child == nullptr) throw std::logic_error("a table of the deck was not made");
  return *child;
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

// Values read back against the deck's numbers. OPM reads in SI and the import converts
// back to the deck's units, so the last bits may differ.
void expectValues(std::vector<double> const& actual, std::vector<double> const& expected,
                  std::string const& what) {
  ASSERT_EQ(actual.size(), expected.size()) << what;
  for (std::size_t i = 0; i < actual.size(); ++i) {
    EXPECT_NEAR(actual[i], expected[i], 1e-9 * std::abs(expected[i])) << what << ", value " << i;
  }
}

TEST(DeckImport, MetricDeckFillsEveryTableInTheDecksUnits) {
  StdFluidModels models;
  ImportReport const report = Deck::importDeckFile(models, deckPath("METRIC.DATA"), "CASE");
  EXPECT_EQ(report.unitSystem, "METRIC");
  EXPECT_EQ(report.modelName, "CASE");
  EXPECT_EQ(report.initialConditions, (Strings{"EQUIL_1", "EQUIL_2"}));
  EXPECT_EQ(report.tracers, Strings{"SEA"});
  EXPECT_EQ(report.notImported,
            (Strings{"DENSITY (region 2): gas and water", "PVTG (region 2)", "PVTW (region 2)",
                     "PVTWSALT (region 2)", "BDENSITY (region 2)", "SDENSITY (region 2)",
                     "PVDS (region 2)", "ZMFVD"}));

  auto const& model = blackOil(models, "CASE");
  auto const& oil1 = made(model.getOilTable(1));
  auto const& oil2 = made(model.getOilTable(2));
  auto const& gas = made(model.getGasTable());
  EXPECT_EQ(dynamic_cast<IDryGasTable const*>(&gas), nullptr);
  auto const& water = made(model.getWaterProperties());
  EXPECT_TRUE(water.hasBrineComponent(IBrineComponent::SaltMoleculeType::NACL));
  auto const& brine = made(water.getBrinePropertyTable());
  auto const& solvent = made(model.getSolventTable());
  auto const& miscibility = made(model.getMiscibilityTable());
  auto& tracer = models.getTracerModel("SEA");
  EXPECT_EQ(tracer.getComponentName(), "WATER");
  auto const& sea =
      made(tracer.getDepthTable(ITracerModel::DepthTableType::FreePhaseConcentration, 0));
  EXPECT_EQ((std::vector<int>{model.getNumOfOilTables(), oil1.getSaturatedSize(),
                              oil1.getUndersaturatedSize(0), oil1.getUndersaturatedSize(1),
                              gas.getSaturatedSize(), brine.getTableSize(), solvent.getSize(),
                              miscibility.getSize(), sea.getNumDepths()}),
            (std::vector<int>{2, 2, 3, 2, 2, 2, 2, 2, 2}));

  expectValues({model.oilDensity(), model.gasDensity(), oil1.getSurfaceDensity(),
                oil1.getGasOilRatio(1), oil1.getPressure(0, 2), oil1.getFormationVolumeFactor(0, 1),
                oil1.getViscosity(1, 1), oil2.getSurfaceDensity(), oil2.getPressure(0, 1),
                gas.getPressure(1), gas.getOilGasRatio(1, 0), gas.getFormationVolumeFactor(0, 1),
                gas.getViscosity(1, 1), gas.getSurfaceDensity()},
               {850.0, 0.90, 850.0, 60.0, 250.0, 1.08, 1.00, 870.0, 180.0, 150.0, 0.0004, 0.0238,
                0.0185, 0.90},
               "oil and gas");
  expectValues(
      {water.getSurfaceDensity(), water.getPressure(), water.getFormationVolumeFactor(),
       water.getCompressibility(), water.getViscosity(), water.getViscosibility(),
       brine.getReferencePressure(), brine.getSaltConcentration(1), brine.getBrineSurfaceDensity(1),
       brine.getCompressibility(1), brine.getViscosity(1)},
      {1010.0, 200.0, 1.02, 4.5e-5, 0.50, 1.0e-5, 200.0, 50.0, 1045.0, 4.0e-5, 0.60},
      "water and brine");
  auto const& first = model.getInitialCondition("EQUIL_1");
  auto const& second = model.getInitialCondition("EQUIL_2");
  expectValues(
      {solvent.getSurfaceDensity(), solvent.getPressure(1), solvent.getFormationVolumeFactor(1),
       miscibility.getViscosityMixingParameter(), miscibility.getDensityMixingParameter(),
       miscibility.getOilPressure(1), miscibility.getMiscibility(1), sea.getDepth(1),
       sea.getConcentration(1), second.getDatumDepth(), second.getDatumPressure(),
       second.getWaterContactDepth(), second.getGasOilContactDepth(),
       first.getWaterContactCapillaryPressure(), first.getGasOilContactCapillaryPressure()},
      {1.1, 150.0, 0.007, 0.6, 0.7, 200.0, 1.0, 2400.0, 1.0, 2300.0, 230.0, 2400.0, 2250.0, 0.1,
       0.2},
      "solvent, miscibility, tracer, EQUIL");
  for (auto const& [property, expected] : std::vector<std::pair<Property, std::vector<double>>>{
           {Property::SolutionGasOilRatio, {2200, 30, 2400, 28}},
           {Property::VaporizedOilGasRatio, {2200, 0.0003, 2400, 0.0002}},
           {Property::BubblePointPressure, {2200, 80, 2400, 75}},
           {Property::DewPointPressure, {2200, 160, 2400, 155}},
           {Property::SaltConcentration, {2200, 30, 2400, 40}},
           {Property::Temperature, {2200, 90, 2400, 95}}}) {
    expectValues(rows(second.getDepthTable(property)), expected,
                 "depth table " + std::to_string(static_cast<int>(property)));
  }
}

TEST(DeckImport, FieldDeckKeepsFieldUnitsAndDeadKinds) {
  StdFluidModels models;
  models.makeBlackOilModel("CASE", false);
  ImportReport const report = Deck::importDeckFile(models, deckPath("FIELD.DATA"), "CASE");
  EXPECT_EQ(report.unitSystem, "FIELD");
  EXPECT_EQ(report.modelName, "CASE_1");  // the name was taken
  EXPECT_EQ(report.notImported, (Strings{"GRAVITY (region 2): gas and water", "PVDG (region 2)",
                                         "PVTW (region 2)", "OILVISCT"}));
  auto const& model = blackOil(models, "CASE_1");
  // GRAVITY: API 35 is 141.5 / (131.5 + 35) times the density of water, 62.428 lb/ft3.
  EXPECT_NEAR(model.oilDensity(), 141.5 / 166.5 * 62.428, 0.01);
  auto const& dead1 = dynamic_cast<IDeadOilTable const&>(made(model.getOilTable(1)));
  auto const& dead2 = dynamic_cast<IDeadOilTable const&>(made(model.getOilTable(2)));
  auto const& gas = dynamic_cast<IDryGasTable const&>(made(model.getGasTable()));
  EXPECT_EQ((std::vector<int>{dead1.getSaturatedSize(), dead1.getUndersaturatedSize(0),
                              dead2.getSaturatedSize(), dead2.getUndersaturatedSize(0),
                              gas.getSaturatedSize()}),
            (std::vector<int>{1, 2, 1, 2, 2}));
  EXPECT_GT(dead2.getSurfaceDensity(), dead1.getSurfaceDensity());
  // RSCONST (both regions) in Mscf/stb and psi, RVCONST in stb/Mscf, Bg in rb/Mscf,
  // compressibility per psi, temperature in deg F.
  auto const& condition = model.getInitialCondition("EQUIL_1");
  expectValues({dead1.getDissolvedGas(), dead1.getBubblePointPressure(), dead1.getGasOilRatio(0),
                dead2.getDissolvedGas(), dead2.getBubblePointPressure(), dead2.getGasOilRatio(0),
                dead2.getPressure(0, 1), dead2.getFormationVolumeFactor(0, 1),
                dead2.getViscosity(0, 1), gas.getVaporizedOil(), gas.getDewPointPressure(),
                gas.getPressure(1), gas.getFormationVolumeFactor(0, 0), gas.getOilGasRatio(1, 0),
                model.getWaterProperties()->getCompressibility(), condition.getDatumDepth(),
                condition.getDatumPressure()},
               {0.35, 900.0, 0.35, 0.35, 900.0, 0.35, 4000.0, 1.22, 1.55, 0.002, 950.0, 3000.0,
                3.00, 0.002, 3.0e-6, 7000.0, 3000.0},
               "FIELD values");
  expectValues(rows(condition.getDepthTable(Property::Temperature)), {6800, 180, 7200, 190},
               "temperature");
}

std::string const kHead =
    "RUNSPEC\nMETRIC\nTABDIMS\n 1 1 /\nEQLDIMS\n 1 /\nTRACERS\n 0 1 0 /\nPROPS\n"
    "TRACER\n SEA WAT /\n/\n";

TEST(DeckImport, FailuresLeaveTheRegistryAsItWasAndADeckThatReadsReplacesItsTracer) {
  // The deck (a path, or deck text, which holds a newline) and the whole message. The
  // parse errors are OPM's; a table OPM refuses is traced to its keyword by the import.
  std::string const opm = "Problem with keyword PVDG\nIn <memory string> line ";
  std::vector<std::pair<std::string, std::string>> const failures = {
      {deckPath("NO_SUCH.DATA"), "Could not open deck file '" + deckPath("NO_SUCH.DATA") + "'"},
      {deckPath(""), "Could not open deck file '" + deckPath("") + "'"},
      {kHead + "PVDG\n 100 1.0 0.01\n 200 x 0.02 /\n",
       opm + "13.\nInternal error: Malformed floating point number 'x'"},
      {kHead + "PVDG\n 100 1.0 0.01 /\n 200 0.5 0.02 /\n",  // more tables than TABDIMS allows
       opm + "15\nToo many records in keyword PVDG\nIn PVDG line <memory string>"},
      {"RUNSPEC\nTABDIMS\n 1 2 /\nPROPS\nPVDG\n 100 1.0 0.01 /\nPVTW\n 1 1 1 1 1 /\n",
       opm + "5.\nInternal error: Malformed floating point number 'PVTW'"},  // fewer tables
      {kHead + "PVDG\n 100 1.0 0.01 7 /\n",
       opm + "13.\nFor table with ID 1: Number of input table elements (4) is not a multiple of "
             "table's specified number of columns (3)"},
      {kHead + "PVDG\n 200 1.0 0.01\n 100 2.0 0.02 /\n",
       opm + "13.\nIncorrect ordering of values in column: P"},
  };
  StdFluidModels models;
  models.makeBlackOilModel("CASE", false);
  models.makeTracerModel("SEA").setComponentName("OIL");
  std::string const before = support::observe(models);
  for (auto const& [deck, message] : failures) {
    try {
      if (deck.find('\n') == std::string::npos) {
        Deck::importDeckFile(models, deck, "CASE");
      } else {
        Deck::importDeckString(models, deck, "CASE");
      }
      ADD_FAILURE() << message << ": no exception";
    } catch (DeckError const& e) {
      EXPECT_EQ(e.what(), message);
    }
    EXPECT_EQ(support::observe(models), before) << message;
  }

  auto const report = Deck::importDeckString(
      models, kHead + "NOSUCHKW\n 1 2 3 /\nPVDG\n 100 1.0 0.01\n 200 0.5 0.02 /\n", "CASE");
  EXPECT_EQ(report.notImported, Strings{"NOSUCHKW"});
  EXPECT_EQ(models.getTracerModel("SEA").getComponentName(), "WATER");
  EXPECT_TRUE(report.initialConditions.empty());
  auto const& gas =
      dynamic_cast<IDryGasTable const&>(made(blackOil(models, "CASE_1").getGasTable()));
  EXPECT_DOUBLE_EQ(gas.getDewPointPressure(), 100.0);  // no RVCONST: the first pressure
}

}  // namespace
