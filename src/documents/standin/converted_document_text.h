#pragma once
// The text of a .doc, .docx or .pdf document in memory, for the stand-in recogniser's own document
// reading (Search Words, Adapt Writing Style).
#include <filesystem>
#include <optional>
#include <string>

namespace lexiglean {

// The document's text as UTF-8 bytes; nothing when no temporary folder can be made. Throws
// std::runtime_error with the converter's message (UTF-8) when the document cannot be converted.
std::optional<std::string> ConvertedDocumentText(const std::filesystem::path& document);

}  // namespace lexiglean
