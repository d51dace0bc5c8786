#include "com_servers/recogniser/document_converter.h"

namespace lexiglean::comserver {

standin::DocumentConverter ServerDocumentConverter() { return {}; }

}  // namespace lexiglean::comserver
