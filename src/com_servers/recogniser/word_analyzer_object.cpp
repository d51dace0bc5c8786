#include "com_servers/recogniser/word_analyzer_object.h"

#include "com_servers/recogniser/word_collection_object.h"
#include "com_servers/recogniser/word_item_object.h"

namespace lexiglean::comserver {
namespace {

class WordAnalyzer final : public ComObject<::IWordAnalyzer, lexiglean::IWordAnalyzer> {
 public:
  using ComObject::ComObject;

  ::HRESULT STDMETHODCALLTYPE AddWords(::IWordCollection* words) override {
    return Member(u"AddWords", [&] { port_->AddWords(WrappedBy<lexiglean::IWordCollection>(words)); });
  }
  LEXIGLEAN_UNUSED_SLOT(8)
  ::HRESULT STDMETHODCALLTYPE get_UnknownWords(::IWordCollection** words) override {
    return Member(u"get_UnknownWords", [&] { HandOut(WordCollectionObject(port_->get_UnknownWords()), words); });
  }
  ::HRESULT STDMETHODCALLTYPE LookupWord(BSTR written, BSTR spoken, ::IWordItem** item) override {
    return Member(u"LookupWord", [&] {
      HandOut(WordItemObject(port_->LookupWord(Bstr::TextOf(written), Bstr::TextOf(spoken))), item);
    });
  }
  ::HRESULT STDMETHODCALLTYPE CreateWordCollection(::IWordCollection** words) override {
    return Member(u"CreateWordCollection",
                  [&] { HandOut(WordCollectionObject(port_->CreateWordCollection()), words); });
  }
  ::HRESULT STDMETHODCALLTYPE CombineCollections(::IWordCollection* a, ::IWordCollection* b,
                                                 ::IWordCollection** combined) override {
    return Member(u"CombineCollections", [&] {
      HandOut(WordCollectionObject(port_->CombineCollections(WrappedBy<lexiglean::IWordCollection>(a),
                                                             WrappedBy<lexiglean::IWordCollection>(b))),
              combined);
    });
  }
};

}  // namespace

ComPtr<::IWordAnalyzer> WordAnalyzerObject(std::shared_ptr<lexiglean::IWordAnalyzer> analyzer) {
  return MakeObject<WordAnalyzer>(std::move(analyzer));
}

}  // namespace lexiglean::comserver
