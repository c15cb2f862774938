// The machinery every test program, the fuzzer and the benchmarks share: one way to
// observe an object, one way to fill it, one allocator hook. Nothing under tests/<floor>,
// fuzz/ or bench/ writes its own; a new helper that two of them need goes here.
//
// support/Observe.h   (library orv_test_support)
//   std::string support::observe(I const& x) for every interface kind, from a single table
//   to a whole registry (IFluidModels): everything a host can read of x, through its
//   public interface alone, children included, doubles by their bit pattern. So
//   `auto before = observe(x); <failed call>; EXPECT_EQ(observe(x), before);` proves the
//   call changed nothing, and two objects read alike exactly when their strings are equal.
//   Keyed children are read under support::tableKeys() / propertyKeys() and interaction
//   coefficients over kFirstPairIndex..kLastPairIndex; tests and the fuzzer draw their
//   keys from the same lists.
//
// support/Fill.h      (library orv_test_support)
//   support::fill(table, seed, shape…) for every table kind and scalar object, and
//   support::furnish(object, seed) for objects with children (water, initial condition,
//   aqueous-soluble component, either model kind, separator, tracer, whole registry):
//   deterministic, every value distinct, different whole seeds share no value.
//
// support/Heap.h      (object library orv_test_heap; link it to replace operator new)
//   support::heap::count() -> {allocations, liveBlocks, liveBytes};
//   support::heap::allocationsOf(work); support::heap::Armed armed(n) makes the n-th
//   allocation from now throw std::bad_alloc (failed() tells whether it did).
//
// support/Expect.h    (header only)
//   EXPECT_THROW_EXACT(statement, Type, message): exact dynamic type and word-for-word
//   message.
//
// This header includes Observe.h, Fill.h and Expect.h.
#ifndef ORV_TESS_VARNAK_TESTS_SUPPORT_SUPPORT_H
#define ORV_TESS_VARNAK_TESTS_SUPPORT_SUPPORT_H

#include "support/Expect.h"
#include "support/Fill.h"
#include "support/Observe.h"

#endif  // ORV_TESS_VARNAK_TESTS_SUPPORT_SUPPORT_H
