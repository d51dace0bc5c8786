#pragma once
// IWordCollection: written and spoken forms in order, found, added to and saved as a word-list file.
#include "com_servers/recogniser/com_object.h"

namespace lexiglean::comserver {

ComPtr<::IWordCollection> WordCollectionObject(std::shared_ptr<lexiglean::IWordCollection> collection);

}  // namespace lexiglean::comserver
