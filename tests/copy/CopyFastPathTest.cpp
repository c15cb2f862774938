// Between two objects that are exactly the library's classes a copy moves storage directly;
// a source of a class derived from the library's (Thin<…>, which adds nothing) is read
// through its interface, value by value. Random shapes of every table kind and model, the
// failing ones included, are copied both ways into equal targets: the targets must end
// alike and the same exception must come out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>
#include <functional>
#include <random>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <utility>
#include <vector>

#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/DepthTableOperations.h"
#include "Orv/Tess/Varnak/StdBlackOilModel.h"
#include "Orv/Tess/Varnak/StdCompositionalModel.h"
#include "Orv/Tess/Varnak/StdInitialCondition.h"
#include "Orv/Tess/Varnak/StdMisciblityTable.h"
#include "Orv/Tess/Varnak/StdOilViscosityIndexTable.h"
#include "Orv/Tess/Varnak/StdSolventTable.h"
#include "Orv/Tess/Varnak/StdTemperatureKValueTable.h"
#include "Orv/Tess/Varnak/StdTemperatureTable.h"
#include "State.h"

namespace {

using namespace Orv::Tess::Varnak;
using Random = std::mt19937;

template <class T>
struct Thin : T {
  using T::T;
};

int draw(Random& g, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(g); }

// The operations of one flat table kind, so that one filler and one snapshot serve all four.
template <class I>
struct FlatKind {
  void (I::*setRows)(int);
  void (I::*setComponents)(int);
  void (I::*setKey)(int, double);
  void (I::*setValue)(int, int, double);
  int (I::*rows)() const;
  int (I::*components)() const;
  double (I::*key)(int) const;
  double (I::*value)(int, int) const;
};
FlatKind<IDepthTable> const kDepth{&IDepthTable::setNumDepths, &IDepthTable::setNumComponents,
                                   &IDepthTable::setDepth,     &IDepthTable::setProperty,
                                   &IDepthTable::getNumDepths, &IDepthTable::getNumComponents,
                                   &IDepthTable::getDepth,     &IDepthTable::getProperty};
FlatKind<ITemperatureTable> const kTemperature{
    &ITemperatureTable::setNumTemperatures, &ITemperatureTable::setNumComponents,
    &ITemperatureTable::setTemperature,     &ITemperatureTable::setProperty,
    &ITemperatureTable::getNumTemperatures, &ITemperatureTable::getNumComponents,
    &ITemperatureTable::getTemperature,     &ITemperatureTable::getProperty};
FlatKind<IKValueTable> const kKValue{
    &IKValueTable::setNumPressures, &IKValueTable::setNumComponents,
    &IKValueTable::setPressure,     &IKValueTable::setKValue,
    &IKValueTable::getNumPressures, &IKValueTable::getNumComponents,
    &IKValueTable::getPressure,     &IKValueTable::getKValue};
FlatKind<IOilViscosityIndexTable> const kViscosityIndex{
    &IOilViscosityIndexTable::setNumMolefractions, &IOilViscosityIndexTable::setNumComponents,
    &IOilViscosityIndexTable::setMoleFraction,     &IOilViscosityIndexTable::setOilViscosityIndex,
    &IOilViscosityIndexTable::getNumMolefractions, &IOilViscosityIndexTable::getNumComponents,
    &IOilViscosityIndexTable::getMoleFraction,     &IOilViscosityIndexTable::getOilViscosityIndex};

// Rows with keys in any order (or all rising); now and then a negative component count, as
// a host leaves it when a later resize failed on it: copying such a table fails.
template <class I>
void fill(I& t, FlatKind<I> const& k, Random& g) {
  int const rows = draw(g, 0, 6);
  int const components = draw(g, -8, 4) < 0 && draw(g, 0, 1) ? -draw(g, 1, 2) : draw(g, 0, 4);
  (t.*k.setComponents)(components);
  try {
    (t.*k.setRows)(rows);
  } catch (std::length_error const&) {
  }
  bool const rising = draw(g, 0, 1) != 0;
  for (int r = 0; r < (t.*k.rows)(); ++r) {
    (t.*k.setKey)(r, rising ? 10.0 * r : draw(g, -3, 3) * 10.0);
    for (int c = 0; c < components; ++c) (t.*k.setValue)(r, c, draw(g, -99, 99));
  }
}

// Everything observable, and for a depth table the values interpolate finds: they show
// whether the table's knowledge of its order came over with its depths. Compared bit by
// bit, since a segment of two equal depths gives a value that is not a number.
template <class I>
std::vector<std::uint64_t> look(I const& t, FlatKind<I> const& k) {
  std::vector<std::uint64_t> s{std::uint64_t((t.*k.rows)()), std::uint64_t((t.*k.components)())};
  auto const add = [&s](double v) {
    std::uint64_t u = 0;
    std::memcpy(&u, &v, sizeof u);
    s.push_back(u);
  };
  for (int r = 0; r < (t.*k.rows)(); ++r) {
    add((t.*k.key)(r));
    for (int c = 0; c < (t.*k.components)(); ++c) add((t.*k.value)(r, c));
  }
  if constexpr (std::is_same_v<I, IDepthTable>) {
    if (t.getNumDepths() > 0 && t.getNumComponents() > 0) {
      for (double depth = -35; depth <= 65; depth += 10) add(interpolate(t, depth, 0, true));
    }
  }
  return s;
}

std::string attempt(std::function<void()> const& call) {
  try {
    call();
    return "";
  } catch (std::exception const& e) {
    return std::string(typeid(e).name()) + ": " + e.what();
  }
}

// Fills a source of class Own and one of class Thin<Own> alike, and two targets of class
// Target alike, copies each source into its target and compares what came out.
template <class Own, class Target, class Fill, class Copy, class Look>
void expectSamePaths(int seed, Fill fill, Copy copy, Look look) {
  Own fastSource{};
  Thin<Own> slowSource{};
  Target fastTarget{}, slowTarget{};
  Random g(seed);
  fill(fastSource, g);
  g.seed(seed);
  fill(slowSource, g);
  g.seed(seed + 1);
  fill(fastTarget, g);
  g.seed(seed + 1);
  fill(slowTarget, g);
  std::string const fast = attempt([&] { copy(fastSource, fastTarget); });
  std::string const slow = attempt([&] { copy(slowSource, slowTarget); });
  ASSERT_EQ(fast, slow) << typeid(Own).name() << " into " << typeid(Target).name() << ", seed "
                        << seed;
  ASSERT_TRUE(look(fastTarget) == look(slowTarget))
      << typeid(Own).name() << " into " << typeid(Target).name() << ", seed " << seed;
}

template <class Own, class I>
void flatPaths(int seed, FlatKind<I> const& k) {
  expectSamePaths<Own, Own>(
      seed, [&k](I& t, Random& g) { fill(t, k, g); }, [](I const& s, I& t) { copy(s, t, 0); },
      [&k](I const& t) { return look(t, k); });
}

template <class Source, class... Targets>
void twoLevelInto(int seed) {
  auto fill = [](auto& t, Random& g) {
    std::vector<int> entries(std::size_t(draw(g, 0, 5)));
    for (int& e : entries) e = draw(g, 0, 4);
    state::fill(t, entries, draw(g, 1, 50));
  };
  auto look = [](auto const& t) { return state::snapshot(t); };
  auto copyRows = [](auto const& s, auto& t) {
    using I = std::conditional_t<std::is_base_of_v<IOilTable, Source>, IOilTable, IGasTable>;
    copy(static_cast<I const&>(s), static_cast<I&>(t), 0);
  };
  (expectSamePaths<Source, Targets>(seed, fill, copyRows, look), ...);
}
template <class... Kinds>
void twoLevel(int seed) {
  (twoLevelInto<Kinds, Kinds...>(seed), ...);
}

// A depth table of rising, falling or unordered depths.
void fillDepths(IDepthTable& t, Random& g) { fill(t, kDepth, g); }

void fillInitial(IInitialCondition& ic, Random& g) {
  state::fillNumbers(ic, draw(g, 0, 9));
  for (int key = 0; key < 12; ++key) {
    if (draw(g, 0, 3) == 0) fillDepths(ic.getDepthTable(state::depthKey(key)), g);
  }
}

void fillFluid(IFluidModel& m, Random& g) {
  if (draw(g, 0, 2) != 0) {
    state::fillWater(m.makeWaterProperties(), draw(g, 0, 9), IBrineComponent::SaltMoleculeType(0));
  }
  for (char const* name : {"A", "B", "C"}) {
    if (draw(g, 0, 2) != 0) fillInitial(m.makeInitialCondition(name), g);
  }
}

void fillBlackOil(IBlackOilModel& m, Random& g) {
  fillFluid(m, g);
  m.gasDensity(draw(g, 1, 9));
  m.oilDensity(draw(g, 1, 9));
  auto entries = [&g] {
    std::vector<int> e(std::size_t(draw(g, 0, 4)));
    for (int& n : e) n = draw(g, 0, 3);
    return e;
  };
  switch (draw(g, 0, 2)) {
    case 0:
      state::fill(m.makeGasTable(), entries(), draw(g, 1, 50));
      break;
    case 1:
      state::fill(m.makeDryGasTable(), entries(), draw(g, 1, 50));
      break;
    default:
      break;
  }
  for (int region = 0; region <= 4; ++region) {
    switch (draw(g, 0, 4)) {
      case 0:
        state::fill(m.makeOilTable(region), entries(), region);
        break;
      case 1:
        state::fill(m.makeCompressibleOilTable(region), entries(), region);
        break;
      case 2:
        state::fill(m.makeDeadOilTable(region), entries(), region);
        break;
      case 3:
        state::fill(m.makeDeadOilConstantCompressTable(region), entries(), region);
        break;
      default:
        break;
    }
  }
}

void fillCompositional(ICompositionalModel& m, Random& g) {
  fillFluid(m, g);
  m.setEquationOfState(ICompositionalModel::EquationOfState(draw(g, 0, 1)));
  std::vector<std::string> names{"A", "B", "C", "D"};
  std::shuffle(names.begin(), names.end(), g);
  names.resize(std::size_t(draw(g, 0, 3)));
  for (auto const& name : names) {
    state::setProperties(m.makeComponent(name, IComponent::Type(0)), {{draw(g, 0, 52), 1.5}});
  }
}

TEST(CopyFastPath, EveryCopyBetweenLibraryClassesEndsAsTheCopyThroughTheInterfaces) {
  for (int seed = 1; seed <= 60; ++seed) {
    flatPaths<StdDepthTable>(seed, kDepth);
    flatPaths<StdTemperatureTable>(seed, kTemperature);
    flatPaths<StdOilViscosityIndexTable>(seed, kViscosityIndex);
    expectSamePaths<StdTemperatureKValueTable, StdTemperatureKValueTable>(
        seed,
        [](ITemperatureKValueTable& t, Random& g) {
          fill<IKValueTable>(t, kKValue, g);
          t.setTemperature(draw(g, 0, 99));
        },
        [](ITemperatureKValueTable const& s, ITemperatureKValueTable& t) { copy(s, t, 0); },
        [](ITemperatureKValueTable const& t) {
          return std::make_pair(look<IKValueTable>(t, kKValue), t.getTemperature());
        });

    twoLevel<StdOilTable, StdDeadOilTable, StdDeadOilConstantCompressTable,
             StdCompressibleOilTable>(seed);
    twoLevel<StdGasTable, StdDryGasTable>(seed);
    expectSamePaths<StdCompressibleOilTable, StdCompressibleOilTable>(
        seed,
        [](ICompressibleOilTable& t, Random& g) {
          state::fill(t, std::vector<int>(std::size_t(draw(g, 0, 5)), draw(g, 0, 3)),
                      draw(g, 1, 9));
        },
        [](ICompressibleOilTable const& s, ICompressibleOilTable& t) { copy(s, t, 0); },
        [](IOilTable const& t) { return state::snapshot(t); });
    expectSamePaths<StdSolventTable, StdSolventTable>(
        seed,
        [](ISolventTable& t, Random& g) {
          t.setSize(draw(g, 0, 5));
          for (int i = 0; i < t.getSize(); ++i) t.setViscosity(i, draw(g, 1, 9));
          t.setSurfaceDensity(draw(g, 1, 9));
        },
        [](ISolventTable const& s, ISolventTable& t) { copy(s, t, 0); },
        [](ISolventTable const& t) { return state::snapshot(t); });
    expectSamePaths<StdMisciblityTable, StdMisciblityTable>(
        seed,
        [](IMiscibilityTable& t, Random& g) {
          t.setSize(draw(g, 0, 5));
          for (int i = 0; i < t.getSize(); ++i) t.setMiscibility(i, draw(g, 1, 9));
          t.setDensityMixingParameter(draw(g, 1, 9));
        },
        [](IMiscibilityTable const& s, IMiscibilityTable& t) { copy(s, t, 0); },
        [](IMiscibilityTable const& t) { return state::snapshot(t); });

    expectSamePaths<StdInitialCondition, StdInitialCondition>(
        seed, fillInitial, [](IInitialCondition const& s, IInitialCondition& t) { copy(s, t, 4); },
        [](IInitialCondition const& t) { return state::snapshot(t); });
    int const flags = seed % 64;
    expectSamePaths<StdBlackOilModel, StdBlackOilModel>(
        seed, fillBlackOil,
        [flags](IBlackOilModel const& s, IBlackOilModel& t) { copy(s, t, flags); },
        [](StdBlackOilModel& t) { return state::snapshot(t); });
    expectSamePaths<StdCompositionalModel, StdCompositionalModel>(
        seed, fillCompositional,
        [flags](ICompositionalModel const& s, ICompositionalModel& t) { copy(s, t, flags); },
        [](StdCompositionalModel& t) {
          return std::make_pair(state::fluid(t), state::components(t));
        });
  }
}

}  // namespace
