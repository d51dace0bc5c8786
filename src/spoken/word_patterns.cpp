#include "spoken/word_patterns.h"

#include <array>

namespace lexiglean {
namespace {

bool IsCapital(char c) { return c >= 'A' && c <= 'Z'; }
bool IsSmall(char c) { return c >= 'a' && c <= 'z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
// The A-z range: the letters and the six characters between 'Z' and 'a'.
bool IsInCapitalAToSmallZ(char c) { return c >= 'A' && c <= 'z'; }

template <class Predicate>
std::size_t RunEnd(std::string_view word, std::size_t position, Predicate&& predicate) {
  while (position < word.size() && predicate(word[position])) ++position;
  return position;
}

// partCount parts of one capital and one or more small letters, covering the whole word.
std::optional<PatternMatch> MatchCapitalisedParts(std::string_view word, std::size_t partCount) {
  PatternMatch match;
  std::size_t position = 0;
  for (std::size_t part = 0; part < partCount; ++part) {
    if (position >= word.size() || !IsCapital(word[position])) return std::nullopt;
    const std::size_t end = RunEnd(word, position + 1, IsSmall);
    if (end == position + 1) return std::nullopt;
    match.groups[part] = word.substr(position, end - position);
    position = end;
  }
  if (position != word.size()) return std::nullopt;
  match.count = partCount;
  return match;
}

}  // namespace

std::optional<PatternMatch> MatchAcronym(std::string_view word) {
  if (word.size() < 2 || RunEnd(word, 0, IsCapital) != word.size()) return std::nullopt;
  // A repeated group captures its last repetition.
  return PatternMatch{{word.substr(word.size() - 1)}, 1};
}

std::optional<PatternMatch> MatchTwoPartCompound(std::string_view word) { return MatchCapitalisedParts(word, 2); }

std::optional<PatternMatch> MatchThreePartCompound(std::string_view word) { return MatchCapitalisedParts(word, 3); }

std::optional<PatternMatch> MatchLettersDigitsLetters(std::string_view word) {
  // The three classes share no byte, so the only way to cover the word is: the longest run of the
  // first class, then the digits, then the rest, which must all be of the last class.
  const std::size_t digitsBegin = RunEnd(word, 0, IsInCapitalAToSmallZ);
  const std::size_t digitsEnd = RunEnd(word, digitsBegin, IsDigit);
  if (digitsEnd == digitsBegin || RunEnd(word, digitsEnd, IsInCapitalAToSmallZ) != word.size()) return std::nullopt;
  return PatternMatch{{word.substr(0, digitsBegin), word.substr(digitsBegin, digitsEnd - digitsBegin),
                       word.substr(digitsEnd)},
                      3};
}

std::string NumberWord(std::string_view digits) {
  static constexpr std::array<const char*, 21> kWords{
      "zero",  "one",    "two",    "three",    "four",     "five",    "six",
      "seven", "eight",  "nine",   "ten",      "eleven",   "twelve",  "thirteen",
      "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen", "twenty"};
  const std::size_t firstSignificant = digits.find_first_not_of('0');
  const std::string_view significant =
      firstSignificant == std::string_view::npos ? std::string_view() : digits.substr(firstSignificant);
  // Two significant digits at most can stay within twenty; longer values are all above it.
  if (significant.size() <= 2) {
    int value = 0;
    for (const char digit : significant) value = value * 10 + (digit - '0');
    if (value <= 20) return kWords[static_cast<std::size_t>(value)];
  }
  return "*" + std::string(digits) + "*";
}

}  // namespace lexiglean
