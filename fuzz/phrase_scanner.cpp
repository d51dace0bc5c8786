// The phrase scanner on any bytes: scanning line by line and scanning a whole text agree, every match
// lies inside its line, and on inputs of at most 2,000 bytes the matches are std::regex's (the oracle
// overflows its stack on long lines, so longer inputs run without it). Blanking the words with letters
// beyond ASCII changes only ASCII bytes, keeps UTF-8 valid and changes nothing the second time; reading
// the bytes as a file gives the phrases of the blanked lines.
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "harvest/phrase_file_scan.h"
#include "harvest/phrase_scanner.h"
#include "support/differential.h"
#include "harvest/phrase_text_decoding.h"
#include "harvest/phrase_word_blanking.h"
#include "platform/text.h"
#include "platform/text_decoding.h"

namespace {

using lexiglean::PhraseMatch;

constexpr std::size_t kOracleLimit = 2000;

const std::regex& Oracle() {
  static const std::regex oracle = lexiglean::testing::ClassicEcmaScriptRegex(std::string(lexiglean::kPhrasePattern));
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

  std::string blanked(text);
  std::vector<std::string> expected;
  for (std::size_t start = 0; start <= blanked.size();) {
    const std::size_t end = std::min(blanked.find('\n', start), blanked.size());
    lexiglean::BlankWordsWithLettersBeyondAscii(std::span<char>(blanked.data() + start, end - start));
    const std::string_view line = std::string_view(blanked).substr(start, end - start);
    lexiglean::ForEachPhraseInLine(line, [&](const PhraseMatch& m) { expected.emplace_back(line.substr(m.offset, m.length)); });
    start = end + 1;
  }
  for (std::size_t i = 0; i < size; ++i) {
    Require(blanked[i] == text[i] || (static_cast<unsigned char>(text[i]) < 0x80 && blanked[i] == lexiglean::kBlankedByte),
            "blanking changes only ASCII bytes");
  }
  Require(lexiglean::IsValidUtf8(blanked) == lexiglean::IsValidUtf8(text), "blanking keeps the encoding");
  std::string again = blanked;
  lexiglean::BlankWordsWithLettersBeyondAscii(again);
  Require(again == blanked || text.find('\n') != std::string_view::npos, "blanking a second time changes nothing");
  if (!lexiglean::DecideTextEncoding(text).IsUtf16()) {
    std::istringstream file{std::string(text)};
    std::vector<std::string> scanned;
    lexiglean::ScanPhrasesInFile(file, [&](std::string_view phrase) { scanned.emplace_back(phrase); });
    Require(scanned == expected, "reading the bytes as a file gives the phrases of the blanked lines");
  }
  return 0;
}
