#pragma once
// IDocument: the words read from one document.
#include "com_servers/recogniser/com_object.h"

namespace lexiglean::comserver {

ComPtr<::IDocument> DocumentObject(std::shared_ptr<lexiglean::IDocument> document);

}  // namespace lexiglean::comserver
