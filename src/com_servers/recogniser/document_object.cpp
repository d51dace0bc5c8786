#include "com_servers/recogniser/document_object.h"

#include "com_servers/recogniser/word_collection_object.h"

namespace lexiglean::comserver {
namespace {

class Document final : public ComObject<::IDocument, lexiglean::IDocument> {
 public:
  using ComObject::ComObject;

  LEXIGLEAN_UNUSED_SLOT(7)
  ::HRESULT STDMETHODCALLTYPE get_AnalysisCount(LONG* count) override {
    return Member(u"get_AnalysisCount", [&] { HandOut(port_->get_AnalysisCount(), count); });
  }
  ::HRESULT STDMETHODCALLTYPE get_Words(::IWordCollection** words) override {
    return Member(u"get_Words", [&] { HandOut(WordCollectionObject(port_->get_Words()), words); });
  }
};

}  // namespace

ComPtr<::IDocument> DocumentObject(std::shared_ptr<lexiglean::IDocument> document) {
  return MakeObject<Document>(std::move(document));
}

}  // namespace lexiglean::comserver
