// The phrase scanner against std::regex, the oracle: worked lines, millions of random lines, every
// file under tests/data, and files with letters beyond ASCII (the regex on each line with the words that
// hold such a letter blanked out). Seeded and reproducible; LEXIGLEAN_DIFF_SEED and LEXIGLEAN_DIFF_LINES override
// the seed and the number of random lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <locale>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "harvest/phrase_file_scan.h"
#include "harvest/phrase_scanner.h"
#include "harvest/phrase_text_decoding.h"
#include "support/differential.h"
#include "harvest/phrase_word_blanking.h"
#include "platform/letters.h"
#include "platform/narrow_code_page.h"
#include "platform/text.h"

namespace lexiglean {
namespace {

// std::regex recurses per character and overflows its stack on long lines; keep oracle lines short.
constexpr std::size_t kOracleLineLimit = 2000;

using ::lexiglean::testing::EnvNumber;
constexpr std::uint64_t kDefaultRandomLines = ::lexiglean::testing::kOptimisedBuild ? 3'000'000 : 400'000;
constexpr int kShards = ::lexiglean::testing::kDifferentialShards;

const std::regex& Oracle() {
  static const std::regex oracle = ::lexiglean::testing::ClassicEcmaScriptRegex(std::string(kPhrasePattern));
  return oracle;
}

std::vector<PhraseMatch> OracleMatches(const std::string& line, std::size_t shift = 0) {
  std::vector<PhraseMatch> matches;
  for (auto it = std::sregex_iterator(line.begin(), line.end(), Oracle()); it != std::sregex_iterator(); ++it) {
    matches.push_back({static_cast<std::size_t>(it->position(0)) + shift, static_cast<std::size_t>(it->length(0))});
  }
  return matches;
}

std::vector<PhraseMatch> ScannerMatches(std::string_view line) {
  std::vector<PhraseMatch> matches;
  FindPhrasesInLine(line, matches);
  return matches;
}

std::string Escaped(std::string_view text) {
  std::ostringstream out;
  out << '"';
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '\t': out << "\\t"; break;
      case '\n': out << "\\n"; break;
      case '\v': out << "\\v"; break;
      case '\f': out << "\\f"; break;
      case '\r': out << "\\r"; break;
      case '"': out << "\\\""; break;
      case '\\': out << "\\\\"; break;
      default:
        if (byte < 0x20 || byte >= 0x7F) {
          static constexpr char kHex[] = "0123456789ABCDEF";
          out << "\\x" << kHex[byte >> 4] << kHex[byte & 15];
        } else {
          out << c;
        }
    }
  }
  out << '"';
  return out.str();
}

std::string Describe(const std::vector<PhraseMatch>& matches) {
  std::ostringstream out;
  for (const PhraseMatch& m : matches) out << " (" << m.offset << "," << m.length << ")";
  return matches.empty() ? " none" : out.str();
}

// Compares scanner and oracle on one line; returns false (after a report) on a difference.
bool SameAsOracle(const std::string& line, const std::string& where) {
  const std::vector<PhraseMatch> expected = OracleMatches(line);
  const std::vector<PhraseMatch> actual = ScannerMatches(line);
  if (expected == actual) return true;
  ADD_FAILURE() << where << "\n  line:    " << Escaped(line) << "\n  regex:  " << Describe(expected)
                << "\n  scanner:" << Describe(actual);
  return false;
}

// Random lines biased toward phrases: short words, many capital starts, mostly single blanks, and now
// and then every other kind of byte the classes tell apart.
class LineGenerator {
 public:
  explicit LineGenerator(std::uint64_t seed) : rng_(seed) {}

  std::string Line(bool allowLineFeed) {
    std::string line;
    if (Below(12) == 0) {  // unstructured noise
      const std::size_t length = Below(40);
      for (std::size_t i = 0; i < length; ++i) line += AnyByte(allowLineFeed);
      return line;
    }
    const std::size_t tokens = Below(14);
    for (std::size_t i = 0; i < tokens; ++i) {
      AppendWord(line, allowLineFeed);
      AppendSeparator(line, allowLineFeed);
    }
    if (!line.empty() && Below(3) == 0) line.pop_back();  // lines that end in a word
    return line;
  }

 private:
  std::size_t Below(std::size_t n) { return static_cast<std::size_t>(rng_() % n); }
  char Pick(std::string_view set) { return set[Below(set.size())]; }

  static constexpr std::string_view kCapitals = "ABCMNXYZ";
  static constexpr std::string_view kSmall = "abcmnxyz";
  static constexpr std::string_view kDigits = "0189";
  // Neighbours of the letter ranges, punctuation, NUL, DEL, and bytes >= 0x80 (no-break space, NEL, ...).
  static constexpr char kOtherBytes[] = "@[`{.,'-;:!?()/\\\0\x7F\x80\x85\xA0\xC3\xA9\xFF";
  static constexpr std::string_view kOther{kOtherBytes, sizeof kOtherBytes - 1};
  static constexpr std::string_view kSpaces = " \t\v\f\r";

  char AnyByte(bool allowLineFeed) {
    switch (Below(allowLineFeed ? 7 : 6)) {
      case 0: return Pick(kCapitals);
      case 1: return Pick(kSmall);
      case 2: return Below(2) == 0 ? Pick(kDigits) : '_';
      case 3: return Pick(kSpaces);
      case 4: return ' ';
      case 5: return Pick(kOther);
      default: return '\n';
    }
  }

  char WordByte() {
    const std::size_t r = Below(20);
    if (r < 5) return Pick(kCapitals);
    if (r < 16) return Pick(kSmall);
    if (r < 19) return Pick(kDigits);
    return '_';
  }

  void AppendWord(std::string& line, bool allowLineFeed) {
    const std::size_t r = Below(20);
    if (r < 10) line += Pick(kCapitals);
    else if (r < 16) line += Pick(kSmall);
    else if (r < 18) line += WordByte();
    else line += AnyByte(allowLineFeed);
    // Mostly 0 to 3 more characters; now and then a long word, across the scanner's 16-byte blocks.
    const std::size_t r2 = Below(40);
    const std::size_t rest = r2 == 0 ? Below(48) : r2 < 4 ? Below(8) : Below(4);
    for (std::size_t i = 0; i < rest; ++i) line += Below(25) == 0 ? AnyByte(allowLineFeed) : WordByte();
  }

  void AppendSeparator(std::string& line, bool allowLineFeed) {
    const std::size_t r = Below(40);
    if (r < 28) line += ' ';
    else if (r < 32) line += Pick(kSpaces);
    else if (r < 34) { line += Pick(kSpaces); line += Pick(kSpaces); }
    else if (r < 37) line += Pick(kOther);
    else if (r < 38) line += allowLineFeed ? '\n' : ' ';
    // else nothing: the next word continues this one
  }

  std::mt19937_64 rng_;
};

std::uint64_t BaseSeed() {
  static const std::uint64_t seed = [] {
    const std::uint64_t s = EnvNumber("LEXIGLEAN_DIFF_SEED", 20240611);
    std::cout << "[ seed     ] LEXIGLEAN_DIFF_SEED=" << s << '\n';
    return s;
  }();
  return seed;
}

TEST(PhraseScannerDifferentialTest, WorkedAndSpecialLines) {
  const std::vector<std::string> lines = {
      "We met the Bank of America team.", "The United States of America", "Visit New York City Hall today",
      "John and Mary Smith", "He saw Mary Ann Smith Jones", "A Big Deal", "Dr. Smith, Jones", "New  York",
      "Windows 10 Pro", "R2D2 Unit", "eBay Inc", "America's Cup Race", "New\tYork", "New York\r",
      "The United states of", "Ab Cd ef Gh Ij", "A B", "AB CD", "Ab\nCd", "Ab\vCd\fEf\rGh",
      std::string("Ab\0Cd Ef", 8), "xYz Ab", "Caf\xC3\xA9 Noir Soir", "Ab Cd Ef Gh Ij Kl Mn Op Qr",
      "Ab cd Ef gh Ij", "Ab Cd ef gh Ij", "Ab Cd Ef gh Ij", "aB cD Ef", "ABCDEFG hijk LMNOP", "",
  };
  for (const std::string& line : lines) SameAsOracle(line, "worked line");
}

void RunRandomShard(int shard) {
  const std::uint64_t total = EnvNumber("LEXIGLEAN_DIFF_LINES", kDefaultRandomLines);
  const std::uint64_t count = total / kShards + (static_cast<std::uint64_t>(shard) < total % kShards ? 1 : 0);
  const std::uint64_t seed = BaseSeed() + static_cast<std::uint64_t>(shard);
  std::cout << "[ lines    ] " << count << " random lines, shard seed " << seed << '\n';
  LineGenerator generator(seed);
  std::uint64_t withMatches = 0;
  std::size_t failures = 0;
  for (std::uint64_t i = 0; i < count && failures < 10; ++i) {
    // One line in eight holds line feeds, which the regex counts as white space.
    const std::string line = generator.Line(i % 8 == 0);
    if (!SameAsOracle(line, "seed " + std::to_string(seed) + ", line " + std::to_string(i))) ++failures;
    if (i % 64 == 0 && !OracleMatches(line).empty()) ++withMatches;
  }
  std::cout << "[ lines    ] about " << withMatches * 64 * 100 / (count == 0 ? 1 : count)
            << " % of the lines hold a phrase\n";
}

TEST(PhraseScannerDifferentialTest, RandomLinesShard0) { RunRandomShard(0); }
TEST(PhraseScannerDifferentialTest, RandomLinesShard1) { RunRandomShard(1); }
TEST(PhraseScannerDifferentialTest, RandomLinesShard2) { RunRandomShard(2); }
TEST(PhraseScannerDifferentialTest, RandomLinesShard3) { RunRandomShard(3); }

// A chunk of many lines scanned at once gives the matches of every line, as the regex finds them.
TEST(PhraseScannerDifferentialTest, ChunksEqualTheirLines) {
  const std::uint64_t seed = BaseSeed() + 100;
  LineGenerator generator(seed);
  const std::uint64_t chunks = EnvNumber("LEXIGLEAN_DIFF_LINES", kDefaultRandomLines) / 400;
  for (std::uint64_t c = 0; c < chunks; ++c) {
    std::string text;
    std::vector<PhraseMatch> expected;
    const std::size_t lines = 1 + c % 40;
    for (std::size_t i = 0; i < lines; ++i) {
      if (i > 0) text += '\n';
      const std::string line = generator.Line(false);
      for (const PhraseMatch& m : OracleMatches(line, text.size())) expected.push_back(m);
      text += line;
    }
    std::vector<PhraseMatch> actual;
    FindPhrasesInText(text, actual);
    ASSERT_EQ(actual, expected) << "seed " << seed << ", chunk " << c << ": " << Escaped(text);
  }
}

// Every file under tests/data, each line against the regex (lines short enough for it) and the whole file
// as one chunk against its lines. UTF-16 files are decoded first, as the search does.
TEST(PhraseScannerDifferentialTest, TestDataFiles) {
  const std::filesystem::path root = LEXIGLEAN_TEST_DATA_DIR;
  std::error_code error;
  if (!std::filesystem::is_directory(root, error)) GTEST_SKIP() << "no folder " << root;
  std::size_t files = 0, lines = 0, longLines = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root, error)) {
    if (!entry.is_regular_file() || entry.file_size() > (16u << 20)) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::string storage;
    const std::string_view text = PhraseSearchText(bytes, storage);
    ++files;
    std::vector<PhraseMatch> expected;
    std::size_t start = 0;
    for (std::size_t lineNumber = 1;; ++lineNumber) {
      const std::size_t end = std::min(text.find('\n', start), text.size());
      const std::string_view line = text.substr(start, end - start);
      ++lines;
      std::vector<PhraseMatch> lineMatches = ScannerMatches(line);
      if (line.size() < kOracleLineLimit) {
        SameAsOracle(std::string(line), entry.path().string() + ", line " + std::to_string(lineNumber));
      } else {
        ++longLines;
      }
      for (PhraseMatch& m : lineMatches) expected.push_back({m.offset + start, m.length});
      if (end == text.size()) break;
      start = end + 1;
    }
    std::vector<PhraseMatch> actual;
    FindPhrasesInText(text, actual);
    EXPECT_EQ(actual, expected) << entry.path();
  }
  std::cout << "[ data     ] " << files << " files, " << lines << " lines (" << longLines
            << " too long for the regex) under " << root << '\n';
  if (files == 0) GTEST_SKIP() << "no files under " << root;
}

// The rule for words with letters beyond ASCII, written out plainly for the oracle: each character of
// the line (UTF-8 when the line is valid UTF-8, else one byte a character in the narrow code page) is a
// word character when it is an ASCII word character or a letter beyond ASCII; the ASCII characters of
// a run of word characters that holds a letter beyond ASCII are blanked out.
std::string BlankedForOracle(const std::string& line) {
  struct Character {
    std::size_t offset;
    bool ascii;
    bool word;
  };
  const bool utf8 = IsValidUtf8(line);
  std::vector<Character> characters;
  for (std::size_t i = 0; i < line.size();) {
    const auto c = static_cast<unsigned char>(line[i]);
    std::size_t length = 1;
    bool word = std::isalnum(c) || c == '_';
    if (c >= 0x80) {
      if (utf8) length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
      const std::u16string decoded = utf8 ? Utf8ToUtf16(line.substr(i, length)) : NarrowToUtf16(line.substr(i, 1));
      char32_t codePoint = decoded.empty() ? 0 : decoded[0];
      if (decoded.size() == 2) codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (decoded[1] - 0xDC00);
      word = IsLetter(codePoint);
    }
    characters.push_back({i, c < 0x80, word});
    i += length;
  }
  std::string blanked = line;
  for (std::size_t k = 0; k < characters.size();) {
    std::size_t end = k;
    bool beyondAscii = false;
    for (; end < characters.size() && characters[end].word; ++end) beyondAscii = beyondAscii || !characters[end].ascii;
    for (std::size_t j = k; beyondAscii && j < end; ++j) {
      if (characters[j].ascii) blanked[characters[j].offset] = kBlankedByte;
    }
    k = end == k ? k + 1 : end;
  }
  return blanked;
}

// Lines of words with and without letters beyond ASCII, quotes, dashes and no-break spaces, in UTF-8 or
// in Windows-1252.
class MixedLineGenerator {
 public:
  explicit MixedLineGenerator(std::uint64_t seed) : rng_(seed) {}

  std::string Line(bool narrow) {
    static const std::vector<std::string> kUtf8 = {
        "Ab", "New", "York", "of", "Cup", "R2", "x", "eBay", "Schr\xC3\xB6" "der", "\xC3\x89" "cole", "Gr\xC3\xBC" "ne",
        "\xC5\x81\xC3\xB3" "d\xC5\xBA", "\xE4\xB8\xAD\xE6\x96\x87", "Ab\xCC\x88", "\xF0\x9D\x92\x9C", "\xE2\x80\x9C",
        "\xE2\x80\x9D", "\xC2\xA0", "\xE2\x80\x93", "\xF0\x9F\x98\x80", "Stra\xC3\x9F" "e"};
    static const std::vector<std::string> kNarrow = {"Ab",   "New", "York", "of",  "Cup", "Schr\xF6" "der", "Caf\xE9",
                                                     "\x93", "\x94", "\xA0", "\x80", "\xC9" "cole", "\xDF", "\x96"};
    static const std::vector<std::string> kSeparators = {" ", " ", " ", " ", "  ", "\t", ",", "'", ""};
    const std::vector<std::string>& words = narrow ? kNarrow : kUtf8;
    std::string line;
    for (std::size_t n = rng_() % 12; n > 0; --n) {
      line += words[rng_() % words.size()];
      line += kSeparators[rng_() % kSeparators.size()];
    }
    return line;
  }

 private:
  std::mt19937_64 rng_;
};

std::vector<std::string> FileScanPhrases(const std::string& text) {
  std::istringstream file(text);
  std::vector<std::string> phrases;
  ScanPhrasesInFile(file, [&](std::string_view phrase) { phrases.emplace_back(phrase); });
  return phrases;
}

TEST(PhraseScannerDifferentialTest, LettersBeyondAsciiGiveTheMatchesOfTheBlankedLines) {
  const std::uint64_t seed = BaseSeed() + 200;
  MixedLineGenerator generator(seed);
  for (int round = 0; round < 200; ++round) {
    std::string text;
    std::vector<std::string> expected;
    for (int i = 0; i < 100; ++i) {
      const std::string line = generator.Line(i % 3 == 0);
      const std::string blanked = BlankedForOracle(line);
      // ASCII text is searched exactly as it always was.
      if (std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        ASSERT_EQ(blanked, line);
      }
      for (const PhraseMatch& m : OracleMatches(blanked)) expected.push_back(blanked.substr(m.offset, m.length));
      text += line + (i % 2 == 0 ? "\r\n" : "\n");
    }
    ASSERT_EQ(FileScanPhrases(text), expected) << "seed " << seed << ", round " << round << ": " << Escaped(text);
  }
}

// A line far longer than what the file scan keeps is searched in parts; the parts give the phrases of
// the whole line (the scanner on the whole blanked line, itself proven against the regex above).
TEST(PhraseScannerDifferentialTest, ALongLineSearchedInPartsEqualsTheWholeLine) {
  MixedLineGenerator generator(BaseSeed() + 300);
  std::string line;
  while (line.size() < (12u << 20)) {
    line += generator.Line(false) + ' ';
    if (line.size() % 97 == 0) line += std::string(100000, 'b') + " Cd Ef ";  // long runs of word characters
  }
  std::string blanked = line;
  BlankWordsWithLettersBeyondAscii(blanked);
  std::vector<std::string> expected;
  ForEachPhraseInLine(blanked, [&](const PhraseMatch& m) { expected.push_back(blanked.substr(m.offset, m.length)); });
  EXPECT_EQ(FileScanPhrases(line), expected);
}

}  // namespace
}  // namespace lexiglean
