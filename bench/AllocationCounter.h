// Counts the heap allocations of the whole benchmark process.
//
// The benchmark executable replaces the global operator new and operator delete (see
// AllocationCounter.cpp), so every allocation made through them is counted, those made
// inside the shared library included: the executable's definitions take the place of the
// standard library's for every module of the process. Each block carries a small hidden
// header with its size, so that the bytes still held (live bytes) are known exactly,
// without the allocator's own rounding.
//
// The counters are plain integers: the benchmarks run on one thread.
#ifndef ORV_TESS_VARNAK_BENCH_ALLOCATIONCOUNTER_H
#define ORV_TESS_VARNAK_BENCH_ALLOCATIONCOUNTER_H

namespace orvbench {

struct AllocationCount {
  long long allocations;  // calls of operator new so far
  long long liveBytes;    // bytes requested and not yet released
};

// Returns the counters as they stand.
AllocationCount allocationCount();

// Measures what happens between its construction and a call of allocations() or
// liveBytes().
class AllocationProbe {
 public:
  AllocationProbe() : start_(allocationCount()) {}
  // Returns the number of allocations made since construction.
  long long allocations() const { return allocationCount().allocations - start_.allocations; }
  // Returns the growth of the live bytes since construction.
  long long liveBytes() const { return allocationCount().liveBytes - start_.liveBytes; }

 private:
  AllocationCount start_;
};

}  // namespace orvbench

#endif  // ORV_TESS_VARNAK_BENCH_ALLOCATIONCOUNTER_H
