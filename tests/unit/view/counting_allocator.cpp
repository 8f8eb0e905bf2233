// Counting replacements for every form of operator new and delete. They live in a file of their
// own: inlined into a caller, a delete that ends in free() looks to the compiler like a mismatch
// for the operator new that allocated the block, and the sized and array forms must pair with
// the plain ones whatever the caller.
#include "tests/unit/view/counting_allocator.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { ::operator delete(p); }
void operator delete(void* p, std::size_t) noexcept { ::operator delete(p); }
void operator delete[](void* p, std::size_t) noexcept { ::operator delete(p); }

namespace verlumo {

long AllocationCount() { return allocations; }

}  // namespace verlumo
