// Built instead of docx_reader.cpp when libzip or pugixml is missing.
#include "documents/standin/docx_reader.h"

namespace lexiglean {

bool DocxReaderAvailable() { return false; }

ExtractedText ExtractDocxText(const std::filesystem::path&, std::uint64_t) {
  return ExtractedText::Failed(ConversionFailure::ReaderMissing);
}

}  // namespace lexiglean
