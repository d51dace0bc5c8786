#include <windows.h>

#include "platform/large_blocks.h"

namespace lexiglean {

// Windows gives huge (large) pages only to accounts holding the right to lock memory; plain committed
// pages serve everyone else.
void* AllocateLargeBlock(std::size_t bytes) {
  void* block = VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void FreeLargeBlock(void* block, std::size_t) noexcept { VirtualFree(block, 0, MEM_RELEASE); }

}  // namespace lexiglean
