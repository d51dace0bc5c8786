#pragma once
// Memory for the large arrays of document analysis (tables and lists of millions of entries). Blocks of
// 2 MiB and more come straight from the system, in huge pages where it offers them: first touching
// such memory then costs one fault per 2 MiB instead of one per 4 KiB, which on some machines is most
// of the time spent filling a new array. Smaller blocks come from the usual allocator.
#include <cstddef>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace lexiglean {

inline constexpr std::size_t kLargeBlockBytes = std::size_t{2} << 20;

// A block of at least kLargeBlockBytes; throws std::bad_alloc when there is no memory for it.
void* AllocateLargeBlock(std::size_t bytes);
// Gives back a block AllocateLargeBlock returned for the same number of bytes.
void FreeLargeBlock(void* block, std::size_t bytes) noexcept;

template <typename T>
struct LargeBlockAllocator {
  using value_type = T;
  LargeBlockAllocator() = default;
  template <typename U>
  LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept {}

  T* allocate(std::size_t n) {
    if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
    if (n * sizeof(T) < kLargeBlockBytes) return std::allocator<T>().allocate(n);
    return static_cast<T*>(AllocateLargeBlock(n * sizeof(T)));
  }
  void deallocate(T* block, std::size_t n) noexcept {
    if (n * sizeof(T) < kLargeBlockBytes) {
      std::allocator<T>().deallocate(block, n);
    } else {
      FreeLargeBlock(block, n * sizeof(T));
    }
  }
  template <typename U>
  bool operator==(const LargeBlockAllocator<U>&) const noexcept {
    return true;
  }
};

template <typename T>
using LargeVector = std::vector<T, LargeBlockAllocator<T>>;
using LargeU16String = std::basic_string<char16_t, std::char_traits<char16_t>, LargeBlockAllocator<char16_t>>;

}  // namespace lexiglean
