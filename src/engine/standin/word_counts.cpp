#include "engine/standin/word_counts.h"

#include <algorithm>

#include "engine/standin/position_index.h"
#include "engine/standin/standin_error.h"
#include "engine/standin/unit_loads.h"

namespace lexiglean::standin {
namespace {

constexpr std::uint32_t kMergeBatch = 64;  // words looked up together

// Whether n code units are the same, compared four or two at a time (overlapping at the end) without
// reading outside either text: most words are short, and a loop of unknown length mispredicts.
bool SameUnits(const char16_t* a, const char16_t* b, std::size_t n) {
  if (n >= 4) {
    for (std::size_t i = 0; i + 4 < n; i += 4) {
      if (Load4(a + i) != Load4(b + i)) return false;
    }
    return Load4(a + n - 4) == Load4(b + n - 4);
  }
  if (n >= 2) return Load2(a) == Load2(b) && Load2(a + n - 2) == Load2(b + n - 2);
  return n == 0 || a[0] == b[0];
}

}  // namespace

void WordCounts::Fetch(std::span<const std::u16string_view> words, std::vector<std::uint32_t>& tags,
                       bool counting) const {
  tags.resize(words.size());
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t k = 0; k < words.size(); ++k) {
    tags[k] = static_cast<std::uint32_t>(TextHash(words[k]));
    __builtin_prefetch(&slots_[tags[k] & mask]);
  }
  for (std::size_t k = 0; k < words.size(); ++k) {
    const Slot& slot = slots_[tags[k] & mask];
    if (slot.number == kEmpty) continue;
    __builtin_prefetch(characters_.data() + slot.start);
    if (counting) __builtin_prefetch(&counts_[slot.number]);
  }
}

void WordCounts::AddAll(std::span<const std::u16string_view> words, std::vector<std::uint32_t>& numbers,
                        std::span<const std::int64_t> counts) {
  if ((counts_.size() + words.size()) * 2 > slots_.size()) Grow(512);
  Fetch(words, tags_, true);
  numbers.resize(words.size());
  for (std::size_t k = 0; k < words.size(); ++k) numbers[k] = Add(words[k], tags_[k], counts.empty() ? 1 : counts[k]);
}

std::size_t WordCounts::SlotOf(std::u16string_view word, std::uint32_t tag) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = tag & mask;
  for (;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.number == kEmpty) return i;
    if (slot.tag == tag && slot.length == word.size() &&
        SameUnits(characters_.data() + slot.start, word.data(), word.size())) {
      return i;
    }
  }
}

std::uint32_t WordCounts::Add(std::u16string_view word, std::int64_t count) {
  return Add(word, static_cast<std::uint32_t>(TextHash(word)), count);
}

std::vector<std::uint32_t> WordCounts::Merge(const WordCounts& later) {
  std::vector<std::uint32_t> numbers(later.Size());
  std::vector<std::u16string_view> batch;
  std::vector<std::uint32_t> batchNumbers;
  for (std::uint32_t from = 0; from < later.Size(); from += kMergeBatch) {
    const std::uint32_t to = std::min<std::uint32_t>(from + kMergeBatch, static_cast<std::uint32_t>(later.Size()));
    batch.clear();
    for (std::uint32_t n = from; n < to; ++n) batch.push_back(later.Word(n));
    AddAll(batch, batchNumbers, std::span<const std::int64_t>(later.counts_).subspan(from, to - from));
    std::copy(batchNumbers.begin(), batchNumbers.end(), numbers.begin() + from);
  }
  return numbers;
}

WordCounts WordCounts::Reordered(std::span<const std::uint32_t> order) const {
  WordCounts reordered;
  reordered.characters_.reserve(characters_.size());
  reordered.starts_.reserve(order.size() + 1);
  reordered.counts_.reserve(order.size());
  std::vector<std::uint32_t> place(order.size());
  for (std::uint32_t r = 0; r < order.size(); ++r) {
    place[order[r]] = r;
    reordered.characters_ += Word(order[r]);
    reordered.starts_.push_back(static_cast<std::uint32_t>(reordered.characters_.size()));
    reordered.counts_.push_back(counts_[order[r]]);
  }
  // The words keep their slots (their hashes place them): only what the slots say changes.
  reordered.slots_ = slots_;
  for (Slot& slot : reordered.slots_) {
    if (slot.number == kEmpty) continue;
    slot.number = place[slot.number];
    slot.start = reordered.starts_[slot.number];
  }
  return reordered;
}

void WordCounts::FindAll(std::span<const std::u16string_view> words, std::vector<std::uint32_t>& numbers) const {
  numbers.assign(words.size(), kNone);
  if (slots_.empty()) return;
  Fetch(words, numbers, false);  // the tags, in place of the numbers they lead to
  for (std::size_t k = 0; k < words.size(); ++k) numbers[k] = slots_[SlotOf(words[k], numbers[k])].number;
}

std::uint32_t WordCounts::Find(std::u16string_view word) const {
  return slots_.empty() ? kNone : slots_[SlotOf(word, static_cast<std::uint32_t>(TextHash(word)))].number;
}

std::uint32_t WordCounts::Add(std::u16string_view word, std::uint32_t tag, std::int64_t count) {
  if ((counts_.size() + 1) * 2 > slots_.size()) Grow(512);
  Slot& slot = slots_[SlotOf(word, tag)];
  if (slot.number != kEmpty) {
    counts_[slot.number] += count;
    return slot.number;
  }
  if (counts_.size() >= kEmpty - 1 || characters_.size() + word.size() >= kEmpty) {
    throw StandinError(E_OUTOFMEMORY, u"Too many different words.");
  }
  const auto number = static_cast<std::uint32_t>(counts_.size());
  slot = {number, tag, starts_.back(), static_cast<std::uint32_t>(word.size())};
  characters_ += word;
  starts_.push_back(static_cast<std::uint32_t>(characters_.size()));
  counts_.push_back(count);
  return number;
}

void WordCounts::Reserve(std::size_t more) {
  if ((counts_.size() + more) * 2 > slots_.size()) Grow(more);
  counts_.reserve(counts_.size() + more);
  starts_.reserve(starts_.size() + more);
}

// Doubles the table (at least), placing every word again, with room for `more` words beyond those.
void WordCounts::Grow(std::size_t more) {
  LargeVector<Slot> old = std::move(slots_);
  std::size_t size = old.empty() ? 4096 : old.size() * 2;
  while (size < (counts_.size() + more) * 2) size *= 2;
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
