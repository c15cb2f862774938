// A global allocator for tests that can be told to fail.
//
// The test executable replaces every form of the global operator new and operator delete
// (FailingAllocator.cpp). Allocation goes to malloc as usual, so AddressSanitizer still
// sees every block, but a test can arm the allocator so that the n-th allocation from now
// throws std::bad_alloc, exactly as a host running out of memory would see it. The
// allocator also counts the blocks alive, so a test can prove that a failed call freed
// everything it had taken.
#ifndef ORV_TESS_VARNAK_TESTS_ALLOC_FAILINGALLOCATOR_H
#define ORV_TESS_VARNAK_TESTS_ALLOC_FAILINGALLOCATOR_H

namespace alloc {

// On Windows a DLL resolves operator new within itself, so a replacement in the test
// executable never sees the library's allocations; the tests are skipped there.
#ifdef _WIN32
inline constexpr bool kSeesLibraryAllocations = false;
#else
inline constexpr bool kSeesLibraryAllocations = true;
#endif

// Makes the n-th allocation from now (n >= 1) throw std::bad_alloc; the allocations
// before it succeed and so do all after it. Clears failed().
void failAt(long long n);

// Lets every allocation succeed again; failed() keeps its answer.
void disarm();

// Returns how many allocations were asked for since the last failAt call.
long long allocationsSinceArmed();

// Returns true when the armed allocation has failed since the last failAt call.
bool failed();

// Returns the number of blocks handed out and not yet freed.
long long liveBlocks();

// Arms the allocator for its lifetime and disarms it on destruction.
class Armed {
 public:
  explicit Armed(long long n) { failAt(n); }
  Armed(Armed const&) = delete;
  Armed& operator=(Armed const&) = delete;
  ~Armed() { disarm(); }
};

}  // namespace alloc

#endif  // ORV_TESS_VARNAK_TESTS_ALLOC_FAILINGALLOCATOR_H
