#pragma once
// The words handed to the analyzers of one vocabulary-tools object, waiting for the unknown-word
// search: each exact pair once, in the order first queued, with how often it came.
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/standin/position_index.h"
#include "engine/standin/word_entry.h"

namespace lexiglean::standin {

class WordQueue {
 public:
  struct Queued {
    WordEntry entry;
    std::int64_t occurrences;
  };

  void Add(std::u16string_view written, std::u16string_view spoken, std::int64_t occurrences);
  // Makes room for this many more pairs.
  void Reserve(std::size_t more);
  const std::vector<Queued>& Entries() const { return entries_; }
  // How many words came, repeats included.
  std::int64_t Occurrences() const { return occurrences_; }
  void Clear() { *this = WordQueue(); }

 private:
  std::vector<Queued> entries_;
  PositionIndex index_;
  std::int64_t occurrences_ = 0;
};

}  // namespace lexiglean::standin
