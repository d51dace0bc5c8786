#pragma once
// The stand-in's documents. OpenDocument reads the document once, keeping its distinct words with
// their counts, never every occurrence; whatever needs the words in order (the items of get_Words,
// the language-model builder) reads them again from the document's source. A document that cannot be
// read still opens, carrying its failure: get_AnalysisCount and get_Words raise it (naming the file),
// and the language-model builder skips it.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "engine/recogniser.h"
#include "engine/standin/document_reading.h"
#include "engine/standin/standin_error.h"
#include "engine/standin/tools_session.h"
#include "engine/standin/word_counts.h"

namespace lexiglean::standin {

// What reading a document found.
struct DocumentWords {
  DocumentSource source;
  WordCounts distinct;
  std::uint64_t total = 0;  // the number of words read
};

class StandinDocument : public IDocument {
 public:
  StandinDocument(std::shared_ptr<const DocumentWords> words, std::shared_ptr<StandinProfile> profile)
      : words_(std::move(words)), profile_(std::move(profile)) {}
  explicit StandinDocument(StandinError failure) : failure_(std::move(failure)) {}

  // The number of words read.
  std::int32_t get_AnalysisCount() override;
  // The words in document order, each with an empty spoken form.
  std::shared_ptr<IWordCollection> get_Words() override;

  // What was read; none when the document is unreadable.
  const DocumentWords* Words() const { return words_.get(); }

 private:
  void ThrowIfUnreadable() const;

  std::shared_ptr<const DocumentWords> words_;
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
