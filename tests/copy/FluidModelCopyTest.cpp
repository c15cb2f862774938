// Copies of the common fluid-model part: water, initial conditions, depth and temperature
// tables. The fluid-model base is instantiated here for the bare fluid-model interface.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/StdBrinePropertyTable.h"
#include "Orv/Tess/Varnak/StdDepthTable.h"
#include "Orv/Tess/Varnak/StdInitialCondition.h"
#include "Orv/Tess/Varnak/StdTemperatureTable.h"
#include "Orv/Tess/Varnak/StdWaterProperties.h"
#include "copy/FluidState.h"
#include "copy/LoggingModels.h"
#include "copy/Recorders.h"
#include "fluidmodel/StdFluidModelImpl.h"
#include "support/Expect.h"

namespace Orv::Tess::Varnak {
template class StdFluidModel<IFluidModel>;
}  // namespace Orv::Tess::Varnak

using namespace Orv::Tess::Varnak;
using fluidstate::depthKey;
using Model = StdFluidModel<IFluidModel>;
using Salt = IBrineComponent::SaltMoleculeType;

namespace {

std::vector<double> snapshot(ITemperatureTable const& t) {
  std::vector<double> s{static_cast<double>(t.getNumTemperatures()),
                        static_cast<double>(t.getNumComponents())};
  for (int r = 0; r < t.getNumTemperatures(); ++r) {
    s.push_back(t.getTemperature(r));
    for (int c = 0; c < t.getNumComponents(); ++c) s.push_back(t.getProperty(r, c));
  }
  return s;
}

// Fills a table of `rows` depths and `columns` components with values that tell each
// cell from every other: depth base + 10 d, value base + 10 d + c.
void fillDepthTable(IDepthTable& t, int rows, int columns, double base) {
  t.setNumComponents(columns);
  t.setNumDepths(rows);
  for (int d = 0; d < rows; ++d) {
    t.setDepth(d, base + 10 * d);
    for (int c = 0; c < columns; ++c) t.setProperty(d, c, base + 10 * d + c + 1);
  }
}

}  // namespace

TEST(DepthTableCopy, ReadsTheSourceAndWritesTheTargetThroughTheInterfaceInOrder) {
  recorders::CallLog log;
  recorders::RecordingDepthTable source(log, "S");
  recorders::RecordingDepthTable target(log, "T");
  fillDepthTable(source, 2, 2, 100.0);
  fillDepthTable(target, 3, 1, 900.0);
  log.calls.clear();

  copy(source, target, 0);

  std::vector<std::string> const expected{
      "S.getNumDepths()",       "S.getNumComponents()",   "T.setNumDepths(2)",
      "T.setNumComponents(2)",  "S.getDepth(0)",          "T.setDepth(0,100)",
      "S.getProperty(0,0)",     "T.setProperty(0,0,101)", "S.getProperty(0,1)",
      "T.setProperty(0,1,102)", "S.getDepth(1)",          "T.setDepth(1,110)",
      "S.getProperty(1,0)",     "T.setProperty(1,0,111)", "S.getProperty(1,1)",
      "T.setProperty(1,1,112)"};
  EXPECT_EQ(log.calls, expected);
  EXPECT_EQ(depthstate::snapshot(target), depthstate::snapshot(source));
}

TEST(DepthTableCopy, PassesAnErrorOnUnchangedAndKeepsWhatItWroteBefore) {
  recorders::CallLog log;
  recorders::RecordingDepthTable source(log, "S");
  recorders::RecordingDepthTable target(log, "T");
  fillDepthTable(source, 2, 1, 100.0);
  log.failAt = "T.setProperty(1,0,111)";

  EXPECT_THROW_EXACT(copy(source, target, 0), std::domain_error, "T.setProperty(1,0,111) refused");
  log.failAt.clear();
  // Sized, row 0 complete, the depth of row 1 written, its value not.
  EXPECT_EQ(depthstate::snapshot(target), (std::vector<double>{2, 1, 100, 101, 110, 0}));
}

TEST(DepthTableCopy, LeavesTheTargetWithTheSourceSizesAndValues) {
  StdDepthTable source;
  fillDepthTable(source, 3, 2, 1000.0);
  StdDepthTable target;
  fillDepthTable(target, 5, 4, 2000.0);
  copy(source, target, 0);
  EXPECT_EQ(depthstate::snapshot(target), depthstate::snapshot(source));

  StdDepthTable empty;
  copy(empty, target, 0);
  EXPECT_EQ(depthstate::snapshot(target), (std::vector<double>{0, 0}));
}

TEST(TemperatureTableCopy, LeavesTheTargetWithTheSourceSizesAndValues) {
  StdTemperatureTable source;
  source.setNumComponents(3);
  source.setNumTemperatures(2);
  for (int t = 0; t < 2; ++t) {
    source.setTemperature(t, 300.0 + 50 * t);
    for (int c = 0; c < 3; ++c) source.setProperty(t, c, 0.1 * (t * 3 + c + 1));
  }
  StdTemperatureTable target;
  target.setNumComponents(1);
  target.setNumTemperatures(4);
  target.setTemperature(3, 999.0);
  target.setProperty(3, 0, 9.0);

  copy(source, target, 0);
  EXPECT_EQ(snapshot(target), snapshot(source));
}

// Records the order in which the water's fourteen scalars are written.
class SetterLoggingWater : public StdWaterProperties {
 public:
  std::vector<std::string> setters;

  void setSurfaceDensity(double v) override { log("SurfaceDensity", v); }
  void setPressure(double v) override { log("Pressure", v); }
  void setFormationVolumeFactor(double v) override { log("FormationVolumeFactor", v); }
  void setCompressibility(double v) override { log("Compressibility", v); }
  void setViscosity(double v) override { log("Viscosity", v); }
  void setViscosibility(double v) override { log("Viscosibility", v); }
  void setKValueCoefficientA(double v) override { log("KValueCoefficientA", v); }
  void setKValueCoefficientB(double v) override { log("KValueCoefficientB", v); }
  void setKValueCoefficientC(double v) override { log("KValueCoefficientC", v); }
  void setKValueCoefficientD(double v) override { log("KValueCoefficientD", v); }
  void setKValueCoefficientE(double v) override { log("KValueCoefficientE", v); }
  void setReferenceTemperature(double v) override { log("ReferenceTemperature", v); }
  void setThermalExpansionCoefficient1(double v) override { log("ThermalExpansion1", v); }
  void setThermalExpansionCoefficient2(double v) override { log("ThermalExpansion2", v); }

 private:
  void log(char const* what, double v) { setters.push_back(what + std::to_string(v)); }
};

TEST(WaterPropertiesCopy, TransfersExactlyTheSixBasicNumbersInOrder) {
  StdWaterProperties source;
  fluidstate::fillWater(source, 100.0, Salt::NACL);
  source.makeBrinePropertyTable().setTableSize(2);
  StdWaterProperties target;
  fluidstate::fillWater(target, 200.0, Salt::KCL);
  target.makeBrineComponent(Salt::CACL2);
  target.makeBrinePropertyTable().setReferencePressure(55.0);
  auto const before = waterstate::snapshot(target);

  copy(source, target, 0);
  EXPECT_EQ(waterstate::snapshot(target),
            fluidstate::withSixNumbersOf(before, waterstate::snapshot(source)));

  SetterLoggingWater logged;
  copy(source, logged, -1);  // every bit set: the water copy looks at none
  EXPECT_EQ(logged.setters,
            (std::vector<std::string>{
                "SurfaceDensity101.000000", "Pressure102.000000", "FormationVolumeFactor103.000000",
                "Compressibility104.000000", "Viscosity105.000000", "Viscosibility106.000000"}));
}

TEST(InitialConditionCopy, TransfersTheSixNumbersButNotTheName) {
  StdInitialCondition source("SOURCE");
  fluidstate::fillNumbers(source, 10.0);
  fillDepthTable(source.getDepthTable(depthKey(0)), 2, 1, 1.0);
  StdInitialCondition target("TARGET");
  fluidstate::fillNumbers(target, 20.0);
  fillDepthTable(target.getDepthTable(depthKey(3)), 1, 1, 2.0);
  auto const tablesBefore = fluidstate::snapshot(target).tables;

  // Without bit 4 the depth tables stay as they are; bits 1, 2 and the model bits
  // are not the initial condition's.
  for (int flags : {0, 1, 2, 8 | 16 | 32, ~4}) {
    SCOPED_TRACE(flags);
    fluidstate::fillNumbers(target, 20.0);
    copy(source, target, flags);
    auto const after = fluidstate::snapshot(target);
    EXPECT_EQ(after.numbers, (std::array<double, 6>{11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(after.tables, tablesBefore);
    EXPECT_EQ(target.getName(), "TARGET");
  }
}

TEST(InitialConditionCopy, MatchesTheDepthTablesOfTheTwelvePropertiesOnly) {
  StdInitialCondition source("EQL");
  fillDepthTable(source.getDepthTable(depthKey(0)), 3, 1, 100.0);
  fillDepthTable(source.getDepthTable(depthKey(5)), 2, 3, 200.0);
  fillDepthTable(source.getDepthTable(depthKey(13)), 1, 1, 300.0);  // not a property
  fillDepthTable(source.getDepthTable(depthKey(-1)), 1, 1, 400.0);  // not a property
  StdInitialCondition target("EQL");
  fillDepthTable(target.getDepthTable(depthKey(5)), 6, 4, 500.0);
  fillDepthTable(target.getDepthTable(depthKey(7)), 2, 2, 600.0);
  fillDepthTable(target.getDepthTable(depthKey(12)), 1, 2, 700.0);  // not a property
  fillDepthTable(target.getDepthTable(depthKey(-2)), 1, 2, 800.0);  // not a property
  auto const sourceTables = fluidstate::snapshot(source).tables;
  auto const targetTables = fluidstate::snapshot(target).tables;

  copy(source, target, 2 | 4);

  auto const after = fluidstate::snapshot(target).tables;
  std::map<int, std::vector<double>> const expected{{-2, targetTables.at(-2)},
                                                    {0, sourceTables.at(0)},
                                                    {5, sourceTables.at(5)},
                                                    {12, targetTables.at(12)}};
  EXPECT_EQ(after, expected);
}

TEST(InitialConditionCopy, CreatesAndDeletesEveryOneOfTheTwelveDepthTables) {
  StdInitialCondition full("EQL");
  for (int key = 0; key < 12; ++key) {
    fillDepthTable(full.getDepthTable(depthKey(key)), key % 3 + 1, key % 4, 100.0 * key);
  }
  StdInitialCondition target("EQL");
  copy(full, target, 4);
  EXPECT_EQ(fluidstate::snapshot(target), fluidstate::snapshot(full));

  StdInitialCondition bare("EQL");
  fillDepthTable(target.getDepthTable(depthKey(12)), 1, 1, 5.0);
  copy(bare, target, 4);
  auto const after = fluidstate::snapshot(target);
  ASSERT_EQ(after.tables.size(), 1u);
  EXPECT_EQ(after.tables.count(12), 1u);
}

namespace {

// A source and a target model that share one initial condition name, "SHARED", and each
// hold one the other lacks; water, temperature tables and depth tables on both sides.
struct Models {
  Model source{"SOURCE"};
  Model target{"TARGET"};

  Models() {
    fluidstate::fillWater(source.makeWaterProperties(), 100.0, Salt::NACL);
    fluidstate::fillNumbers(source.makeInitialCondition("ONLY_SOURCE"), 10.0);
    IInitialCondition& shared = source.makeInitialCondition("SHARED");
    fluidstate::fillNumbers(shared, 30.0);
    fillDepthTable(shared.getDepthTable(depthKey(1)), 2, 1, 1000.0);
    source.getTemperatureTable(IFluidModel::TemperatureTableProperty::OilViscosity)
        .setNumTemperatures(3);

    fluidstate::fillWater(target.makeWaterProperties(), 200.0, Salt::KCL);
    IInitialCondition& mine = target.makeInitialCondition("SHARED");
    fluidstate::fillNumbers(mine, 40.0);
    fillDepthTable(mine.getDepthTable(depthKey(1)), 4, 2, 2000.0);
    fillDepthTable(mine.getDepthTable(depthKey(9)), 1, 1, 3000.0);
    fluidstate::fillNumbers(target.makeInitialCondition("ONLY_TARGET"), 50.0);
    target.getTemperatureTable(IFluidModel::TemperatureTableProperty::GasViscosity)
        .setNumComponents(2);
  }
};

}  // namespace

TEST(FluidModelCopy, TransfersWhatEachFlagBitSelectsAndNothingElse) {
  struct Case {
    int flags;
    bool water, numbers, tables;
  };
  // Bits 8, 16 and 32 belong to the model kinds, higher bits to nobody; bit 4 acts only
  // inside initial conditions, which bit 2 selects.
  Case const cases[] = {
      {0, false, false, false},
      {1, true, false, false},
      {2, false, true, false},
      {4, false, false, false},
      {1 | 2, true, true, false},
      {1 | 4, true, false, false},
      {2 | 4, false, true, true},
      {1 | 2 | 4, true, true, true},
      {8 | 16 | 32, false, false, false},
      {64 | 128 | (1 << 30), false, false, false},
      {~7, false, false, false},
      {-1, true, true, true},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.flags);
    Models m;
    auto const source = fluidstate::snapshot(m.source);
    auto const before = fluidstate::snapshot(m.target);

    copy(m.source, m.target, c.flags);

    EXPECT_EQ(fluidstate::snapshot(m.source), source);
    auto expected = before;
    if (c.water) expected.water = fluidstate::withSixNumbersOf(*before.water, *source.water);
    auto& shared = expected.initialConditions.at("SHARED");
    if (c.numbers) shared.numbers = source.initialConditions.at("SHARED").numbers;
    if (c.tables) shared.tables = source.initialConditions.at("SHARED").tables;
    EXPECT_EQ(fluidstate::snapshot(m.target), expected);
  }
}

TEST(FluidModelCopy, MakesOrDeletesTheTargetWaterPropertiesUnderBitOne) {
  Models m;
  Model bare("BARE");
  copy(bare, m.target, 2 | 4);  // without bit 1 the water stays
  ASSERT_NE(m.target.getWaterProperties(), nullptr);
  copy(bare, m.target, 1);
  EXPECT_EQ(m.target.getWaterProperties(), nullptr);

  copy(m.source, bare, 2 | 4);  // nor is any made
  EXPECT_EQ(bare.getWaterProperties(), nullptr);
  copy(m.source, bare, 1);
  ASSERT_NE(bare.getWaterProperties(), nullptr);
  // New water properties: the source's six numbers, everything else at its default.
  waterstate::WaterState expected = waterstate::snapshot(StdWaterProperties());
  expected = fluidstate::withSixNumbersOf(expected, *fluidstate::snapshot(m.source).water);
  EXPECT_EQ(waterstate::snapshot(*bare.getWaterProperties()), expected);
  EXPECT_EQ(expected.scalars[6], 0.0);
  EXPECT_TRUE(expected.components.empty());
  EXPECT_FALSE(expected.hasTable);
}

TEST(FluidModelCopy, MatchesInitialConditionsByNameOnly) {
  Model source("SOURCE");
  fluidstate::fillNumbers(source.makeInitialCondition("A"), 10.0);
  fillDepthTable(source.getInitialCondition("A").getDepthTable(depthKey(0)), 1, 1, 5.0);
  Model target("TARGET");
  fluidstate::fillNumbers(target.makeInitialCondition("B"), 20.0);
  auto const before = fluidstate::snapshot(target);

  copy(source, target, 1 | 2 | 4);
  EXPECT_EQ(fluidstate::snapshot(target), before);
  EXPECT_EQ(target.getInitialConditionNames(), std::set<std::string>{"B"});
}

TEST(FluidModelCopy, FetchesMakesAndDeletesChildrenInTheOrderOfItsSteps) {
  using recorders::LoggingFluidModel;
  struct Case {
    int flags;
    bool sourceWater, targetWater;
    std::vector<std::string> expected;
  };
  std::vector<std::string> const names{
      "S.getInitialConditionNames()", "T.getInitialConditionNames()",
      // Only the names both hold, in the source's order, each source side first.
      "S.getInitialCondition(EQL)", "T.getInitialCondition(EQL)", "S.getInitialCondition(Z)",
      "T.getInitialCondition(Z)"};
  auto with = [](std::vector<std::string> front, std::vector<std::string> const& back) {
    front.insert(front.end(), back.begin(), back.end());
    return front;
  };
  Case const cases[] = {
      {0, true, false, {}},
      {8 | 16 | 32, true, true, {}},
      {1,
       true,
       false,
       {"S.getWaterProperties()", "T.getWaterProperties()", "T.makeWaterProperties()"}},
      {1, true, true, {"S.getWaterProperties()", "T.getWaterProperties()"}},
      {1, false, true, {"S.getWaterProperties()", "T.deleteWaterProperties()"}},
      {1, false, false, {"S.getWaterProperties()", "T.deleteWaterProperties()"}},
      {2, true, false, names},
      {2 | 4, false, true, names},
      {-1, true, false,
       with({"S.getWaterProperties()", "T.getWaterProperties()", "T.makeWaterProperties()"},
            names)},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.flags);
    recorders::CallLog log;
    LoggingFluidModel<Model> source(log, "S");
    LoggingFluidModel<Model> target(log, "T");
    if (c.sourceWater) source.makeWaterProperties();
    if (c.targetWater) target.makeWaterProperties();
    for (char const* name : {"A", "EQL", "Z"}) source.makeInitialCondition(name);
    for (char const* name : {"B", "EQL", "Z"}) target.makeInitialCondition(name);
    log.calls.clear();

    copy(source, target, c.flags);
    EXPECT_EQ(log.calls, c.expected);
  }
}

TEST(InitialConditionCopy, TransfersTheNumbersInOrderThenVisitsTheTwelveTablesInTurn) {
  recorders::CallLog log;
  recorders::LoggingInitialCondition source(log, "S");
  recorders::LoggingInitialCondition target(log, "T");
  fluidstate::fillNumbers(source, 10.0);
  source.getDepthTable(depthKey(1));
  source.getDepthTable(depthKey(5));
  target.getDepthTable(depthKey(5));
  target.getDepthTable(depthKey(7));
  std::vector<std::string> const numbers{
      "S.getDatumDepth()",
      "T.setDatumDepth(11)",
      "S.getDatumPressure()",
      "T.setDatumPressure(12)",
      "S.getGasOilContactDepth()",
      "T.setGasOilContactDepth(13)",
      "S.getGasOilContactCapillaryPressure()",
      "T.setGasOilContactCapillaryPressure(14)",
      "S.getWaterContactDepth()",
      "T.setWaterContactDepth(15)",
      "S.getWaterContactCapillaryPressure()",
      "T.setWaterContactCapillaryPressure(16)",
  };

  for (int flags : {0, 1 | 2 | 8 | 16 | 32}) {
    SCOPED_TRACE(flags);
    log.calls.clear();
    copy(source, target, flags);
    EXPECT_EQ(log.calls, numbers);
  }

  log.calls.clear();
  copy(source, target, 4);
  // Each table the source holds goes into the target's, fetched (and so made) first;
  // each other one is deleted from the target.
  std::vector<std::string> expected = numbers;
  for (int p = 0; p < 12; ++p) {
    std::string const key = std::to_string(p);
    expected.push_back("S.hasDepthTable(" + key + ")");
    if (p == 1 || p == 5) {
      expected.push_back("T.getDepthTable(" + key + ")");
      expected.push_back("S.getDepthTable(" + key + ")");
    } else {
      expected.push_back("T.deleteDepthTable(" + key + ")");
    }
  }
  EXPECT_EQ(log.calls, expected);
}
