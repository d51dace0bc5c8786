#pragma once
// The loaded user's vocabulary: the base words (the system word list and the user's vocabulary.txt,
// one word a line) and the custom words (custom-words.txt, a versioned word list). Both are read
// when first needed; lookups are case-sensitive on the written form.
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/standin/position_index.h"
#include "engine/standin/profile_files.h"
#include "engine/standin/shared_entries.h"
#include "engine/standin/word_counts.h"
#include "engine/standin/word_entry.h"

namespace lexiglean::standin {

class Vocabulary {
 public:
  // An empty user folder means no user is loaded: only the system words are known then, and the
  // custom words cannot change.
  Vocabulary(std::filesystem::path systemWordList, std::filesystem::path userFolder, const FileReplacer& files);

  // True when the written form is a base word or the written form of a custom word.
  bool Contains(std::u16string_view written);
  // The same; without capSensitive a known word in another letter case counts too.
  bool Contains(std::u16string_view written, bool capSensitive);
  // The same for many written forms, looked up together: known[k] for written[k].
  void ContainsAll(std::span<const std::u16string_view> written, bool capSensitive, std::vector<bool>& known);

  const std::vector<WordEntry>& CustomWords();
  // The same entries, for a collection to share (see SharedEntries).
  std::shared_ptr<const std::vector<WordEntry>> SharedCustomWords();

  // Adds the candidates that bring something new and stores the custom words; returns how many it
  // added, in order, at the end of the custom words. Skipped: an empty written form, an entry a
  // word-list file cannot hold, an exact pair already among the custom words (or earlier in the
  // candidates), and a known written form with an empty spoken form. Nothing changes, on disk or here,
  // when storing fails.
  std::size_t AddCustomWords(std::span<const WordEntry> candidates);

  std::filesystem::path CustomWordsPath() const;

 private:
  // The custom words, each stored once: the indexes hold positions in `entries`.
  struct CustomWordSet {
    SharedEntries entries;
    PositionIndex pairs;
    PositionIndex writtenForms;  // the first entry of each written form
    bool Contains(const WordEntry& entry) const;
    bool ContainsWritten(std::u16string_view written) const;
    // Adds the entry unless the exact pair is there; true when added.
    bool Add(WordEntry&& entry);
    // Back to the first `count` entries.
    void Truncate(std::size_t count);
  };

  const WordCounts& BaseWords();
  const WordCounts& LowerCaseWords();
  CustomWordSet& Custom();

  std::filesystem::path systemWordList_;
  std::filesystem::path userFolder_;
  const FileReplacer& files_;
  std::optional<WordCounts> baseWords_;
  std::optional<CustomWordSet> customWords_;
  // Every known written form in lower case, made when first needed and dropped when custom words change.
  std::optional<WordCounts> lowerCaseWords_;
};

}  // namespace lexiglean::standin
