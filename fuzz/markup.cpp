// RTF and HTML stripping and the word splitting after them, on any bytes: no crash, no hang.
#include "engine/standin/markup_stripping.h"
#include "engine/standin/word_splitting.h"
#include "fuzz_input.h"
#include "platform/text_decoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lexiglean;
  const std::string_view bytes = fuzz::Bytes(data, size);
  standin::SplitIntoWords(standin::StripRtf(bytes));
  standin::SplitIntoWords(standin::StripHtml(DecodeTextBytes(bytes)));
  return 0;
}
