#pragma once
// The distinct words of a text with how often each came, in the order first met: each word is
// stored once, whatever its number of occurrences. The words' characters lie one after another in one
// block and the table's slots say where. Words are best counted many at a time: the places each one
// needs are then fetched from memory together instead of one after the other.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/large_blocks.h"

namespace lexiglean::standin {

class WordCounts {
 public:
  static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

  // Counts one more of each word (counts[k] more, when given); `numbers` receives their numbers (their
  // places in first-met order).
  void AddAll(std::span<const std::u16string_view> words, std::vector<std::uint32_t>& numbers,
              std::span<const std::int64_t> counts = {});
  // Makes room for this many more words.
  void Reserve(std::size_t more);
  // Counts `count` more of the word; returns its number.
  std::uint32_t Add(std::u16string_view word, std::int64_t count = 1);
  // Counts the words of a later part of the same text, in their order; returns the numbers here of
  // the later part's words (by their numbers there).
  std::vector<std::uint32_t> Merge(const WordCounts& later);
  // The same words and counts, numbered by their places in `order` (which holds each number once).
  WordCounts Reordered(std::span<const std::uint32_t> order) const;
  // The word's number; kNone when it has not come.
  std::uint32_t Find(std::u16string_view word) const;
  // The numbers of the words (kNone for those that have not come), looked up together.
  void FindAll(std::span<const std::u16string_view> words, std::vector<std::uint32_t>& numbers) const;

  std::size_t Size() const { return counts_.size(); }
  std::u16string_view Word(std::uint32_t number) const {
    return std::u16string_view(characters_).substr(starts_[number], starts_[number + 1] - starts_[number]);
  }
  std::int64_t Count(std::uint32_t number) const { return counts_[number]; }

 private:
  static constexpr std::uint32_t kEmpty = kNone;
  // Where a word is: its number, the low half of its hash (which places it) and its characters.
  struct Slot {
    std::uint32_t number = kEmpty;
    std::uint32_t tag = 0;
    std::uint32_t start = 0;
    std::uint32_t length = 0;
  };
  std::uint32_t Add(std::u16string_view word, std::uint32_t tag, std::int64_t count);
  // Puts the words' tags in `tags` and asks memory for their slots, then for the characters (and, when
  // counting, the counts) those slots point to, all together.
  void Fetch(std::span<const std::u16string_view> words, std::vector<std::uint32_t>& tags, bool counting) const;
  // The slot that holds the word, or the empty one where it belongs.
  std::size_t SlotOf(std::u16string_view word, std::uint32_t tag) const;
  void Grow(std::size_t more);

  LargeU16String characters_;
  LargeVector<std::uint32_t> starts_ = {0};  // where each word begins, and where the next one would
  LargeVector<std::int64_t> counts_;
  LargeVector<Slot> slots_;
  std::vector<std::uint32_t> tags_;  // of the words being added together
};

}  // namespace lexiglean::standin
