// Runs an operation with each of its allocations failing in turn.
//
// For an operation that allocates k times, the operation is run k + 1 times, each time
// on a freshly built pair of objects: with the first allocation failing, then the second,
// and so on, until a run completes. After each failed run the sweep checks that
// std::bad_alloc came out and nothing else, that the pair reads as before the call (or
// whatever partial effect the operation documents), and that every block allocated since
// the pair was built has been freed once it is destroyed. The completed run must end as
// a run without any failure does, with the same error if the operation refuses its
// arguments, so a failure that quietly corrupted hidden state is caught too.
#ifndef ORV_TESS_VARNAK_TESTS_ALLOC_SWEEP_H
#define ORV_TESS_VARNAK_TESTS_ALLOC_SWEEP_H

#include <gtest/gtest.h>

#include <cstdio>
#include <exception>
#include <memory>
#include <new>
#include <string>
#include <typeinfo>

#include "support/Heap.h"
#include "support/Observe.h"

namespace sweep {

// What a failed run may have changed.
enum class OnFailure {
  Unchanged,      // the pair reads exactly as before the call
  BeforeOrAfter,  // the call documents a partial effect before its own error: the pair
                  // reads as before the call or as the call without a failure leaves it
  Readable,       // the call keeps what it did (a copy): the pair only has to stay
                  // readable and leak-free, and the second object (the source) unchanged
};

// The subject of a sweep: an object, and a second one for the operations that involve
// two (the source of a copy, the clone returned, the object assigned from).
template <class T, class Other = T>
struct Pair {
  std::unique_ptr<T> object;
  std::unique_ptr<Other> other;
};

template <class T, class Other>
std::string observe(Pair<T, Other> const& pair) {
  return support::observe(*pair.object) + " | " +
         (pair.other ? support::observe(*pair.other) : "none");
}

struct Tally {
  long long operations = 0;
  long long failurePoints = 0;
};
inline Tally tally;

// Returns "", or the type and message of the error `operation(pair)` raised.
template <class Subject, class Operation>
std::string outcome(Subject& pair, Operation& operation) {
  try {
    operation(pair);
  } catch (std::bad_alloc const&) {
    throw;
  } catch (std::exception const& e) {
    return std::string(typeid(e).name()) + " " + e.what();
  }
  return "";
}

template <class Build, class Operation>
void run(std::string const& name, Build build, Operation operation,
         OnFailure onFailure = OnFailure::Unchanged) {
  if (!support::heap::kSeesLibraryAllocations) GTEST_SKIP() << "allocations cannot be failed here";
  auto reference = build();
  std::string const refused = outcome(reference, operation);
  std::string const expected = observe(reference);
  long long n = 1;
  for (;; ++n) {
    long long const liveBefore = support::heap::count().liveBlocks;
    bool completed = false;
    {
      auto pair = build();
      std::string const before = observe(pair);
      std::string const source = pair.other ? support::observe(*pair.other) : "";
      std::string result;
      try {
        support::heap::Armed armed(n);
        result = outcome(pair, operation);
      } catch (std::bad_alloc const&) {
        result = "bad_alloc";
      }
      std::string const at = name + ", allocation " + std::to_string(n) + " failing";
      if (!support::heap::failed()) {
        EXPECT_EQ(result, refused) << name << ": the completed run ends otherwise";
        EXPECT_EQ(observe(pair), expected) << name << ": the completed run differs";
        completed = true;
      } else if (result != "bad_alloc") {
        ADD_FAILURE() << at << ": \"" << result << "\" instead of std::bad_alloc";
      } else if (onFailure == OnFailure::Unchanged) {
        EXPECT_EQ(observe(pair), before) << at;
      } else if (onFailure == OnFailure::BeforeOrAfter) {
        std::string const after = observe(pair);
        EXPECT_TRUE(after == before || after == expected) << at << ": " << after;
      } else {
        observe(pair);  // must stay readable
        EXPECT_EQ(support::observe(*pair.other), source) << at;
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
  tally.operations += 1;
  tally.failurePoints += n - 1;
  std::printf("[ alloc    ] %-64s %4lld failure points\n", name.c_str(), n - 1);
}

}  // namespace sweep

#endif  // ORV_TESS_VARNAK_TESTS_ALLOC_SWEEP_H
