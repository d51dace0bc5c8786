#include "documents/standin/docx_reader.h"
#include "documents/standin/office_location.h"
#include "documents/standin/pdf_reader.h"
#include "documents/standin/standin_converter.h"

namespace lexiglean {

StandinBackends AvailableStandinBackends() {
  return {DocxReaderAvailable(), PdfReaderAvailable(), FindOfficeExecutable().has_value()};
}

std::optional<std::string> WordProcessorVersionFor(const StandinBackends& backends) {
  if (!backends.docx && !backends.pdf && !backends.doc) return std::nullopt;
  if (!backends.pdf) return "12.0";
  return backends.docx && backends.doc ? "16.0" : "15.0";
}

std::optional<std::string> StandinWordProcessorVersion() { return WordProcessorVersionFor(AvailableStandinBackends()); }

}  // namespace lexiglean
