#pragma once
// The phrase scanner of Search Phrases: an exact, hand-written matcher for the phrase pattern
//
//   ([A-Z])\w+\s(([A-Z])\w+\s)?(([A-Z])\w+\s|([a-z])\w+\s)?([A-Z])\w+
//
// as std::regex (ECMAScript, classic locale, case-sensitive, char) finds it with std::sregex_iterator. It
// runs in one forward pass with a lookahead of at most three words, without recursion and without
// allocating, so a line of any length is safe (a base64 blob of a few ten thousand characters overflows
// the stack of std::regex's backtracking engine).
// The differential test in tests/harvest/ keeps std::regex as the oracle.
//
// Character classes, as the classic locale has them for char: a word character is [A-Za-z0-9_]; white
// space is blank, \t, \n, \v, \f, \r; every byte >= 0x80 is neither.
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace lexiglean {

// The pattern, for the oracle and for the record.
inline constexpr std::string_view kPhrasePattern =
    R"(([A-Z])\w+\s(([A-Z])\w+\s)?(([A-Z])\w+\s|([a-z])\w+\s)?([A-Z])\w+)";

// One match: byte offset and length within the scanned text (never empty).
struct PhraseMatch {
  std::size_t offset = 0;
  std::size_t length = 0;
  friend bool operator==(const PhraseMatch&, const PhraseMatch&) = default;
};

// The first match of the pattern in `line` that starts at or after `from`, as std::regex_search over
// line.substr(from) finds it (the pattern looks at nothing before its start, so this is also what
// std::sregex_iterator yields after a match that ended at `from`). A '\n' inside `line` counts as white
// space, exactly as in the regex; use FindNextPhraseInText for text that holds line ends.
std::optional<PhraseMatch> FindNextPhraseInLine(std::string_view line, std::size_t from = 0);

// The same over a chunk of text made of lines separated by '\n', each line scanned on its own: a match
// never spans a '\n', and the result equals scanning every line with FindNextPhraseInLine (offsets are
// relative to `text`). A '\r' before the '\n' is part of the line and changes no match.
std::optional<PhraseMatch> FindNextPhraseInText(std::string_view text, std::size_t from = 0);

// Calls onMatch(PhraseMatch) for every match of the line, left to right, without overlap: each search
// starts where the previous match ended (std::sregex_iterator's order).
template <class OnMatch>
void ForEachPhraseInLine(std::string_view line, OnMatch&& onMatch) {
  std::size_t from = 0;
  while (const std::optional<PhraseMatch> match = FindNextPhraseInLine(line, from)) {
    onMatch(*match);
    from = match->offset + match->length;
  }
}

// The same for every line of a chunk of text (see FindNextPhraseInText).
template <class OnMatch>
void ForEachPhraseInText(std::string_view text, OnMatch&& onMatch) {
  std::size_t from = 0;
  while (const std::optional<PhraseMatch> match = FindNextPhraseInText(text, from)) {
    onMatch(*match);
    from = match->offset + match->length;
  }
}

// Appends every match of the line (or of every line of the text) to `matches`, a vector the caller owns
// and may reuse, so that scanning allocates nothing once it has room.
void FindPhrasesInLine(std::string_view line, std::vector<PhraseMatch>& matches);
void FindPhrasesInText(std::string_view text, std::vector<PhraseMatch>& matches);

}  // namespace lexiglean
