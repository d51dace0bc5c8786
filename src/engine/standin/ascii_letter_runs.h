#pragma once
// Runs of ASCII text found sixteen code units at a time, for the word splitter's common case: where
// the next letter may be, and where a run of ASCII letters ends. Units outside ASCII always stop a run
// and are left to the careful path. A scalar loop stands in where SSE2 is missing.
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lexiglean::standin {

inline bool IsAsciiLetterUnit(char16_t unit) { return unit < 0x80 && static_cast<char16_t>((unit | 0x20) - u'a') < 26; }

#if defined(__SSE2__)
namespace detail {

// Bit k set when unit k of the sixteen at p is an ASCII letter; `ascii` receives the ASCII units.
inline std::uint32_t AsciiLetterBits(const char16_t* p, std::uint32_t& ascii) {
  const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 8));
  const __m128i high = _mm_set1_epi16(static_cast<short>(0xFF80));
  const __m128i zero = _mm_setzero_si128();
  const __m128i isAscii = _mm_packs_epi16(_mm_cmpeq_epi16(_mm_and_si128(a, high), zero),
                                          _mm_cmpeq_epi16(_mm_and_si128(b, high), zero));
  const __m128i bytes = _mm_packus_epi16(_mm_and_si128(a, _mm_set1_epi16(0x7F)), _mm_and_si128(b, _mm_set1_epi16(0x7F)));
  const __m128i fromA = _mm_sub_epi8(_mm_or_si128(bytes, _mm_set1_epi8(0x20)), _mm_set1_epi8('a'));
  const __m128i letter = _mm_cmpeq_epi8(_mm_min_epu8(fromA, _mm_set1_epi8(25)), fromA);
  ascii = static_cast<std::uint32_t>(_mm_movemask_epi8(isAscii));
  return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_and_si128(letter, isAscii)));
}

}  // namespace detail
#endif

// For the 64 code units at p: bit k of `letters` set when unit k is an ASCII letter, of `careful` when
// it lies outside ASCII or is an apostrophe or hyphen (which may join two letters).
inline void AsciiWindow(const char16_t* p, std::uint64_t& letters, std::uint64_t& careful) {
  letters = careful = 0;
#if defined(__SSE2__)
  for (int block = 0; block < 4; ++block) {
    const char16_t* units = p + 16 * block;
    std::uint32_t ascii = 0;
    const std::uint64_t blockLetters = detail::AsciiLetterBits(units, ascii);
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units + 8));
    const __m128i joiners = _mm_packs_epi16(
        _mm_or_si128(_mm_cmpeq_epi16(a, _mm_set1_epi16(u'\'')), _mm_cmpeq_epi16(a, _mm_set1_epi16(u'-'))),
        _mm_or_si128(_mm_cmpeq_epi16(b, _mm_set1_epi16(u'\'')), _mm_cmpeq_epi16(b, _mm_set1_epi16(u'-'))));
    const std::uint64_t blockCareful = (~ascii & 0xFFFFu) | static_cast<std::uint32_t>(_mm_movemask_epi8(joiners));
    letters |= blockLetters << (16 * block);
    careful |= blockCareful << (16 * block);
  }
#else
  for (int k = 0; k < 64; ++k) {
    letters |= std::uint64_t{IsAsciiLetterUnit(p[k])} << k;
    careful |= std::uint64_t{p[k] >= 0x80 || p[k] == u'\'' || p[k] == u'-'} << k;
  }
#endif
}

// The first position from `at` on, before `limit`, that holds an ASCII letter or a unit outside ASCII;
// `limit` when there is none.
inline std::size_t SkipAsciiNonLetters(const char16_t* text, std::size_t at, std::size_t limit) {
#if defined(__SSE2__)
  for (; at + 16 <= limit; at += 16) {
    std::uint32_t ascii = 0;
    const std::uint32_t wanted = detail::AsciiLetterBits(text + at, ascii) | (~ascii & 0xFFFFu);
    if (wanted != 0) return at + static_cast<std::size_t>(__builtin_ctz(wanted));
  }
#endif
  while (at < limit && text[at] < 0x80 && !IsAsciiLetterUnit(text[at])) ++at;
  return at;
}

// The end of the run of ASCII letters from `at` on, at most `limit`.
inline std::size_t AsciiLetterRunEnd(const char16_t* text, std::size_t at, std::size_t limit) {
#if defined(__SSE2__)
  for (; at + 16 <= limit; at += 16) {
    std::uint32_t ascii = 0;
    const std::uint32_t others = ~detail::AsciiLetterBits(text + at, ascii) & 0xFFFFu;
    if (others != 0) return at + static_cast<std::size_t>(__builtin_ctz(others));
  }
#endif
  while (at < limit && IsAsciiLetterUnit(text[at])) ++at;
  return at;
}

}  // namespace lexiglean::standin
