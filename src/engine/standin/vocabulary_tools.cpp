#include "engine/standin/vocabulary_tools.h"

#include "engine/standin/document.h"
#include "engine/standin/standin_error.h"
#include "engine/standin/user_vocabulary.h"
#include "engine/standin/word_analyzer.h"

namespace lexiglean::standin {

void StandinVocabularyTools::Initialize(const std::u16string&, const std::u16string&) {}

void StandinVocabularyTools::Uninitialize() { session_->queuedWords.Clear(); }

void StandinVocabularyTools::put_CapSensitive(bool value) { session_->capSensitive = value; }

std::shared_ptr<IDocumentLoader> StandinVocabularyTools::get_DocumentLoader() {
  return ComCall(IID_IVocabularyTools, [&]() -> std::shared_ptr<IDocumentLoader> {
    return std::make_shared<StandinDocumentLoader>(session_);
  });
}

std::shared_ptr<IWordAnalyzer> StandinVocabularyTools::get_WordAnalyzer() {
  return ComCall(IID_IVocabularyTools, [&]() -> std::shared_ptr<IWordAnalyzer> {
    return std::make_shared<StandinWordAnalyzer>(session_);
  });
}

std::shared_ptr<IUserVocabulary> StandinVocabularyTools::get_UserVocabulary() {
  return ComCall(IID_IVocabularyTools, [&]() -> std::shared_ptr<IUserVocabulary> {
    session_->profile->UserFolder();  // the user vocabulary of no user does not exist
    return std::make_shared<StandinUserVocabulary>(session_);
  });
}

}  // namespace lexiglean::standin
