// Between two objects that are exactly the library's classes a copy moves storage directly;
// a source of a class derived from the library's (Thin<…>, which adds nothing) is read
// through its interface, value by value. Random shapes of every table kind and model, the
// failing ones included, are copied both ways into equal targets: the targets must end
// alike and the same exception must come out.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <exception>
#include <random>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "Orv/Tess/Varnak.h"
#include "support/Support.h"

namespace {

using namespace Orv::Tess::Varnak;
using Random = std::mt19937;

template <class T>
struct Thin : T {};

int draw(Random& g, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(g); }

// A flat table of random size; now and then one with a negative component count and rows,
// as a host leaves it when a resize failed on that count: copying such a table fails.
template <class I>
auto shape(I& t, Random& g, double seed) -> decltype(support::fill(t, seed, 0, 0)) {
  int const rows = draw(g, 0, 6);
  if (draw(g, 0, 7) != 0) return support::fill(t, seed, rows, draw(g, 0, 4));
  support::fill(t, seed, 0, -2);
  try {
    support::fill(t, seed, rows, -2);
  } catch (std::length_error const&) {
  }
}
// Depths rising, falling or unordered: the table's knowledge of its order must come over.
void shape(IDepthTable& t, Random& g, double seed) {
  shape<IDepthTable>(t, g, seed);  // the flat table's shapes
  int const order = draw(g, 0, 2);
  for (int d = 0; d < t.getNumDepths() && order != 0; ++d) {
    t.setDepth(d, order == 1 ? -10.0 * d : draw(g, -3, 3) * 10.0);
  }
}
void shape(IOilTable& t, Random& g, double seed) {
  std::vector<int> entries(std::size_t(draw(g, 0, 5)));
  for (int& e : entries) e = draw(g, 0, 4);
  support::fill(t, seed, entries);
}
void shape(IGasTable& t, Random& g, double seed) {
  std::vector<int> entries(std::size_t(draw(g, 0, 4)));
  for (int& e : entries) e = draw(g, 0, 3);
  support::fill(t, seed, entries);
}
void shape(ISolventTable& t, Random& g, double seed) { support::fill(t, seed, draw(g, 0, 5)); }
void shape(IMiscibilityTable& t, Random& g, double seed) { support::fill(t, seed, draw(g, 0, 5)); }
// Whole objects: furnished, or left empty, so that the copy both builds and replaces.
template <class I>
auto shape(I& t, Random& g, double seed) -> decltype(support::furnish(t, seed)) {
  if (draw(g, 0, 3) != 0) support::furnish(t, seed);
}

// What a host can read, and for a depth table the values interpolate finds. NaNs (a
// segment of two equal depths) read alike whatever their sign.
template <class I>
std::string look(I const& t) {
  std::string s = support::observe(t);
  if constexpr (std::is_base_of_v<IDepthTable, I>) {
    if (t.getNumDepths() > 0 && t.getNumComponents() > 0) {
      for (double depth = -35; depth <= 65; depth += 10) {
        double const v = interpolate(t, depth, 0, true);
        s += std::isnan(v) ? " nan" : " " + std::to_string(v);
      }
    }
  }
  return s;
}

// Fills a source of class Own and one of class Thin<Own> alike, and two targets of class
// Target alike, copies each source into its target (through the interface I) and compares.
template <class I, class Own, class Target = Own>
void samePaths(int seed, int flags = 0) {
  Own fastSource;
  Thin<Own> slowSource;
  Target fastTarget, slowTarget;
  for (I* t : {static_cast<I*>(&fastSource), static_cast<I*>(&slowSource)}) {
    Random g(seed);
    shape(*t, g, 1);
  }
  for (I* t : {static_cast<I*>(&fastTarget), static_cast<I*>(&slowTarget)}) {
    Random g(seed + 1000);
    shape(*t, g, 2);
  }
  auto run = [flags](I const& s, I& t) {
    try {
      copy(s, t, flags);
      return std::string();
    } catch (std::exception const& e) {
      return std::string(typeid(e).name()) + ": " + e.what();
    }
  };
  std::string const fast = run(fastSource, fastTarget);
  std::string const slow = run(slowSource, slowTarget);
  ASSERT_EQ(fast + " | " + look<I>(fastTarget), slow + " | " + look<I>(slowTarget))
      << typeid(Own).name() << " into " << typeid(Target).name() << ", seed " << seed;
}

template <class I, class Source, class... Targets>
void into(int seed) {
  (samePaths<I, Source, Targets>(seed), ...);
}

TEST(CopyFastPath, EveryCopyBetweenLibraryClassesEndsAsTheCopyThroughTheInterfaces) {
  for (int seed = 1; seed <= 60; ++seed) {
    samePaths<IDepthTable, StdDepthTable>(seed);
    samePaths<ITemperatureTable, StdTemperatureTable>(seed);
    samePaths<IOilViscosityIndexTable, StdOilViscosityIndexTable>(seed);
    samePaths<ITemperatureKValueTable, StdTemperatureKValueTable>(seed);
    samePaths<ISolventTable, StdSolventTable>(seed);
    samePaths<IMiscibilityTable, StdMisciblityTable>(seed);
    samePaths<ICompressibleOilTable, StdCompressibleOilTable>(seed);
    into<IOilTable, StdOilTable, StdOilTable, StdDeadOilTable, StdCompressibleOilTable>(seed);
    into<IOilTable, StdDeadOilConstantCompressTable, StdOilTable, StdDeadOilTable>(seed);
    into<IGasTable, StdGasTable, StdGasTable, StdDryGasTable>(seed);
    into<IGasTable, StdDryGasTable, StdGasTable, StdDryGasTable>(seed);
    samePaths<IInitialCondition, StdInitialCondition>(seed, 4);
    samePaths<IBlackOilModel, StdBlackOilModel>(seed, seed % 64);
    samePaths<ICompositionalModel, StdCompositionalModel>(seed, seed % 64);
  }
}

}  // namespace
