// Built instead of pdf_reader.cpp when poppler-cpp is missing.
#include "documents/standin/pdf_reader.h"

namespace lexiglean {

bool PdfReaderAvailable() { return false; }

ExtractedText ExtractPdfText(const std::filesystem::path&) {
  return ExtractedText::Failed(ConversionFailure::ReaderMissing);
}

}  // namespace lexiglean
