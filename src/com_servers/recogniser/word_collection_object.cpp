#include "com_servers/recogniser/word_collection_object.h"

#include "com_servers/recogniser/word_item_object.h"

namespace lexiglean::comserver {
namespace {

class WordCollection final : public ComObject<::IWordCollection, lexiglean::IWordCollection> {
 public:
  using ComObject::ComObject;

  ::HRESULT STDMETHODCALLTYPE get_Count(LONG* count) override {
    return Member(u"get_Count", [&] { HandOut(port_->get_Count(), count); });
  }
  ::HRESULT STDMETHODCALLTYPE get_Item(LONG index, ::IWordItem** item) override {
    return Member(u"get_Item", [&] { HandOut(WordItemObject(port_->get_Item(index)), item); });
  }
  LEXIGLEAN_UNUSED_SLOT(9)
  ::HRESULT STDMETHODCALLTYPE Add(BSTR written, BSTR spoken, ::IWordItem** item) override {
    return Member(u"Add",
                  [&] { HandOut(WordItemObject(port_->Add(Bstr::TextOf(written), Bstr::TextOf(spoken))), item); });
  }
  LEXIGLEAN_UNUSED_SLOT(11)
  ::HRESULT STDMETHODCALLTYPE Find(BSTR written, BSTR spoken, LONG* position) override {
    return Member(u"Find", [&] { HandOut(port_->Find(Bstr::TextOf(written), Bstr::TextOf(spoken)), position); });
  }
  LEXIGLEAN_UNUSED_SLOT(13)
  ::HRESULT STDMETHODCALLTYPE SaveToFile(BSTR path, LONG format) override {
    return Member(u"SaveToFile", [&] { port_->SaveToFile(Bstr::TextOf(path), format); });
  }
};

}  // namespace

ComPtr<::IWordCollection> WordCollectionObject(std::shared_ptr<lexiglean::IWordCollection> collection) {
  return MakeObject<WordCollection>(std::move(collection));
}

}  // namespace lexiglean::comserver
