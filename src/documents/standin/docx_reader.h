#pragma once
// Reads the text of a Word package (.docx): word/document.xml out of the zip, through WordXmlToText.
#include <cstdint>
#include <filesystem>

#include "documents/standin/extracted_text.h"

namespace lexiglean {

// The largest document.xml unpacked; beyond it the document is refused (zip bombs, runaway files).
constexpr std::uint64_t kMaxWordXmlBytes = std::uint64_t{256} << 20;

// False when this build has no package reader (then ExtractDocxText fails with ReaderMissing).
bool DocxReaderAvailable();

ExtractedText ExtractDocxText(const std::filesystem::path& document, std::uint64_t maxXmlBytes = kMaxWordXmlBytes);

}  // namespace lexiglean
