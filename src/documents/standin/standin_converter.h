#pragma once
// The stand-in word processor of the Linux build: turns .docx, .pdf and .doc documents into
// plain-text files (UTF-8, lines ended CR LF, every table cell's paragraphs on lines of their own).
#include <filesystem>
#include <optional>
#include <string>

#include "documents/standin/conversion_failure.h"

namespace lexiglean {

struct ConversionResult {
  std::optional<ConversionFailure> failure;  // empty on success
  std::u16string message;                    // for a message box; empty on success

  bool succeeded() const { return !failure.has_value(); }
};

// Writes the text of `document` to `textFile`, which must lie in an existing folder. The kind is
// chosen by the extension (.docx, .doc, .pdf, any letter case); a Word name (.doc or .docx) is read
// by what the file holds: a zip package directly, a compound file through LibreOffice. Nothing is
// written beside the document; on failure `textFile` is not written. Never throws.
ConversionResult ConvertDocumentToText(const std::filesystem::path& document,
                                       const std::filesystem::path& textFile);

// Which readers this build and machine offer.
struct StandinBackends {
  bool docx = false;  // zip + XML reader compiled in
  bool pdf = false;   // PDF reader compiled in
  bool doc = false;   // LibreOffice found
};
StandinBackends AvailableStandinBackends();

// The version text the stand-in reports for the given readers. PDFs are accepted from major
// version 15 on, so the text is "16.0" with all three readers, "15.0" with the PDF reader but not
// all others, "12.0" (PDFs refused) without the PDF reader, and none without any reader.
std::optional<std::string> WordProcessorVersionFor(const StandinBackends& backends);

// WordProcessorVersionFor(AvailableStandinBackends()).
std::optional<std::string> StandinWordProcessorVersion();

}  // namespace lexiglean
