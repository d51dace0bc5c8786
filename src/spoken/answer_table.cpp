#include "spoken/answer_table.h"

#include <utility>

namespace lexiglean {

std::uint64_t AnswerTable::Hash(std::string_view text) {
  // FNV-1a, then a final mix so that the low bits (the slot index) depend on every byte.
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
  return hash ^ (hash >> 29);
}

// The slot that holds the text, or the empty slot where it belongs.
std::size_t AnswerTable::SlotOf(std::string_view text, std::uint64_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.answer < 0) return i;
    if (slot.hash == hash && std::string_view(texts_).substr(slot.offset, slot.length) == text) return i;
  }
}

std::optional<bool> AnswerTable::Find(std::string_view text) const {
  if (slots_.empty()) return std::nullopt;
  const Slot& slot = slots_[SlotOf(text, Hash(text))];
  if (slot.answer < 0) return std::nullopt;
  return slot.answer != 0;
}

void AnswerTable::Add(std::string_view text, bool answer) {
  if (2 * (used_ + 1) > slots_.size()) Grow();
  const std::uint64_t hash = Hash(text);
  Slot& slot = slots_[SlotOf(text, hash)];
  if (slot.answer < 0) ++used_;
  slot = Slot{hash, texts_.size(), static_cast<std::uint32_t>(text.size()),
              static_cast<std::int8_t>(answer ? 1 : 0)};
  texts_.append(text);
}

void AnswerTable::Grow() {
  std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(slots_.empty() ? 64 : 2 * slots_.size()));
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.answer < 0) continue;
    std::size_t i = slot.hash & mask;
    while (slots_[i].answer >= 0) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

}  // namespace lexiglean
