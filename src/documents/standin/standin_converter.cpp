#include "documents/standin/standin_converter.h"

#include <exception>

#include "documents/standin/doc_reader.h"
#include "documents/standin/document_kind.h"
#include "documents/standin/docx_reader.h"
#include "platform/file_bytes.h"
#include "documents/standin/pdf_reader.h"

namespace lexiglean {
namespace {

ExtractedText ExtractWordText(const std::filesystem::path& document, ContentKind content) {
  switch (content) {
    case ContentKind::ZipPackage:
      return ExtractDocxText(document);
    case ContentKind::CompoundFile: {
      const std::optional<OfficeCommand> office = DefaultOfficeCommand();
      if (!office) return ExtractedText::Failed(ConversionFailure::OfficeMissing);
      return ExtractDocText(document, *office);
    }
    case ContentKind::Rtf:
      return ExtractedText::Failed(ConversionFailure::RtfUnderWordName);
    case ContentKind::PlainText:
      return ExtractedText::Failed(ConversionFailure::TextUnderWordName);
    case ContentKind::Empty:
      return ExtractedText::Failed(ConversionFailure::Empty);
    case ContentKind::Pdf:
    case ContentKind::Other:
      break;
  }
  return ExtractedText::Failed(ConversionFailure::NotWordDocument);
}

ExtractedText ExtractText(const std::filesystem::path& document) {
  const NamedKind named = NamedKindOf(document);
  if (named == NamedKind::Unsupported) return ExtractedText::Failed(ConversionFailure::UnsupportedKind);
  const std::optional<std::string> head = ReadFileHead(document, 4096);
  if (!head) return ExtractedText::Failed(ConversionFailure::Unreadable);
  const ContentKind content = ContentKindOf(*head);
  if (content == ContentKind::Empty) return ExtractedText::Failed(ConversionFailure::Empty);
  if (named == NamedKind::Pdf) return ExtractPdfText(document);
  return ExtractWordText(document, content);
}

ConversionResult Failure(ConversionFailure failure, const std::filesystem::path& concerned) {
  return {failure, ConversionFailureMessage(failure, concerned)};
}

}  // namespace

ConversionResult ConvertDocumentToText(const std::filesystem::path& document, const std::filesystem::path& textFile) {
  try {
    const ExtractedText extracted = ExtractText(document);
    if (extracted.failure) return Failure(*extracted.failure, document);
    if (!WriteWholeFile(textFile, extracted.text)) return Failure(ConversionFailure::TextNotWritten, textFile);
    return {};
  } catch (const std::exception&) {  // out of memory, a failing file system
    try {
      return Failure(ConversionFailure::Unexpected, document);
    } catch (const std::exception&) {
      return {ConversionFailure::Unexpected, {}};
    }
  }
}

}  // namespace lexiglean
