#pragma once
// The recogniser's COM objects behind the program's portable interfaces. Each adapter holds one
// reference to the real interface and calls its methods by vtable slot where their parameter types
// are known; methods with constant arguments of unknown type, and the key and detail methods of the
// engine control, are called by name through IDispatch so that the server converts the arguments.
#include <memory>

#include "engine/recogniser.h"
#include "engine/dragon/interface_ref.h"

namespace lexiglean::dragon {

class WordItemAdapter : public IWordItem {
 public:
  explicit WordItemAdapter(ComPtr<IDispatch> item) : ref_(std::move(item), IID_IWordItem) {}
  std::u16string get_WrittenForm() override;
  std::u16string get_SpokenForm() override;
  std::int32_t get_Flags() override;

 private:
  InterfaceRef ref_;
};

class WordCollectionAdapter : public IWordCollection {
 public:
  explicit WordCollectionAdapter(ComPtr<IDispatch> collection) : ref_(std::move(collection), IID_IWordCollection) {}
  std::int32_t get_Count() override;
  std::shared_ptr<IWordItem> get_Item(std::int32_t index) override;
  std::shared_ptr<IWordItem> Add(const std::u16string& written, const std::u16string& spoken) override;
  std::int32_t Find(const std::u16string& written, const std::u16string& spoken) override;
  void SaveToFile(const std::u16string& path, std::int32_t format) override;
  IDispatch* Raw() const { return ref_.Get(); }

 private:
  InterfaceRef ref_;
};

class WordAnalyzerAdapter : public IWordAnalyzer {
 public:
  explicit WordAnalyzerAdapter(ComPtr<IDispatch> analyzer) : ref_(std::move(analyzer), IID_IWordAnalyzer) {}
  void AddWords(const std::shared_ptr<IWordCollection>& words) override;
  std::shared_ptr<IWordCollection> get_UnknownWords() override;
  std::shared_ptr<IWordItem> LookupWord(const std::u16string& written, const std::u16string& spoken) override;
  std::shared_ptr<IWordCollection> CreateWordCollection() override;
  std::shared_ptr<IWordCollection> CombineCollections(const std::shared_ptr<IWordCollection>& a,
                                                      const std::shared_ptr<IWordCollection>& b) override;

 private:
  InterfaceRef ref_;
};

class DocumentAdapter : public IDocument {
 public:
  explicit DocumentAdapter(ComPtr<IDispatch> document) : ref_(std::move(document), IID_IDocument) {}
  std::int32_t get_AnalysisCount() override;
  std::shared_ptr<IWordCollection> get_Words() override;
  IDispatch* Raw() const { return ref_.Get(); }

 private:
  InterfaceRef ref_;
};

class DocumentLoaderAdapter : public IDocumentLoader {
 public:
  explicit DocumentLoaderAdapter(ComPtr<IDispatch> loader) : ref_(std::move(loader), IID_IDocumentLoader) {}
  std::shared_ptr<IDocument> OpenDocument(const std::u16string& path, std::int32_t flags) override;

 private:
  InterfaceRef ref_;
};

class LanguageModelBuilderAdapter : public ILanguageModelBuilder {
 public:
  explicit LanguageModelBuilderAdapter(ComPtr<IDispatch> builder)
      : ref_(std::move(builder), IID_ILanguageModelBuilder) {}
  void AddDocument(const std::shared_ptr<IDocument>& document) override;
  std::int32_t get_SkippedCount() override;
  bool Build(std::int32_t a, std::int32_t b) override;

 private:
  InterfaceRef ref_;
};

class UserVocabularyAdapter : public IUserVocabulary {
 public:
  explicit UserVocabularyAdapter(ComPtr<IDispatch> vocabulary) : ref_(std::move(vocabulary), IID_IUserVocabulary) {}
  std::shared_ptr<IWordCollection> GetCustomWords(std::int32_t which) override;
  std::shared_ptr<IWordCollection> AddToVocabulary(const std::shared_ptr<IWordCollection>& words,
                                                   std::int32_t flags) override;
  std::shared_ptr<ILanguageModelBuilder> get_LanguageModelBuilder() override;

 private:
  InterfaceRef ref_;
};

class VocabularyToolsAdapter : public IVocabularyTools {
 public:
  explicit VocabularyToolsAdapter(ComPtr<IDispatch> tools) : ref_(std::move(tools), IID_IVocabularyTools) {}
  void Initialize(const std::u16string& a, const std::u16string& b) override;
  void Uninitialize() override;
  void put_CapSensitive(bool value) override;
  std::shared_ptr<IDocumentLoader> get_DocumentLoader() override;
  std::shared_ptr<IWordAnalyzer> get_WordAnalyzer() override;
  std::shared_ptr<IUserVocabulary> get_UserVocabulary() override;
  IDispatch* Raw() const { return ref_.Get(); }

 private:
  InterfaceRef ref_;
};

class DgnEngineAdapter : public IDgnEngine {
 public:
  explicit DgnEngineAdapter(ComPtr<IDispatch> engine) : ref_(std::move(engine), IID_IDgnEngine) {}
  std::u16string get_Speaker() override;
  std::u16string GetCurrentUserKey() override;
  std::u16string GetSpeakerDetail(const std::u16string& speaker, const std::u16string& key) override;
  std::u16string GetEngineDetail() override;
  std::u16string GetKeyDetail(const std::u16string& key) override;

 private:
  InterfaceRef ref_;
};

// The real interface behind an object the program hands back to the recogniser. Only the binding's
// own adapters have one: an empty object is E_POINTER, any other object E_INVALIDARG, both reported
// for the interface `callerIid` whose method was called.
template <typename Adapter, typename Port>
IDispatch* RawInterfaceOf(const Port* object, const Guid& callerIid) {
  if (object == nullptr) throw ComError(E_POINTER, callerIid);
  const auto* adapter = dynamic_cast<const Adapter*>(object);
  if (adapter == nullptr) throw ComError(E_INVALIDARG, callerIid);
  return adapter->Raw();
}

}  // namespace lexiglean::dragon
