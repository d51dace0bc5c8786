#include "com_servers/recogniser/word_item_object.h"

namespace lexiglean::comserver {
namespace {

class WordItem final : public ComObject<::IWordItem, lexiglean::IWordItem> {
 public:
  using ComObject::ComObject;

  ::HRESULT STDMETHODCALLTYPE get_WrittenForm(BSTR* written) override {
    return Member(u"get_WrittenForm", [&] { HandOut(port_->get_WrittenForm(), written); });
  }
  ::HRESULT STDMETHODCALLTYPE get_SpokenForm(BSTR* spoken) override {
    return Member(u"get_SpokenForm", [&] { HandOut(port_->get_SpokenForm(), spoken); });
  }
  LEXIGLEAN_UNUSED_SLOT(9) LEXIGLEAN_UNUSED_SLOT(10) LEXIGLEAN_UNUSED_SLOT(11) LEXIGLEAN_UNUSED_SLOT(12)
  LEXIGLEAN_UNUSED_SLOT(13) LEXIGLEAN_UNUSED_SLOT(14) LEXIGLEAN_UNUSED_SLOT(15)
  ::HRESULT STDMETHODCALLTYPE get_Flags(LONG* flags) override {
    return Member(u"get_Flags", [&] { HandOut(port_->get_Flags(), flags); });
  }
};

}  // namespace

ComPtr<::IWordItem> WordItemObject(std::shared_ptr<lexiglean::IWordItem> item) {
  return MakeObject<WordItem>(std::move(item));
}

}  // namespace lexiglean::comserver
