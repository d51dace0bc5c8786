// Words: items, collections and the analyzer that finds the unknown ones.
#include "engine/dragon/adapters.h"

namespace lexiglean::dragon {
namespace {

std::shared_ptr<IWordItem> Item(ComPtr<IDispatch> item) { return std::make_shared<WordItemAdapter>(std::move(item)); }
std::shared_ptr<IWordCollection> Collection(ComPtr<IDispatch> collection) {
  return std::make_shared<WordCollectionAdapter>(std::move(collection));
}

}  // namespace

std::u16string WordItemAdapter::get_WrittenForm() { return ref_.TextResult<7>(); }
std::u16string WordItemAdapter::get_SpokenForm() { return ref_.TextResult<8>(); }
std::int32_t WordItemAdapter::get_Flags() { return ref_.Int32Result<16>(); }

std::int32_t WordCollectionAdapter::get_Count() { return ref_.Int32Result<7>(); }

std::shared_ptr<IWordItem> WordCollectionAdapter::get_Item(std::int32_t index) {
  return Item(ref_.ObjectResult<8>(static_cast<LONG>(index)));
}

std::shared_ptr<IWordItem> WordCollectionAdapter::Add(const std::u16string& written, const std::u16string& spoken) {
  return Item(ref_.ObjectResult<10>(ref_.Text(written).Get(), ref_.Text(spoken).Get()));
}

std::int32_t WordCollectionAdapter::Find(const std::u16string& written, const std::u16string& spoken) {
  return ref_.Int32Result<12>(ref_.Text(written).Get(), ref_.Text(spoken).Get());
}

// The format constant's type is not known: late bound.
void WordCollectionAdapter::SaveToFile(const std::u16string& path, std::int32_t format) {
  std::vector<Variant> arguments;
  arguments.push_back(Variant::Text(path, ref_.Iid()));
  arguments.push_back(Variant::Int32(format));
  ref_.Invoke(u"SaveToFile", arguments);
}

void WordAnalyzerAdapter::AddWords(const std::shared_ptr<IWordCollection>& words) {
  ref_.Call<7>(RawInterfaceOf<WordCollectionAdapter>(words.get(), ref_.Iid()));
}

std::shared_ptr<IWordCollection> WordAnalyzerAdapter::get_UnknownWords() { return Collection(ref_.ObjectResult<9>()); }

std::shared_ptr<IWordItem> WordAnalyzerAdapter::LookupWord(const std::u16string& written,
                                                           const std::u16string& spoken) {
  return Item(ref_.ObjectResult<10>(ref_.Text(written).Get(), ref_.Text(spoken).Get()));
}

std::shared_ptr<IWordCollection> WordAnalyzerAdapter::CreateWordCollection() {
  return Collection(ref_.ObjectResult<11>());
}

std::shared_ptr<IWordCollection> WordAnalyzerAdapter::CombineCollections(const std::shared_ptr<IWordCollection>& a,
                                                                         const std::shared_ptr<IWordCollection>& b) {
  return Collection(ref_.ObjectResult<12>(RawInterfaceOf<WordCollectionAdapter>(a.get(), ref_.Iid()),
                                          RawInterfaceOf<WordCollectionAdapter>(b.get(), ref_.Iid())));
}

}  // namespace lexiglean::dragon
