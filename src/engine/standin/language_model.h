#pragma once
// The user's language model: how often each word and each pair of neighbouring words occurred in the
// documents it was built from. Stored as language-model.tsv in the user folder: one line per word or
// word pair (the two words separated by a blank), a tab, the count; UTF-8, sorted, lines ended LF.
// Each distinct word is kept once, a pair as the numbers of its two words.
#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/standin/pair_counts.h"
#include "engine/standin/word_counts.h"
#include "engine/standin/word_splitting.h"

namespace lexiglean::standin {

class LanguageModelCounts {
 public:
  static constexpr std::uint32_t kNoWord = 0xFFFFFFFFu;

  // The first and last word of a part of a document (kNoWord when it has none).
  struct PartEnds {
    std::uint32_t first = kNoWord;
    std::uint32_t last = kNoWord;
  };
  // Counts the pairs of neighbouring words within parts of a document whose distinct words are
  // `words` (numbered in their text order): any of its parts, in any order, on one thread.
  class PairCounter {
   public:
    // About `expectedPairs` pairs to come (0: not known).
    PairCounter(const WordCounts& words, std::uint64_t expectedPairs);
    // Reads a part. Throws StandinError when a word is not among the words: the document changed since
    // it was read.
    PartEnds Count(WordSplitter& part);
    // Every pair counted once with its count, by the numbers of its words, sorted.
    PairCounts::List& Counted() { return counts_.Sorted(); }

   private:
    const WordCounts& words_;
    PairCounts counts_;
  };

  // Counts the words of one document (numbered in their text order), the pairs its counters found
  // within its parts, and those across the cuts between the parts (by the parts' ends, in order).
  void AddDocument(WordCounts words, std::vector<PairCounts::List>& counted, std::span<const PartEnds> ends);
  // Adds the counts of a stored file; returns why the bytes are not one (empty when they are).
  std::u16string AddStored(std::string_view bytes);
  void ForgetStored() { stored_.clear(); }
  // True when nothing has been counted from documents.
  bool NoDocumentWords() const { return words_.Size() == 0; }
  // Hands the model's bytes to `write`, piece by piece.
  void Write(const std::function<void(std::string_view)>& write) const;
  // Every word and pair with its count (for checks).
  std::map<std::u16string, std::int64_t> Counts() const;

 private:
  // Calls stored(key, count) and counted(first, second, count) (the words by their ranks; second
  // kNoWord for a single word) for every line of the model in its order, stored and counted lines of
  // the same key as one counted line.
  template <typename Stored, typename Counted>
  void ForEachLine(const Stored& stored, const Counted& counted) const;
  // The rank of each word number in order_; none when they are the numbers.
  std::vector<std::uint32_t> Ranks() const;
  // Folds the lists into one.
  void FoldLists();

  WordCounts words_;
  std::vector<std::uint32_t> order_;  // the words' numbers in text order
  // The pairs by the numbers of their words, in lists each sorted by the ranks of the words (which
  // words added later leave as they are); a pair may be in several. A few lists at most: those of a
  // document's counters and of the pairs across its cuts, folded into one when there are too many.
  std::vector<PairCounts::List> lists_;
  std::vector<std::pair<std::u16string, std::int64_t>> stored_;
};

}  // namespace lexiglean::standin
