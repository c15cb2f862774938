// The replacement of the global allocation functions that counts every allocation.
//
// A block is laid out as [header: requested size][the caller's bytes]; the header is
// 16 bytes so that the caller's bytes keep malloc's alignment. Only the plain and array
// forms are replaced (with their nothrow and sized variants); the library allocates no
// over-aligned types.
#include "AllocationCounter.h"

#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t kHeader = 16;

long long gAllocations = 0;
long long gLiveBytes = 0;

void* allocate(std::size_t size) noexcept {
  void* block = std::malloc(size + kHeader);
  if (block == nullptr) return nullptr;
  *static_cast<std::size_t*>(block) = size;
  ++gAllocations;
  gLiveBytes += static_cast<long long>(size);
  return static_cast<char*>(block) + kHeader;
}

void release(void* pointer) noexcept {
  if (pointer == nullptr) return;
  void* block = static_cast<char*>(pointer) - kHeader;
  gLiveBytes -= static_cast<long long>(*static_cast<std::size_t*>(block));
  std::free(block);
}

void* allocateOrThrow(std::size_t size) {
  void* pointer = allocate(size);
  if (pointer == nullptr) throw std::bad_alloc();
  return pointer;
}

}  // namespace

namespace orvbench {

AllocationCount allocationCount() { return AllocationCount{gAllocations, gLiveBytes}; }

}  // namespace orvbench

void* operator new(std::size_t size) { return allocateOrThrow(size); }
void* operator new[](std::size_t size) { return allocateOrThrow(size); }
void* operator new(std::size_t size, std::nothrow_t const&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, std::nothrow_t const&) noexcept { return allocate(size); }
void operator delete(void* pointer) noexcept { release(pointer); }
void operator delete[](void* pointer) noexcept { release(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { release(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { release(pointer); }
void operator delete(void* pointer, std::nothrow_t const&) noexcept { release(pointer); }
void operator delete[](void* pointer, std::nothrow_t const&) noexcept { release(pointer); }
