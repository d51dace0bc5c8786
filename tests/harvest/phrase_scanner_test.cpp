#include "harvest/phrase_scanner.h"

#include <gtest/gtest.h>

#include <locale>
#include <regex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lexiglean {
namespace {

std::vector<std::string> LineCandidates(std::string_view line) {
  std::vector<std::string> found;
  ForEachPhraseInLine(line, [&](const PhraseMatch& m) { found.emplace_back(line.substr(m.offset, m.length)); });
  return found;
}

std::vector<std::string> TextCandidates(std::string_view text) {
  std::vector<std::string> found;
  ForEachPhraseInText(text, [&](const PhraseMatch& m) { found.emplace_back(text.substr(m.offset, m.length)); });
  return found;
}

using Candidates = std::vector<std::string>;

TEST(PhraseScannerTest, WorkedLinesGiveTheirCandidates) {
  const std::vector<std::pair<std::string, Candidates>> cases = {
      {"We met the Bank of America team.", {"Bank of America"}},
      {"The United States of America", {"The United States"}},
      {"Visit New York City Hall today", {"Visit New York City"}},
      {"John and Mary Smith", {"John and Mary"}},
      {"He saw Mary Ann Smith Jones", {"He saw Mary", "Ann Smith Jones"}},
      {"A Big Deal", {"Big Deal"}},
      {"Dr. Smith, Jones", {}},
      {"New  York", {}},
      {"New, two blanks, York", {}},
      {"Windows 10 Pro", {}},
      {"R2D2 Unit", {"R2D2 Unit"}},
      {"eBay Inc", {"Bay Inc"}},
      {"America's Cup Race", {"Cup Race"}},
  };
  for (const auto& [line, expected] : cases) {
    EXPECT_EQ(LineCandidates(line), expected) << line;
    EXPECT_EQ(TextCandidates(line), expected) << line;
  }
}

TEST(PhraseScannerTest, PreferencesAndWordRules) {
  EXPECT_EQ(LineCandidates("The United states of"), Candidates{"The United"});  // falls back to two words
  EXPECT_EQ(LineCandidates("Ab cd ef Gh"), Candidates{});   // two lower-case words in a row
  EXPECT_EQ(LineCandidates("Ab Cd ef Gh Ij"), Candidates{"Ab Cd ef Gh"});
  EXPECT_EQ(LineCandidates("A B"), Candidates{});           // one-letter words are no words
  EXPECT_EQ(LineCandidates("AB CD"), Candidates{"AB CD"});
  EXPECT_EQ(LineCandidates("Ab 1x Cd"), Candidates{});      // a third word starts with a letter
  EXPECT_EQ(LineCandidates("Ab_ C_9"), Candidates{"Ab_ C_9"});
  EXPECT_EQ(LineCandidates("xYz Ab"), Candidates{"Yz Ab"});  // starts at the first fitting capital
  EXPECT_EQ(LineCandidates("xyZ Ab"), Candidates{});        // "Z" alone is too short
  EXPECT_EQ(LineCandidates("Caf\xC3\xA9 Noir Soir"), Candidates{"Noir Soir"});  // bytes >= 0x80 are no word characters
  EXPECT_EQ(LineCandidates("Ab\xA0" "Cd"), Candidates{});    // nor white space (no-break space in Latin-1)
}

TEST(PhraseScannerTest, EveryWhiteSpaceCharacterSeparatesAndStaysInTheCandidate) {
  EXPECT_EQ(LineCandidates("New\tYork"), Candidates{"New\tYork"});
  EXPECT_EQ(LineCandidates("Ab\vCd\fEf\rGh"), Candidates{"Ab\vCd\fEf\rGh"});
  // Inside one line a line feed is white space as well, as it is for the regex.
  EXPECT_EQ(LineCandidates("Ab\nCd"), Candidates{"Ab\nCd"});
}

TEST(PhraseScannerTest, CarriageReturnAtLineEndChangesNothing) {
  EXPECT_EQ(LineCandidates("New York\r"), Candidates{"New York"});
  EXPECT_EQ(LineCandidates("Bank of America\r"), Candidates{"Bank of America"});
  EXPECT_EQ(LineCandidates("Visit New\r"), Candidates{"Visit New"});
  EXPECT_EQ(LineCandidates("New\r"), Candidates{});
  EXPECT_EQ(TextCandidates("Ab\r\nCd Ef\r\nGh ij\r\nKl Mn"), (Candidates{"Cd Ef", "Kl Mn"}));
}

TEST(PhraseScannerTest, TextScansEachLineOnItsOwn) {
  EXPECT_EQ(TextCandidates("Ab\nCd"), Candidates{});
  EXPECT_EQ(TextCandidates("Ab Cd\nEf Gh Ij\n\nKl"), (Candidates{"Ab Cd", "Ef Gh Ij"}));
  EXPECT_EQ(TextCandidates("Ab \nCd Ef"), Candidates{"Cd Ef"});
  EXPECT_EQ(TextCandidates(""), Candidates{});
  std::vector<PhraseMatch> matches{{99, 1}};  // appends to what the caller has
  FindPhrasesInText("x Ab Cd\nEf Gh", matches);
  EXPECT_EQ(matches, (std::vector<PhraseMatch>{{99, 1}, {2, 5}, {8, 5}}));
}

TEST(PhraseScannerTest, SearchStartsWhereAsked) {
  const std::string_view line = "Xy Big Deal";
  EXPECT_EQ(FindNextPhraseInLine(line), (PhraseMatch{0, 11}));
  EXPECT_EQ(FindNextPhraseInLine(line, 1), (PhraseMatch{3, 8}));  // "y Big Deal": "Big Deal"
  EXPECT_EQ(FindNextPhraseInLine(line, 4), std::nullopt);         // "ig Deal"
  EXPECT_EQ(FindNextPhraseInLine("ABc De", 1), (PhraseMatch{1, 5}));  // a search may start inside a word
  EXPECT_EQ(FindNextPhraseInLine(line, line.size()), std::nullopt);
  EXPECT_EQ(FindNextPhraseInLine(line, line.size() + 5), std::nullopt);
}

TEST(PhraseScannerTest, LongRunsOfWordCharactersAreSafe) {
  const std::string run(100000, 'x');
  EXPECT_EQ(LineCandidates("A" + run), Candidates{});
  EXPECT_EQ(LineCandidates("Ab X" + run), Candidates{"Ab X" + run});
  EXPECT_EQ(LineCandidates("X" + run + " Big Deal"), Candidates{"X" + run + " Big Deal"});
  const std::string capitals(100000, 'Q');
  EXPECT_EQ(LineCandidates(capitals + " of Qq."), Candidates{capitals + " of Qq"});
  EXPECT_EQ(LineCandidates(capitals), Candidates{});
}

TEST(PhraseScannerTest, LongLineOfShortWordsGivesFourWordPhrases) {
  std::string line;
  while (line.size() + 3 <= 100000) line += "Ab ";
  line += 'A';  // 33,333 words and a one-letter tail
  ASSERT_EQ(line.size(), 100000u);
  const Candidates found = LineCandidates(line);
  EXPECT_EQ(found.size(), 33333u / 4);
  for (const std::string& candidate : found) ASSERT_EQ(candidate, "Ab Ab Ab Ab");
}

// The character classes, byte by byte, against this platform's std::regex in the classic locale.
TEST(PhraseScannerTest, EveryByteIsClassifiedAsTheRegexDoes) {
  std::regex regex;
  regex.imbue(std::locale::classic());
  regex.assign(std::string(kPhrasePattern), std::regex::ECMAScript);
  const auto regexCandidates = [&](const std::string& line) {
    Candidates found;
    for (auto it = std::sregex_iterator(line.begin(), line.end(), regex); it != std::sregex_iterator(); ++it) {
      found.push_back(it->str());
    }
    return found;
  };
  for (int byte = 0; byte < 256; ++byte) {
    const std::string c(1, static_cast<char>(byte));
    for (const std::string& line : {"Ab" + c + "Cd", "Ab " + c + "b Cd", "Ab x" + c + " Cd", c + "b Cd"}) {
      EXPECT_EQ(LineCandidates(line), regexCandidates(line)) << "byte " << byte;
    }
  }
}

}  // namespace
}  // namespace lexiglean
