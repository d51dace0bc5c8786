// Reading a file for Search Phrases: words holding a letter beyond ASCII never yield a cut-off word,
// whatever the file's encoding.
#include "harvest/phrase_file_scan.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/text.h"

namespace lexiglean {
namespace {

std::vector<std::string> Phrases(const std::string& fileBytes) {
  std::istringstream file(fileBytes);
  std::vector<std::string> phrases;
  EXPECT_TRUE(ScanPhrasesInFile(file, [&](std::string_view phrase) { phrases.emplace_back(phrase); }));
  return phrases;
}

std::string Utf16LittleEndianFile(std::string_view utf8) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t unit : Utf8ToUtf16(utf8)) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

TEST(PhraseFileScanTest, WordsWithLettersBeyondAsciiAreNeverCut) {
  struct Case {
    std::string utf8;
    std::string windows1252;  // the same line in the narrow code page (empty: none)
    std::vector<std::string> phrases;
  };
  const std::vector<Case> cases = {
      {"Frau Schr\xC3\xB6" "der und Herr Weber", "Frau Schr\xF6" "der und Herr Weber", {"Herr Weber"}},
      {"Anna Maria Schr\xC3\xB6" "der", "Anna Maria Schr\xF6" "der", {"Anna Maria"}},
      {"The Gr\xC3\xBCne Br\xC3\xBC" "cke", "The Gr\xFCne Br\xFC" "cke", {}},
      {"\xE2\x80\x9CNew York\xE2\x80\x9D", "\x93New York\x94", {"New York"}},
      {"Caf\xC3\xA9 Noir Soir", "Caf\xE9 Noir Soir", {"Noir Soir"}},
      {"Ab\xC5\x81" "Cd Ef Gh", "", {"Ef Gh"}},
      {"America's Cup Race", "", {"Cup Race"}},
      {"eBay Inc", "", {"Bay Inc"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Phrases(c.utf8 + "\r\n"), c.phrases) << c.utf8;
    EXPECT_EQ(Phrases(Utf16LittleEndianFile(c.utf8)), c.phrases) << c.utf8 << " (UTF-16)";
    if (!c.windows1252.empty()) {
      EXPECT_EQ(Phrases(c.windows1252), c.phrases) << c.utf8 << " (Windows-1252)";
    }
  }
}

}  // namespace
}  // namespace lexiglean
