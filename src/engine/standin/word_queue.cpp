#include "engine/standin/word_queue.h"

#include <algorithm>
#include <vector>

#include "engine/standin/standin_error.h"

namespace lexiglean::standin {

void WordQueue::AppendKey(std::u16string& keys, std::u16string_view written, std::u16string_view spoken) {
  if (written.size() > 0xFFFFFFFFu) throw StandinError(E_OUTOFMEMORY, u"A word is too long to be queued.");
  keys.append({static_cast<char16_t>(written.size() >> 16), static_cast<char16_t>(written.size() & 0xFFFF)});
  keys.append(written).append(spoken);
}

void WordQueue::Add(std::u16string_view written, std::u16string_view spoken, std::int64_t occurrences) {
  key_.clear();
  AppendKey(key_, written, spoken);
  pairs_.Add(key_, occurrences);
  occurrences_ += occurrences;
}

void WordQueue::AddDocumentWords(const WordCounts& words) {
  constexpr std::uint32_t kBatch = 64;
  pairs_.Reserve(words.Size());
  std::vector<std::size_t> ends;
  std::vector<std::u16string_view> keys;
  std::vector<std::int64_t> counts;
  std::vector<std::uint32_t> numbers;
  for (std::uint32_t from = 0; from < words.Size(); from += kBatch) {
    const std::uint32_t to = std::min<std::uint32_t>(from + kBatch, static_cast<std::uint32_t>(words.Size()));
    key_.clear();
    ends.clear();
    counts.clear();
    for (std::uint32_t n = from; n < to; ++n) {
      AppendKey(key_, words.Word(n), {});
      ends.push_back(key_.size());
      counts.push_back(words.Count(n));
      occurrences_ += words.Count(n);
    }
    keys.clear();
    for (std::size_t k = 0, start = 0; k < ends.size(); start = ends[k++]) {
      keys.push_back(std::u16string_view(key_).substr(start, ends[k] - start));
    }
    pairs_.AddAll(keys, numbers, counts);
  }
}

}  // namespace lexiglean::standin
