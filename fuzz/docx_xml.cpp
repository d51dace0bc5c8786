// The text of a Word document's main XML part, on any bytes: no crash, and text only for well-formed XML.
#include <string>

#include "documents/standin/word_xml_text.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lexiglean::WordXmlToText(std::string(lexiglean::fuzz::Bytes(data, size)));
  return 0;
}
