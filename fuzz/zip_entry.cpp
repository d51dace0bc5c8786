// A .docx of any bytes: the zip reader and, behind it, the XML text. No crash; a failure is reported
// as the document's failed conversion, never as text.
#include "documents/standin/docx_reader.h"
#include "documents/standin/zip_entry.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lexiglean;
  const auto path = fuzz::InputFile(fuzz::Bytes(data, size), ".docx");
  const ZipEntry entry = ReadZipEntry(path, "word/document.xml", std::uint64_t{1} << 20);
  fuzz::Require(entry.status == ZipEntryStatus::Read || entry.bytes.empty(), "no bytes without a read");
  const ExtractedText text = ExtractDocxText(path, std::uint64_t{1} << 20);
  fuzz::Require(!text.failure || text.text.empty(), "no text with a failure");
  return 0;
}
