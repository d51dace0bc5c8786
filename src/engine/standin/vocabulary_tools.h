#pragma once
// The stand-in's vocabulary-tools object: hands out the document loader, word analyzers and the user
// vocabulary, all sharing its session (queue, events, profile).
#include <memory>

#include "engine/recogniser.h"
#include "engine/standin/tools_session.h"

namespace lexiglean::standin {

class StandinVocabularyTools : public IVocabularyTools {
 public:
  explicit StandinVocabularyTools(std::shared_ptr<ToolsSession> session) : session_(std::move(session)) {}

  // The arguments are not used.
  void Initialize(const std::u16string& a, const std::u16string& b) override;
  // Lets go of the queued words.
  void Uninitialize() override;
  void put_CapSensitive(bool value) override;
  std::shared_ptr<IDocumentLoader> get_DocumentLoader() override;
  std::shared_ptr<IWordAnalyzer> get_WordAnalyzer() override;
  std::shared_ptr<IUserVocabulary> get_UserVocabulary() override;

  EventHub& Events() { return session_->events; }

 private:
  std::shared_ptr<ToolsSession> session_;
};

}  // namespace lexiglean::standin
