#include "com_servers/recogniser/language_model_builder_object.h"

namespace lexiglean::comserver {
namespace {

class LanguageModelBuilder final : public ComObject<::ILanguageModelBuilder, lexiglean::ILanguageModelBuilder> {
 public:
  using ComObject::ComObject;

  LEXIGLEAN_UNUSED_SLOT(7) LEXIGLEAN_UNUSED_SLOT(8) LEXIGLEAN_UNUSED_SLOT(9) LEXIGLEAN_UNUSED_SLOT(10)
  LEXIGLEAN_UNUSED_SLOT(11) LEXIGLEAN_UNUSED_SLOT(12) LEXIGLEAN_UNUSED_SLOT(13)
  ::HRESULT STDMETHODCALLTYPE AddDocument(::IDocument* document) override {
    return Member(u"AddDocument", [&] { port_->AddDocument(WrappedBy<lexiglean::IDocument>(document)); });
  }
  ::HRESULT STDMETHODCALLTYPE get_SkippedCount(LONG* count) override {
    return Member(u"get_SkippedCount", [&] { HandOut(port_->get_SkippedCount(), count); });
  }
  LEXIGLEAN_UNUSED_SLOT(16) LEXIGLEAN_UNUSED_SLOT(17) LEXIGLEAN_UNUSED_SLOT(18)
  ::HRESULT STDMETHODCALLTYPE Build(LONG a, LONG b, VARIANT_BOOL* skipped) override {
    return Member(u"Build", [&] {
      if (skipped == nullptr) throw standin::StandinError(E_POINTER, u"No place for the result was given.");
      *skipped = port_->Build(a, b) ? VARIANT_TRUE : VARIANT_FALSE;
    });
  }
};

}  // namespace

ComPtr<::ILanguageModelBuilder> LanguageModelBuilderObject(std::shared_ptr<lexiglean::ILanguageModelBuilder> builder) {
  return MakeObject<LanguageModelBuilder>(std::move(builder));
}

}  // namespace lexiglean::comserver
