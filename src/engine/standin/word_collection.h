#pragma once
// The stand-in's word collections and their items. A collection keeps its entries in the order
// added, repeats included; an item tells whether its written form is in the loaded user's vocabulary.
// A document's word collection reads its items from the document as they are asked for, and keeps
// them only once something changes it or needs them all at once.
#include <memory>
#include <optional>
#include <span>
#include <unordered_map>
#include <vector>

#include "engine/recogniser.h"
#include "engine/standin/document.h"
#include "engine/standin/standin_profile.h"
#include "engine/standin/word_entry.h"

namespace lexiglean::standin {

class StandinWordItem : public IWordItem {
 public:
  // An item of a collection: looks its written form up in the profile's vocabulary when asked.
  StandinWordItem(WordEntry entry, std::shared_ptr<StandinProfile> profile)
      : entry_(std::move(entry)), profile_(std::move(profile)) {}
  // An item whose flags are already known.
  StandinWordItem(WordEntry entry, std::int32_t flags) : entry_(std::move(entry)), flags_(flags) {}

  std::u16string get_WrittenForm() override { return entry_.written; }
  std::u16string get_SpokenForm() override { return entry_.spoken; }
  std::int32_t get_Flags() override;

 private:
  WordEntry entry_;
  std::shared_ptr<StandinProfile> profile_;
  std::optional<std::int32_t> flags_;
};

class StandinWordCollection : public IWordCollection {
 public:
  explicit StandinWordCollection(std::shared_ptr<StandinProfile> profile, std::vector<WordEntry> entries = {});
  // The entries of `shared` from `from` on, shared with their keeper, which never changes them (see
  // SharedEntries), until this collection changes.
  StandinWordCollection(std::shared_ptr<StandinProfile> profile, std::shared_ptr<const std::vector<WordEntry>> shared,
                        std::size_t from);
  // The words of a document, in document order, each with an empty spoken form.
  StandinWordCollection(std::shared_ptr<StandinProfile> profile, std::shared_ptr<const DocumentWords> document);

  std::int32_t get_Count() override;
  std::shared_ptr<IWordItem> get_Item(std::int32_t index) override;
  std::shared_ptr<IWordItem> Add(const std::u16string& written, const std::u16string& spoken) override;
  // The 1-based position of the first entry with this exact pair; 0 when there is none.
  std::int32_t Find(const std::u16string& written, const std::u16string& spoken) override;
  // Writes the versioned word-list file (the format argument is not used).
  void SaveToFile(const std::u16string& path, std::int32_t format) override;

  // Every entry (a document's words are read then).
  std::span<const WordEntry> Entries();
  // The document whose words these are, while they have not been read into entries; else none.
  const DocumentWords* Document() const { return document_.get(); }
  void Append(WordEntry entry);

 private:
  std::u16string_view DocumentWordAt(std::size_t index);

  std::shared_ptr<StandinProfile> profile_;
  std::vector<WordEntry> entries_;
  // Shared entries (those from sharedFrom_ on), while this collection has not changed.
  std::shared_ptr<const std::vector<WordEntry>> shared_;
  std::size_t sharedFrom_ = 0;
  std::shared_ptr<const DocumentWords> document_;
  // The document's words read so far by get_Item, and how many came before the current one.
  std::optional<WordSplitter> reading_;
  std::optional<std::u16string_view> current_;
  std::size_t currentIndex_ = 0;
  // Find's index, brought up to date when Find is called: the first position of each pair among the
  // first `indexed_` entries.
  std::unordered_map<WordEntry, std::int32_t, WordEntryHash> firstPosition_;
  std::size_t indexed_ = 0;
};

// The entries of a collection handed to the stand-in: throws StandinError E_POINTER for none and
// E_INVALIDARG for a collection that is not the stand-in's own.
StandinWordCollection& OwnCollection(const std::shared_ptr<IWordCollection>& collection);

}  // namespace lexiglean::standin
