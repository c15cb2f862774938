// Runs an operation with each of its allocations failing in turn.
//
// For an operation that allocates k times, the operation is run k + 1 times, each time
// on a freshly built object: with the first allocation failing, then the second, and so
// on, until a run completes. After each failed run the harness checks that
// std::bad_alloc came out and nothing else, that the object's snapshot equals the one
// taken before the call (or whatever partial effect the operation documents), and that
// every block allocated since the object was built has been freed once it is destroyed.
// The completed run must leave the object as a run without any failure does, so a
// failure that quietly corrupted hidden state is caught too.
#ifndef ORV_TESS_VARNAK_TESTS_ALLOC_ALLOCATIONFAILURE_H
#define ORV_TESS_VARNAK_TESTS_ALLOC_ALLOCATIONFAILURE_H

#include <gtest/gtest.h>

#include <cstdio>
#include <exception>
#include <memory>
#include <new>
#include <string>
#include <typeinfo>
#include <utility>

#include "support/Heap.h"
#include "support/Observe.h"

namespace alloc {

// How many operations and failure points the tests of this process exercised.
struct Tally {
  long long operations = 0;
  long long failurePoints = 0;
};
Tally& tally();

// What a failed run may have changed.
enum class OnFailure {
  Unchanged,      // the object reads exactly as before the call
  BeforeOrAfter,  // the call documents a partial effect before its own error: the object
                  // reads as before the call or as the call without a failure leaves it
  Readable,       // the operation documents that it keeps what it did: the object only
                  // has to stay readable (its snapshot is taken), consistent and leak-free,
                  // while the part given by `observeKept` must read as before
};

// Runs `operation(object)` on objects from `build()` with each allocation failing in
// turn; `observe(object)` gives the snapshot compared, `observeKept(object)` the part
// that must not change even where the operation keeps partial effects. `name` labels
// failures.
template <class Build, class Operation, class Observe, class ObserveKept>
void everyAllocationFails(std::string const& name, Build build, Operation operation,
                          Observe observe, OnFailure onFailure, ObserveKept observeKept) {
  if (!support::heap::kSeesLibraryAllocations)
    GTEST_SKIP() << "the library's allocations cannot be failed here";
  // The reference: the state a run without any failure leaves.
  std::string expected;
  {
    auto object = build();
    operation(object);
    expected = observe(object);
  }
  long long n = 1;
  for (;; ++n) {
    long long const liveBefore = support::heap::count().liveBlocks;
    bool completed = false;
    bool threw = false;
    {
      auto object = build();
      std::string const before = observe(object);
      std::string const keptBefore = observeKept(object);
      try {
        support::heap::Armed armed(n);
        operation(object);
      } catch (std::bad_alloc const&) {
        threw = true;
      } catch (std::exception const& e) {
        threw = true;
        ADD_FAILURE() << name << ", allocation " << n << " failing: " << typeid(e).name() << " \""
                      << e.what() << "\" instead of std::bad_alloc";
      }
      if (!support::heap::failed()) {
        EXPECT_FALSE(threw) << name << ": an exception without a failed allocation";
        EXPECT_EQ(observe(object), expected) << name << ": the completed run differs";
        completed = true;
      } else if (!threw) {
        ADD_FAILURE() << name << ", allocation " << n << " failing: std::bad_alloc swallowed";
      } else if (onFailure == OnFailure::Unchanged) {
        EXPECT_EQ(observe(object), before) << name << ", allocation " << n << " failing";
      } else if (onFailure == OnFailure::BeforeOrAfter) {
        std::string const after = observe(object);
        EXPECT_TRUE(after == before || after == expected)
            << name << ", allocation " << n << " failing: " << after;
      } else {
        observe(object);  // must stay readable
        EXPECT_EQ(observeKept(object), keptBefore) << name << ", allocation " << n << " failing";
      }
    }
    // A recorded failure keeps its message alive, so blocks are counted only while the
    // test is clean.
    if (!::testing::Test::HasFailure()) {
      EXPECT_EQ(support::heap::count().liveBlocks, liveBefore)
          << name << ", allocation " << n << " failing: leak";
    }
    if (completed || ::testing::Test::HasFailure() || n > 100000) break;
  }
  tally().operations += 1;
  tally().failurePoints += n - 1;
  std::printf("[ alloc    ] %-60s %4lld failure points\n", name.c_str(), n - 1);
}

// The subject of most checks: an object, and a second one for the operations that
// involve two (the copy made, the source assigned from, the clone returned).
template <class T, class Other = T>
struct Pair {
  std::unique_ptr<T> object;
  std::unique_ptr<Other> other;
};

template <class T, class Other>
std::string observePair(Pair<T, Other> const& pair) {
  return support::observe(*pair.object) + " | " +
         (pair.other ? support::observe(*pair.other) : "none");
}

// everyAllocationFails on a Pair built by `build`, compared by both snapshots. Where the
// operation keeps partial effects (OnFailure::Readable), the second object is the one
// that must not change: the source of a copy.
template <class Build, class Operation>
void check(std::string const& name, Build build, Operation operation,
           OnFailure onFailure = OnFailure::Unchanged) {
  everyAllocationFails(
      name, build, operation, [](auto const& pair) { return observePair(pair); }, onFailure,
      [](auto const& pair) { return pair.other ? support::observe(*pair.other) : "none"; });
}

// Copy and move construction and assignment of a value class T. `build` gives a Pair
// whose two objects differ, each filled as a host would fill it. The moved-from object
// is read after the move: it must be left consistent, whatever it holds.
template <class T, class Build>
void checkValueSemantics(std::string const& name, Build build) {
  check(name + " copy construction", build,
        [](auto& p) { p.other = std::make_unique<T>(std::as_const(*p.object)); });
  if constexpr (std::is_copy_assignable_v<T>) {
    // Both ways, so that one of them has to grow the target.
    check(name + " copy assignment", build, [](auto& p) { *p.object = std::as_const(*p.other); });
    check(name + " copy assignment back", build,
          [](auto& p) { *p.other = std::as_const(*p.object); });
    check(name + " self-assignment", build, [](auto& p) {
      T& self = *p.object;
      *p.object = std::as_const(self);
    });
  }
  check(name + " move construction", build,
        [](auto& p) { p.other = std::make_unique<T>(std::move(*p.object)); });
  if constexpr (std::is_move_assignable_v<T>) {
    check(name + " move assignment", build, [](auto& p) { *p.object = std::move(*p.other); });
  }
}

}  // namespace alloc

#endif  // ORV_TESS_VARNAK_TESTS_ALLOC_ALLOCATIONFAILURE_H
