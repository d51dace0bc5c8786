#pragma once
// The recogniser's objects and operations, named as its COM interfaces. Texts are UTF-16, counts and
// indexes 32-bit from 0 (get_Item) and flags bool. Every failed operation throws ComError carrying the
// HRESULT and the interface's IID. Objects are shared and let go as soon as a step is done with them.
#include <cstdint>
#include <memory>
#include <string>

#include "engine/com_error.h"

namespace lexiglean {

class IWordItem;
class IWordCollection;
class IDocument;
class ILanguageModelBuilder;

// Interface identities, as the recogniser declares them.
inline constexpr Guid IID_IDgnEngine{0xE366EA73, 0xA952, 0x44C3, {0xA4, 0x48, 0x72, 0x55, 0x3B, 0xDA, 0x9E, 0xAE}};
inline constexpr Guid IID_IVocabularyTools{0x15F00C4C, 0xFD14, 0x4BCC, {0xA2, 0x03, 0x79, 0xFB, 0x2B, 0x78, 0x48, 0xD0}};
inline constexpr Guid IID_IDocumentLoader{0xBE72348C, 0xA318, 0x4F85, {0x9B, 0xCB, 0xB1, 0xFE, 0x37, 0xA2, 0x88, 0xE4}};
inline constexpr Guid IID_IDocument{0x20B8CEEB, 0xB30C, 0x4ABB, {0x94, 0xF3, 0xA6, 0x7D, 0x2A, 0x63, 0xF9, 0x64}};
inline constexpr Guid IID_IWordAnalyzer{0xD776A950, 0x8444, 0x4B93, {0x92, 0x31, 0x9A, 0x2C, 0xCF, 0xB5, 0x9E, 0x32}};
inline constexpr Guid IID_IWordCollection{0xC38CB381, 0x1EF1, 0x40A8, {0xBE, 0xFF, 0x36, 0x5D, 0xCB, 0x4E, 0x84, 0x0A}};
inline constexpr Guid IID_IWordItem{0xC1770F2A, 0xCDDC, 0x478C, {0xAC, 0xCD, 0x75, 0xF0, 0xE5, 0x42, 0x16, 0xB3}};
inline constexpr Guid IID_IUserVocabulary{0xAFEE9F9A, 0xF360, 0x4CF0, {0x9F, 0xC8, 0xD0, 0x7C, 0xEE, 0x62, 0xA3, 0x60}};
inline constexpr Guid IID_ILanguageModelBuilder{0x7AD20BCF, 0xA9E8, 0x4B80, {0x95, 0xBB, 0x63, 0x81, 0x05, 0x8C, 0xEB, 0xC1}};
inline constexpr Guid IID_VocabularyToolsEvents{0x16F68512, 0x1FB2, 0x49AF, {0x8D, 0x47, 0xBC, 0x28, 0x0E, 0x0F, 0x0E, 0x9B}};
inline constexpr Guid CLSID_DgnEngineControl{0xDE2DB781, 0xBE83, 0x11D1, {0xA5, 0x72, 0x00, 0x60, 0x08, 0xAA, 0xC4, 0xE2}};
inline constexpr Guid CLSID_VocabularyTools{0x1A2108C9, 0x705F, 0x4718, {0x9F, 0x11, 0xC1, 0x11, 0x5B, 0xE3, 0xD0, 0x41}};

class IWordItem {
 public:
  virtual ~IWordItem() = default;
  virtual std::u16string get_WrittenForm() = 0;
  virtual std::u16string get_SpokenForm() = 0;
  // Bit 0 set when the word is in the vocabulary.
  virtual std::int32_t get_Flags() = 0;
};

class IWordCollection {
 public:
  virtual ~IWordCollection() = default;
  virtual std::int32_t get_Count() = 0;
  virtual std::shared_ptr<IWordItem> get_Item(std::int32_t index) = 0;
  virtual std::shared_ptr<IWordItem> Add(const std::u16string& written, const std::u16string& spoken) = 0;
  // Above 0 when the exact pair is present.
  virtual std::int32_t Find(const std::u16string& written, const std::u16string& spoken) = 0;
  virtual void SaveToFile(const std::u16string& path, std::int32_t format) = 0;
};

class IWordAnalyzer {
 public:
  virtual ~IWordAnalyzer() = default;
  virtual void AddWords(const std::shared_ptr<IWordCollection>& words) = 0;
  virtual std::shared_ptr<IWordCollection> get_UnknownWords() = 0;
  virtual std::shared_ptr<IWordItem> LookupWord(const std::u16string& written, const std::u16string& spoken) = 0;
  virtual std::shared_ptr<IWordCollection> CreateWordCollection() = 0;
  virtual std::shared_ptr<IWordCollection> CombineCollections(const std::shared_ptr<IWordCollection>& a,
                                                              const std::shared_ptr<IWordCollection>& b) = 0;
};

class IDocument {
 public:
  virtual ~IDocument() = default;
  virtual std::int32_t get_AnalysisCount() = 0;
  virtual std::shared_ptr<IWordCollection> get_Words() = 0;
};

class IDocumentLoader {
 public:
  virtual ~IDocumentLoader() = default;
  virtual std::shared_ptr<IDocument> OpenDocument(const std::u16string& path, std::int32_t flags) = 0;
};

class ILanguageModelBuilder {
 public:
  virtual ~ILanguageModelBuilder() = default;
  virtual void AddDocument(const std::shared_ptr<IDocument>& document) = 0;
  virtual std::int32_t get_SkippedCount() = 0;
  // True when documents were skipped.
  virtual bool Build(std::int32_t a, std::int32_t b) = 0;
};

class IUserVocabulary {
 public:
  virtual ~IUserVocabulary() = default;
  virtual std::shared_ptr<IWordCollection> GetCustomWords(std::int32_t which) = 0;
  // Returns the words that were added.
  virtual std::shared_ptr<IWordCollection> AddToVocabulary(const std::shared_ptr<IWordCollection>& words,
                                                           std::int32_t flags) = 0;
  virtual std::shared_ptr<ILanguageModelBuilder> get_LanguageModelBuilder() = 0;
};

// The progress events of the vocabulary tools, delivered on the thread that owns the main window.
class IVocabularyToolsEvents {
 public:
  virtual ~IVocabularyToolsEvents() = default;
  virtual void OnOperationStarted(std::int16_t operation) = 0;
  // result: -1 (VARIANT_TRUE) means succeeded.
  virtual void OnOperationFinished(std::int16_t operation, std::int16_t result) = 0;
  virtual void OnOperationProgress(std::int16_t operation, std::int32_t current, std::int32_t total) = 0;
};

class IVocabularyTools {
 public:
  virtual ~IVocabularyTools() = default;
  virtual void Initialize(const std::u16string& a, const std::u16string& b) = 0;
  virtual void Uninitialize() = 0;
  virtual void put_CapSensitive(bool value) = 0;
  virtual std::shared_ptr<IDocumentLoader> get_DocumentLoader() = 0;
  virtual std::shared_ptr<IWordAnalyzer> get_WordAnalyzer() = 0;
  virtual std::shared_ptr<IUserVocabulary> get_UserVocabulary() = 0;
};

class IDgnEngine {
 public:
  virtual ~IDgnEngine() = default;
  virtual std::u16string get_Speaker() = 0;
  virtual std::u16string GetCurrentUserKey() = 0;
  virtual std::u16string GetSpeakerDetail(const std::u16string& speaker, const std::u16string& key) = 0;
  virtual std::u16string GetEngineDetail() = 0;
  virtual std::u16string GetKeyDetail(const std::u16string& key) = 0;
};

// How the program reaches the recogniser: the COM binding on Windows, the stand-in elsewhere.
class Recogniser {
 public:
  virtual ~Recogniser() = default;
  // DgnEngineControl as IDgnEngine.
  virtual std::shared_ptr<IDgnEngine> CreateEngineControl() = 0;
  // VocabularyTools as IVocabularyTools (created, run, queried).
  virtual std::shared_ptr<IVocabularyTools> CreateVocabularyTools() = 0;
  // Looks up the event source and its type library for the sink (the COM binding keeps them in it).
  virtual void PrepareEventSink(IVocabularyTools& tools, IVocabularyToolsEvents& sink) = 0;
  // Advise / Unadvise on the VocabularyToolsEvents connection point; returns the cookie.
  virtual std::uint32_t Advise(IVocabularyTools& tools, IVocabularyToolsEvents& sink) = 0;
  virtual void Unadvise(IVocabularyTools& tools, std::uint32_t cookie) = 0;
};

}  // namespace lexiglean
