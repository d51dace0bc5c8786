#pragma once
// An index of the items of a vector its owner keeps (words, word pairs): open addressing over the
// items' positions and hashes, so that an item is stored once and found by a borrowed key.
#include <cstdint>
#include <string_view>
#include <vector>

namespace lexiglean::standin {

// A hash of a text, for the indexes here (eight bytes at a time).
std::uint64_t TextHash(std::u16string_view text, std::uint64_t seed = 0);

class PositionIndex {
 public:
  static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

  // The position of the item with this hash for which `same(position)` holds; kNone when none.
  template <typename Same>
  std::uint32_t Find(std::uint64_t hash, const Same& same) const {
    if (slots_.empty()) return kNone;
    const auto tag = static_cast<std::uint32_t>(hash);
    for (std::size_t i = tag & mask_;; i = (i + 1) & mask_) {
      const Slot& slot = slots_[i];
      if (slot.position == kNone) return kNone;
      if (slot.tag == tag && same(slot.position)) return slot.position;
    }
  }
  // Makes room for this many positions in all.
  void Reserve(std::size_t count);
  // Adds a position not yet indexed.
  void Insert(std::uint64_t hash, std::uint32_t position);

 private:
  // A position and the low half of its hash, which places it.
  struct Slot {
    std::uint32_t position = kNone;
    std::uint32_t tag = 0;
  };
  void Place(Slot slot);

  std::vector<Slot> slots_;
  std::size_t mask_ = 0;
  std::size_t count_ = 0;
};

}  // namespace lexiglean::standin
