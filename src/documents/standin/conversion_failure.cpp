#include "documents/standin/conversion_failure.h"

#include <string_view>

#include "platform/text.h"

namespace lexiglean {
namespace {

std::string_view Explanation(ConversionFailure failure) {
  switch (failure) {
    case ConversionFailure::Unreadable:
      return "The document cannot be read. It may have been moved, or you may lack the permission to read it:";
    case ConversionFailure::Empty:
      return "The document is empty:";
    case ConversionFailure::UnsupportedKind:
      return "Only .doc, .docx and .pdf documents can be converted to text:";
    case ConversionFailure::NotWordDocument:
      return "The document is damaged or is not a Word document:";
    case ConversionFailure::NotPdfDocument:
      return "The document is damaged or is not a PDF document:";
    case ConversionFailure::RtfUnderWordName:
      return "The document is an RTF file with a Word document's name. Rename it to .rtf and add it again:";
    case ConversionFailure::TextUnderWordName:
      return "The document is a plain text file with a Word document's name. Rename it to .txt and add it again:";
    case ConversionFailure::PasswordProtected:
      return "The document is protected by a password and cannot be read:";
    case ConversionFailure::TooLarge:
      return "The document is too large to be converted to text:";
    case ConversionFailure::ReaderMissing:
      return "This program was built without a reader for documents of this kind:";
    case ConversionFailure::OfficeMissing:
      return "Reading .doc documents needs LibreOffice, which was not found:";
    case ConversionFailure::OfficeNotStarted:
      return "LibreOffice could not be started to read the document:";
    case ConversionFailure::OfficeRejected:
      return "LibreOffice could not read the document. It may be damaged, protected by a password, or not a Word document:";
    case ConversionFailure::OfficeTimedOut:
      return "LibreOffice took too long to read the document and was stopped:";
    case ConversionFailure::TextNotWritten:
      return "The text of the document could not be written to:";
    case ConversionFailure::Unexpected:
      break;
  }
  return "The document could not be converted to text:";
}

}  // namespace

std::u16string ConversionFailureMessage(ConversionFailure failure, const std::filesystem::path& path) {
  const std::u8string name = path.u8string();
  std::string text(Explanation(failure));
  text += "\n\n";
  text.append(name.begin(), name.end());
  return Utf8ToUtf16(text);
}

}  // namespace lexiglean
