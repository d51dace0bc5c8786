#include "documents/standin/docx_reader.h"

#include "documents/standin/word_xml_text.h"
#include "documents/standin/zip_entry.h"

namespace lexiglean {

bool DocxReaderAvailable() { return true; }

ExtractedText ExtractDocxText(const std::filesystem::path& document, std::uint64_t maxXmlBytes) {
  ZipEntry part = ReadZipEntry(document, "word/document.xml", maxXmlBytes);
  switch (part.status) {
    case ZipEntryStatus::Read:
      break;
    case ZipEntryStatus::Unreadable:
      return ExtractedText::Failed(ConversionFailure::Unreadable);
    case ZipEntryStatus::Encrypted:
      return ExtractedText::Failed(ConversionFailure::PasswordProtected);
    case ZipEntryStatus::TooLarge:
      return ExtractedText::Failed(ConversionFailure::TooLarge);
    case ZipEntryStatus::NotZip:
    case ZipEntryStatus::Missing:
    case ZipEntryStatus::Damaged:
      return ExtractedText::Failed(ConversionFailure::NotWordDocument);
  }
  std::optional<std::string> text = WordXmlToText(std::move(part.bytes));
  if (!text) return ExtractedText::Failed(ConversionFailure::NotWordDocument);
  return ExtractedText::Text(std::move(*text));
}

}  // namespace lexiglean
