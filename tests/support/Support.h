// The machinery every test program, the fuzzer and the benchmarks share, each header
// described where it is written: Observe.h (one way to read all a host can observe of an
// object), Fill.h (one way to fill it), Expect.h (exact exception checks) and, linked as
// its own object library, Heap.h (the one replacement of operator new). Nothing under
// tests/<floor>, fuzz/ or bench/ writes its own; a helper that two of them need goes here.
#ifndef ORV_TESS_VARNAK_TESTS_SUPPORT_SUPPORT_H
#define ORV_TESS_VARNAK_TESTS_SUPPORT_SUPPORT_H

#include "support/Expect.h"
#include "support/Fill.h"
#include "support/Observe.h"

#endif  // ORV_TESS_VARNAK_TESTS_SUPPORT_SUPPORT_H
