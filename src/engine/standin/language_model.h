#pragma once
// The user's language model: how often each word and each pair of neighbouring words occurred in the
// documents it was built from. Stored as language-model.tsv in the user folder: one line per word or
// word pair (the two words separated by a blank), a tab, the count; UTF-8, sorted, lines ended LF.
// Each distinct word is kept once, a pair as the numbers of its two words.
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/standin/word_counts.h"
#include "engine/standin/word_splitting.h"

namespace lexiglean::standin {

class LanguageModelCounts {
 public:
  // Counts the words and the pairs of neighbouring words of one document.
  void AddDocument(WordSplitter& words);
  // Adds the counts of a stored file; returns why the bytes are not one (empty when they are).
  std::u16string AddStored(std::string_view bytes);
  void ForgetStored() { stored_.clear(); }
  // True when nothing has been counted from documents.
  bool NoDocumentWords() const { return words_.Size() == 0; }
  std::string Format() const;
  // Every word and pair with its count (for checks).
  std::map<std::u16string, std::int64_t> Counts() const;

 private:
  // The pairs, found by the numbers of their two words (open addressing).
  class PairCounts {
   public:
    void Add(std::uint64_t pair);
    // Adds the pairs, their slots fetched from memory together.
    void AddAll(std::span<const std::uint64_t> pairs);
    // Every pair with its count, in no particular order.
    std::vector<std::pair<std::uint64_t, std::int64_t>> Items() const;

   private:
    static constexpr std::uint64_t kEmpty = ~std::uint64_t{0};
    struct Slot {
      std::uint64_t pair = kEmpty;
      std::int64_t count = 0;
    };
    // The pair's slot, or the empty one where it belongs.
    Slot& SlotOf(std::uint64_t pair);
    std::vector<Slot> slots_;
    std::size_t count_ = 0;
  };

  // Calls stored(key, count) and counted(first, second, count) (second -1 for a single word) for every
  // line of the model in its order, stored and counted lines of the same key as one counted line.
  template <typename Stored, typename Counted>
  void ForEachLine(const Stored& stored, const Counted& counted) const;

  WordCounts words_;
  PairCounts pairs_;
  std::vector<std::pair<std::u16string, std::int64_t>> stored_;
};

}  // namespace lexiglean::standin
