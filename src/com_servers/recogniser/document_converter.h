#pragma once
// How the server's stand-in turns .doc, .docx and .pdf documents into text.
#include "engine/standin/document_reading.h"

namespace lexiglean::comserver {

// None yet: such documents hold no words.
standin::DocumentConverter ServerDocumentConverter();

}  // namespace lexiglean::comserver
