#pragma once
// The embedded stand-in recogniser: a small, real vocabulary service that keeps its users' custom
// words and language models in a profile folder on disk, used where the real recogniser is absent.
#include <filesystem>
#include <memory>

#include "engine/recogniser.h"
#include "engine/standin/document_reading.h"
#include "engine/standin/profile_location.h"

namespace lexiglean::standin {

class FileReplacer;
class StandinProfile;

struct StandinOptions {
  // The profile folder; empty: from the environment (DefaultProfileRoot).
  std::filesystem::path profileRoot;
  // The base vocabulary's word list; empty: none.
  std::filesystem::path systemWordList = DefaultSystemWordList();
  // Turns .doc, .docx and .pdf documents into text; empty: such documents hold no words.
  DocumentConverter convertDocument;
  // Writes every file of the profile and every saved word list; empty: the real file system.
  std::shared_ptr<const FileReplacer> files;
};

class StandinRecogniser : public Recogniser {
 public:
  explicit StandinRecogniser(StandinOptions options = {});

  // Vocabulary-tools objects created after this call use the converter.
  void SetDocumentConverter(DocumentConverter convert);

  std::shared_ptr<IDgnEngine> CreateEngineControl() override;
  std::shared_ptr<IVocabularyTools> CreateVocabularyTools() override;
  // Nothing to prepare: events reach the sink by direct calls.
  void PrepareEventSink(IVocabularyTools& tools, IVocabularyToolsEvents& sink) override;
  std::uint32_t Advise(IVocabularyTools& tools, IVocabularyToolsEvents& sink) override;
  // Throws ComError CONNECT_E_NOCONNECTION (0x80040200) for a cookie that names no subscription.
  void Unadvise(IVocabularyTools& tools, std::uint32_t cookie) override;

 private:
  std::shared_ptr<StandinProfile> profile_;
  DocumentConverter convertDocument_;
};

}  // namespace lexiglean::standin
