#include "engine/standin/position_index.h"

#include "engine/standin/unit_loads.h"

namespace lexiglean::standin {
namespace {

std::uint64_t Mix(std::uint64_t h) {
  h ^= h >> 32;
  h *= 0xD6E8FEB86659FD93ull;
  h ^= h >> 32;
  return h;
}

}  // namespace

// Four code units at a time, the last four overlapping those before (or fewer, all at once): no loop
// over a tail of unknown length.
std::uint64_t TextHash(std::u16string_view text, std::uint64_t seed) {
  const char16_t* units = text.data();
  const std::size_t n = text.size();
  std::uint64_t h = 0x9E3779B97F4A7C15ull ^ seed ^ (n * 0xFF51AFD7ED558CCDull);
  if (n >= 4) {
    for (std::size_t i = 0; i + 4 < n; i += 4) {
      h = (h ^ Load4(units + i)) * 0xC4CEB9FE1A85EC53ull;
      h ^= h >> 29;
    }
    h ^= Load4(units + n - 4);
  } else if (n >= 2) {
    h ^= Load2(units) | std::uint64_t{Load2(units + n - 2)} << 32;
  } else if (n == 1) {
    h ^= units[0];
  }
  return Mix(h);
}

void PositionIndex::Place(Slot slot) {
  std::size_t i = slot.tag & mask_;
  while (slots_[i].position != kNone) i = (i + 1) & mask_;
  slots_[i] = slot;
}

void PositionIndex::Reserve(std::size_t count) {
  if (count * 2 <= slots_.size()) return;
  std::size_t size = slots_.empty() ? 1024 : slots_.size() * 2;
  while (size < count * 2) size *= 2;
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(size, Slot{});
  mask_ = size - 1;
  for (const Slot& slot : old) {
    if (slot.position != kNone) Place(slot);
  }
}

void PositionIndex::Insert(std::uint64_t hash, std::uint32_t position) {
  Reserve(count_ + 1);
  Place({position, static_cast<std::uint32_t>(hash)});
  ++count_;
}

}  // namespace lexiglean::standin
