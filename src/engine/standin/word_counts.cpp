#include "engine/standin/word_counts.h"

#include "engine/standin/standin_error.h"

namespace lexiglean::standin {

std::uint32_t WordCounts::Add(std::u16string_view word, std::int64_t occurrences) {
  const std::uint64_t hash = TextHash(word);
  std::uint32_t number = index_.Find(hash, [&](std::uint32_t n) { return words_[n].word == word; });
  if (number == PositionIndex::kNone) {
    if (words_.size() >= PositionIndex::kNone - 1) throw StandinError(E_OUTOFMEMORY, u"Too many different words.");
    number = static_cast<std::uint32_t>(words_.size());
    words_.push_back({std::u16string(word), 0});
    index_.Insert(hash, number);
  }
  words_[number].count += occurrences;
  return number;
}

}  // namespace lexiglean::standin
