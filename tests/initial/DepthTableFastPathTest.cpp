// The depth-table operations read a StdDepthTable's arrays directly and bisect its depths
// when they are monotone; any other table, a class derived from StdDepthTable included, is
// read through its interface, row by row. Random tables and random calls run both ways
// must give the same answers, exceptions and tables, bit for bit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <exception>
#include <limits>
#include <random>
#include <string>
#include <typeinfo>
#include <vector>

#include "Orv/Tess/Varnak.h"
#include "support/Observe.h"

namespace {

using namespace Orv::Tess::Varnak;

// Read through its interface; counts the values read through it.
struct HostTable : StdDepthTable {
  mutable int reads = 0;
  double getProperty(int d, int c) const override {
    ++reads;
    return StdDepthTable::getProperty(d, c);
  }
};

// Which NaN an operation on two NaNs gives is the processor's and the compiler's choice
// (operands of a product may be swapped), so every NaN reads alike.
std::string bits(double v) {
  if (std::isnan(v)) return "nan";
  std::uint64_t u = 0;
  std::memcpy(&u, &v, sizeof u);
  return std::to_string(u);
}

TEST(DepthTableFastPath, EveryOperationAnswersAsTheWalkThroughTheInterface) {
  std::mt19937 random(20261206);
  auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  double const nan = std::numeric_limits<double>::quiet_NaN();
  double const inf = std::numeric_limits<double>::infinity();
  for (int round = 0; round < 400; ++round) {
    StdDepthTable own;
    HostTable host;
    int const pattern = uniform(0, 4);  // rising, falling, steps, unordered, constant
    int const rows = uniform(0, 3) == 0 ? uniform(0, 3) : uniform(2, 40);
    int const width = uniform(0, 3);
    double level = uniform(-5, 5) * 100.0;
    std::vector<double> depths;
    for (int d = 0; d < rows; ++d) {
      int const step = pattern == 2 ? uniform(0, 1) * 10 : uniform(1, 30);  // steps repeat
      level += pattern == 1 ? -step : pattern == 3 ? uniform(-30, 30) : pattern == 4 ? 0 : step;
      depths.push_back(level);
    }
    if (rows > 0 && uniform(0, 5) == 0) depths[std::size_t(uniform(0, rows - 1))] = nan;
    for (StdDepthTable* t : {&own, static_cast<StdDepthTable*>(&host)}) {
      t->setNumComponents(width);
      t->setNumDepths(rows);
      for (int d = 0; d < rows; ++d) {
        t->setDepth(d, depths[std::size_t(d)]);
        for (int c = 0; c < width; ++c) t->setProperty(d, c, 0.5 * d * d - 3 * c + 1);
      }
    }
    // Calls that change the depths on the way check that the table's own knowledge of its
    // order stays exact: a stale count would bisect where the walk finds another segment.
    for (int step = 0; step < 30; ++step) {
      int const kind = uniform(0, 4);
      int const pick = uniform(0, 5);
      double const depth = pick == 0 && rows > 0 ? depths[std::size_t(uniform(0, rows - 1))]
                           : pick == 1           ? nan
                           : pick == 2           ? (uniform(0, 1) ? inf : -inf)
                                                 : level + uniform(-1300, 300) + 0.25;
      int const index = uniform(-1, own.getNumDepths());
      int const component = uniform(-1, width);
      bool const a = uniform(0, 1) != 0, b = uniform(0, 1) != 0;
      double const resize = uniform(-2, 2), newDepth = uniform(0, 9) == 0 ? nan : depth;
      auto run = [&](StdDepthTable& t) {
        std::string s;
        try {
          if (kind == 0) s = bits(interpolate(t, depth, component, a));
          if (kind == 1) truncate(t, depth, a, b);
          if (kind == 2) normalizeComposition(t, index);
          if (kind == 3) t.setDepth(index, newDepth);
          if (kind == 4) t.setNumDepths(t.getNumDepths() + int(resize));
        } catch (std::exception const& e) {
          s = std::string(typeid(e).name()) + ": " + e.what();
        }
        return s;
      };
      std::string const direct = run(own);
      host.reads = 0;
      std::string const walked = run(host);
      if (kind == 0 && walked.find(':') == std::string::npos) {
        EXPECT_GT(host.reads, 0) << "a derived table must be read through its own getters";
      }
      ASSERT_EQ(direct + " | " + support::observe(own), walked + " | " + support::observe(host))
          << "round " << round << ", step " << step << ", call " << kind;
    }
  }
}

}  // namespace
