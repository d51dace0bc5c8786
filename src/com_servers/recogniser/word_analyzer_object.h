#pragma once
// IWordAnalyzer: queues the words of collections and finds those the vocabulary lacks.
#include "com_servers/recogniser/com_object.h"

namespace lexiglean::comserver {

ComPtr<::IWordAnalyzer> WordAnalyzerObject(std::shared_ptr<lexiglean::IWordAnalyzer> analyzer);

}  // namespace lexiglean::comserver
