// The replacement of every global operator new and operator delete for the
// allocation-failure tests (see FailingAllocator.h). The library is a shared object
// that calls operator new through the dynamic linker, so these definitions in the test
// executable serve the library's allocations as well as the test's own.
#include "alloc/FailingAllocator.h"

#include <cstdlib>
#include <new>

namespace {

// The test is single-threaded, as the library is: plain counters suffice.
long long armedAt = 0;     // the allocation to fail, counted from arming; 0 when disarmed
long long sinceArmed = 0;  // allocations asked for since arming
bool hasFailed = false;
long long live = 0;

}  // namespace

namespace alloc {

void failAt(long long n) {
  armedAt = n;
  sinceArmed = 0;
  hasFailed = false;
}

void disarm() { armedAt = 0; }

long long allocationsSinceArmed() { return sinceArmed; }

bool failed() { return hasFailed; }

long long liveBlocks() { return live; }

}  // namespace alloc

// Windows: see kSeesLibraryAllocations; the counters are kept, nothing is replaced.
#ifndef _WIN32

namespace {

// Returns true when this allocation is the one to fail.
bool mustFail() {
  ++sinceArmed;
  if (armedAt != 0 && sinceArmed == armedAt) {
    hasFailed = true;
    return true;
  }
  return false;
}

void* allocate(std::size_t size) {
  if (mustFail()) return nullptr;
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p != nullptr) ++live;
  return p;
}

void* allocateAligned(std::size_t size, std::align_val_t alignment) {
  if (mustFail()) return nullptr;
  std::size_t const a = static_cast<std::size_t>(alignment);
  std::size_t const rounded = ((size == 0 ? 1 : size) + a - 1) / a * a;
  void* p = std::aligned_alloc(a, rounded);
  if (p != nullptr) ++live;
  return p;
}

void release(void* p) noexcept {
  if (p == nullptr) return;
  --live;
  std::free(p);
}

void* orThrow(void* p) {
  if (p == nullptr) throw std::bad_alloc();
  return p;
}

}  // namespace

void* operator new(std::size_t size) { return orThrow(allocate(size)); }
void* operator new[](std::size_t size) { return orThrow(allocate(size)); }
void* operator new(std::size_t size, std::nothrow_t const&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, std::nothrow_t const&) noexcept { return allocate(size); }
void* operator new(std::size_t size, std::align_val_t a) {
  return orThrow(allocateAligned(size, a));
}
void* operator new[](std::size_t size, std::align_val_t a) {
  return orThrow(allocateAligned(size, a));
}
void* operator new(std::size_t size, std::align_val_t a, std::nothrow_t const&) noexcept {
  return allocateAligned(size, a);
}
void* operator new[](std::size_t size, std::align_val_t a, std::nothrow_t const&) noexcept {
  return allocateAligned(size, a);
}

void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t) noexcept { release(p); }
void operator delete(void* p, std::nothrow_t const&) noexcept { release(p); }
void operator delete[](void* p, std::nothrow_t const&) noexcept { release(p); }
void operator delete(void* p, std::align_val_t) noexcept { release(p); }
void operator delete[](void* p, std::align_val_t) noexcept { release(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { release(p); }
void operator delete(void* p, std::align_val_t, std::nothrow_t const&) noexcept { release(p); }
void operator delete[](void* p, std::align_val_t, std::nothrow_t const&) noexcept { release(p); }

#endif  // _WIN32
