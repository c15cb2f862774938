// Copies of components and compositional models: the 53 property keys and the modelling
// choices, component alignment with its deletions and its duplicate-name failure, the
// interaction coefficients, the one-property copy, and the K-value and oil viscosity
// index tables.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak.h"
#include "copy/Recording.h"
#include "copy/State.h"
#include "support/Expect.h"
#include "support/Fill.h"
#include "support/Observe.h"

using namespace Orv::Tess::Varnak;
using namespace state;
using Type = IComponent::Type;
using Eos = ICompositionalModel::EquationOfState;
using Pairs = std::vector<std::vector<double>>;

namespace {

// Components of the given names and types, each with a property of its own and one under
// a key outside those a copy transfers.
void makeComponents(ICompositionalModel& model,
                    std::vector<std::pair<std::string, Type>> const& list, double seed) {
  for (auto const& [name, type] : list) {
    IComponent& c = model.makeComponent(name, type);
    setProperties(c, {{0, seed + model.getNumComponents()}, {53, seed}});
  }
}

}  // namespace

TEST(ComponentCopy, TransfersTheKeysZeroToFiftyTwoAndTheFourChoices) {
  // 0, 5 and 52 are the source's and 9 is gone; keys outside 0 to 52, the name and the
  // per-phase types stay the target's.
  StdComponent source("S", Type::Plain), target("T", Type::Plain), expected("T", Type::Plain);
  setProperties(source, {{0, 16.5}, {5, 0.25}, {52, 7.5}, {53, -1.0}});
  setChoices(source, 1);
  setProperties(target, {{5, 0.5}, {9, 0.75}, {53, 2.0}, {-1, 4.0}});
  setChoices(target, 0);
  setProperties(expected, {{0, 16.5}, {5, 0.25}, {52, 7.5}, {53, 2.0}, {-1, 4.0}});
  setChoices(expected, 1);
  expected.setDensityType(IComponent::PhaseType::Gas, IComponent::DensityType(4));
  expected.setViscosityType(IComponent::PhaseType::Water, IComponent::ViscosityType(5));
  copy(source, target, -1);
  EXPECT_EQ(support::observe(target), support::observe(expected));
}

TEST(ComponentCopy, CopiesSolubilityTablesOnlyBetweenTwoAqueousSolubleComponents) {
  StdAqueousSolubleComponent source("CO2"), target("CO2"), untouched("N2");
  source.setProperty(Property::HenryConstant, 3.4e4);
  furnish(source, 100.0);
  IComponent const& sourceView = static_cast<IAqueousSolubleComponent const&>(source);
  copy(sourceView, static_cast<IAqueousSolubleComponent&>(target), 0);
  EXPECT_EQ(tables(target), tables(source));

  // A plain source gives an aqueous-soluble target its properties but no table.
  copy(StdComponent("N2", Type::Plain), static_cast<IAqueousSolubleComponent&>(untouched), 0);
  EXPECT_FALSE(untouched.hasAnySolubilityTables());

  // The target's own word decides: one that says it is not soluble gets no table, and
  // one that says so without being an aqueous-soluble component gets its properties only.
  struct Undissolved : StdAqueousSolubleComponent {
    using StdAqueousSolubleComponent::StdAqueousSolubleComponent;
    bool isSolubleInAqueousPhase() const override { return false; }
  } undissolved("CO2");
  copy(sourceView, static_cast<IAqueousSolubleComponent&>(undissolved), 0);
  EXPECT_FALSE(undissolved.hasAnySolubilityTables());
  StdComponent soluble("H2S", Type::AqueousSoluble);
  copy(sourceView, soluble, 0);
  EXPECT_EQ(undissolved.getProperty(Property::HenryConstant), 3.4e4);
  EXPECT_EQ(soluble.getProperty(Property::HenryConstant), 3.4e4);
}

TEST(CompositionalModelCopy, AlignsTheTargetComponentsByIndexThenCopiesEachWithCoefficients) {
  StdCompositionalModel source("SOURCE"), empty("EMPTY"), longer("LONGER"), clashing("CLASH");
  source.setEquationOfState(Eos::PengRobinsonCorrected);
  support::fill(source.makeWaterProperties(), 100.0);
  std::vector<std::pair<std::string, Type>> const list{
      {"A", Type::Plain}, {"B", Type::AqueousSoluble}, {"E", Type::Plain}};
  makeComponents(source, list, 10.0);
  setChoices(source.getComponent(2), 1);
  furnish(source.getComponentAsAqueousSolubleComponent(1), 100.0);
  source.getBICs().setBIC(1, 0, 0.1);
  source.getBICs().setBIC(2, 1, 0.3);
  source.setViscosityModel(ICompositionalModel::ViscosityModel::Pedersen);
  source.setSalinity(0.5);
  source.makeOilViscosityIndexTable();
  source.makeTemperatureKValueTable("K100");
  source.makeReaction("R1");
  // What the copy leaves: the equation of state, the coefficients, and each component as
  // the component copy leaves it (tables included); the rest of the model is not the
  // copy's, nor are keys outside 0 to 52 and the per-phase types of made components.
  auto expect = [&](StdCompositionalModel& target, StdCompositionalModel& expected) {
    expected.setEquationOfState(Eos::PengRobinsonCorrected);
    for (int i = 0; i < 3; ++i) copy(source.getComponent(i), expected.getComponent(i), 0);
    expected.getBICs().setBIC(1, 0, 0.1);
    expected.getBICs().setBIC(2, 1, 0.3);
    copy(source, target, 32);
    EXPECT_EQ(support::observe(target), support::observe(expected));
  };
  // Made components take the source's names and types.
  StdCompositionalModel made("EMPTY");
  for (auto const& [name, type] : list) made.makeComponent(name, type);
  expect(empty, made);
  // A longer target loses its surplus from the end, each with its coefficients; the rest
  // keep their names and types (Q stays plain though B is aqueous-soluble), and a pair the
  // source lacks is removed.
  makeComponents(longer,
                 {{"P", Type::Plain},
                  {"Q", Type::Plain},
                  {"R", Type::Plain},
                  {"S", Type::Plain},
                  {"U", Type::Plain}},
                 20.0);
  for (auto [i, j] : std::vector<std::pair<int, int>>{{2, 0}, {3, 0}, {4, 2}, {4, 3}})
    longer.getBICs().setBIC(i, j, 0.5);
  StdCompositionalModel kept("LONGER");
  makeComponents(kept, {{"P", Type::Plain}, {"Q", Type::Plain}, {"R", Type::Plain}}, 20.0);
  expect(longer, kept);

  // A name the target holds already stops the copy at that make, with the fluid part and
  // the equation of state transferred and the target's own component as it was.
  makeComponents(clashing, {{"B", Type::Plain}}, 30.0);
  auto const held = support::observe(clashing.getComponent(0));
  EXPECT_THROW_EXACT(copy(source, clashing, 1 | 32), std::invalid_argument,
                     "ICompositionalModel cannot make a duplicate component named 'B'");
  EXPECT_EQ(clashing.getNumComponents(), 1);
  EXPECT_EQ(support::observe(clashing.getComponent(0)), held);
  EXPECT_EQ(clashing.getEquationOfState(), Eos::PengRobinsonCorrected);
  ASSERT_NE(clashing.getWaterProperties(), nullptr);
  EXPECT_EQ(clashing.getWaterProperties()->getSurfaceDensity(),
            source.getWaterProperties()->getSurfaceDensity());
}

TEST(CompositionalModelCopy, TalksToBothModelsInTheOrderOfItsSteps) {
  recording::CallLog log;
  recording::RecordingCompositionalModel source(log, "S"), target(log, "T");
  source.setEquationOfState(Eos::SoaveRedlichKwong);
  source.makeWaterProperties();
  for (char const* name : {"A", "B", "E"}) source.makeComponent(name, Type::Plain);
  source.getBICs().setBIC(1, 0, 0.1);
  source.getBICs().setBIC(2, 1, 0.3);
  target.makeComponent("P", Type::Plain);
  std::string const eos = "S.getEquationOfState() T.setEquationOfState(" +
                          std::to_string(static_cast<int>(Eos::SoaveRedlichKwong)) + ")";
  log.take();

  copy(source, target, 1 | 32);
  EXPECT_EQ(log.take(),
            // The fluid-model part, then the equation of state.
            "S.getWaterProperties() T.getWaterProperties() T.makeWaterProperties() " + eos +
                // Alignment: B and E are made after P, with the source's names and types.
                " S.getNumComponents() T.getNumComponents() T.getNumComponents() "
                "T.getNumComponents() S.getComponent(1) T.makeComponent(B,0) "
                "T.getNumComponents() T.getNumComponents() S.getComponent(2) "
                "T.makeComponent(E,0) T.getNumComponents() "
                // Each component, source side first, then its coefficients below the diagonal.
                "S.getNumComponents() S.getComponent(0) T.getComponent(0) S.getComponent(1) "
                "T.getComponent(1) T.getBICs() S.getBICs() S.getBIC(1,0) T.setBIC(1,0,0.1) "
                "S.getComponent(2) T.getComponent(2) T.getBICs() S.getBICs() S.getBIC(2,0) "
                "T.setBIC(2,0,0) T.getBICs() S.getBICs() S.getBIC(2,1) T.setBIC(2,1,0.3)");
  copy(source, target, ~(1 | 2 | 32));
  EXPECT_EQ(log.take(), eos);
}

TEST(CompositionalModelCopy, OnePropertyCopyAlignsThenTransfersThatPropertyAlone) {
  recording::CallLog log;
  recording::RecordingComponentsSource source(
      log, {{"A", Type::Plain}, {"B", Type::AqueousSoluble}, {"E", Type::Plain}});
  source.setEquationOfState(Eos::RedlichKwong);
  source.makeWaterProperties();
  source.getBICs().setBIC(1, 0, 0.9);
  setProperties(source.getComponent(0), {{0, 30.0}, {5, 0.1}});
  recording::RecordingCompositionalModel longer(log, "T"), shorter(log, "T"), clashing(log, "T");
  for (char const* name : {"P", "Q", "R", "S", "U"}) longer.makeComponent(name, Type::Plain);
  setProperties(longer.getComponent(0), {{0, 16.0}, {5, 0.5}, {7, 1.0}});
  setProperties(longer.getComponent(2), {{5, 0.7}, {9, 1.0}});
  shorter.makeComponent("P", Type::Plain);
  clashing.makeComponent("E", Type::Plain);
  clashing.makeComponent("X", Type::Plain);
  // After the alignment, the property of each component: the source's component is
  // fetched first (not logged here), then the target's, which logs nothing of its own.
  std::string const k = "(" + std::to_string(static_cast<int>(Property::AcentricFactor)) + ")";
  std::string const transfer = "T.getComponent(0) A.hasProperty" + k + " A.getProperty" + k +
                               " T.getComponent(1) B.hasProperty" + k +
                               " T.getComponent(2) E.hasProperty" + k;
  std::string const count = "T.getNumComponents() ";
  log.take();

  copy(source, longer, Property::AcentricFactor);
  EXPECT_EQ(log.take(), count + count + "T.deleteComponent(4) " + count + count +
                            "T.deleteComponent(3) " + count + count + transfer);
  // Nothing else: no other property, no fluid-model part, no equation of state, no pairs.
  StdComponent first("P", Type::Plain), third("R", Type::Plain);
  setProperties(first, {{0, 16.0}, {5, 0.1}, {7, 1.0}});
  setProperties(third, {{9, 1.0}});
  EXPECT_EQ(support::observe(longer.getComponent(0)), support::observe(first));
  EXPECT_EQ(support::observe(longer.getComponent(2)), support::observe(third));
  EXPECT_EQ(longer.getEquationOfState(), Eos::PengRobinson);
  EXPECT_EQ(longer.getWaterProperties(), nullptr);
  EXPECT_EQ(longer.getBICs().getBIC(1, 0), 0.0);
  log.take();

  copy(source, shorter, Property::AcentricFactor);
  EXPECT_EQ(log.take(), count + count + count + "B.getName() B.getType() T.makeComponent(B,1) " +
                            count + count + "E.getName() E.getType() T.makeComponent(E,0) " +
                            count + transfer);
  // A name the target already holds stops the alignment at that make.
  EXPECT_THROW_EXACT(copy(source, clashing, Property::AcentricFactor), std::invalid_argument,
                     "ICompositionalModel cannot make a duplicate component named 'E'");
  EXPECT_EQ(log.take(), count + count + count + "E.getName() E.getType() T.makeComponent(E,0)");
  EXPECT_EQ(clashing.getNumComponents(), 2);
}

TEST(KValueAndViscosityIndexTableCopy, LeaveTheTargetWithTheSourceSizesAndValues) {
  StdTemperatureKValueTable source, target;
  StdOilViscosityIndexTable indexSource, indexTarget;
  support::fill(source, 100.0, 2, 1);
  support::fill(target, 900.0, 3, 2);
  support::fill(indexSource, 100.0, 2, 1);
  support::fill(indexTarget, 900.0, 3, 2);
  copy(source, target, -1);
  EXPECT_EQ(support::observe(target), support::observe(source));
  copy(indexSource, indexTarget, -1);
  EXPECT_EQ(support::observe(indexTarget), support::observe(indexSource));
}
