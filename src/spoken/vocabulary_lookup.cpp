#include "spoken/vocabulary_lookup.h"

#include "engine/delivered.h"
#include "platform/narrow_code_page.h"

namespace lexiglean {
namespace {

// One question to the recogniser: bit 0 of the flags of the analyzer's item for the written form.
bool AskRecogniser(IWordAnalyzer& analyzer, std::string_view word) {
  return (Delivered(analyzer.LookupWord(NarrowToUtf16(word), u""), IID_IWordAnalyzer)->get_Flags() & 1) != 0;
}

}  // namespace

IWordAnalyzer& VocabularyLookup::Analyzer() {
  if (analyzer_ == nullptr) {
    analyzer_ = Delivered(Delivered(tools_, IID_IVocabularyTools)->get_WordAnalyzer(), IID_IVocabularyTools);
  }
  return *analyzer_;
}

bool VocabularyLookup::IsInVocabulary(std::string_view word) {
  if (answers_ == Answers::kAskedEveryTime) {
    // A fresh analyzer for every question, let go as soon as it has answered.
    analyzer_.reset();
    const bool known = AskRecogniser(Analyzer(), word);
    analyzer_.reset();
    return known;
  }
  if (const std::optional<bool> answer = known_.Find(word)) return *answer;
  const bool known = AskRecogniser(Analyzer(), word);
  known_.Add(word, known);
  return known;
}

}  // namespace lexiglean
