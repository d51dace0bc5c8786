#include "harvest/phrase_scanner.h"

#include <array>
#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// How the regex matches, and why this scanner gives the same result.
//
// Write C for [A-Z], L for [a-z], w for \w and s for \s. The pattern is
//   C w+ s (C w+ s)? (C w+ s | L w+ s)? C w+
// i.e. a first word W1, an optional second word W2 (capitalised), an optional third word W3 (capitalised
// or lower-case) and a final word W4 (capitalised), every word a letter and one or more word characters.
//
// 1. A non-final word "X w+ s" must take its run of word characters to the very end: the character after
//    any shorter w+ is a word character, which s cannot match. So each non-final word ends where its run
//    ends, exactly one white-space character follows, and the next word starts right after it. The words
//    after the first are therefore fixed by where the first word's run ends: no backtracking inside w+
//    can ever change the outcome.
// 2. The final w+ is greedy and nothing follows it: the first try, the whole rest of the run, succeeds.
// 3. At one start position the engine tries, in order: W2 present with W3 present, W2 present without W3,
//    W2 absent with W3 present, both absent (the two alternatives of W3 differ by their first letter, so
//    their order never matters). With the words q1, q2, q3 that follow W1 (see 1):
//      (W2,W3)  q1 capitalised and followed by a space, q2 a word followed by a space, q3 capitalised;
//      (W2)     q1 capitalised and followed by a space, q2 capitalised;
//      (W3)     q1 a word followed by a space, q2 capitalised;
//      ()       q1 capitalised.
//    The first that holds gives the match, which ends where the final word's run ends.
// 4. Every start position inside one run of word characters has the same q1, q2, q3, and W1 holds at p
//    exactly when p is a capital with at least one word character after it in the run. So the leftmost
//    capital of a run that is not its last character is the only start to try there; when it fails, the
//    whole run fails, and the search goes on after the run. A match ends at the end of a run, so the next
//    search of std::sregex_iterator also begins outside a run.
// 5. No match is empty, so the iterator's empty-match rules never apply, and the pattern has no anchor or
//    word boundary, so text before the start of a search never matters.
//
// In a chunk of several lines a '\n' is simply a character that is neither a word character nor white
// space: a word before it has no separator, the final word's run ends at it, and nothing spans it. That is
// exactly what scanning each line on its own gives.

namespace lexiglean {
namespace {

enum : std::uint8_t { kWord = 1, kUpper = 2, kLetter = 4, kSpace = 8 };

using ClassTable = std::array<std::uint8_t, 256>;

constexpr ClassTable MakeClassTable(bool newlineIsSpace) {
  ClassTable table{};
  for (int c = 'A'; c <= 'Z'; ++c) table[c] = kWord | kUpper | kLetter;
  for (int c = 'a'; c <= 'z'; ++c) table[c] = kWord | kLetter;
  for (int c = '0'; c <= '9'; ++c) table[c] = kWord;
  table['_'] = kWord;
  for (const unsigned char c : {' ', '\t', '\v', '\f', '\r'}) table[c] = kSpace;
  table['\n'] = newlineIsSpace ? kSpace : 0;
  return table;
}

// One line as the regex sees it: '\n' is white space.
constexpr ClassTable kLineClasses = MakeClassTable(true);
// Lines of a chunk: '\n' separates lines and belongs to no class.
constexpr ClassTable kTextClasses = MakeClassTable(false);

class Scanner {
 public:
  Scanner(std::string_view text, const ClassTable& classes)
      : begin_(reinterpret_cast<const unsigned char*>(text.data())),
        end_(begin_ + text.size()),
        classes_(classes.data()) {}

  std::optional<PhraseMatch> FindFrom(std::size_t from) const {
    if (from >= static_cast<std::size_t>(end_ - begin_)) return std::nullopt;
    const unsigned char* p = begin_ + from;
    for (;;) {
      p = NextCapital(p);
      if (p == end_) return std::nullopt;
      // p is the leftmost capital of its run as this search sees it: the search starts at `from` or right
      // after a run (see 4).
      const unsigned char* firstEnd = RunEnd(p + 1);
      if (firstEnd - p >= 2) {
        if (const unsigned char* matchEnd = MatchEndAfterFirstWord(firstEnd)) {
          return PhraseMatch{static_cast<std::size_t>(p - begin_), static_cast<std::size_t>(matchEnd - p)};
        }
      }
      p = firstEnd;
    }
  }

 private:
  struct Word {
    const unsigned char* end = nullptr;  // end of its run of word characters
    bool capitalised = false;
    bool spaceAfter = false;  // a white-space character follows the run
  };

  bool Is(const unsigned char* p, std::uint8_t mask) const { return (classes_[*p] & mask) != 0; }

  // The end of the run of word characters from p (p itself when it is no word character).
  const unsigned char* RunEnd(const unsigned char* p) const {
#if defined(__SSE2__)
    // Sixteen bytes at a time: a letter (any case folded to lower case), a digit or '_' (signed compares,
    // so bytes >= 0x80 are never inside a range).
    const __m128i caseBit = _mm_set1_epi8(0x20);
    const __m128i belowSmallA = _mm_set1_epi8('a' - 1);
    const __m128i aboveSmallZ = _mm_set1_epi8('z' + 1);
    const __m128i below0 = _mm_set1_epi8('0' - 1);
    const __m128i above9 = _mm_set1_epi8('9' + 1);
    const __m128i underscore = _mm_set1_epi8('_');
    while (end_ - p >= 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
      const __m128i folded = _mm_or_si128(bytes, caseBit);
      const __m128i letter = _mm_and_si128(_mm_cmpgt_epi8(folded, belowSmallA), _mm_cmplt_epi8(folded, aboveSmallZ));
      const __m128i digit = _mm_and_si128(_mm_cmpgt_epi8(bytes, below0), _mm_cmplt_epi8(bytes, above9));
      const __m128i word = _mm_or_si128(_mm_or_si128(letter, digit), _mm_cmpeq_epi8(bytes, underscore));
      const unsigned other = ~static_cast<unsigned>(_mm_movemask_epi8(word)) & 0xFFFFu;
      if (other != 0) return p + std::countr_zero(other);
      p += 16;
    }
#endif
    while (p != end_ && Is(p, kWord)) ++p;
    return p;
  }

  // A word starting at q: a letter and at least one word character.
  bool WordAt(const unsigned char* q, Word& word) const {
    if (end_ - q < 2 || !Is(q, kLetter) || !Is(q + 1, kWord)) return false;
    word.end = RunEnd(q + 2);
    word.capitalised = Is(q, kUpper);
    word.spaceAfter = word.end != end_ && Is(word.end, kSpace);
    return true;
  }

  // The end of the match whose first word ends at firstEnd, or nullptr (see 3).
  const unsigned char* MatchEndAfterFirstWord(const unsigned char* firstEnd) const {
    if (firstEnd == end_ || !Is(firstEnd, kSpace)) return nullptr;
    Word q1;
    if (!WordAt(firstEnd + 1, q1)) return nullptr;
    if (!q1.spaceAfter) return q1.capitalised ? q1.end : nullptr;  // only () can hold
    Word q2;
    const bool hasQ2 = WordAt(q1.end + 1, q2);
    if (q1.capitalised) {
      if (hasQ2 && q2.spaceAfter) {
        Word q3;
        if (WordAt(q2.end + 1, q3) && q3.capitalised) return q3.end;  // (W2,W3)
      }
      if (hasQ2 && q2.capitalised) return q2.end;  // (W2); (W3) asks the same
      return q1.end;                               // ()
    }
    if (hasQ2 && q2.capitalised) return q2.end;  // (W3) with a lower-case third word
    return nullptr;
  }

  // The first capital letter at or after p, or end_.
  const unsigned char* NextCapital(const unsigned char* p) const {
#if defined(__SSE2__)
    // Sixteen bytes at a time: 'A' <= byte <= 'Z' as signed bytes (bytes >= 0x80 are negative).
    const __m128i belowA = _mm_set1_epi8('A' - 1);
    const __m128i aboveZ = _mm_set1_epi8('Z' + 1);
    while (end_ - p >= 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
      const __m128i capital = _mm_and_si128(_mm_cmpgt_epi8(bytes, belowA), _mm_cmplt_epi8(bytes, aboveZ));
      const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(capital));
      if (mask != 0) return p + std::countr_zero(mask);
      p += 16;
    }
#endif
    while (p != end_ && !Is(p, kUpper)) ++p;
    return p;
  }

  const unsigned char* begin_;
  const unsigned char* end_;
  const std::uint8_t* classes_;
};

}  // namespace

std::optional<PhraseMatch> FindNextPhraseInLine(std::string_view line, std::size_t from) {
  return Scanner(line, kLineClasses).FindFrom(from);
}

std::optional<PhraseMatch> FindNextPhraseInText(std::string_view text, std::size_t from) {
  return Scanner(text, kTextClasses).FindFrom(from);
}

void FindPhrasesInLine(std::string_view line, std::vector<PhraseMatch>& matches) {
  ForEachPhraseInLine(line, [&](const PhraseMatch& match) { matches.push_back(match); });
}

void FindPhrasesInText(std::string_view text, std::vector<PhraseMatch>& matches) {
  ForEachPhraseInText(text, [&](const PhraseMatch& match) { matches.push_back(match); });
}

}  // namespace lexiglean
