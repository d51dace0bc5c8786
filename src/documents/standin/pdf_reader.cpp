#include "documents/standin/pdf_reader.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <memory>
#include <string_view>

#include "documents/standin/line_ends.h"

namespace lexiglean {
namespace {

// The reader reports every syntax problem of a damaged file on standard error; the caller gets
// one clear failure instead.
void IgnoreReaderMessage(const std::string&, void*) {}

}  // namespace

bool PdfReaderAvailable() { return true; }

ExtractedText ExtractPdfText(const std::filesystem::path& document) {
  poppler::set_debug_error_function(IgnoreReaderMessage, nullptr);
  const std::unique_ptr<poppler::document> pdf(poppler::document::load_from_file(document.string()));
  if (!pdf) return ExtractedText::Failed(ConversionFailure::NotPdfDocument);
  if (pdf->is_locked()) return ExtractedText::Failed(ConversionFailure::PasswordProtected);

  std::string text;
  for (int index = 0; index < pdf->pages(); ++index) {
    const std::unique_ptr<poppler::page> page(pdf->create_page(index));
    if (!page) return ExtractedText::Failed(ConversionFailure::NotPdfDocument);
    const poppler::byte_array utf8 = page->text().to_utf8();
    std::string_view pageText(utf8.data(), utf8.size());
    while (pageText.ends_with('\f')) pageText.remove_suffix(1);  // the reader's page break
    text += WithCrLfLineEnds(pageText);
    EndLastLine(text);
  }
  return ExtractedText::Text(std::move(text));
}

}  // namespace lexiglean
