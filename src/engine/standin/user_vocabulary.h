#pragma once
// The stand-in's view of the loaded user's vocabulary: its custom words, adding to them, and the
// language-model builder.
#include <memory>

#include "engine/recogniser.h"
#include "engine/standin/tools_session.h"

namespace lexiglean::standin {

class StandinUserVocabulary : public IUserVocabulary {
 public:
  explicit StandinUserVocabulary(std::shared_ptr<ToolsSession> session) : session_(std::move(session)) {}

  // The custom words in the order they were added (the argument is not used).
  std::shared_ptr<IWordCollection> GetCustomWords(std::int32_t which) override;
  // Adds what is new (Vocabulary::AddCustomWords says what is skipped) and stores it at once;
  // returns the entries added. The flags are not used.
  std::shared_ptr<IWordCollection> AddToVocabulary(const std::shared_ptr<IWordCollection>& words,
                                                   std::int32_t flags) override;
  std::shared_ptr<ILanguageModelBuilder> get_LanguageModelBuilder() override;

 private:
  std::shared_ptr<ToolsSession> session_;
};

}  // namespace lexiglean::standin
