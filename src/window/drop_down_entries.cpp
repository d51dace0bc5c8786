#include "window/drop_down_entries.h"

#include <algorithm>

#include "platform/case_insensitive.h"

namespace lexiglean {

int DropDownEntries::Append(const std::u16string& text) {
  const auto index = static_cast<int>(texts_.size());
  texts_.push_back(text);
  byFoldedText_[CaseFolded(text)].push_back(index);
  return index;
}

void DropDownEntries::Erase(int index) {
  texts_.erase(texts_.begin() + index);
  // The user removes entries one at a time: a pass over the index is cheap enough.
  for (auto it = byFoldedText_.begin(); it != byFoldedText_.end();) {
    std::vector<int>& indexes = it->second;
    std::erase(indexes, index);
    for (int& later : indexes) later -= later > index ? 1 : 0;
    it = indexes.empty() ? byFoldedText_.erase(it) : std::next(it);
  }
}

int DropDownEntries::FindIgnoringCase(std::u16string_view text) const {
  const auto found = byFoldedText_.find(CaseFolded(text));
  return found == byFoldedText_.end() ? -1 : found->second.front();
}

}  // namespace lexiglean
