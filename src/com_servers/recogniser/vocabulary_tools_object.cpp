#include "com_servers/recogniser/vocabulary_tools_object.h"

#include "com_servers/recogniser/document_loader_object.h"
#include "com_servers/recogniser/event_connection_point.h"
#include "com_servers/recogniser/user_vocabulary_object.h"
#include "com_servers/recogniser/word_analyzer_object.h"

namespace lexiglean::comserver {
namespace {

class VocabularyTools final : public ComObject<::IVocabularyTools, lexiglean::IVocabularyTools>,
                              public IConnectionPointContainer,
                              public IProvideClassInfo2 {
 public:
  explicit VocabularyTools(std::shared_ptr<standin::StandinRecogniser> recogniser)
      : ComObject(recogniser->CreateVocabularyTools()),
        recogniser_(std::move(recogniser)),
        events_(*this),
        subscription_(recogniser_->Advise(*port_, events_)) {}
  ~VocabularyTools() override {
    try {
      recogniser_->Unadvise(*port_, subscription_);
    } catch (const ComError&) {
      // The stand-in's tools go with this object; nothing is left to tell.
    }
  }

  ::HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    return ComObject::QueryInterface(iid, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ComObject::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return ComObject::Release(); }

  ::HRESULT STDMETHODCALLTYPE Initialize(BSTR a, BSTR b) override {
    return Member(u"Initialize", [&] { port_->Initialize(Bstr::TextOf(a), Bstr::TextOf(b)); });
  }
  LEXIGLEAN_UNUSED_SLOT(8) LEXIGLEAN_UNUSED_SLOT(9)
  ::HRESULT STDMETHODCALLTYPE Uninitialize() override {
    return Member(u"Uninitialize", [&] { port_->Uninitialize(); });
  }
  LEXIGLEAN_UNUSED_SLOT(11)
  ::HRESULT STDMETHODCALLTYPE put_CapSensitive(VARIANT_BOOL value) override {
    return Member(u"put_CapSensitive", [&] { port_->put_CapSensitive(value != VARIANT_FALSE); });
  }
  LEXIGLEAN_UNUSED_SLOT(13) LEXIGLEAN_UNUSED_SLOT(14) LEXIGLEAN_UNUSED_SLOT(15) LEXIGLEAN_UNUSED_SLOT(16)
  LEXIGLEAN_UNUSED_SLOT(17) LEXIGLEAN_UNUSED_SLOT(18) LEXIGLEAN_UNUSED_SLOT(19)
  ::HRESULT STDMETHODCALLTYPE get_DocumentLoader(::IDocumentLoader** loader) override {
    return Member(u"get_DocumentLoader", [&] { HandOut(DocumentLoaderObject(port_->get_DocumentLoader()), loader); });
  }
  ::HRESULT STDMETHODCALLTYPE get_WordAnalyzer(::IWordAnalyzer** analyzer) override {
    return Member(u"get_WordAnalyzer", [&] { HandOut(WordAnalyzerObject(port_->get_WordAnalyzer()), analyzer); });
  }
  ::HRESULT STDMETHODCALLTYPE get_UserVocabulary(::IUserVocabulary** vocabulary) override {
    return Member(u"get_UserVocabulary",
                  [&] { HandOut(UserVocabularyObject(port_->get_UserVocabulary()), vocabulary); });
  }

  ::HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override {
    if (points != nullptr) *points = nullptr;
    return E_NOTIMPL;
  }
  ::HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override {
    if (point == nullptr) return E_POINTER;
    *point = nullptr;
    if (iid != DIID_VocabularyToolsEvents) return CONNECT_E_NOCONNECTION;
    *point = &events_;
    events_.AddRef();
    return S_OK;
  }

  ::HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** info) override {
    if (info == nullptr) return E_POINTER;
    *info = nullptr;
    return Answer(IID_IProvideClassInfo, u"GetClassInfo", [&] { HandOut(TypeInfoOf(::CLSID_VocabularyTools), info); });
  }
  ::HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* guid) override {
    if (guid == nullptr) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
    *guid = DIID_VocabularyToolsEvents;
    return S_OK;
  }

 private:
  void* OtherInterface(REFIID iid) override {
    if (iid == IID_IConnectionPointContainer) return static_cast<IConnectionPointContainer*>(this);
    if (iid == IID_IProvideClassInfo || iid == IID_IProvideClassInfo2) return static_cast<IProvideClassInfo2*>(this);
    return nullptr;
  }

  std::shared_ptr<standin::StandinRecogniser> recogniser_;
  EventConnectionPoint events_;
  std::uint32_t subscription_;
};

}  // namespace

ComPtr<::IVocabularyTools> VocabularyToolsObject(const std::shared_ptr<standin::StandinRecogniser>& recogniser) {
  return MakeObject<VocabularyTools>(recogniser);
}

}  // namespace lexiglean::comserver
