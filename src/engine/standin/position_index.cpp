#include "engine/standin/position_index.h"

#include <cstring>

namespace lexiglean::standin {
namespace {

std::uint64_t Mix(std::uint64_t h) {
  h ^= h >> 32;
  h *= 0xD6E8FEB86659FD93ull;
  h ^= h >> 32;
  return h;
}

}  // namespace

std::uint64_t TextHash(std::u16string_view text, std::uint64_t seed) {
  std::uint64_t h = 0x9E3779B97F4A7C15ull ^ seed ^ (text.size() * 0xFF51AFD7ED558CCDull);
  std::size_t i = 0;
  for (; i + 4 <= text.size(); i += 4) {
    std::uint64_t chunk = 0;
    std::memcpy(&chunk, text.data() + i, sizeof chunk);
    h = (h ^ chunk) * 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 29;
  }
  std::uint64_t tail = 0;
  if (i < text.size()) std::memcpy(&tail, text.data() + i, (text.size() - i) * sizeof(char16_t));
  return Mix(h ^ tail);
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
