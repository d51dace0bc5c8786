#include "engine/standin/word_collection.h"

#include <limits>
#include <vector>

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

namespace {

constexpr auto kMostEntries = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());

StandinError TooManyEntries() {
  return StandinError(E_OUTOFMEMORY, u"A word collection holds at most 2147483647 entries.");
}

StandinError DocumentChanged() {
  return StandinError(E_FAIL, u"The document's words have changed since it was opened.");
}

}  // namespace

StandinWordCollection::StandinWordCollection(std::shared_ptr<StandinProfile> profile, std::vector<WordEntry> entries)
    : profile_(std::move(profile)), entries_(std::move(entries)) {
  if (entries_.size() > kMostEntries) throw TooManyEntries();
}

StandinWordCollection::StandinWordCollection(std::shared_ptr<StandinProfile> profile,
                                             std::shared_ptr<const std::vector<WordEntry>> shared, std::size_t from)
    : profile_(std::move(profile)), shared_(std::move(shared)), sharedFrom_(from) {
  if (Entries().size() > kMostEntries) throw TooManyEntries();
}

StandinWordCollection::StandinWordCollection(std::shared_ptr<StandinProfile> profile,
                                             std::shared_ptr<const DocumentWords> document)
    : profile_(std::move(profile)), document_(std::move(document)) {
  if (document_->total > kMostEntries) throw TooManyEntries();
}

void StandinWordCollection::Append(WordEntry entry) {
  if (Entries().size() >= kMostEntries) throw TooManyEntries();
  if (shared_) {
    const std::span<const WordEntry> shared = Entries();
    entries_.reserve(shared.size() + 1);
    entries_.assign(shared.begin(), shared.end());
    shared_.reset();
  }
  entries_.push_back(std::move(entry));
}

std::span<const WordEntry> StandinWordCollection::Entries() {
  if (shared_) return std::span(*shared_).subspan(sharedFrom_);
  if (document_) {
    std::vector<WordEntry> entries;
    entries.reserve(document_->total);
    WordSplitter words = document_->source.Words();
    while (const auto word = words.Next()) entries.push_back({std::u16string(*word), {}});
    if (entries.size() != document_->total) throw DocumentChanged();
    entries_ = std::move(entries);
    document_.reset();
    reading_.reset();
  }
  return entries_;
}

std::u16string_view StandinWordCollection::DocumentWordAt(std::size_t index) {
  if (!reading_ || !current_ || index < currentIndex_) {
    reading_.emplace(document_->source.Words());
    current_ = reading_->Next();
    currentIndex_ = 0;
  }
  for (; current_ && currentIndex_ < index; ++currentIndex_) current_ = reading_->Next();
  if (!current_) throw DocumentChanged();
  return *current_;
}

std::int32_t StandinWordCollection::get_Count() {
  return static_cast<std::int32_t>(document_ ? document_->total : Entries().size());
}

std::shared_ptr<IWordItem> StandinWordCollection::get_Item(std::int32_t index) {
  return ComCall(IID_IWordCollection, [&]() -> std::shared_ptr<IWordItem> {
    const std::int32_t count = get_Count();
    if (index < 0 || index >= count) {
      throw StandinError(E_INVALIDARG, u"There is no entry " + DecimalText(index) + u" in a collection of " +
                                           DecimalText(count) + u" entries.");
    }
    const auto at = static_cast<std::size_t>(index);
    if (document_) return std::make_shared<StandinWordItem>(WordEntry{std::u16string(DocumentWordAt(at)), {}}, profile_);
    return std::make_shared<StandinWordItem>(Entries()[at], profile_);
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
    const std::span<const WordEntry> entries = Entries();
    for (; indexed_ < entries.size(); ++indexed_) {
      firstPosition_.try_emplace(entries[indexed_], static_cast<std::int32_t>(indexed_ + 1));
    }
    const auto found = firstPosition_.find(WordEntry{written, spoken});
    return found == firstPosition_.end() ? 0 : found->second;
  });
}

void StandinWordCollection::SaveToFile(const std::u16string& path, std::int32_t) {
  ComCall(IID_IWordCollection, [&] {
    if (path.empty()) throw StandinError(E_INVALIDARG, u"No file name was given to save the words to.");
    for (const WordEntry& entry : Entries()) {
      if (const auto problem = VersionedWordListProblem(entry)) {
        throw StandinError(E_INVALIDARG, u"The entry \"" + entry.written + u"\" (spoken form \"" + entry.spoken +
                                             u"\") cannot be saved to a word-list file: " + *problem + u".");
      }
    }
    const std::filesystem::path target(path);
    const auto write = [&](const FileReplacer::PieceSink& sink) { FormatVersionedWordList(Entries(), sink); };
    profile_->Files().Replace(target, write, UnusedTemporaryPath(target));
  });
}

StandinWordCollection& OwnCollection(const std::shared_ptr<IWordCollection>& collection) {
  if (collection == nullptr) throw StandinError(E_POINTER, u"No word collection was given.");
  auto* own = dynamic_cast<StandinWordCollection*>(collection.get());
  if (own == nullptr) throw StandinError(E_INVALIDARG, u"The word collection does not come from this recogniser.");
  return *own;
}

}  // namespace lexiglean::standin
