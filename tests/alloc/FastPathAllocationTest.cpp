// Allocation failures in the copies between the library's own classes, which move storage
// directly: with each allocation failing in turn, they must fail where the copies through
// the interfaces fail (a source of a derived class forces those) and leave the same target.
#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <string>

#include "Orv/Tess/Varnak/Copy.h"
#include "Orv/Tess/Varnak/StdBlackOilModel.h"
#include "Orv/Tess/Varnak/StdCompressibleOilTable.h"
#include "Orv/Tess/Varnak/StdDeadOilTable.h"
#include "Orv/Tess/Varnak/StdDepthTable.h"
#include "Orv/Tess/Varnak/StdMisciblityTable.h"
#include "Orv/Tess/Varnak/StdOilViscosityIndexTable.h"
#include "Orv/Tess/Varnak/StdSolventTable.h"
#include "Orv/Tess/Varnak/StdTemperatureKValueTable.h"
#include "Orv/Tess/Varnak/StdTemperatureTable.h"
#include "alloc/FailingAllocator.h"
#include "alloc/Snapshot.h"

namespace {

using namespace Orv::Tess::Varnak;

template <class T>
struct Thin : T {};

// Copies a source of class Own, then one of class Thin<Own>, each filled by fill(…, 1),
// into a target of class Target filled by fill(…, 2), with the n-th allocation failing,
// for n = 1, 2, … until the copies complete.
template <class Own, class Target, class Fill, class Copy>
void failsAlike(char const* name, Fill fill, Copy copy) {
  if (!alloc::kSeesLibraryAllocations) GTEST_SKIP() << "the library's allocations cannot fail";
  for (long long n = 1;; ++n) {
    bool failed[2];
    std::string left[2];
    for (int path : {0, 1}) {
      std::unique_ptr<Own> source =
          path == 0 ? std::make_unique<Own>() : std::make_unique<Thin<Own>>();
      Target target;
      fill(*source, 1);
      fill(target, 2);
      try {
        alloc::Armed armed(n);
        copy(*source, target);
      } catch (std::bad_alloc const&) {
      }
      failed[path] = alloc::failed();
      left[path] = snapshot::of(target);
    }
    ASSERT_EQ(failed[0], failed[1]) << name << ": allocation " << n;
    EXPECT_EQ(left[0], left[1]) << name << ": allocation " << n;
    if (!failed[0]) return;
  }
}

// Shapes that make the target grow: the source (seed 1) is the larger one.
template <class T>
void fillFlat(T& t, int seed, void (T::*rows)(int), void (T::*key)(int, double),
              void (T::*value)(int, int, double)) {
  t.setNumComponents(4 - seed);
  (t.*rows)(7 - 3 * seed);
  for (int r = 0; r < 7 - 3 * seed; ++r) {
    (t.*key)(r, seed * 10.0 + r);
    for (int c = 0; c < 4 - seed; ++c) (t.*value)(r, c, seed + 0.5 * c);
  }
}

void fillRows(IOilTable& t, int seed) {
  t.setSaturatedSize(5 - 2 * seed);
  for (int i = 0; i < t.getSaturatedSize(); ++i) {
    t.setUndersaturatedSize(i, 4 - seed + i);
    t.setGasOilRatio(i, seed + i);
    t.setViscosity(i, 0, 0.5 * seed);
  }
}

TEST(AllocationFailure, CopyBetweenLibraryClassesFailsAsThroughTheInterfaces) {
  auto copyAll = [](auto const& source, auto& target) { copy(source, target, 0); };
  failsAlike<StdDepthTable, StdDepthTable>(
      "depth table",
      [](IDepthTable& t, int seed) {
        fillFlat(t, seed, &IDepthTable::setNumDepths, &IDepthTable::setDepth,
                 &IDepthTable::setProperty);
      },
      copyAll);
  failsAlike<StdTemperatureTable, StdTemperatureTable>(
      "temperature table",
      [](ITemperatureTable& t, int seed) {
        fillFlat(t, seed, &ITemperatureTable::setNumTemperatures,
                 &ITemperatureTable::setTemperature, &ITemperatureTable::setProperty);
      },
      copyAll);
  failsAlike<StdTemperatureKValueTable, StdTemperatureKValueTable>(
      "temperature K-value table",
      [](IKValueTable& t, int seed) {
        fillFlat(t, seed, &IKValueTable::setNumPressures, &IKValueTable::setPressure,
                 &IKValueTable::setKValue);
      },
      [](ITemperatureKValueTable const& s, ITemperatureKValueTable& t) { copy(s, t, 0); });
  failsAlike<StdOilViscosityIndexTable, StdOilViscosityIndexTable>(
      "viscosity index table",
      [](IOilViscosityIndexTable& t, int seed) {
        fillFlat(t, seed, &IOilViscosityIndexTable::setNumMolefractions,
                 &IOilViscosityIndexTable::setMoleFraction,
                 &IOilViscosityIndexTable::setOilViscosityIndex);
      },
      copyAll);
  failsAlike<StdDeadOilTable, StdCompressibleOilTable>(
      "oil table", fillRows, [](IOilTable const& s, IOilTable& t) { copy(s, t, 0); });
  failsAlike<StdCompressibleOilTable, StdCompressibleOilTable>(
      "compressible oil table", fillRows,
      [](ICompressibleOilTable const& s, ICompressibleOilTable& t) { copy(s, t, 0); });
  failsAlike<StdSolventTable, StdSolventTable>(
      "solvent table", [](ISolventTable& t, int seed) { t.setSize(6 - 2 * seed); }, copyAll);
  failsAlike<StdMisciblityTable, StdMisciblityTable>(
      "miscibility table", [](IMiscibilityTable& t, int seed) { t.setSize(6 - 2 * seed); },
      copyAll);
  failsAlike<StdBlackOilModel, StdBlackOilModel>(
      "black-oil model",
      [](IBlackOilModel& m, int seed) {
        IInitialCondition& ic = m.makeInitialCondition("Crest");
        if (seed == 2) return;
        fillRows(m.makeDeadOilTable(1), seed);
        fillRows(m.makeCompressibleOilTable(2), seed);
        m.makeGasTable().setSaturatedSize(3);
        fillFlat<IDepthTable>(ic.getDepthTable(IInitialCondition::Property(4)), seed,
                              &IDepthTable::setNumDepths, &IDepthTable::setDepth,
                              &IDepthTable::setProperty);
      },
      [](IBlackOilModel const& s, IBlackOilModel& t) { copy(s, t, 1 | 2 | 4 | 8 | 16); });
}

}  // namespace
