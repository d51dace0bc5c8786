#pragma once
// Words in UTF-8 by number, for writing them fast in any order: a word of at most kCell bytes in a cell
// of its own, copied as a whole cell (one place to read per word, and one copy of a known size); a
// longer one after all the cells, its cell telling where.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "platform/large_blocks.h"

namespace lexiglean::standin {

class Utf8WordCells {
 public:
  static constexpr std::size_t kCell = 16;

  // Room for this many words.
  explicit Utf8WordCells(std::size_t count) {
    cells_.reserve(count * kCell);
    lengths_.reserve(count);
  }
  // Adds the next word.
  void Add(std::string_view word) {
    cells_.resize(cells_.size() + kCell);
    char* cell = cells_.data() + cells_.size() - kCell;
    if (word.size() <= kCell) {
      std::memcpy(cell, word.data(), word.size());
      lengths_.push_back(static_cast<std::uint8_t>(word.size()));
    } else {
      const Far far{longer_.size(), word.size()};
      std::memcpy(cell, &far, sizeof far);
      longer_ += word;
      lengths_.push_back(kFar);
    }
    longest_ = std::max(longest_, word.size());
  }
  std::size_t Longest() const { return longest_; }
  // Copies the word to `to`, where there is room for kCell bytes or the word; returns its end.
  char* Put(char* to, std::uint32_t number) const {
    const char* cell = cells_.data() + std::size_t{number} * kCell;
    if (const std::uint8_t length = lengths_[number]; length != kFar) {
      std::memcpy(to, cell, kCell);
      return to + length;
    }
    Far far{};
    std::memcpy(&far, cell, sizeof far);
    std::memcpy(to, longer_.data() + far.start, far.length);
    return to + far.length;
  }

 private:
  struct Far {
    std::size_t start, length;
  };
  static_assert(sizeof(Far) <= kCell);
  static constexpr std::uint8_t kFar = 0xFF;

  LargeVector<char> cells_;
  std::vector<std::uint8_t> lengths_;  // kFar for a word in longer_
  std::string longer_;
  std::size_t longest_ = 0;
};

}  // namespace lexiglean::standin
