// The word patterns and the number reading on worked examples.
#include "spoken/word_patterns.h"

#include <gtest/gtest.h>

#include <vector>

namespace lexiglean {
namespace {

using Groups = std::vector<std::string_view>;

Groups GroupsOf(WordPattern pattern, std::string_view word) {
  const auto match = pattern(word);
  if (!match) return {"no match"};
  return Groups(match->groups.begin(), match->groups.begin() + static_cast<std::ptrdiff_t>(match->count));
}

TEST(WordPatternsTest, WholeWordsOnlyWithTheGroupsOfTheStandardEngine) {
  struct Case {
    WordPattern pattern;
    std::string_view word;
    Groups groups;
  };
  const Groups none{"no match"};
  const std::vector<Case> cases{
      {MatchAcronym, "NASA", {"A"}},
      {MatchAcronym, "N", none},
      {MatchAcronym, "NASAs", none},
      {MatchTwoPartCompound, "FooBar", {"Foo", "Bar"}},
      {MatchTwoPartCompound, "FooBarBaz", none},
      {MatchTwoPartCompound, "HTMLParser", none},
      {MatchTwoPartCompound, "FooB", none},
      {MatchThreePartCompound, "FooBarBaz", {"Foo", "Bar", "Baz"}},
      {MatchThreePartCompound, "FooBar", none},
      {MatchLettersDigitsLetters, "Win10", {"Win", "10", ""}},
      {MatchLettersDigitsLetters, "007", {"", "007", ""}},
      {MatchLettersDigitsLetters, "a_[1]`", {"a_[", "1", "]`"}},
      {MatchLettersDigitsLetters, "24x7", none},
      {MatchLettersDigitsLetters, "R2-D2", none},
      {MatchLettersDigitsLetters, "Win", none},
      {MatchLettersDigitsLetters, "\xFC" "1", none},
      {MatchLettersDigitsLetters, "", none},
  };
  for (const Case& c : cases) EXPECT_EQ(GroupsOf(c.pattern, c.word), c.groups) << c.word;
}

TEST(WordPatternsTest, NumbersUpToTwentyAreWordsAndLargerOnesStayAsWritten) {
  const std::vector<std::pair<std::string_view, std::string_view>> cases{
      {"0", "zero"},    {"9", "nine"},     {"11", "eleven"}, {"13", "thirteen"},
      {"20", "twenty"}, {"007", "seven"},  {"000", "zero"},  {"0000000000000000000020", "twenty"},
      {"21", "*21*"},   {"0021", "*0021*"}, {"100", "*100*"}, {"99999999999999999999", "*99999999999999999999*"},
  };
  for (const auto& [digits, word] : cases) EXPECT_EQ(NumberWord(digits), word) << digits;
}

}  // namespace
}  // namespace lexiglean
