#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/StdReaction.h"
#include "support/Expect.h"

namespace {

using namespace Orv::Tess::Varnak;
using Phase = IReaction::ReactingComponentPhase;
using Direction = IReaction::EquilibriumReactionDirection;

constexpr char kBadComponent[] = "Invalid component index in StdReaction.";

// Everything a host can observe of a reaction, flattened for comparison.
struct Snapshot {
  std::string name;
  int numComponents = 0;
  std::vector<double> numbers;
  std::vector<int> integers;
  std::vector<std::string> texts;
  bool operator==(Snapshot const& o) const {
    return name == o.name && numComponents == o.numComponents && numbers == o.numbers &&
           integers == o.integers && texts == o.texts;
  }
};

Snapshot snapshot(IReaction const& r) {
  Snapshot s;
  s.name = r.getName();
  s.numComponents = r.getNumComponents();
  s.numbers = {r.getRateConstant(),          r.getMolarEnthalpy(),
               r.getActivationMolarEnergy(), r.getRatePorosityOrder(),
               r.getEquilibriumOrder(),      r.getEquilibriumKValueCR_A(),
               r.getEquilibriumKValueCR_B(), r.getEquilibriumKValueCR_C(),
               r.getEquilibriumKValueCR_D(), r.getEquilibriumKValueCR_E()};
  s.integers = {r.getRatePorosityOrderIsSet(),
                r.getHasEquilibriumDeviationTerms(),
                r.getEquilibriumModelType(),
                r.getEquilibriumLiquidComponentIndex(),
                r.getEquilibriumVapourComponentIndex(),
                static_cast<int>(r.getEquilibriumReactionDirection()),
                r.getEquilibriumKValueIndex()};
  s.texts = {r.getEquilibriumReactionDirectionAsString()};
  for (int c = 0; c < r.getNumComponents(); ++c) {
    s.numbers.push_back(r.getRateComponentOrder(c));
    s.numbers.push_back(r.getReactantStoichiometricCoefficient(c));
    s.numbers.push_back(r.getProductStoichiometricCoefficient(c));
    s.integers.push_back(static_cast<int>(r.getReactingComponentPhase(c)));
    s.texts.push_back(r.getReactingComponentPhaseAsString(c));
  }
  return s;
}

// In-situ combustion of a heavy pseudo-component: HEAVY + 12.5 O2 -> 11 CO2 + 9 H2O,
// components in the order HEAVY, O2, CO2, H2O.
StdReaction combustion() {
  StdReaction r("BURN");
  r.setNumComponents(4);
  double const reactant[] = {1.0, 12.5, 0.0, 0.0};
  double const product[] = {0.0, 0.0, 11.0, 9.0};
  Phase const phase[] = {Phase::Oil, Phase::Gas, Phase::Gas, Phase::Water};
  for (int c = 0; c < 4; ++c) {
    r.setReactantStoichiometricCoefficient(c, reactant[c]);
    r.setProductStoichiometricCoefficient(c, product[c]);
    r.setReactingComponentPhase(c, phase[c]);
    r.setRateComponentOrder(c, c < 2 ? 1.0 : 0.0);
  }
  r.setRateConstant(4.17e5);
  r.setActivationMolarEnergy(6.0e4);
  r.setMolarEnthalpy(5.8e6);
  r.setEquilibriumReactionDirection(Direction::Backward);
  r.setEquilibriumKValueCR_C(-1.2e3);
  return r;
}

TEST(Reaction, StartsEmptyWithEveryValueZeroAndDirectionForward) {
  StdReaction const r("R1");
  EXPECT_EQ(r.getName(), "R1");
  EXPECT_EQ(r.getNumComponents(), 0);
  Snapshot const s = snapshot(r);
  EXPECT_EQ(s.numbers, std::vector<double>(10, 0.0));
  EXPECT_EQ(s.integers, std::vector<int>(7, 0));
  EXPECT_EQ(s.texts, std::vector<std::string>{"FORWARD"});
  EXPECT_THROW_EXACT(r.getRateComponentOrder(0), std::range_error, kBadComponent);
}

TEST(Reaction, SettingThePorosityOrderMarksItSetEvenWithTheSameValue) {
  StdReaction r("R1");
  r.setRatePorosityOrder(0.0);
  EXPECT_TRUE(r.getRatePorosityOrderIsSet());
  EXPECT_EQ(r.getRatePorosityOrder(), 0.0);
}

TEST(Reaction, EveryPerComponentOperationChecksTheIndexAndChangesNothingOnFailure) {
  StdReaction r = combustion();
  Snapshot const before = snapshot(r);
  std::vector<std::pair<char const*, std::function<void(int)>>> const calls = {
      {"getRateComponentOrder", [&](int c) { r.getRateComponentOrder(c); }},
      {"setRateComponentOrder", [&](int c) { r.setRateComponentOrder(c, 2.0); }},
      {"getReactingComponentPhase", [&](int c) { r.getReactingComponentPhase(c); }},
      {"setReactingComponentPhase", [&](int c) { r.setReactingComponentPhase(c, Phase::Oil); }},
      {"getReactingComponentPhaseAsString", [&](int c) { r.getReactingComponentPhaseAsString(c); }},
      {"getReactantStoichiometricCoefficient",
       [&](int c) { r.getReactantStoichiometricCoefficient(c); }},
      {"setReactantStoichiometricCoefficient",
       [&](int c) { r.setReactantStoichiometricCoefficient(c, 2.0); }},
      {"getProductStoichiometricCoefficient",
       [&](int c) { r.getProductStoichiometricCoefficient(c); }},
      {"setProductStoichiometricCoefficient",
       [&](int c) { r.setProductStoichiometricCoefficient(c, 2.0); }},
  };
  for (auto const& [name, call] : calls) {
    for (int c : {-1, 4, 1000}) {
      SCOPED_TRACE(::testing::Message() << name << "(" << c << ")");
      EXPECT_THROW_EXACT(call(c), std::range_error, kBadComponent);
    }
  }
  EXPECT_EQ(snapshot(r), before);
}

TEST(Reaction, ResizingKeepsTheEntriesInFrontAndZeroesNewOnes) {
  StdReaction r("R1");
  r.setNumComponents(3);
  for (int c = 0; c < 3; ++c) {
    EXPECT_EQ(r.getRateComponentOrder(c), 0.0);
    EXPECT_EQ(r.getReactantStoichiometricCoefficient(c), 0.0);
    EXPECT_EQ(r.getProductStoichiometricCoefficient(c), 0.0);
    EXPECT_EQ(r.getReactingComponentPhaseAsString(c), "ALL");
    r.setRateComponentOrder(c, c + 1.0);
    r.setReactantStoichiometricCoefficient(c, c + 10.0);
    r.setProductStoichiometricCoefficient(c, c + 20.0);
    r.setReactingComponentPhase(c, Phase::Water);
  }
  r.setNumComponents(2);
  r.setNumComponents(3);
  EXPECT_EQ(r.getRateComponentOrder(1), 2.0);
  EXPECT_EQ(r.getReactantStoichiometricCoefficient(1), 11.0);
  EXPECT_EQ(r.getProductStoichiometricCoefficient(1), 21.0);
  EXPECT_EQ(r.getReactingComponentPhase(1), Phase::Water);
  EXPECT_EQ(r.getRateComponentOrder(2), 0.0);
  EXPECT_EQ(r.getReactantStoichiometricCoefficient(2), 0.0);
  EXPECT_EQ(r.getProductStoichiometricCoefficient(2), 0.0);
  EXPECT_EQ(r.getReactingComponentPhaseAsString(2), "ALL");
}

TEST(Reaction, ANegativeCountIsStoredButLeavesTheArraysAsTheyWere) {
  StdReaction r = combustion();
  EXPECT_THROW_EXACT(r.setNumComponents(-1), std::length_error, "vector<T> too long");
  EXPECT_EQ(r.getNumComponents(), -1);
  EXPECT_THROW_EXACT(r.getRateComponentOrder(0), std::range_error, kBadComponent);
  // The arrays kept their four entries: growing again shows them.
  r.setNumComponents(4);
  EXPECT_EQ(snapshot(r), snapshot(combustion()));
}

TEST(Reaction, PhaseAndDirectionTextsCoverEveryInteger) {
  StdReaction r("R1");
  r.setNumComponents(1);
  std::pair<int, char const*> const phases[] = {{0, "ALL"}, {1, "OIL"},  {2, "GAS"},
                                                {3, "GPP"}, {4, "WAT"},  {5, "NONE"},
                                                {9, "ALL"}, {-1, "ALL"}, {6, "ALL"}};
  for (auto const& [value, text] : phases) {
    r.setReactingComponentPhase(0, static_cast<Phase>(value));
    EXPECT_EQ(static_cast<int>(r.getReactingComponentPhase(0)), value);  // stored as given
    EXPECT_EQ(r.getReactingComponentPhaseAsString(0), text) << value;
  }
  std::pair<int, char const*> const directions[] = {
      {0, "FORWARD"}, {1, "BACKWARD"}, {2, "BOTH"}, {7, "BOTH"}, {-3, "BOTH"}};
  for (auto const& [value, text] : directions) {
    r.setEquilibriumReactionDirection(static_cast<Direction>(value));
    EXPECT_EQ(r.getEquilibriumReactionDirectionAsString(), text) << value;
  }
}

TEST(Reaction, CopiesCarryEveryValueAndAreIndependent) {
  StdReaction source = combustion();
  source.setRatePorosityOrder(1.5);
  source.setHasEquilibriumDeviationTerms(true);
  source.setEquilibriumModelType(2);
  source.setEquilibriumLiquidComponentIndex(3);
  source.setEquilibriumVapourComponentIndex(1);
  source.setEquilibriumOrder(0.5);
  source.setEquilibriumKValueIndex(4);
  source.setEquilibriumKValueCR_A(1.0);
  source.setEquilibriumKValueCR_B(2.0);
  source.setEquilibriumKValueCR_D(4.0);
  source.setEquilibriumKValueCR_E(5.0);
  Snapshot const original = snapshot(source);

  StdReaction copy(source);
  EXPECT_EQ(snapshot(copy), original);
  copy.setReactantStoichiometricCoefficient(1, 99.0);
  copy.setNumComponents(1);
  EXPECT_EQ(snapshot(source), original);

  StdReaction assigned("OTHER");
  assigned = source;
  EXPECT_EQ(snapshot(assigned), original);  // the name too

  StdReaction moved(std::move(assigned));
  EXPECT_EQ(snapshot(moved), original);
}

TEST(Reaction, AMovedFromReactionHoldsNoComponents) {
  // The per-component arrays go with the move; the source must not go on claiming them.
  StdReaction source = combustion();
  StdReaction moved(std::move(source));
  EXPECT_EQ(moved.getNumComponents(), 4);
  EXPECT_EQ(source.getNumComponents(), 0);
  EXPECT_THROW_EXACT(source.getRateComponentOrder(0), std::range_error, kBadComponent);
  EXPECT_THROW_EXACT(source.setReactingComponentPhase(3, Phase::Oil), std::range_error,
                     kBadComponent);

  StdReaction target("OTHER");
  target = std::move(moved);
  EXPECT_EQ(snapshot(target), snapshot(combustion()));
  EXPECT_EQ(moved.getNumComponents(), 0);
  EXPECT_THROW_EXACT(moved.getProductStoichiometricCoefficient(0), std::range_error, kBadComponent);

  // A moved-from reaction is usable again once sized.
  source.setNumComponents(2);
  EXPECT_EQ(source.getReactingComponentPhaseAsString(1), "ALL");
}

}  // namespace
