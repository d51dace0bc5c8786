// The phrase scanner on any bytes: scanning line by line and scanning a whole text agree, every match
// lies inside its line, and on inputs of at most 2,000 bytes the matches are std::regex's (the oracle
// overflows its stack on long lines, so longer inputs run without it).
#include <locale>
#include <regex>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "harvest/phrase_scanner.h"

namespace {

using lexiglean::PhraseMatch;

constexpr std::size_t kOracleLimit = 2000;

const std::regex& Oracle() {
  static const std::regex oracle = [] {
    std::regex re;
    re.imbue(std::locale::classic());
    re.assign(std::string(lexiglean::kPhrasePattern), std::regex::ECMAScript);
    return re;
  }();
  return oracle;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using lexiglean::fuzz::Require;
  const std::string_view text = lexiglean::fuzz::Bytes(data, size);
  std::vector<PhraseMatch> inText;
  lexiglean::FindPhrasesInText(text, inText);

  std::vector<PhraseMatch> byLine;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = text.substr(start, end - start);
    std::vector<PhraseMatch> found;
    lexiglean::FindPhrasesInLine(line, found);
    for (const PhraseMatch& match : found) {
      Require(match.length > 0 && match.offset + match.length <= line.size(), "a match inside its line");
      byLine.push_back({match.offset + start, match.length});
    }
    if (size <= kOracleLimit) {
      const std::string owned(line);
      std::vector<PhraseMatch> expected;
      for (auto it = std::sregex_iterator(owned.begin(), owned.end(), Oracle()); it != std::sregex_iterator(); ++it) {
        expected.push_back({static_cast<std::size_t>(it->position(0)), static_cast<std::size_t>(it->length(0))});
      }
      Require(expected == found, "the scanner finds what std::regex finds");
    }
    start = end + 1;
  }
  Require(byLine == inText, "scanning a text equals scanning each line");
  return 0;
}
