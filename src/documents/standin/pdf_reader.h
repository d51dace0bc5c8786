#pragma once
// Reads the text of a PDF document, page by page in the reader's default layout.
#include <filesystem>

#include "documents/standin/extracted_text.h"

namespace lexiglean {

// False when this build has no PDF reader (then ExtractPdfText fails with ReaderMissing).
bool PdfReaderAvailable();

ExtractedText ExtractPdfText(const std::filesystem::path& document);

}  // namespace lexiglean
