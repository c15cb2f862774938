// Copies of components and aqueous-soluble components: the 53 property keys, the
// modelling choices, and the solubility tables by kind and name.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/StdAqueousSolubleComponent.h"
#include "Orv/Tess/Varnak/StdComponent.h"
#include "copy/ComponentState.h"
#include "copy/LoggingModels.h"

using namespace Orv::Tess::Varnak;
using namespace componentstate;
using solubilitystate::fillRows;
using Type = IComponent::Type;

TEST(ComponentCopy, TransfersTheFiftyThreePropertiesAndTheFourChoicesOnly) {
  StdComponent source("C1", Type::Plain);
  setProperties(source, {{0, 16.04}, {5, 0.011}, {52, 7.0}, {60, -1.0}});
  setChoices(source, 1);
  StdComponent target("METHANE", Type::Plain);
  setProperties(target, {{5, 0.5}, {9, 0.3}, {53, 2.0}, {60, 8.0}, {-1, 4.0}});
  setChoices(target, 0);
  auto const before = snapshot(target);

  copy(source, target, -1);

  auto const after = snapshot(target);
  EXPECT_EQ(after, copied(snapshot(source), before));
  // Spelled out: 0 and 5 are the source's, 9 is gone, keys outside 0 to 52 are the
  // target's own, and so are the name and the gas density type.
  EXPECT_EQ(
      after.properties,
      (std::map<int, double>{{-1, 4.0}, {0, 16.04}, {5, 0.011}, {52, 7.0}, {53, 2.0}, {60, 8.0}}));
  EXPECT_EQ(after.name, "METHANE");
  EXPECT_EQ(target.getDensityType(Phase::Gas), static_cast<IComponent::DensityType>(4));
}

TEST(ComponentCopy, CoversEveryKeyFromZeroToFiftyTwo) {
  StdComponent even("EVEN", Type::Plain);
  StdComponent odd("ODD", Type::Plain);
  for (int k = 0; k <= 52; ++k) (k % 2 == 0 ? even : odd).setProperty(key(k), k + 0.5);
  copy(even, odd, 0);
  EXPECT_EQ(snapshot(odd).properties, snapshot(even).properties);
  StdComponent none("NONE", Type::Plain);
  copy(none, odd, 0);
  EXPECT_TRUE(snapshot(odd).properties.empty());
}

TEST(ComponentCopy, CopiesSolubilityTablesOnlyBetweenTwoAqueousSolubleComponents) {
  StdAqueousSolubleComponent source("CO2");
  source.setProperty(Property::HenryConstant, 3.4e4);
  furnishTables(source, 100.0);
  IComponent const& sourceView = static_cast<IAqueousSolubleComponent const&>(source);

  StdAqueousSolubleComponent target("CO2");
  copy(sourceView, static_cast<IAqueousSolubleComponent&>(target), 0);
  EXPECT_EQ(target.getProperty(Property::HenryConstant), 3.4e4);
  EXPECT_EQ(tablesOf(target), tablesOf(source));

  // A plain source gives an aqueous-soluble target its properties but no table.
  StdComponent plain("N2", Type::Plain);
  StdAqueousSolubleComponent untouched("N2");
  copy(plain, static_cast<IAqueousSolubleComponent&>(untouched), 0);
  EXPECT_FALSE(untouched.hasAnySolubilityTables());

  // The target's own word decides: one that says it is not soluble gets no table.
  struct Undissolved : StdAqueousSolubleComponent {
    using StdAqueousSolubleComponent::StdAqueousSolubleComponent;
    bool isSolubleInAqueousPhase() const override { return false; }
  } undissolved("CO2");
  copy(sourceView, static_cast<IAqueousSolubleComponent&>(undissolved), 0);
  EXPECT_EQ(undissolved.getProperty(Property::HenryConstant), 3.4e4);
  EXPECT_FALSE(undissolved.hasAnySolubilityTables());

  // A component that reports itself soluble without being an aqueous-soluble component
  // receives its properties, and no more is attempted.
  StdComponent soluble("H2S", Type::AqueousSoluble);
  copy(sourceView, soluble, 0);
  EXPECT_EQ(soluble.getProperty(Property::HenryConstant), 3.4e4);
}

TEST(AqueousSolubleComponentCopy, FillsOrMakesTablesByKindAndNameAndKeepsTheTargetOwn) {
  StdAqueousSolubleComponent source("CO2");
  furnishTables(source, 100.0);
  fillRows(source.makeSaltSolubilityTable("Y"), 2, 500.0);
  source.setProperty(Property::MolecularWeight, 44.0);

  StdAqueousSolubleComponent target("TARGET");
  fillRows(target.makeSaltSolubilityTable("Y"), 10, 900.0);
  fillRows(target.makeInteractionSolubilityTable("Z"), 4, 900.0);
  fillRows(target.makeTemperatureSolubilityTable("X"), 4, 900.0);  // same name, other kind
  auto const own = tablesOf(target);

  copy(static_cast<IAqueousSolubleComponent const&>(source),
       static_cast<IAqueousSolubleComponent&>(target), 0);

  auto expected = tablesOf(source);
  expected["interaction Z"] = own.at("interaction Z");
  expected["temperature X"] = own.at("temperature X");
  EXPECT_EQ(tablesOf(target), expected);
  // The component part is the component copy's business.
  EXPECT_FALSE(target.hasProperty(Property::MolecularWeight));

  // Tables the source lacks stay, the single ones included.
  StdAqueousSolubleComponent bare("BARE");
  copy(static_cast<IAqueousSolubleComponent const&>(bare),
       static_cast<IAqueousSolubleComponent&>(target), 0);
  EXPECT_EQ(tablesOf(target), expected);
}

TEST(ComponentCopy, WalksTheKeysUpwardThenTheChoicesThenAsksTheTarget) {
  recorders::CallLog log;
  recorders::LoggingComponent source(log, "S", Type::Plain);
  recorders::LoggingComponent target(log, "T", Type::Plain);
  setProperties(source, {{0, 16.5}, {5, 0.25}});
  setProperties(target, {{5, 0.5}, {9, 0.75}});
  setChoices(source, 1);
  log.calls.clear();

  copy(source, target, 0);

  std::vector<std::string> expected;
  for (int k = 0; k <= 52; ++k) {
    std::string const key = std::to_string(k);
    expected.push_back("S.hasProperty(" + key + ")");
    if (k == 0 || k == 5) {
      expected.push_back("S.getProperty(" + key + ")");
      expected.push_back("T.setProperty(" + key + (k == 0 ? ",16.5)" : ",0.25)"));
    } else {
      expected.push_back("T.deleteProperty(" + key + ")");
    }
  }
  expected.insert(expected.end(),
                  {"S.getVolatilityType()", "T.setVolatilityType(1)", "S.getCompressibilityType()",
                   "T.setCompressibilityType(2)", "S.getOilViscosityCorrelation()",
                   "T.setOilViscosityCorrelation(3)", "S.getOilViscosityCorrelationUsage()",
                   "T.setOilViscosityCorrelationUsage(4)", "T.isSolubleInAqueousPhase()"});
  EXPECT_EQ(log.calls, expected);
}

TEST(AqueousSolubleComponentCopy, MakesEachTargetTableBeforeReadingTheSourceKindByKind) {
  recorders::CallLog log;
  recorders::LoggingAqueousSolubleComponent source(log, "S");
  furnishTables(source, 100.0);
  source.makeSaltSolubilityTable("Y");
  recorders::LoggingAqueousSolubleComponent target(log, "T");
  target.makeSaltSolubilityTable("Y");
  std::vector<std::string> const expected{
      "S.hasSolubilityTable()",
      "T.makeSolubilityTable()",
      "S.getSolubilityTable()",
      "S.hasSolubilityWaterPropertiesTable()",
      "T.makeSolubilityWaterPropertiesTable()",
      "S.getSolubilityWaterPropertiesTable()",
      "S.getTemperatureSolubilityTableNames()",
      "T.makeTemperatureSolubilityTable(T80)",
      "S.getTemperatureSolubilityTable(T80)",
      "S.getSaltSolubilityTableNames()",
      "T.makeSaltSolubilityTable(X)",
      "S.getSaltSolubilityTable(X)",
      "T.makeSaltSolubilityTable(Y)",
      "S.getSaltSolubilityTable(Y)",
      "S.getInteractionSolubilityTableNames()",
      "T.makeInteractionSolubilityTable(I)",
      "S.getInteractionSolubilityTable(I)",
  };
  log.calls.clear();
  copy(static_cast<IAqueousSolubleComponent const&>(source),
       static_cast<IAqueousSolubleComponent&>(target), 0);
  EXPECT_EQ(log.calls, expected);

  // The component copy ends with the same calls (the component part logs nothing here).
  log.calls.clear();
  copy(static_cast<IComponent const&>(static_cast<IAqueousSolubleComponent const&>(source)),
       static_cast<IComponent&>(static_cast<IAqueousSolubleComponent&>(target)), 0);
  EXPECT_EQ(log.calls, expected);

  // A source without tables is only asked.
  recorders::LoggingAqueousSolubleComponent bare(log, "S");
  log.calls.clear();
  copy(static_cast<IAqueousSolubleComponent const&>(bare),
       static_cast<IAqueousSolubleComponent&>(target), 0);
  EXPECT_EQ(log.calls,
            (std::vector<std::string>{
                "S.hasSolubilityTable()", "S.hasSolubilityWaterPropertiesTable()",
                "S.getTemperatureSolubilityTableNames()", "S.getSaltSolubilityTableNames()",
                "S.getInteractionSolubilityTableNames()"}));
}
