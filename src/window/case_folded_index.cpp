#include "window/case_folded_index.h"

#include <algorithm>

#include "platform/case_insensitive.h"

namespace lexiglean {

void CaseFoldedIndex::Append(std::u16string_view text) { entries_[CaseFolded(text)].push_back(count_++); }

void CaseFoldedIndex::Erase(int index) {
  // Entries are erased one at a time by the user: a pass over all of them is cheap enough.
  for (auto it = entries_.begin(); it != entries_.end();) {
    std::vector<int>& indexes = it->second;
    std::erase(indexes, index);
    for (int& later : indexes) later -= later > index ? 1 : 0;
    it = indexes.empty() ? entries_.erase(it) : std::next(it);
  }
  --count_;
}

int CaseFoldedIndex::Find(std::u16string_view text) const {
  const auto found = entries_.find(CaseFolded(text));
  return found == entries_.end() ? -1 : found->second.front();
}

}  // namespace lexiglean
