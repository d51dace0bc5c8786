// The vocabulary tools and what they hand out: documents, the user's vocabulary, the language model.
#include "engine/dragon/adapters.h"

namespace lexiglean::dragon {
namespace {

std::shared_ptr<IWordCollection> Collection(ComPtr<IDispatch> collection) {
  return std::make_shared<WordCollectionAdapter>(std::move(collection));
}

}  // namespace

void VocabularyToolsAdapter::Initialize(const std::u16string& a, const std::u16string& b) {
  ref_.Call<7>(ref_.Text(a).Get(), ref_.Text(b).Get());
}

void VocabularyToolsAdapter::Uninitialize() { ref_.Call<10>(); }

void VocabularyToolsAdapter::put_CapSensitive(bool value) {
  ref_.Call<12>(static_cast<VARIANT_BOOL>(value ? VARIANT_TRUE : VARIANT_FALSE));
}

std::shared_ptr<IDocumentLoader> VocabularyToolsAdapter::get_DocumentLoader() {
  return std::make_shared<DocumentLoaderAdapter>(ref_.ObjectResult<20>());
}

std::shared_ptr<IWordAnalyzer> VocabularyToolsAdapter::get_WordAnalyzer() {
  return std::make_shared<WordAnalyzerAdapter>(ref_.ObjectResult<21>());
}

std::shared_ptr<IUserVocabulary> VocabularyToolsAdapter::get_UserVocabulary() {
  return std::make_shared<UserVocabularyAdapter>(ref_.ObjectResult<22>());
}

// The flags constant's type is not known: late bound.
std::shared_ptr<IDocument> DocumentLoaderAdapter::OpenDocument(const std::u16string& path, std::int32_t flags) {
  std::vector<Variant> arguments;
  arguments.push_back(Variant::Text(path, ref_.Iid()));
  arguments.push_back(Variant::Int32(flags));
  return std::make_shared<DocumentAdapter>(ref_.InvokeForObject(u"OpenDocument", arguments, IID_IDocument));
}

std::int32_t DocumentAdapter::get_AnalysisCount() { return ref_.Int32Result<8>(); }
std::shared_ptr<IWordCollection> DocumentAdapter::get_Words() { return Collection(ref_.ObjectResult<9>()); }

// The selector constant's type is not known: late bound.
std::shared_ptr<IWordCollection> UserVocabularyAdapter::GetCustomWords(std::int32_t which) {
  std::vector<Variant> arguments;
  arguments.push_back(Variant::Int32(which));
  return Collection(ref_.InvokeForObject(u"GetCustomWords", arguments, IID_IWordCollection));
}

// The flags constant's type is not known: late bound, the collection passed as its IDispatch.
std::shared_ptr<IWordCollection> UserVocabularyAdapter::AddToVocabulary(const std::shared_ptr<IWordCollection>& words,
                                                                        std::int32_t flags) {
  std::vector<Variant> arguments;
  arguments.push_back(Variant::Dispatch(RawInterfaceOf<WordCollectionAdapter>(words.get(), ref_.Iid())));
  arguments.push_back(Variant::Int32(flags));
  return Collection(ref_.InvokeForObject(u"AddToVocabulary", arguments, IID_IWordCollection));
}

std::shared_ptr<ILanguageModelBuilder> UserVocabularyAdapter::get_LanguageModelBuilder() {
  return std::make_shared<LanguageModelBuilderAdapter>(ref_.ObjectResult<13>());
}

void LanguageModelBuilderAdapter::AddDocument(const std::shared_ptr<IDocument>& document) {
  ref_.Call<14>(RawInterfaceOf<DocumentAdapter>(document.get(), ref_.Iid()));
}

std::int32_t LanguageModelBuilderAdapter::get_SkippedCount() { return ref_.Int32Result<15>(); }

// The constants' types and the result's are not known: late bound; any non-zero result is true.
bool LanguageModelBuilderAdapter::Build(std::int32_t a, std::int32_t b) {
  std::vector<Variant> arguments;
  arguments.push_back(Variant::Int32(a));
  arguments.push_back(Variant::Int32(b));
  const Variant result = ref_.Invoke(u"Build", arguments);
  Variant number;
  if (const ::HRESULT hr = result.ConvertTo(VT_I4, number); FAILED(hr)) throw ComError(hr, ref_.Iid());
  return number.Get().lVal != 0;
}

}  // namespace lexiglean::dragon
