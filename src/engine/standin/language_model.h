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

  // The pairs of neighbouring words of one part of a document, by the numbers of the words in the
  // document's words numbered in their text order, and the part's first and last word (kNoWord when it
  // has none).
  struct PartPairs {
    PairCounts::List pairs;
    std::uint32_t first = kNoWord;
    std::uint32_t last = kNoWord;
  };
  // Reads a part of a document whose distinct words are `words` (numbered in their text order), about
  // `expectedWords` of them in the part (0: not known). Throws StandinError when a word is not among
  // them: the document changed since it was read.
  static PartPairs CountPairs(WordSplitter& part, const WordCounts& words, std::uint64_t expectedWords = 0);

  // Counts the words of one document (numbered in their text order), and the pairs of neighbouring
  // words its parts (in order) found.
  void AddDocument(WordCounts words, std::vector<PartPairs>& parts);
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
  // words added later leave as they are); a pair may be in several. A few lists at most: a document's
  // parts are counted apart.
  std::vector<PairCounts::List> lists_;
  std::vector<std::pair<std::u16string, std::int64_t>> stored_;
};

}  // namespace lexiglean::standin
