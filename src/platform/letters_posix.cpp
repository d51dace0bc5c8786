#include "platform/letters.h"

#include <wctype.h>

#include "platform/text.h"
#include "platform/utf8_locale_posix.h"

namespace lexiglean {

bool IsLetter(char32_t codePoint) {
  if (codePoint < 0x80) return (codePoint | 0x20) >= U'a' && (codePoint | 0x20) <= U'z';
  const locale_t locale = Utf8CharacterTables();
  return locale != static_cast<locale_t>(0) && iswalpha_l(static_cast<wint_t>(codePoint), locale) != 0;
}

std::u16string LowerCase(std::u16string_view text) {
  const locale_t locale = Utf8CharacterTables();
  std::u16string lower;
  lower.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    char32_t c = NextCodePoint(text, i);
    if (c >= 0xD800 && c <= 0xDFFF) {
      lower.push_back(static_cast<char16_t>(c));  // an unpaired surrogate stays as it is
      continue;
    }
    if (c < 0x80) {
      if (c >= U'A' && c <= U'Z') c += 0x20;
    } else if (locale != static_cast<locale_t>(0)) {
      c = static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), locale));
    }
    AppendCodePoint(lower, c);
  }
  return lower;
}

}  // namespace lexiglean
