#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/StdReaction.h"
#include "support/Expect.h"

namespace {

using namespace Orv::Tess::Varnak;
using Phase = IReaction::ReactingComponentPhase;
using Direction = IReaction::EquilibriumReactionDirection;

constexpr char kBadComponent[] = "Invalid component index in StdReaction.";

// Everything a host can observe of a reaction: name, numbers, integers and texts, with the
// per-component entries after the scalars.
using Snapshot =
    std::tuple<std::string, std::vector<double>, std::vector<int>, std::vector<std::string>>;

Snapshot snapshot(IReaction const& r) {
  Snapshot s{r.getName(),
             {r.getRateConstant(), r.getMolarEnthalpy(), r.getActivationMolarEnergy(),
              r.getRatePorosityOrder(), r.getEquilibriumOrder(), r.getEquilibriumKValueCR_A(),
              r.getEquilibriumKValueCR_B(), r.getEquilibriumKValueCR_C(),
              r.getEquilibriumKValueCR_D(), r.getEquilibriumKValueCR_E()},
             {r.getNumComponents(), r.getRatePorosityOrderIsSet(),
              r.getHasEquilibriumDeviationTerms(), r.getEquilibriumModelType(),
              r.getEquilibriumLiquidComponentIndex(), r.getEquilibriumVapourComponentIndex(),
              static_cast<int>(r.getEquilibriumReactionDirection()), r.getEquilibriumKValueIndex()},
             {r.getEquilibriumReactionDirectionAsString()}};
  auto& [name, numbers, integers, texts] = s;
  for (int c = 0; c < r.getNumComponents(); ++c) {
    numbers.insert(numbers.end(),
                   {r.getRateComponentOrder(c), r.getReactantStoichiometricCoefficient(c),
                    r.getProductStoichiometricCoefficient(c)});
    integers.push_back(static_cast<int>(r.getReactingComponentPhase(c)));
    texts.push_back(r.getReactingComponentPhaseAsString(c));
  }
  return s;
}

// In-situ combustion of a heavy pseudo-component: HEAVY + 12.5 O2 -> 11 CO2 + 9 H2O,
// components in the order HEAVY, O2, CO2, H2O; every scalar set to its own value.
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
  r.setMolarEnthalpy(5.8e6);
  r.setActivationMolarEnergy(6.0e4);
  r.setRatePorosityOrder(1.5);
  r.setEquilibriumOrder(0.5);
  r.setEquilibriumKValueCR_A(1.0);
  r.setEquilibriumKValueCR_B(2.0);
  r.setEquilibriumKValueCR_C(-1.2e3);
  r.setEquilibriumKValueCR_D(4.0);
  r.setEquilibriumKValueCR_E(5.0);
  r.setHasEquilibriumDeviationTerms(true);
  r.setEquilibriumModelType(2);
  r.setEquilibriumLiquidComponentIndex(3);
  r.setEquilibriumVapourComponentIndex(5);
  r.setEquilibriumReactionDirection(Direction::Backward);
  r.setEquilibriumKValueIndex(6);
  return r;
}

TEST(Reaction, StartsAtZeroAndKeepsEveryValueInItsOwnPlace) {
  EXPECT_EQ(snapshot(StdReaction("R1")),
            (Snapshot{"R1", std::vector<double>(10, 0.0), std::vector<int>(8, 0), {"FORWARD"}}));
  EXPECT_EQ(snapshot(combustion()),
            (Snapshot{"BURN",
                      {4.17e5, 5.8e6, 6.0e4, 1.5,  0.5, 1.0, 2.0, -1.2e3, 4.0, 5.0, 1.0,
                       1.0,    0.0,   1.0,   12.5, 0.0, 0.0, 0.0, 11.0,   0.0, 0.0, 9.0},
                      {4, 1, 1, 2, 3, 5, 1, 6, 1, 2, 2, 4},
                      {"BACKWARD", "OIL", "GAS", "GAS", "WAT"}}));
  StdReaction r("R1");
  r.setRatePorosityOrder(0.0);  // set, even with the value it had
  EXPECT_TRUE(r.getRatePorosityOrderIsSet());
}

TEST(Reaction, NamesEveryPhaseAndDirectionIntegerAndStoresItAsGiven) {
  StdReaction r("R1");
  r.setNumComponents(1);
  std::pair<int, char const*> const phases[] = {{0, "ALL"}, {1, "OIL"},  {2, "GAS"},
                                                {3, "GPP"}, {4, "WAT"},  {5, "NONE"},
                                                {9, "ALL"}, {-1, "ALL"}, {6, "ALL"}};
  for (auto const& [value, text] : phases) {
    r.setReactingComponentPhase(0, static_cast<Phase>(value));
    EXPECT_EQ(static_cast<int>(r.getReactingComponentPhase(0)), value);
    EXPECT_EQ(r.getReactingComponentPhaseAsString(0), text) << value;
  }
  std::pair<int, char const*> const directions[] = {
      {0, "FORWARD"}, {1, "BACKWARD"}, {2, "BOTH"}, {7, "BOTH"}, {-3, "BOTH"}};
  for (auto const& [value, text] : directions) {
    r.setEquilibriumReactionDirection(static_cast<Direction>(value));
    EXPECT_EQ(r.getEquilibriumReactionDirectionAsString(), text) << value;
  }
}

TEST(Reaction, PerComponentEntriesAreCheckedAndResizedTogether) {
  StdReaction r = combustion();
  Snapshot const before = snapshot(r);
  std::vector<std::function<void(int)>> const calls = {
      [&](int c) { r.getRateComponentOrder(c); },
      [&](int c) { r.setRateComponentOrder(c, 2.0); },
      [&](int c) { r.getReactingComponentPhase(c); },
      [&](int c) { r.setReactingComponentPhase(c, Phase::Oil); },
      [&](int c) { r.getReactingComponentPhaseAsString(c); },
      [&](int c) { r.getReactantStoichiometricCoefficient(c); },
      [&](int c) { r.setReactantStoichiometricCoefficient(c, 2.0); },
      [&](int c) { r.getProductStoichiometricCoefficient(c); },
      [&](int c) { r.setProductStoichiometricCoefficient(c, 2.0); },
  };
  for (std::size_t k = 0; k < calls.size(); ++k) {
    for (int c : {-1, 4, 1000}) {
      SCOPED_TRACE(::testing::Message() << "call " << k << " (" << c << ")");
      EXPECT_THROW_EXACT(calls[k](c), std::range_error, kBadComponent);
    }
  }
  EXPECT_EQ(snapshot(r), before);

  // A negative count is stored, but the arrays keep their entries: growing shows them.
  EXPECT_THROW_EXACT(r.setNumComponents(-1), std::length_error, "vector<T> too long");
  EXPECT_EQ(r.getNumComponents(), -1);
  EXPECT_THROW_EXACT(r.getRateComponentOrder(0), std::range_error, kBadComponent);
  r.setNumComponents(4);
  EXPECT_EQ(snapshot(r), before);

  // Shrinking and growing keeps the entries in front and zeroes the new ones.
  r.setNumComponents(1);
  r.setNumComponents(2);
  StdReaction expected = combustion();
  expected.setNumComponents(2);
  expected.setRateComponentOrder(1, 0.0);
  expected.setReactantStoichiometricCoefficient(1, 0.0);
  expected.setReactingComponentPhase(1, Phase{0});
  EXPECT_EQ(snapshot(r), snapshot(expected));
}

TEST(Reaction, CopiesCarryEveryValueAndMovesTakeTheComponentsAlong) {
  StdReaction source = combustion();
  Snapshot const original = snapshot(source);
  StdReaction copy(source);
  EXPECT_EQ(snapshot(copy), original);
  copy.setReactantStoichiometricCoefficient(1, 99.0);
  copy.setNumComponents(1);
  EXPECT_EQ(snapshot(source), original);
  StdReaction assigned("OTHER");
  assigned = source;
  EXPECT_EQ(snapshot(assigned), original);  // the name too

  // The per-component arrays go with a move; the source must not go on claiming them.
  StdReaction moved(std::move(assigned));
  EXPECT_EQ(snapshot(moved), original);
  EXPECT_EQ(assigned.getNumComponents(), 0);  // NOLINT(bugprone-use-after-move)
  EXPECT_THROW_EXACT(assigned.setReactingComponentPhase(3, Phase::Oil), std::range_error,
                     kBadComponent);
  StdReaction target("OTHER");
  target = std::move(moved);
  EXPECT_EQ(snapshot(target), original);
  EXPECT_EQ(moved.getNumComponents(), 0);  // NOLINT(bugprone-use-after-move)
  EXPECT_THROW_EXACT(moved.getProductStoichiometricCoefficient(0), std::range_error, kBadComponent);
  assigned.setNumComponents(2);  // usable again once sized
  EXPECT_EQ(assigned.getReactingComponentPhaseAsString(1), "ALL");
}

}  // namespace
