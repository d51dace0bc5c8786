#include "platform/letters.h"

#include <locale.h>
#include <wctype.h>

#include "platform/text.h"

namespace lexiglean {
namespace {

// The C library's UTF-8 character tables, made once; the process-wide locale is left alone.
locale_t Utf8Locale() {
  static const locale_t locale = [] {
    locale_t made = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    return made != static_cast<locale_t>(0) ? made : newlocale(LC_CTYPE_MASK, "en_US.UTF-8", static_cast<locale_t>(0));
  }();
  return locale;
}

}  // namespace

bool IsLetter(char32_t codePoint) {
  if (codePoint < 0x80) return (codePoint | 0x20) >= U'a' && (codePoint | 0x20) <= U'z';
  const locale_t locale = Utf8Locale();
  return locale != static_cast<locale_t>(0) && iswalpha_l(static_cast<wint_t>(codePoint), locale) != 0;
}

std::u16string LowerCase(std::u16string_view text) {
  const locale_t locale = Utf8Locale();
  std::u16string lower;
  lower.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
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
