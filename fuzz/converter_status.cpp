// The converter's status file on any bytes: no crash, and whatever it reads is written back to the
// same bytes.
#include "documents/converter_status.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lexiglean;
  const std::string_view bytes = fuzz::Bytes(data, size);
  if (const std::optional<ConverterStatus> status = ParseConverterStatus(bytes)) {
    fuzz::Require(FormatConverterStatus(*status) == bytes, "a status read is written back unchanged");
  }
  return 0;
}
