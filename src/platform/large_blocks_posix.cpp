#include <sys/mman.h>

#include <cstdint>

#include "platform/large_blocks.h"

namespace lexiglean {
namespace {

std::size_t Rounded(std::size_t bytes) { return (bytes + kLargeBlockBytes - 1) / kLargeBlockBytes * kLargeBlockBytes; }

}  // namespace

// Mapped with room to start at a 2 MiB boundary (huge pages need it), the rest given back at once.
void* AllocateLargeBlock(std::size_t bytes) {
  const std::size_t size = Rounded(bytes);
  void* mapped = mmap(nullptr, size + kLargeBlockBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) throw std::bad_alloc();
  const auto start = reinterpret_cast<std::uintptr_t>(mapped);
  const std::uintptr_t aligned = (start + kLargeBlockBytes - 1) / kLargeBlockBytes * kLargeBlockBytes;
  if (aligned > start) munmap(mapped, aligned - start);
  if (const std::uintptr_t tail = start + kLargeBlockBytes - aligned; tail > 0) {
    munmap(reinterpret_cast<void*>(aligned + size), tail);
  }
  madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);  // a hint: without it, plain pages
  return reinterpret_cast<void*>(aligned);
}

void FreeLargeBlock(void* block, std::size_t bytes) noexcept { munmap(block, Rounded(bytes)); }

}  // namespace lexiglean
