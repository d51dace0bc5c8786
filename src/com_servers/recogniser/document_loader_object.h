#pragma once
// IDocumentLoader: opens documents for analysis.
#include "com_servers/recogniser/com_object.h"

namespace lexiglean::comserver {

ComPtr<::IDocumentLoader> DocumentLoaderObject(std::shared_ptr<lexiglean::IDocumentLoader> loader);

}  // namespace lexiglean::comserver
