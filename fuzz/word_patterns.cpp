// The spoken-form word patterns on any word of at most 200 bytes: the hand-written matchers give exactly
// std::regex_match's answer and capture groups (ECMAScript, classic locale), and the number reading of
// a digit run never fails.
#include <regex>
#include <string>

#include "fuzz_input.h"
#include "spoken/word_patterns.h"
#include "support/differential.h"

namespace {

using namespace lexiglean;

void RequireSameAsOracle(WordPattern matcher, const std::regex& oracle, const std::string& word) {
  std::smatch groups;
  const bool expected = std::regex_match(word, groups, oracle);
  const std::optional<PatternMatch> actual = matcher(word);
  fuzz::Require(expected == actual.has_value(), "the matcher accepts what std::regex_match accepts");
  if (!expected) return;
  fuzz::Require(actual->count + 1 == groups.size(), "as many groups as the expression");
  for (std::size_t g = 0; g < actual->count; ++g) {
    fuzz::Require(actual->groups[g] == groups[g + 1].str(), "the same capture groups");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 200) return 0;  // std::regex recurses per character
  static const std::regex acronym = testing::ClassicEcmaScriptRegex("([A-Z]){2,}");
  static const std::regex twoPart = testing::ClassicEcmaScriptRegex("([A-Z][a-z]+)([A-Z][a-z]+)");
  static const std::regex threePart = testing::ClassicEcmaScriptRegex("([A-Z][a-z]+)([A-Z][a-z]+)([A-Z][a-z]+)");
  static const std::regex lettersDigitsLetters = testing::ClassicEcmaScriptRegex("([A-za-z]*)([0-9]+)([A-za-z]*)");
  const std::string word(fuzz::Bytes(data, size));
  RequireSameAsOracle(MatchAcronym, acronym, word);
  RequireSameAsOracle(MatchTwoPartCompound, twoPart, word);
  RequireSameAsOracle(MatchThreePartCompound, threePart, word);
  RequireSameAsOracle(MatchLettersDigitsLetters, lettersDigitsLetters, word);
  if (const auto match = MatchLettersDigitsLetters(word)) fuzz::Require(!NumberWord(match->groups[1]).empty(), "a number word");
  return 0;
}
