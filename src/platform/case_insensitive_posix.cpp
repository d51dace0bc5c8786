#include "platform/case_insensitive.h"

#include <locale>
#include <stdexcept>

namespace lexiglean {
namespace {

// Unicode's case mapping, as the C library's UTF-8 locale has it; the classic locale when that
// locale is missing (then only ASCII letters fold).
const std::ctype<wchar_t>& UnicodeCase() {
  static const std::locale locale = [] {
    try {
      return std::locale("C.UTF-8");
    } catch (const std::runtime_error&) {
      return std::locale::classic();
    }
  }();
  return std::use_facet<std::ctype<wchar_t>>(locale);
}

// The code point starting at i (a surrogate pair read whole); i moves past it.
char32_t NextCodePoint(std::u16string_view text, std::size_t& i) {
  const char16_t first = text[i++];
  if (first >= 0xD800 && first <= 0xDBFF && i < text.size() && text[i] >= 0xDC00 && text[i] <= 0xDFFF) {
    return 0x10000 + ((static_cast<char32_t>(first) - 0xD800) << 10) + (text[i++] - 0xDC00);
  }
  return first;
}

}  // namespace

bool EqualIgnoringCase(std::u16string_view a, std::u16string_view b) {
  const std::ctype<wchar_t>& unicodeCase = UnicodeCase();
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const auto x = static_cast<wchar_t>(NextCodePoint(a, i));
    const auto y = static_cast<wchar_t>(NextCodePoint(b, j));
    if (x != y && unicodeCase.toupper(x) != unicodeCase.toupper(y)) return false;
  }
  return i == a.size() && j == b.size();
}

}  // namespace lexiglean
