#pragma once
// The word rules of the spoken-form generator over the working text (narrow code page): a written form
// is split into words at every space, and each word becomes sayable text through the first rule that
// applies: the word as it is or with a small first letter when the vocabulary knows it, its pieces
// between hyphens and slashes, an acronym spelt letter by letter, the parts of a capitalised compound,
// letters around a number, or else the word starred as a problem.
#include <cstdint>
#include <string>
#include <string_view>

#include "spoken/vocabulary_lookup.h"
#include "spoken/word_patterns.h"

namespace lexiglean {

// What one written form turned into.
struct ItemSpokenForm {
  std::string spoken;
  // A word fell through every rule.
  bool hasUnsayableWord = false;
};

class SpokenFormRules {
 public:
  SpokenFormRules(VocabularyLookup& vocabulary, WordPatterns patterns = kExactWordPatterns)
      : vocabulary_(vocabulary), patterns_(patterns) {}

  ItemSpokenForm SpeakWrittenForm(std::string_view written);

  // The run's counts so far: known words, pieces and parts plus number words; problem entries.
  std::int32_t resolvedCount() const { return resolved_; }
  std::int32_t problemCount() const { return problems_; }
  // Every problem entry so far, each followed by a line feed.
  const std::string& problemList() const { return problemList_; }

 private:
  void SpeakWord(std::string_view word, ItemSpokenForm& form);
  // The text, else its small-first-letter variant, when the vocabulary knows it.
  bool AppendIfKnown(std::string_view text, std::string& spoken);
  // A piece or part: known, or starred with problemEntry listed.
  void AppendPart(std::string_view part, std::string_view problemEntry, std::string& spoken);
  void AddProblem(std::string_view entry);

  VocabularyLookup& vocabulary_;
  WordPatterns patterns_;
  std::int32_t resolved_ = 0;
  std::int32_t problems_ = 0;
  std::string problemList_;
  std::string lowered_;
};

}  // namespace lexiglean
