#include "engine/standin/word_counts.h"

#include <cstring>

#include "engine/standin/position_index.h"
#include "engine/standin/standin_error.h"

namespace lexiglean::standin {

void WordCounts::AddAll(std::span<const std::u16string_view> words, std::vector<std::uint32_t>& numbers) {
  if ((counts_.size() + words.size()) * 2 > slots_.size()) Grow();
  tags_.resize(words.size());
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t k = 0; k < words.size(); ++k) {
    tags_[k] = static_cast<std::uint32_t>(TextHash(words[k]));
    __builtin_prefetch(&slots_[tags_[k] & mask]);
  }
  for (std::size_t k = 0; k < words.size(); ++k) {
    const Slot& slot = slots_[tags_[k] & mask];
    if (slot.number != kEmpty) {
      __builtin_prefetch(characters_.data() + slot.start);
      __builtin_prefetch(&counts_[slot.number]);
    }
  }
  numbers.resize(words.size());
  for (std::size_t k = 0; k < words.size(); ++k) numbers[k] = Add(words[k], tags_[k]);
}

std::uint32_t WordCounts::Add(std::u16string_view word, std::uint32_t tag) {
  if ((counts_.size() + 1) * 2 > slots_.size()) Grow();
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = tag & mask;
  for (;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.number == kEmpty) break;
    if (slot.tag == tag && slot.length == word.size() &&
        std::memcmp(characters_.data() + slot.start, word.data(), word.size() * sizeof(char16_t)) == 0) {
      ++counts_[slot.number];
      return slot.number;
    }
  }
  if (counts_.size() >= kEmpty - 1 || characters_.size() + word.size() >= kEmpty) {
    throw StandinError(E_OUTOFMEMORY, u"Too many different words.");
  }
  const auto number = static_cast<std::uint32_t>(counts_.size());
  slots_[i] = {number, tag, starts_.back(), static_cast<std::uint32_t>(word.size())};
  characters_ += word;
  starts_.push_back(static_cast<std::uint32_t>(characters_.size()));
  counts_.push_back(1);
  return number;
}

// Doubles the table (at least), placing every word again.
void WordCounts::Grow() {
  std::vector<Slot> old = std::move(slots_);
  std::size_t size = old.empty() ? 4096 : old.size() * 2;
  while (size < (counts_.size() + 512) * 2) size *= 2;
  slots_.assign(size, Slot{});
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.number == kEmpty) continue;
    std::size_t i = slot.tag & mask;
    while (slots_[i].number != kEmpty) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

}  // namespace lexiglean::standin
