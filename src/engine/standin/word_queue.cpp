#include "engine/standin/word_queue.h"

#include "engine/standin/standin_error.h"

namespace lexiglean::standin {

void WordQueue::Reserve(std::size_t more) {
  entries_.reserve(entries_.size() + more);
  index_.Reserve(entries_.size() + more);
}

void WordQueue::Add(std::u16string_view written, std::u16string_view spoken, std::int64_t occurrences) {
  const std::uint64_t hash = TextHash(spoken, TextHash(written));
  std::uint32_t at = index_.Find(hash, [&](std::uint32_t i) {
    return entries_[i].entry.written == written && entries_[i].entry.spoken == spoken;
  });
  if (at == PositionIndex::kNone) {
    if (entries_.size() >= PositionIndex::kNone - 1) throw StandinError(E_OUTOFMEMORY, u"Too many words are queued.");
    at = static_cast<std::uint32_t>(entries_.size());
    entries_.push_back({{std::u16string(written), std::u16string(spoken)}, 0});
    index_.Insert(hash, at);
  }
  entries_[at].occurrences += occurrences;
  occurrences_ += occurrences;
}

}  // namespace lexiglean::standin
