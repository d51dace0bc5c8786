// The number reading (the patterns themselves are proven against std::regex by the differential test).
#include "spoken/word_patterns.h"

#include <gtest/gtest.h>

#include <vector>

namespace lexiglean {
namespace {

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
