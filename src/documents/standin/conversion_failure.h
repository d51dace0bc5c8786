#pragma once
// Why a document could not be converted, and the text the user is shown for it.
#include <filesystem>
#include <string>

namespace lexiglean {

enum class ConversionFailure {
  Unreadable,          // missing, a folder, or no permission
  Empty,               // zero bytes
  UnsupportedKind,     // not .doc, .docx or .pdf
  NotWordDocument,     // damaged, or something else under a Word name
  NotPdfDocument,      // damaged, or not a PDF
  RtfUnderWordName,    // RTF text saved with a .doc / .docx name
  TextUnderWordName,   // plain text saved with a .doc / .docx name
  PasswordProtected,   // opens only with a password
  TooLarge,            // its text part exceeds what the reader accepts
  ReaderMissing,       // this build has no reader for the kind
  OfficeMissing,       // .doc needs LibreOffice, which was not found
  OfficeNotStarted,    // LibreOffice could not be started
  OfficeRejected,      // LibreOffice ran but wrote no text
  OfficeTimedOut,      // LibreOffice was stopped after the time limit
  TextNotWritten,      // the text file could not be written
  Unexpected,          // anything else (out of memory, a failing file system)
};

// The message for a box: what went wrong, a blank line, and the path concerned.
std::u16string ConversionFailureMessage(ConversionFailure failure, const std::filesystem::path& path);

}  // namespace lexiglean
