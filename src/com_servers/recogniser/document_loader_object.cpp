#include "com_servers/recogniser/document_loader_object.h"

#include "com_servers/recogniser/document_object.h"

namespace lexiglean::comserver {
namespace {

class DocumentLoader final : public ComObject<::IDocumentLoader, lexiglean::IDocumentLoader> {
 public:
  using ComObject::ComObject;

  LEXIGLEAN_UNUSED_SLOT(7) LEXIGLEAN_UNUSED_SLOT(8) LEXIGLEAN_UNUSED_SLOT(9)
  ::HRESULT STDMETHODCALLTYPE OpenDocument(BSTR path, LONG flags, ::IDocument** document) override {
    return Member(u"OpenDocument",
                  [&] { HandOut(DocumentObject(port_->OpenDocument(Bstr::TextOf(path), flags)), document); });
  }
};

}  // namespace

ComPtr<::IDocumentLoader> DocumentLoaderObject(std::shared_ptr<lexiglean::IDocumentLoader> loader) {
  return MakeObject<DocumentLoader>(std::move(loader));
}

}  // namespace lexiglean::comserver
