#pragma once
// The stand-in's documents. OpenDocument reads the whole document at once. A document that cannot be
// read still opens, carrying its failure: get_AnalysisCount and get_Words raise it (naming the
// file), and the language-model builder skips it.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/recogniser.h"
#include "engine/standin/standin_error.h"
#include "engine/standin/tools_session.h"

namespace lexiglean::standin {

class StandinDocument : public IDocument {
 public:
  StandinDocument(std::vector<std::u16string> words, std::shared_ptr<StandinProfile> profile)
      : words_(std::move(words)), profile_(std::move(profile)) {}
  explicit StandinDocument(StandinError failure) : failure_(std::move(failure)) {}

  // The number of words read.
  std::int32_t get_AnalysisCount() override;
  // The words in document order, each with an empty spoken form.
  std::shared_ptr<IWordCollection> get_Words() override;

  bool Readable() const { return !failure_; }
  const std::vector<std::u16string>& Words() const { return words_; }

 private:
  void ThrowIfUnreadable() const;

  std::vector<std::u16string> words_;
  std::shared_ptr<StandinProfile> profile_;
  std::optional<StandinError> failure_;
};

class StandinDocumentLoader : public IDocumentLoader {
 public:
  explicit StandinDocumentLoader(std::shared_ptr<ToolsSession> session) : session_(std::move(session)) {}

  std::shared_ptr<IDocument> OpenDocument(const std::u16string& path, std::int32_t flags) override;

 private:
  std::shared_ptr<ToolsSession> session_;
};

}  // namespace lexiglean::standin
