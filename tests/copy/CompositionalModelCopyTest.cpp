// Copies of compositional models: the fluid part and equation of state, component
// alignment with its deletions and its duplicate-name failure, the interaction
// coefficients, and the one-property copy.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/IBinaryInteractionCoefficients.h"
#include "Orv/Tess/Varnak/StdCompositionalModel.h"
#include "copy/ComponentState.h"
#include "copy/FluidState.h"
#include "copy/LoggingModels.h"
#include "support/Expect.h"

using namespace Orv::Tess::Varnak;
using namespace componentstate;
using Type = IComponent::Type;
using Eos = ICompositionalModel::EquationOfState;

namespace {

std::vector<ComponentState> componentsOf(ICompositionalModel const& model) {
  std::vector<ComponentState> s;
  for (int i = 0; i < model.getNumComponents(); ++i) s.push_back(snapshot(model.getComponent(i)));
  return s;
}

// Every coefficient among the first `n` indices and a few beyond, as (i, j, value) with
// j < i and a value stored.
std::vector<std::vector<double>> coefficientsOf(ICompositionalModel const& model, int n = 6) {
  std::vector<std::vector<double>> s;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < i; ++j) {
      double const v = model.getBICs().getBIC(i, j);
      if (v != 0.0) s.push_back({double(i), double(j), v});
    }
  }
  return s;
}

// Makes the named components of the given types, each with one property telling it apart.
void makeComponents(ICompositionalModel& model,
                    std::vector<std::pair<std::string, Type>> const& components, double seed) {
  for (auto const& [name, type] : components) {
    IComponent& c = model.makeComponent(name, type);
    c.setProperty(Property::MolecularWeight, seed + model.getNumComponents());
    c.setProperty(key(60), seed);  // outside the copied keys
  }
}

}  // namespace

TEST(CompositionalModelCopy, WithoutBitThirtyTwoTransfersTheFluidPartAndEquationOfStateOnly) {
  for (int flags : {0, 1 | 2 | 4, 8 | 16, 64 | (1 << 30), ~32}) {
    SCOPED_TRACE(flags);
    StdCompositionalModel source("SOURCE");
    source.setEquationOfState(Eos::SoaveRedlichKwong);
    fluidstate::fillWater(source.makeWaterProperties(), 100.0,
                          IBrineComponent::SaltMoleculeType::NACL);
    makeComponents(source, {{"A", Type::Plain}}, 10.0);
    StdCompositionalModel target("TARGET");
    makeComponents(target, {{"P", Type::Plain}, {"Q", Type::AqueousSoluble}}, 20.0);
    target.getBICs().setBIC(1, 0, 0.25);
    auto const components = componentsOf(target);

    StdCompositionalModel reference("TARGET");  // what the fluid-model copy alone does
    copy(static_cast<IFluidModel const&>(source), static_cast<IFluidModel&>(reference), flags);

    copy(source, target, flags);
    EXPECT_EQ(target.getEquationOfState(), Eos::SoaveRedlichKwong);
    EXPECT_EQ(fluidstate::snapshot(target), fluidstate::snapshot(reference));
    EXPECT_EQ(componentsOf(target), components);
    EXPECT_EQ(coefficientsOf(target), (std::vector<std::vector<double>>{{1, 0, 0.25}}));
  }
}

TEST(CompositionalModelCopy, MakesTheMissingComponentsWithTheSourceNamesAndTypes) {
  StdCompositionalModel source("SOURCE");
  makeComponents(source, {{"A", Type::Plain}, {"B", Type::AqueousSoluble}, {"E", Type::Plain}},
                 10.0);
  setChoices(source.getComponent(2), 1);
  furnishTables(source.getComponentAsAqueousSolubleComponent(1), 100.0);
  source.getBICs().setBIC(1, 0, 0.1);
  source.getBICs().setBIC(2, 0, 0.2);
  source.getBICs().setBIC(2, 1, 0.3);
  source.setViscosityModel(ICompositionalModel::ViscosityModel::Pedersen);
  source.setSalinity(0.5);
  source.makeOilViscosityIndexTable();
  source.makeTemperatureKValueTable("K100");
  source.makeReaction("R1");

  StdCompositionalModel target("TARGET");
  copy(source, target, 32);

  // New components take everything the component copy transfers, and their names and
  // types; keys outside 0 to 52 and the per-phase types keep their defaults.
  auto expected = componentsOf(source);
  for (auto& c : expected) {
    c.properties.erase(60);
    std::fill(c.choices.begin() + 4, c.choices.end(), 0);
  }
  EXPECT_EQ(componentsOf(target), expected);
  EXPECT_EQ(tablesOf(target.getComponentAsAqueousSolubleComponent(1)),
            tablesOf(source.getComponentAsAqueousSolubleComponent(1)));
  EXPECT_EQ(coefficientsOf(target), coefficientsOf(source));
  // Not transferred by the model copy.
  EXPECT_EQ(target.getViscosityModel(), ICompositionalModel::ViscosityModel::LohrenzBrayClark);
  EXPECT_EQ(target.getSalinity(), 0.0);
  EXPECT_EQ(target.getOilViscosityIndexTable(), nullptr);
  EXPECT_TRUE(target.getTemperatureKValueTableNames().empty());
  EXPECT_EQ(target.getNumReactions(), 0u);
}

TEST(CompositionalModelCopy, KeepsTheTargetNamesAndDeletesItsSurplusClosingCoefficientGaps) {
  StdCompositionalModel source("SOURCE");
  makeComponents(source, {{"A", Type::Plain}, {"B", Type::AqueousSoluble}, {"E", Type::Plain}},
                 10.0);
  source.getBICs().setBIC(2, 1, 0.3);
  StdCompositionalModel target("TARGET");
  makeComponents(target,
                 {{"P", Type::Plain},
                  {"Q", Type::Plain},
                  {"R", Type::Plain},
                  {"S", Type::Plain},
                  {"U", Type::Plain}},
                 20.0);
  target.getBICs().setBIC(1, 0, 0.4);  // the source has none: removed by the copy
  target.getBICs().setBIC(3, 0, 0.5);  // with S: removed when S is deleted
  target.getBICs().setBIC(4, 2, 0.6);  // with U
  target.getBICs().setBIC(4, 3, 0.7);
  auto const before = componentsOf(target);
  auto const sourceComponents = componentsOf(source);

  copy(source, target, 32);

  ASSERT_EQ(target.getNumComponents(), 3);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    // Q stays a plain component under its own name though B is aqueous-soluble.
    EXPECT_EQ(snapshot(target.getComponent(i)), copied(sourceComponents[i], before[i]));
  }
  EXPECT_EQ(coefficientsOf(target), (std::vector<std::vector<double>>{{2, 1, 0.3}}));
}

TEST(CompositionalModelCopy, StopsAtADuplicateNameWithTheTargetChangedAsFarAsItGot) {
  StdCompositionalModel source("SOURCE");
  source.setEquationOfState(Eos::PengRobinsonCorrected);
  fluidstate::fillWater(source.makeWaterProperties(), 100.0,
                        IBrineComponent::SaltMoleculeType::NACL);
  makeComponents(source, {{"A", Type::Plain}, {"B", Type::Plain}}, 10.0);
  StdCompositionalModel target("TARGET");
  makeComponents(target, {{"B", Type::Plain}}, 20.0);
  auto const components = componentsOf(target);

  EXPECT_THROW_EXACT(copy(source, target, 1 | 32), std::invalid_argument,
                     "ICompositionalModel cannot make a duplicate component named 'B'");
  EXPECT_EQ(componentsOf(target), components);
  EXPECT_EQ(target.getEquationOfState(), Eos::PengRobinsonCorrected);
  ASSERT_NE(target.getWaterProperties(), nullptr);
  EXPECT_EQ(target.getWaterProperties()->getSurfaceDensity(), 101.0);
}

TEST(CompositionalModelCopy, OnePropertyCopyAlignsThenTransfersThatPropertyAlone) {
  StdCompositionalModel source("SOURCE");
  source.setEquationOfState(Eos::RedlichKwong);
  fluidstate::fillWater(source.makeWaterProperties(), 100.0,
                        IBrineComponent::SaltMoleculeType::NACL);
  source.makeComponent("A", Type::Plain).setProperty(Property::AcentricFactor, 0.1);
  source.makeComponent("B", Type::Plain).setProperty(Property::MolecularWeight, 30.0);
  source.getBICs().setBIC(1, 0, 0.9);

  StdCompositionalModel target("TARGET");
  setProperties(target.makeComponent("P", Type::Plain), {{0, 16.0}, {5, 0.5}, {7, 1.0}});
  setProperties(target.makeComponent("Q", Type::Plain), {{0, 44.0}, {5, 0.2}});
  target.makeComponent("R", Type::Plain);
  auto const fluid = fluidstate::snapshot(target);

  copy(source, target, Property::AcentricFactor);
  ASSERT_EQ(target.getNumComponents(), 2);
  EXPECT_EQ(snapshot(target.getComponent(0)).properties,
            (std::map<int, double>{{0, 16.0}, {5, 0.1}, {7, 1.0}}));
  EXPECT_EQ(snapshot(target.getComponent(1)).properties, (std::map<int, double>{{0, 44.0}}));

  copy(source, target, Property::MolecularWeight);
  EXPECT_EQ(snapshot(target.getComponent(0)).properties,
            (std::map<int, double>{{5, 0.1}, {7, 1.0}}));
  EXPECT_EQ(snapshot(target.getComponent(1)).properties, (std::map<int, double>{{0, 30.0}}));

  EXPECT_EQ(target.getEquationOfState(), Eos::PengRobinson);
  EXPECT_EQ(fluidstate::snapshot(target), fluid);
  EXPECT_TRUE(coefficientsOf(target).empty());
}

TEST(CompositionalModelCopy, TalksToBothModelsInTheOrderOfItsSteps) {
  recorders::CallLog log;
  recorders::LoggingCompositionalModel source(log, "S");
  source.setEquationOfState(Eos::SoaveRedlichKwong);
  source.makeWaterProperties();
  for (char const* name : {"A", "B", "E"}) source.makeComponent(name, Type::Plain);
  source.getBICs().setBIC(1, 0, 0.1);
  source.getBICs().setBIC(2, 1, 0.3);
  recorders::LoggingCompositionalModel target(log, "T");
  target.makeComponent("P", Type::Plain);
  std::string const eos = std::to_string(static_cast<int>(Eos::SoaveRedlichKwong));
  log.calls.clear();

  copy(source, target, 1 | 32);
  std::vector<std::string> const expected{
      // The fluid-model part, then the equation of state.
      "S.getWaterProperties()", "T.getWaterProperties()", "T.makeWaterProperties()",
      "S.getEquationOfState()", "T.setEquationOfState(" + eos + ")",
      // Alignment: B and E are made after P, with the source's names and types.
      "S.getNumComponents()", "T.getNumComponents()", "T.getNumComponents()",
      "T.getNumComponents()", "S.getComponent(1)", "T.makeComponent(B,0)", "T.getNumComponents()",
      "T.getNumComponents()", "S.getComponent(2)", "T.makeComponent(E,0)", "T.getNumComponents()",
      // Each component, source side first, then its coefficients below the diagonal.
      "S.getNumComponents()", "S.getComponent(0)", "T.getComponent(0)", "S.getComponent(1)",
      "T.getComponent(1)", "T.getBICs()", "S.getBICs()", "S.getBIC(1,0)", "T.setBIC(1,0,0.1)",
      "S.getComponent(2)", "T.getComponent(2)", "T.getBICs()", "S.getBICs()", "S.getBIC(2,0)",
      "T.setBIC(2,0,0)", "T.getBICs()", "S.getBICs()", "S.getBIC(2,1)", "T.setBIC(2,1,0.3)"};
  EXPECT_EQ(log.calls, expected);

  log.calls.clear();
  copy(source, target, ~(1 | 2 | 32));
  EXPECT_EQ(log.calls, (std::vector<std::string>{"S.getEquationOfState()",
                                                 "T.setEquationOfState(" + eos + ")"}));
}

TEST(CompositionalModelCopy, AlignsByDeletingTheLastOrMakingWithTheSourceNameThenType) {
  using recorders::LoggingComponentsSource;
  std::string const acentric = std::to_string(static_cast<int>(Property::AcentricFactor));
  recorders::CallLog log;
  LoggingComponentsSource source(
      log, {{"A", Type::Plain}, {"B", Type::AqueousSoluble}, {"E", Type::Plain}});
  source.getComponent(1).setProperty(Property::AcentricFactor, 0.2);

  // After the alignment, one property of each component. The source's component is
  // fetched first (not logged here), then the target's, which logs nothing of its own.
  std::vector<std::string> const transfer{"T.getComponent(0)",
                                          "A.hasProperty(" + acentric + ")",
                                          "T.getComponent(1)",
                                          "B.hasProperty(" + acentric + ")",
                                          "B.getProperty(" + acentric + ")",
                                          "T.getComponent(2)",
                                          "E.hasProperty(" + acentric + ")"};
  auto with = [&transfer](std::vector<std::string> front) {
    front.insert(front.end(), transfer.begin(), transfer.end());
    return front;
  };

  recorders::LoggingCompositionalModel longer(log, "T");
  for (char const* name : {"P", "Q", "R", "S", "U"}) longer.makeComponent(name, Type::Plain);
  log.calls.clear();
  copy(source, longer, Property::AcentricFactor);
  EXPECT_EQ(log.calls, with({"T.getNumComponents()", "T.getNumComponents()", "T.deleteComponent(4)",
                             "T.getNumComponents()", "T.getNumComponents()", "T.deleteComponent(3)",
                             "T.getNumComponents()", "T.getNumComponents()"}));

  recorders::LoggingCompositionalModel shorter(log, "T");
  shorter.makeComponent("P", Type::Plain);
  log.calls.clear();
  copy(source, shorter, Property::AcentricFactor);
  EXPECT_EQ(log.calls, with({"T.getNumComponents()", "T.getNumComponents()", "T.getNumComponents()",
                             "B.getName()", "B.getType()", "T.makeComponent(B,1)",
                             "T.getNumComponents()", "T.getNumComponents()", "E.getName()",
                             "E.getType()", "T.makeComponent(E,0)", "T.getNumComponents()"}));

  // A name the target already holds stops the alignment at that make.
  recorders::LoggingCompositionalModel clashing(log, "T");
  clashing.makeComponent("E", Type::Plain);
  clashing.makeComponent("X", Type::Plain);
  log.calls.clear();
  EXPECT_THROW_EXACT(copy(source, clashing, Property::AcentricFactor), std::invalid_argument,
                     "ICompositionalModel cannot make a duplicate component named 'E'");
  EXPECT_EQ(log.calls, (std::vector<std::string>{"T.getNumComponents()", "T.getNumComponents()",
                                                 "T.getNumComponents()", "E.getName()",
                                                 "E.getType()", "T.makeComponent(E,0)"}));
  EXPECT_EQ(clashing.StdCompositionalModel::getNumComponents(), 2);
}
