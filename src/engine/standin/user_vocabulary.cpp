#include "engine/standin/user_vocabulary.h"

#include "engine/standin/language_model_builder.h"
#include "engine/standin/standin_error.h"
#include "engine/standin/word_collection.h"

namespace lexiglean::standin {

std::shared_ptr<IWordCollection> StandinUserVocabulary::GetCustomWords(std::int32_t) {
  return ComCall(IID_IUserVocabulary, [&]() -> std::shared_ptr<IWordCollection> {
    session_->profile->UserFolder();  // no user, no custom words to read
    return std::make_shared<StandinWordCollection>(session_->profile, session_->profile->Words().SharedCustomWords(),
                                                   0);
  });
}

std::shared_ptr<IWordCollection> StandinUserVocabulary::AddToVocabulary(const std::shared_ptr<IWordCollection>& words,
                                                                        std::int32_t) {
  return ComCall(IID_IUserVocabulary, [&]() -> std::shared_ptr<IWordCollection> {
    const std::span<const WordEntry> candidates = OwnCollection(words).Entries();
    OperationReport report(session_->events, kAddingWords);
    Vocabulary& vocabulary = session_->profile->Words();
    const std::size_t added = vocabulary.AddCustomWords(candidates);
    report.Progress(static_cast<std::int64_t>(candidates.size()), static_cast<std::int64_t>(candidates.size()));
    report.Succeeded();
    // The entries added, shared with the custom words that now end with them.
    std::shared_ptr<const std::vector<WordEntry>> customWords = vocabulary.SharedCustomWords();
    const std::size_t from = customWords->size() - added;
    return std::make_shared<StandinWordCollection>(session_->profile, std::move(customWords), from);
  });
}

std::shared_ptr<ILanguageModelBuilder> StandinUserVocabulary::get_LanguageModelBuilder() {
  return ComCall(IID_IUserVocabulary, [&]() -> std::shared_ptr<ILanguageModelBuilder> {
    return std::make_shared<StandinLanguageModelBuilder>(session_);
  });
}

}  // namespace lexiglean::standin
