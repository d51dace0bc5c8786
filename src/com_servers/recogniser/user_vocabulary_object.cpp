#include "com_servers/recogniser/user_vocabulary_object.h"

#include "com_servers/recogniser/language_model_builder_object.h"
#include "com_servers/recogniser/word_collection_object.h"

namespace lexiglean::comserver {
namespace {

class UserVocabulary final : public ComObject<::IUserVocabulary, lexiglean::IUserVocabulary> {
 public:
  using ComObject::ComObject;

  LEXIGLEAN_UNUSED_SLOT(7) LEXIGLEAN_UNUSED_SLOT(8)
  ::HRESULT STDMETHODCALLTYPE GetCustomWords(LONG which, ::IWordCollection** words) override {
    return Member(u"GetCustomWords", [&] { HandOut(WordCollectionObject(port_->GetCustomWords(which)), words); });
  }
  ::HRESULT STDMETHODCALLTYPE AddToVocabulary(::IWordCollection* words, LONG flags,
                                              ::IWordCollection** added) override {
    return Member(u"AddToVocabulary", [&] {
      HandOut(WordCollectionObject(port_->AddToVocabulary(WrappedBy<lexiglean::IWordCollection>(words), flags)),
              added);
    });
  }
  LEXIGLEAN_UNUSED_SLOT(11) LEXIGLEAN_UNUSED_SLOT(12)
  ::HRESULT STDMETHODCALLTYPE get_LanguageModelBuilder(::ILanguageModelBuilder** builder) override {
    return Member(u"get_LanguageModelBuilder",
                  [&] { HandOut(LanguageModelBuilderObject(port_->get_LanguageModelBuilder()), builder); });
  }
};

}  // namespace

ComPtr<::IUserVocabulary> UserVocabularyObject(std::shared_ptr<lexiglean::IUserVocabulary> vocabulary) {
  return MakeObject<UserVocabulary>(std::move(vocabulary));
}

}  // namespace lexiglean::comserver
