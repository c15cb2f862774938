#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "Orv/Tess/Varnak/StdBinaryInteractionCoefficients.h"
#include "support/Support.h"

namespace {

using Orv::Tess::Varnak::IBinaryInteractionCoefficients;
using Orv::Tess::Varnak::StdBinaryInteractionCoefficients;

TEST(BinaryInteractionCoefficients, AreSymmetricWithAZeroDiagonalAndNoSize) {
  StdBinaryInteractionCoefficients bics;
  IBinaryInteractionCoefficients& k = bics;
  EXPECT_EQ(k.getBIC(-1, 1000), 0.0);  // any pair is an index

  k.setBIC(2, 5, 0.25);
  EXPECT_EQ(k.getBIC(2, 5), 0.25);
  EXPECT_EQ(k.getBIC(5, 2), 0.25);
  k.setBIC(5, 2, 0.13);  // the same pair, written the other way round
  EXPECT_EQ(k.getBIC(2, 5), 0.13);

  k.setBIC(3, 3, 1.0);
  EXPECT_EQ(k.getBIC(3, 3), 0.0);

  k.setBIC(-4, 7, 0.5);
  EXPECT_EQ(k.getBIC(7, -4), 0.5);

  k.setBIC(5, 2, 0.0);
  EXPECT_EQ(k.getBIC(2, 5), 0.0);
  k.setBIC(7, -4, -0.0);  // negative zero removes too
  EXPECT_EQ(k.getBIC(-4, 7), 0.0);
  EXPECT_FALSE(std::signbit(k.getBIC(-4, 7)));
  k.setBIC(1, 9, 0.0);  // removing an absent pair does nothing
  EXPECT_EQ(k.getBIC(1, 9), 0.0);

  k.setBIC(0, 1, std::numeric_limits<double>::quiet_NaN());
  EXPECT_TRUE(std::isnan(k.getBIC(1, 0)));
}

TEST(BinaryInteractionCoefficients, CopiesAreIndependent) {
  StdBinaryInteractionCoefficients source;
  source.setBIC(0, 1, 0.02);
  source.setBIC(0, 2, 0.035);
  std::string const before = support::observe(source);
  StdBinaryInteractionCoefficients copy(source);
  StdBinaryInteractionCoefficients assigned;
  assigned.setBIC(4, 5, 0.9);
  assigned = source;  // replaced, not merged
  for (StdBinaryInteractionCoefficients* k : {&copy, &assigned}) {
    EXPECT_EQ(support::observe(*k), before);
    k->setBIC(0, 1, 0.0);
  }
  EXPECT_EQ(support::observe(source), before);
  StdBinaryInteractionCoefficients moved(std::move(source));
  EXPECT_EQ(support::observe(moved), before);
}

}  // namespace
