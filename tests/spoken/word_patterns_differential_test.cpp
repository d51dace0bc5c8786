// The hand-written word patterns against std::regex_match (ECMAScript, classic locale), the oracle:
// worked examples, then millions of seeded random words over the bytes that matter to the patterns.
// LEXIGLEAN_DIFF_SEED and LEXIGLEAN_DIFF_WORDS override the seed and the number of words.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <regex>
#include <string>

#include "spoken/word_patterns.h"
#include "support/differential.h"

namespace lexiglean {
namespace {

using ::lexiglean::testing::EnvNumber;
constexpr std::uint64_t kDefaultWords = ::lexiglean::testing::kOptimisedBuild ? 2'000'000 : 200'000;
constexpr int kShards = ::lexiglean::testing::kDifferentialShards;

struct NamedPattern {
  const char* name;
  const char* expression;
  WordPattern match;
};

const std::array<NamedPattern, 4> kPatterns{{
    {"acronym", "([A-Z]){2,}", MatchAcronym},
    {"two-part compound", "([A-Z][a-z]+)([A-Z][a-z]+)", MatchTwoPartCompound},
    {"three-part compound", "([A-Z][a-z]+)([A-Z][a-z]+)([A-Z][a-z]+)", MatchThreePartCompound},
    {"letters-digits-letters", "([A-za-z]*)([0-9]+)([A-za-z]*)", MatchLettersDigitsLetters},
}};

// Byte classes the patterns tell apart: capitals, small letters, digits, the six characters between
// 'Z' and 'a', other punctuation, bytes from 0x80 up.
const std::array<std::string, 6> kClasses{
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz", "0123456789", "[\\]^_`", "-/'.",
    "\x80\x9F\xA0\xC4\xDC\xDF\xE4\xF6\xFC\xFF"};

// Words of 0 to 40 bytes: runs of one class each (so that acronyms and numbers come often), any byte
// of any class, or capitalised parts (so that compounds come often) with a byte changed now and then.
std::string RandomWord(std::mt19937_64& random) {
  std::string word;
  const std::size_t length = random() % 41;
  const auto anyByte = [&](std::size_t kind) { return kClasses[kind][random() % kClasses[kind].size()]; };
  switch (random() % 3) {
    case 0:
      while (word.size() < length) {
        const std::size_t kind = random() % kClasses.size();
        for (std::size_t run = 1 + random() % 6; run > 0 && word.size() < length; --run) word.push_back(anyByte(kind));
      }
      break;
    case 1:
      while (word.size() < length) word.push_back(anyByte(random() % kClasses.size()));
      break;
    default:
      for (std::size_t parts = 1 + random() % 4; parts > 0; --parts) {
        word.push_back(anyByte(0));
        for (std::size_t smalls = random() % 6; smalls > 0; --smalls) word.push_back(anyByte(1));
      }
      if (random() % 2 == 0) word[random() % word.size()] = anyByte(random() % kClasses.size());
      break;
  }
  return word;
}

// The four patterns side by side with their oracles, counting the words each matched.
class Comparison {
 public:
  Comparison() {
    for (std::size_t p = 0; p < kPatterns.size(); ++p) {
      oracles_[p] = ::lexiglean::testing::ClassicEcmaScriptRegex(kPatterns[p].expression);
    }
  }

  // The name of the first pattern that differs from its oracle on the word (match or groups), or null.
  const char* FirstDifference(const std::string& word) {
    for (std::size_t p = 0; p < kPatterns.size(); ++p) {
      const bool expected = std::regex_match(word, groups_, oracles_[p]);
      const auto actual = kPatterns[p].match(word);
      if (expected != actual.has_value()) return kPatterns[p].name;
      if (!expected) continue;
      ++matched[p];
      if (actual->count + 1 != groups_.size()) return kPatterns[p].name;
      for (std::size_t g = 0; g < actual->count; ++g) {
        if (actual->groups[g] != groups_[g + 1].str()) return kPatterns[p].name;
      }
    }
    return nullptr;
  }

  std::array<std::uint64_t, 4> matched{};

 private:
  std::array<std::regex, 4> oracles_;
  std::smatch groups_;
};

TEST(WordPatternsExamplesTest, WorkedExamplesMatchAsTheStandardEngineDoes) {
  Comparison comparison;
  for (const std::string word : {"NASA", "N", "FooBar", "FooBarBaz", "FooB", "HTMLParser", "Win10", "Win10X", "007",
                                 "21", "24x7", "R2-D2", "U.S.", "e-mail", "a_[1]`", "Z\xFC" "rich1", ""}) {
    EXPECT_EQ(comparison.FirstDifference(word), nullptr) << word;
  }
  EXPECT_EQ(comparison.matched, (std::array<std::uint64_t, 4>{1, 1, 1, 5}));
}

class WordPatternsDifferentialTest : public ::testing::TestWithParam<int> {};

TEST_P(WordPatternsDifferentialTest, RandomWordsMatchAsTheStandardEngineDoesWithTheSameGroups) {
  const std::uint64_t seed = EnvNumber("LEXIGLEAN_DIFF_SEED", 20261209) + static_cast<std::uint64_t>(GetParam());
  const std::uint64_t words = EnvNumber("LEXIGLEAN_DIFF_WORDS", kDefaultWords) / kShards;
  Comparison comparison;
  std::mt19937_64 random(seed);
  int mismatches = 0;
  for (std::uint64_t n = 0; n < words && mismatches < 10; ++n) {
    const std::string word = RandomWord(random);
    if (const char* pattern = comparison.FirstDifference(word)) {
      ++mismatches;
      ADD_FAILURE() << pattern << " differs on \"" << word << "\" (seed " << seed << ", word " << n << ")";
    }
  }
  EXPECT_EQ(mismatches, 0);
  // The words must exercise every pattern, or the comparison proves little.
  for (std::size_t p = 0; p < kPatterns.size(); ++p) {
    EXPECT_GT(comparison.matched[p], words / 1000) << kPatterns[p].name;
  }
}

INSTANTIATE_TEST_SUITE_P(Shards, WordPatternsDifferentialTest, ::testing::Range(0, kShards));

}  // namespace
}  // namespace lexiglean
