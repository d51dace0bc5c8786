// A .pdf of any bytes through the PDF reader, in this process: a crash there would be the program's.
#include "documents/standin/pdf_reader.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lexiglean;
  const ExtractedText text = ExtractPdfText(fuzz::InputFile(fuzz::Bytes(data, size), ".pdf"));
  fuzz::Require(!text.failure || text.text.empty(), "no text with a failure");
  return 0;
}
