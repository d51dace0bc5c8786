#include "engine/standin/word_queue.h"

#include "engine/standin/standin_error.h"

namespace lexiglean::standin {

void WordQueue::Add(std::u16string_view written, std::u16string_view spoken, std::int64_t occurrences) {
  if (written.size() > 0xFFFFFFFFu) throw StandinError(E_OUTOFMEMORY, u"A word is too long to be queued.");
  key_.assign({static_cast<char16_t>(written.size() >> 16), static_cast<char16_t>(written.size() & 0xFFFF)});
  key_.append(written).append(spoken);
  pairs_.Add(key_, occurrences);
  occurrences_ += occurrences;
}

}  // namespace lexiglean::standin
