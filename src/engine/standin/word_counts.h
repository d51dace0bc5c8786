#pragma once
// The distinct words of a text with how often each came, in the order first met: each word is
// stored once, whatever its number of occurrences.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/standin/position_index.h"

namespace lexiglean::standin {

class WordCounts {
 public:
  // Counts `occurrences` more of the word; returns its number (its place in first-met order).
  std::uint32_t Add(std::u16string_view word, std::int64_t occurrences = 1);

  std::size_t Size() const { return words_.size(); }
  const std::u16string& Word(std::uint32_t number) const { return words_[number].word; }
  std::int64_t Count(std::uint32_t number) const { return words_[number].count; }

 private:
  struct Counted {
    std::u16string word;
    std::int64_t count;
  };
  std::vector<Counted> words_;
  PositionIndex index_;
};

}  // namespace lexiglean::standin
