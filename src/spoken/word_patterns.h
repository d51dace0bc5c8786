#pragma once
// The four whole-word patterns of the spoken-form rules, matched by hand over the working text's bytes
// (no recursion, no regular-expression engine), with the capture groups the standard ECMAScript
// engine would give:
//   acronym                 ([A-Z]){2,}
//   two-part compound       ([A-Z][a-z]+)([A-Z][a-z]+)
//   three-part compound     ([A-Z][a-z]+)([A-Z][a-z]+)([A-Z][a-z]+)
//   letters-digits-letters  ([A-za-z]*)([0-9]+)([A-za-z]*)   (A-z: every byte from 'A' to 'z')
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lexiglean {

// A whole-word match: its capture groups, views into the word.
struct PatternMatch {
  std::array<std::string_view, 3> groups;
  std::size_t count = 0;
};

using WordPattern = std::optional<PatternMatch> (*)(std::string_view word);

std::optional<PatternMatch> MatchAcronym(std::string_view word);
std::optional<PatternMatch> MatchTwoPartCompound(std::string_view word);
std::optional<PatternMatch> MatchThreePartCompound(std::string_view word);
std::optional<PatternMatch> MatchLettersDigitsLetters(std::string_view word);

// The patterns the rules try, in their order.
struct WordPatterns {
  WordPattern acronym;
  WordPattern twoPartCompound;
  WordPattern threePartCompound;
  WordPattern lettersDigitsLetters;
};

inline constexpr WordPatterns kExactWordPatterns{MatchAcronym, MatchTwoPartCompound, MatchThreePartCompound,
                                                 MatchLettersDigitsLetters};

// A run of decimal digits read as a number: its word from "zero" to "twenty", or "*" + the digits as
// written + "*" above twenty (also when the value does not fit 32 bits). Leading zeros are allowed.
std::string NumberWord(std::string_view digits);

}  // namespace lexiglean
