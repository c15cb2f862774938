#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/StdReaction.h"
#include "support/Support.h"

namespace {

using namespace Orv::Tess::Varnak;
using support::observe;
using Phase = IReaction::ReactingComponentPhase;
using Direction = IReaction::EquilibriumReactionDirection;
using R = IReaction;

constexpr char kBadComponent[] = "Invalid component index in StdReaction.";

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
  r.setEquilibriumReactionDirection(Direction::Backward);
  return r;
}

TEST(Reaction, StartsAtZeroAndKeepsEveryValueInItsOwnPlace) {
  struct Real {
    void (R::*set)(double);
    double (R::*get)() const;
  };
  Real const reals[] = {{&R::setRateConstant, &R::getRateConstant},
                        {&R::setMolarEnthalpy, &R::getMolarEnthalpy},
                        {&R::setActivationMolarEnergy, &R::getActivationMolarEnergy},
                        {&R::setRatePorosityOrder, &R::getRatePorosityOrder},
                        {&R::setEquilibriumOrder, &R::getEquilibriumOrder},
                        {&R::setEquilibriumKValueCR_A, &R::getEquilibriumKValueCR_A},
                        {&R::setEquilibriumKValueCR_B, &R::getEquilibriumKValueCR_B},
                        {&R::setEquilibriumKValueCR_C, &R::getEquilibriumKValueCR_C},
                        {&R::setEquilibriumKValueCR_D, &R::getEquilibriumKValueCR_D},
                        {&R::setEquilibriumKValueCR_E, &R::getEquilibriumKValueCR_E}};
  struct Integer {
    void (R::*set)(int);
    int (R::*get)() const;
  };
  Integer const integers[] = {
      {&R::setEquilibriumModelType, &R::getEquilibriumModelType},
      {&R::setEquilibriumLiquidComponentIndex, &R::getEquilibriumLiquidComponentIndex},
      {&R::setEquilibriumVapourComponentIndex, &R::getEquilibriumVapourComponentIndex},
      {&R::setEquilibriumKValueIndex, &R::getEquilibriumKValueIndex}};
  StdReaction r("R1");
  EXPECT_EQ(r.getName(), "R1");
  EXPECT_EQ(r.getNumComponents(), 0);
  EXPECT_FALSE(r.getRatePorosityOrderIsSet());
  EXPECT_FALSE(r.getHasEquilibriumDeviationTerms());
  EXPECT_EQ(r.getEquilibriumReactionDirectionAsString(), "FORWARD");
  for (Real const& x : reals) EXPECT_EQ((r.*x.get)(), 0.0);
  for (Integer const& x : integers) EXPECT_EQ((r.*x.get)(), 0);
  // Distinct values, all set before any is read, expose a setter wired to the wrong field.
  // (rows + k)->: GCC 12's bounds sanitizer misreads a subscript inside a member-pointer call.
  for (std::size_t k = 0; k < std::size(reals); ++k) (r.*(reals + k)->set)(k + 0.5);
  for (std::size_t k = 0; k < std::size(integers); ++k) (r.*(integers + k)->set)(int(k) + 1);
  r.setHasEquilibriumDeviationTerms(true);
  for (std::size_t k = 0; k < std::size(reals); ++k) EXPECT_EQ((r.*(reals + k)->get)(), k + 0.5);
  for (std::size_t k = 0; k < std::size(integers); ++k)
    EXPECT_EQ((r.*(integers + k)->get)(), k + 1);
  EXPECT_TRUE(r.getHasEquilibriumDeviationTerms());
  EXPECT_TRUE(r.getRatePorosityOrderIsSet());
  StdReaction zero("R1");
  zero.setRatePorosityOrder(0.0);  // set, even with the value it had
  EXPECT_TRUE(zero.getRatePorosityOrderIsSet());
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
    EXPECT_EQ(static_cast<int>(r.getEquilibriumReactionDirection()), value);
    EXPECT_EQ(r.getEquilibriumReactionDirectionAsString(), text) << value;
  }
}

TEST(Reaction, PerComponentEntriesAreCheckedAndResizedTogether) {
  StdReaction r = combustion();
  EXPECT_EQ(
      (std::vector<double>{r.getRateComponentOrder(1), r.getReactantStoichiometricCoefficient(1),
                           r.getProductStoichiometricCoefficient(3)}),
      (std::vector<double>{1.0, 12.5, 9.0}));
  EXPECT_EQ(r.getReactingComponentPhaseAsString(3), "WAT");
  std::string const before = observe(r);
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
  EXPECT_EQ(observe(r), before);

  // A negative count is stored, but the arrays keep their entries: growing shows them.
  EXPECT_THROW_EXACT(r.setNumComponents(-1), std::length_error, "vector<T> too long");
  EXPECT_EQ(r.getNumComponents(), -1);
  EXPECT_THROW_EXACT(r.getRateComponentOrder(0), std::range_error, kBadComponent);
  r.setNumComponents(4);
  EXPECT_EQ(observe(r), before);

  // Shrinking and growing keeps the entries in front and zeroes the new ones.
  r.setNumComponents(1);
  r.setNumComponents(2);
  StdReaction expected = combustion();
  expected.setNumComponents(2);
  expected.setRateComponentOrder(1, 0.0);
  expected.setReactantStoichiometricCoefficient(1, 0.0);
  expected.setReactingComponentPhase(1, Phase{0});
  EXPECT_EQ(observe(r), observe(expected));
}

TEST(Reaction, CopiesCarryEveryValueAndMovesTakeTheComponentsAlong) {
  StdReaction source("BURN");
  support::fill(source, 1.0, 4);
  std::string const original = observe(source);
  StdReaction copy(source);
  EXPECT_EQ(observe(copy), original);
  copy.setReactantStoichiometricCoefficient(1, 99.0);
  copy.setNumComponents(1);
  EXPECT_EQ(observe(source), original);
  StdReaction assigned("OTHER");
  assigned = source;
  EXPECT_EQ(observe(assigned), original);  // the name too

  // The per-component arrays go with a move; the source must not go on claiming them.
  StdReaction moved(std::move(assigned));
  EXPECT_EQ(observe(moved), original);
  EXPECT_EQ(assigned.getNumComponents(), 0);  // NOLINT(bugprone-use-after-move)
  EXPECT_THROW_EXACT(assigned.setReactingComponentPhase(3, Phase::Oil), std::range_error,
                     kBadComponent);
  StdReaction target("OTHER");
  target = std::move(moved);
  EXPECT_EQ(observe(target), original);
  EXPECT_EQ(moved.getNumComponents(), 0);  // NOLINT(bugprone-use-after-move)
  EXPECT_THROW_EXACT(moved.getProductStoichiometricCoefficient(0), std::range_error, kBadComponent);
  assigned.setNumComponents(2);  // usable again once sized
  EXPECT_EQ(assigned.getReactingComponentPhaseAsString(1), "ALL");
}

}  // namespace
