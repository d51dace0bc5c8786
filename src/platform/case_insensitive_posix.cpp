#include "platform/case_insensitive.h"

#include <wctype.h>

#include "platform/text.h"
#include "platform/utf8_locale_posix.h"

namespace lexiglean {
namespace {

// Unicode's upper case of a character, as the C library's UTF-8 tables have it; only ASCII letters
// fold when the system has no UTF-8 locale.
char32_t UpperCase(char32_t c, locale_t tables) {
  if (c < 0x80 || tables == static_cast<locale_t>(0)) return c >= U'a' && c <= U'z' ? c - 0x20 : c;
  return static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), tables));
}

}  // namespace

bool EqualIgnoringCase(std::u16string_view a, std::u16string_view b) {
  const locale_t tables = Utf8CharacterTables();
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const char32_t x = NextCodePoint(a, i);
    const char32_t y = NextCodePoint(b, j);
    if (x != y && UpperCase(x, tables) != UpperCase(y, tables)) return false;
  }
  return i == a.size() && j == b.size();
}

std::u16string CaseFolded(std::u16string_view text) {
  const locale_t tables = Utf8CharacterTables();
  std::u16string folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) AppendCodePoint(folded, UpperCase(NextCodePoint(text, i), tables));
  return folded;
}

}  // namespace lexiglean
