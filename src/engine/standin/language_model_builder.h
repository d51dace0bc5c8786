#pragma once
// The stand-in's language-model builder: collects documents, then counts their words and word pairs
// into the user's language-model.tsv, adding to the counts already stored there.
#include <memory>
#include <vector>

#include "engine/recogniser.h"
#include "engine/standin/document.h"
#include "engine/standin/tools_session.h"

namespace lexiglean::standin {

class StandinLanguageModelBuilder : public ILanguageModelBuilder {
 public:
  explicit StandinLanguageModelBuilder(std::shared_ptr<ToolsSession> session) : session_(std::move(session)) {}

  void AddDocument(const std::shared_ptr<IDocument>& document) override;
  // The number of documents the last Build skipped.
  std::int32_t get_SkippedCount() override;
  // Counts the collected documents (skipping unreadable and empty ones) and stores the model (the
  // arguments are not used). True when documents were skipped. A damaged language-model.tsv is left
  // as it is and reported.
  bool Build(std::int32_t a, std::int32_t b) override;

 private:
  std::shared_ptr<ToolsSession> session_;
  std::vector<std::shared_ptr<StandinDocument>> documents_;
  std::int32_t skipped_ = 0;
};

}  // namespace lexiglean::standin
