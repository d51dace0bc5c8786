#pragma once
// Whether the recogniser's vocabulary knows a word of the working text (narrow code page), asked
// through an analyzer of the vocabulary tools. Within one run every distinct text is asked once
// through one analyzer and the answer kept: the answers are the same as asking every time.
#include <memory>
#include <string_view>

#include "engine/recogniser.h"
#include "spoken/answer_table.h"

namespace lexiglean {

class VocabularyLookup {
 public:
  enum class Answers { kKeptForTheRun, kAskedEveryTime };

  // tools may be absent: then the first question raises E_POINTER.
  explicit VocabularyLookup(std::shared_ptr<IVocabularyTools> tools, Answers answers = Answers::kKeptForTheRun)
      : tools_(std::move(tools)), answers_(answers) {}

  bool IsInVocabulary(std::string_view word);

 private:
  IWordAnalyzer& Analyzer();

  std::shared_ptr<IVocabularyTools> tools_;
  Answers answers_;
  std::shared_ptr<IWordAnalyzer> analyzer_;
  AnswerTable known_;
};

}  // namespace lexiglean
