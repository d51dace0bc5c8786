#pragma once
// IUserVocabulary: the loaded user's custom words and language model.
#include "com_servers/recogniser/com_object.h"

namespace lexiglean::comserver {

ComPtr<::IUserVocabulary> UserVocabularyObject(std::shared_ptr<lexiglean::IUserVocabulary> vocabulary);

}  // namespace lexiglean::comserver
