// The depth-table operations read a StdDepthTable's arrays directly and bisect its depths
// when they are monotone; any other table, a class derived from StdDepthTable included, is
// read through its interface, row by row. Random tables and random calls run both ways
// must give the same answers, exceptions and tables, bit for bit.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstring>
#include <exception>
#include <limits>
#include <random>
#include <string>
#include <typeinfo>
#include <vector>

#include "Orv/Tess/Varnak/DepthTableOperations.h"
#include "Orv/Tess/Varnak/StdDepthTable.h"

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

std::string bits(double v) {
  std::uint64_t u = 0;
  std::memcpy(&u, &v, sizeof u);
  return std::to_string(u) + ' ';
}

// The call's result (or its exception), then the whole table, every double by its bits
// (read past any override, so that HostTable counts only the call's own reads).
template <class Call>
std::string outcome(StdDepthTable const& t, Call call) {
  std::string s;
  try {
    s = call();
  } catch (std::exception const& e) {
    s = std::string(typeid(e).name()) + ": " + e.what();
  }
  s += " | " + std::to_string(t.getNumDepths()) + ' ' + std::to_string(t.getNumComponents()) + ':';
  for (int d = 0; d < t.getNumDepths(); ++d) {
    s += bits(t.getDepth(d));
    for (int c = 0; c < t.getNumComponents(); ++c) s += bits(t.StdDepthTable::getProperty(d, c));
  }
  return s;
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
    std::vector<double> depths;
    double level = uniform(-5, 5) * 100.0;
    for (int d = 0; d < rows; ++d) {
      int const step = pattern == 2 ? uniform(0, 1) * 10 : uniform(1, 30);  // steps repeat
      level += pattern == 1 ? -step : pattern == 3 ? uniform(-30, 30) : pattern == 4 ? 0 : step;
      depths.push_back(level);
    }
    if (rows > 0 && uniform(0, 5) == 0) depths[std::size_t(uniform(0, rows - 1))] = nan;
    auto query = [&]() -> double {
      switch (uniform(0, 5)) {
        case 0:
          return rows > 0 ? depths[std::size_t(uniform(0, rows - 1))] : 0.0;
        case 1:
          return nan;
        case 2:
          return uniform(0, 1) ? inf : -inf;
        default:
          return level + uniform(-1300, 300) + 0.25;
      }
    };
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
      int const kind = uniform(0, 5);
      double const depth = query();
      int const index = uniform(-1, own.getNumDepths());
      bool const flagA = uniform(0, 1) != 0;
      bool const flagB = uniform(0, 1) != 0;
      auto run = [&](StdDepthTable& t) {
        return outcome(t, [&]() -> std::string {
          switch (kind) {
            case 0:
              return bits(interpolate(t, depth, uniform(-1, width), flagA));
            case 1:
              truncate(t, depth, flagA, flagB);
              return "cut";
            case 2:
              normalizeComposition(t, index);
              return "normalized";
            case 3:
              t.setDepth(index, uniform(0, 9) == 0 ? nan : depth);
              return "set";
            case 4:
              t.setNumDepths(t.getNumDepths() + uniform(-2, 2));
              return "resized";
            default:
              return bits(interpolate(t, depth, 0, flagA));
          }
        });
      };
      std::mt19937 const replay = random;  // both calls draw the same component
      std::string const direct = run(own);
      random = replay;
      host.reads = 0;
      std::string const walked = run(host);
      ASSERT_EQ(direct, walked) << "round " << round << ", step " << step << ", call " << kind;
      if ((kind == 0 || kind == 5) && std::isdigit(static_cast<unsigned char>(walked[0]))) {
        EXPECT_GT(host.reads, 0) << "a derived table must be read through its own getters";
      }
    }
  }
}

}  // namespace
