#include "engine/standin/word_collection.h"

#include <limits>

#include "engine/standin/profile_files.h"
#include "engine/standin/standin_error.h"
#include "platform/text.h"
#include "platform/word_list_file.h"

namespace lexiglean::standin {

std::int32_t StandinWordItem::get_Flags() {
  return ComCall(IID_IWordItem, [&]() -> std::int32_t {
    if (!flags_) flags_ = profile_ != nullptr && profile_->Words().Contains(entry_.written) ? 1 : 0;
    return *flags_;
  });
}

StandinWordCollection::StandinWordCollection(std::shared_ptr<StandinProfile> profile, std::vector<WordEntry> entries)
    : profile_(std::move(profile)) {
  entries_.reserve(entries.size());
  for (WordEntry& entry : entries) Append(std::move(entry));
}

void StandinWordCollection::Append(WordEntry entry) {
  if (entries_.size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    throw StandinError(E_OUTOFMEMORY, u"A word collection holds at most 2147483647 entries.");
  }
  entries_.push_back(std::move(entry));
}

std::int32_t StandinWordCollection::get_Count() { return static_cast<std::int32_t>(entries_.size()); }

std::shared_ptr<IWordItem> StandinWordCollection::get_Item(std::int32_t index) {
  return ComCall(IID_IWordCollection, [&]() -> std::shared_ptr<IWordItem> {
    if (index < 0 || static_cast<std::size_t>(index) >= entries_.size()) {
      throw StandinError(E_INVALIDARG, u"There is no entry " + DecimalText(index) + u" in a collection of " +
                                           DecimalText(static_cast<std::int64_t>(entries_.size())) + u" entries.");
    }
    return std::make_shared<StandinWordItem>(entries_[static_cast<std::size_t>(index)], profile_);
  });
}

std::shared_ptr<IWordItem> StandinWordCollection::Add(const std::u16string& written, const std::u16string& spoken) {
  return ComCall(IID_IWordCollection, [&]() -> std::shared_ptr<IWordItem> {
    Append({written, spoken});
    return std::make_shared<StandinWordItem>(entries_.back(), profile_);
  });
}

std::int32_t StandinWordCollection::Find(const std::u16string& written, const std::u16string& spoken) {
  return ComCall(IID_IWordCollection, [&]() -> std::int32_t {
    for (; indexed_ < entries_.size(); ++indexed_) {
      firstPosition_.try_emplace(entries_[indexed_], static_cast<std::int32_t>(indexed_ + 1));
    }
    const auto found = firstPosition_.find(WordEntry{written, spoken});
    return found == firstPosition_.end() ? 0 : found->second;
  });
}

void StandinWordCollection::SaveToFile(const std::u16string& path, std::int32_t) {
  ComCall(IID_IWordCollection, [&] {
    if (path.empty()) throw StandinError(E_INVALIDARG, u"No file name was given to save the words to.");
    for (const WordEntry& entry : entries_) {
      if (const auto problem = VersionedWordListProblem(entry)) {
        throw StandinError(E_INVALIDARG, u"The entry \"" + entry.written + u"\" (spoken form \"" + entry.spoken +
                                             u"\") cannot be saved to a word-list file: " + *problem + u".");
      }
    }
    const std::filesystem::path target(path);
    profile_->Files().Replace(target, FormatVersionedWordList(entries_), UnusedTemporaryPath(target));
  });
}

const StandinWordCollection& OwnCollection(const std::shared_ptr<IWordCollection>& collection) {
  if (collection == nullptr) throw StandinError(E_POINTER, u"No word collection was given.");
  const auto* own = dynamic_cast<const StandinWordCollection*>(collection.get());
  if (own == nullptr) throw StandinError(E_INVALIDARG, u"The word collection does not come from this recogniser.");
  return *own;
}

}  // namespace lexiglean::standin
