#pragma once
// The stand-in's language-model builder: counts the words and word pairs of each document as it is
// added, then stores them in the user's language-model.tsv, adding to the counts already stored there.
#include <memory>

#include "engine/recogniser.h"
#include "engine/standin/language_model.h"
#include "engine/standin/tools_session.h"

namespace lexiglean::standin {

class StandinLanguageModelBuilder : public ILanguageModelBuilder {
 public:
  explicit StandinLanguageModelBuilder(std::shared_ptr<ToolsSession> session) : session_(std::move(session)) {}

  // Counts the document (reading its words again); an unreadable or empty one will count as skipped.
  void AddDocument(const std::shared_ptr<IDocument>& document) override;
  // The number of documents the last Build skipped.
  std::int32_t get_SkippedCount() override;
  // Stores the counts of the documents added since the last build (the arguments are not used). True
  // when documents were skipped. A damaged language-model.tsv is left as it is and reported.
  bool Build(std::int32_t a, std::int32_t b) override;

 private:
  std::shared_ptr<ToolsSession> session_;
  LanguageModelCounts counts_;
  std::int32_t added_ = 0;
  std::int32_t unusable_ = 0;
  std::int32_t skipped_ = 0;
};

}  // namespace lexiglean::standin
