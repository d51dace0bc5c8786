#pragma once
// Words that hold a letter beyond ASCII never form part of a phrase: the phrase pattern knows only ASCII
// letters and would otherwise end such a word at its first other letter ("Frau Schröder" would give
// "Frau Schr"). Before the search, every word of a line (a maximal run of ASCII word characters and
// letters beyond ASCII) that holds such a letter has its ASCII characters replaced by kBlankedByte, which
// is neither a word character nor white space. Characters beyond ASCII that are no letters (curly
// quotes, dashes, no-break spaces) end a word. A line of ASCII text is left exactly as it is.
#include <span>

namespace lexiglean {

inline constexpr char kBlankedByte = '\x7F';

// The line (without its line end) is decoded as UTF-8 when it is valid UTF-8, else with the narrow code
// page; the platform decides which characters are letters. Bytes beyond ASCII are never changed, so the
// line stays valid UTF-8 when it was, and blanking it again changes nothing.
void BlankWordsWithLettersBeyondAscii(std::span<char> line);

}  // namespace lexiglean
