// The replacement of every global operator new and operator delete (see Heap.h).
//
// A block is laid out as [padding][requested size][alignment][the caller's bytes]: the
// two header words sit just before the caller's bytes, and the whole header takes
// max(16, alignment) bytes, so the caller's bytes keep the alignment asked for.
#include "support/Heap.h"

#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

long long allocations = 0;
long long liveBlocks = 0;
long long liveBytes = 0;
long long armedAt = 0;     // the allocation to fail, counted from arming; 0 when disarmed
long long sinceArmed = 0;  // allocations asked for since arming
bool hasFailed = false;

}  // namespace

namespace support::heap {

Count count() { return Count{allocations, liveBlocks, liveBytes}; }

void failAt(long long n) {
  armedAt = n;
  sinceArmed = 0;
  hasFailed = false;
}

void disarm() { armedAt = 0; }

bool failed() { return hasFailed; }

}  // namespace support::heap

// Windows: see kSeesLibraryAllocations; the counters are kept, nothing is replaced.
#ifndef _WIN32

namespace {

std::size_t* words(void* user) { return static_cast<std::size_t*>(user) - 2; }

void* allocate(std::size_t size, std::size_t alignment = 16) noexcept {
  ++allocations;
  ++sinceArmed;
  if (armedAt != 0 && sinceArmed == armedAt) {
    hasFailed = true;
    return nullptr;
  }
  std::size_t const header = alignment < 16 ? 16 : alignment;
  std::size_t const total = (header + size + header - 1) / header * header;
  char* block = static_cast<char*>(std::aligned_alloc(header, total));
  if (block == nullptr) return nullptr;
  void* user = block + header;
  words(user)[0] = size;
  words(user)[1] = header;
  ++liveBlocks;
  liveBytes += static_cast<long long>(size);
  return user;
}

void release(void* user) noexcept {
  if (user == nullptr) return;
  --liveBlocks;
  liveBytes -= static_cast<long long>(words(user)[0]);
  std::free(static_cast<char*>(user) - words(user)[1]);
}

void* orThrow(void* p) {
  if (p == nullptr) throw std::bad_alloc();
  return p;
}

std::size_t bytes(std::align_val_t a) { return static_cast<std::size_t>(a); }

}  // namespace

void* operator new(std::size_t size) { return orThrow(allocate(size)); }
void* operator new[](std::size_t size) { return orThrow(allocate(size)); }
void* operator new(std::size_t size, std::nothrow_t const&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, std::nothrow_t const&) noexcept { return allocate(size); }
void* operator new(std::size_t size, std::align_val_t a) {
  return orThrow(allocate(size, bytes(a)));
}
void* operator new[](std::size_t size, std::align_val_t a) {
  return orThrow(allocate(size, bytes(a)));
}
void* operator new(std::size_t size, std::align_val_t a, std::nothrow_t const&) noexcept {
  return allocate(size, bytes(a));
}
void* operator new[](std::size_t size, std::align_val_t a, std::nothrow_t const&) noexcept {
  return allocate(size, bytes(a));
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
