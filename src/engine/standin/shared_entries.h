#pragma once
// Entries one keeper holds (the custom words) that the word collections it hands out share instead of
// copying: the keeper copies them before it changes them while a collection still holds them, so that
// entries once shared never change.
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "engine/standin/word_entry.h"

namespace lexiglean::standin {

class SharedEntries {
 public:
  const std::vector<WordEntry>& All() const { return *entries_; }
  auto begin() const { return entries_->cbegin(); }
  auto end() const { return entries_->cend(); }
  std::size_t size() const { return entries_->size(); }
  const WordEntry& operator[](std::size_t i) const { return (*entries_)[i]; }

  void push_back(WordEntry&& entry) { Own().push_back(std::move(entry)); }
  // The entries, moved out when nothing shares them; the keeper is left empty.
  std::vector<WordEntry> Take() {
    std::vector<WordEntry> taken = entries_.use_count() > 1 ? *entries_ : std::move(*entries_);
    entries_ = std::make_shared<std::vector<WordEntry>>();
    return taken;
  }
  // The entries as they are now, for a collection to share.
  std::shared_ptr<const std::vector<WordEntry>> Share() const { return entries_; }

 private:
  std::vector<WordEntry>& Own() {
    if (entries_.use_count() > 1) entries_ = std::make_shared<std::vector<WordEntry>>(*entries_);
    return *entries_;
  }

  std::shared_ptr<std::vector<WordEntry>> entries_ = std::make_shared<std::vector<WordEntry>>();
};

}  // namespace lexiglean::standin
