// The lexiglean-script parser on any bytes: no crash, and a script is either refused with the number
// of a line it has, or every command it yields has a name and the text it was written as.
#include <algorithm>

#include "fuzz_input.h"
#include "ui/script/script_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lexiglean;
  const std::string_view script = fuzz::Bytes(data, size);
  const ParsedScript parsed = ParseScript(script);
  if (!parsed.error.empty()) {
    fuzz::Require(parsed.error.starts_with("line ") && parsed.lines.empty(), "a refusal names its line");
    const long line = std::strtol(parsed.error.c_str() + 5, nullptr, 10);
    fuzz::Require(line >= 1 && line <= std::count(script.begin(), script.end(), '\n') + 1, "the line exists");
    return 0;
  }
  for (const ScriptLine& line : parsed.lines) {
    fuzz::Require(!line.words.empty() && !line.text.empty(), "a command has a name and a text");
    fuzz::Require(script.find(line.text) != std::string_view::npos, "the text is part of the script");
  }
  return 0;
}
