#pragma once
// ILanguageModelBuilder: adapts the user's language model to documents.
#include "com_servers/recogniser/com_object.h"

namespace lexiglean::comserver {

ComPtr<::ILanguageModelBuilder> LanguageModelBuilderObject(std::shared_ptr<lexiglean::ILanguageModelBuilder> builder);

}  // namespace lexiglean::comserver
