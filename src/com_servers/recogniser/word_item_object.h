#pragma once
// IWordItem: one written form, its spoken form and flags.
#include "com_servers/recogniser/com_object.h"

namespace lexiglean::comserver {

ComPtr<::IWordItem> WordItemObject(std::shared_ptr<lexiglean::IWordItem> item);

}  // namespace lexiglean::comserver
