// The heap as the tests and benchmarks see it: one replacement of the global operator new
// and operator delete that counts every allocation and can make the n-th one fail.
//
// A program gets the replacement by linking the object library orv_test_heap (Heap.cpp).
// The library is a shared object that calls operator new through the dynamic linker, so
// the replacement serves the library's allocations as well as the program's own. Blocks
// come from malloc, so AddressSanitizer still sees each one; every block carries a small
// hidden header with its requested size, so the bytes still held are known exactly.
// Plain counters: the tests and benchmarks run on one thread, as the library does.
#ifndef ORV_TESS_VARNAK_TESTS_SUPPORT_HEAP_H
#define ORV_TESS_VARNAK_TESTS_SUPPORT_HEAP_H

namespace support::heap {

// On Windows a DLL resolves operator new within itself, so a replacement in the program
// never sees the library's allocations; tests that depend on it skip themselves there.
#ifdef _WIN32
inline constexpr bool kSeesLibraryAllocations = false;
#else
inline constexpr bool kSeesLibraryAllocations = true;
#endif

struct Count {
  long long allocations;  // calls of operator new so far
  long long liveBlocks;   // blocks handed out and not yet freed
  long long liveBytes;    // bytes requested in those blocks
};

// Returns the counters as they stand.
Count count();

// Returns the number of allocations `work()` makes.
template <class Work>
long long allocationsOf(Work&& work) {
  long long const before = count().allocations;
  work();
  return count().allocations - before;
}

// Makes the n-th allocation from now (n >= 1) throw std::bad_alloc (the nothrow forms
// return null); the allocations before and after it succeed. Clears failed().
void failAt(long long n);

// Lets every allocation succeed again; failed() keeps its answer.
void disarm();

// Returns true when the armed allocation has failed since the last failAt call.
bool failed();

// Arms the allocator for its lifetime and disarms it on destruction.
class Armed {
 public:
  explicit Armed(long long n) { failAt(n); }
  Armed(Armed const&) = delete;
  Armed& operator=(Armed const&) = delete;
  ~Armed() { disarm(); }
};

}  // namespace support::heap

#endif  // ORV_TESS_VARNAK_TESTS_SUPPORT_HEAP_H
